"""Reference impedances of the bare twin-core cable, in 30-digit arithmetic.

    /usr/bin/python3 tests/reference/converged_reference.py

prints Ze and Zo (ohm, air) for the shapes the converged solver's tests pin.
It shares no code with the C++ and differs from it in the way it fixes the
coefficients: the potential is a line charge and multipoles about each core,
each with its exact image in the shield (the Green's function of the
circle), and the coefficients make the Fourier modes 0 to K of the potential
on a core equal those of 1 (a Galerkin projection, where the C++ collocates
at points), solved in mpmath at 30 digits. K is doubled until Ze and Zo
stand still to 1e-15. It checks the C++ against a second transcription of
the same representation, not against another physics.
"""

import sys

import mpmath as mp

mp.mp.dps = 30
C0 = mp.mpf(299792458)
EPS0 = mp.mpf("8.8541878128e-12")

SHAPES = [(0.5, 10), (0.3, 4), (0.7, 4), (0.9, 20)]


def basis(z, a, R, k):
    """Core at +a: its line charge (k = 0) or multipole k, each less its image."""
    if k == 0:
        return mp.log(abs((R * R - a * z) / (R * (z - a))))
    return mp.re((z - a) ** -k - (z / (R * R - a * z)) ** k)


def mode_potential(z, a, R, k, sign):
    """Core 1's term and core 2's mirror image (sign +1 even, -1 odd)."""
    mirror = -mp.conj(z)
    return basis(z, a, R, k) + sign * basis(mirror, a, R, k)


def charge(sd, dd, order, sign):
    R = mp.mpf(dd)
    a = R * mp.mpf(sd)
    n = 4 * (order + 1)
    thetas = [mp.pi * (j + mp.mpf(1) / 2) / n for j in range(n)]
    points = [a + mp.exp(1j * t) for t in thetas]
    # Row m: the cos(m theta) coefficient of each basis function on the core.
    A = mp.matrix(order + 1, order + 1)
    b = mp.matrix(order + 1, 1)
    b[0] = 1
    for k in range(order + 1):
        values = [mode_potential(z, a, R, k, sign) for z in points]
        for m in range(order + 1):
            weight = (1 if m == 0 else 2) / mp.mpf(n)
            A[m, k] = weight * mp.fsum(v * mp.cos(m * t) for v, t in zip(values, thetas))
    x = mp.lu_solve(A, b)
    return x[0]


def impedances(sd, dd):
    order, last = 8, None
    while True:
        ze = 1 / (C0 * 2 * mp.pi * EPS0 * charge(sd, dd, order, +1))
        zo = 1 / (C0 * 2 * mp.pi * EPS0 * charge(sd, dd, order, -1))
        if last and abs(ze / last[0] - 1) < 1e-15 and abs(zo / last[1] - 1) < 1e-15:
            return ze, zo, order
        last, order = (ze, zo), order * 2


def main():
    for sd, dd in SHAPES:
        ze, zo, order = impedances(sd, dd)
        print(f"S/D {sd}, D/d {dd}: Ze {mp.nstr(ze, 15)} Zo {mp.nstr(zo, 15)} (K = {order})")


if __name__ == "__main__":
    sys.exit(main())
