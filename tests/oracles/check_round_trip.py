"""The per-length matrices of a lossy line at one frequency, as duvane-calc's
RLGC table gives them (--rlgc --json), make the line again as a cascade of N short symmetric
sections (half the series impedance, the shunt admittance, the other half)
in chain (ABCD) matrices; as N grows the cascade's S converges, as 1/N^2,
to the .s4p's exact network at that frequency, and Richardson's
extrapolation of the last two, (16 S(4N) - S(N))/15, meets it closely.

    check_round_trip.py FOLDER
"""
import json
import os
import sys

import numpy

REFERENCE = 50.0
SECTIONS = [64, 256, 1024, 4096, 16384]
failures = []


def per_length(folder, case, frequency):
    """Z and Y per metre at `frequency` from the JSON lines (ohm/m, nH/m, S/m, pF/m)."""
    for line in open(os.path.join(folder, case + ".jsonl")):
        row = json.loads(line)
        if row["freq"] == frequency:
            def matrix(key, scale):
                return scale * numpy.array([[row[key + "11"], row[key + "12"]], [row[key + "12"], row[key + "22"]]])
            w = 2 * numpy.pi * frequency
            return matrix("r", 1) + 1j * w * matrix("l", 1e-9), matrix("g", 1) + 1j * w * matrix("c", 1e-12)
    raise SystemExit("no row at %g Hz in %s" % (frequency, case))


def touchstone(folder, case, frequency):
    """S at `frequency` from the .s4p (through numbering), read as numbers."""
    values = []
    found = False
    for line in open(os.path.join(folder, case + ".s4p")):
        words = line.split("!")[0].split()
        if not words or words[0] == "#":
            continue
        if len(values) == 0 or found is False:
            if len(words) % 2 == 1:  # a frequency's first line
                found = float(words[0]) == frequency
                words = words[1:]
            if not found:
                continue
        values += [float(w) for w in words]
        if len(values) == 32:
            break
    pairs = numpy.array(values[0::2]) + 1j * numpy.array(values[1::2])
    return pairs.reshape(4, 4)


def cascade(z, y, length, sections):
    """The chain matrix [V1; I1] = M [V2; I2] of `sections` T sections."""
    d = length / sections
    eye, zero = numpy.eye(2), numpy.zeros((2, 2))
    half = numpy.block([[eye, z * d / 2], [zero, eye]])
    shunt = numpy.block([[eye, zero], [y * d, eye]])
    m = half @ shunt @ half
    return numpy.linalg.matrix_power(m, sections)


def scattering(chain):
    """S over near 1, far 1, near 2, far 2 (the through numbering) from a chain
    matrix, through the admittance: I2 = B^-1 (V1 - A V2) flows out of the far
    end, I1 = C V2 + D I2."""
    a, b, c, d = chain[:2, :2], chain[:2, 2:], chain[2:, :2], chain[2:, 2:]
    bi = numpy.linalg.inv(b)
    y = numpy.block([[d @ bi, c - d @ bi @ a], [-bi, bi @ a]])  # near 1, near 2, far 1, far 2
    ybar = REFERENCE * y
    s = numpy.linalg.solve(numpy.eye(4) + ybar, numpy.eye(4) - ybar)
    order = [0, 2, 1, 3]
    return s[numpy.ix_(order, order)]


folder = sys.argv[1]
for case in ("insulated_lossy", "unequal_lossy", "homogeneous_lossy", "foil_lossy"):
    for frequency in (1e6, 1e9):
        z, y = per_length(folder, case, frequency)
        exact = touchstone(folder, case, frequency)
        cascades = [scattering(cascade(z, y, 1.0, n)) for n in SECTIONS]
        gaps = [numpy.max(numpy.abs(s - exact)) for s in cascades]
        extrapolated = numpy.max(numpy.abs((16 * cascades[-1] - cascades[-2]) / 15 - exact))
        print("%s at %g Hz: %s; extrapolated %.2e" % (case, frequency, ", ".join(
            "N=%d %.2e" % (n, g) for n, g in zip(SECTIONS, gaps)), extrapolated))
        for coarse, fine in zip(gaps, gaps[1:]):
            if not (fine < coarse / 10 or fine < 1e-11):
                failures.append("%s at %g Hz: no 1/N^2 convergence" % (case, frequency))
        if not extrapolated < 1e-9:
            failures.append("%s at %g Hz: the extrapolated cascade is off by %.3g" % (case, frequency, extrapolated))
for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
