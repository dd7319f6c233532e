#pragma once

#include <vector>

#include "field/Expansion.h"

// The energies behind the bound, as bilinear forms between two solutions,
// one region circle at a time (lengths in shield radii, permittivities
// relative, eps0 left out).
//
// Filler: u is harmonic there and 0 on the shield, so its energy is the sum
// over the region circles of -eps2 * integral of u du/drho: Fourier sums of
// the circle's trace. Region (annulus r < rho < P), two admissible fields
// built on the filler's u:
//  - Dirichlet: the potential equal to u on the circle (every mode) and to
//    the core's potential V on the conductor; continuous with u, so with the
//    filler's part an upper bound of V'CV. Per mode n its energy is
//    pi n |c_n|^2 coth(n L) times eps1, L = ln(P/r); mode 0 2 pi (m - V)^2 / L.
//  - Thomson: the flux density whose normal part on the circle is the
//    filler's (every mode), constant potential on the conductor; with the
//    filler's -eps2 grad u divergence-free with continuous normal flux, so an
//    upper bound of Q'C^-1 Q for the charges Q the series carries. Per mode
//    pi n eps2^2 |f_n|^2 tanh(n L) / eps1; mode 0 2 pi eps2^2 q^2 L / eps1.
// Where the series meets the interface conditions the two fields agree;
// they part only in the modes past K that the series leaves unmatched.
// About an eccentric sleeve the traces are in its frame zeta (Layout.h):
// the maps keep both fields admissible and their energies, so the same sums
// hold with L = ln(1 / rho).

// A solution on one region circle: its own sources and the incoming series.
struct CircleTrace {
    double charge = 0;                // q
    double mean = 0;                  // the potential's mean on the circle
    std::vector<Complex> incoming;    // T_n, n < rows
    std::vector<Complex> multipoles;  // s_n, n = 0 to K (0 unused)
};

CircleTrace traceOf(const Region& region, const RegionSources& own, std::vector<Complex> incoming);

struct CircleForms {
    double filler = 0;     // this circle's share of the filler's integral of grad u_a . grad u_b
    double dirichlet = 0;  // eps1 * integral over the region of grad phi_a . grad phi_b, Dirichlet fields
    double thomson = 0;    // integral of D_a . D_b / eps1, Thomson fields
    // Integral of grad . grad of the mean of the Dirichlet and Thomson fields,
    // the hypercircle's centre: the region's share of dC/deps.
    double centre = 0;
    // Summed moduli of all the terms above in the last quarter of the rows:
    // what the rows left out is far below it while the traces decay.
    double tail = 0;
};

// va, vb: the conductor's potential in solutions a and b.
CircleForms circleForms(const Region& region, double filler, const CircleTrace& a, double va, const CircleTrace& b,
                        double vb);
