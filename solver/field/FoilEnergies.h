#pragma once

#include <array>
#include <vector>

#include "field/FoilFit.h"

// The bound of the foil solver, from two admissible fields built on a fit
// (lengths in stadium radii, permittivities relative, eps0 left out).
//
// Thomson (a lower bound of C): in the filler D = -eps2 grad psi, which is
// divergence-free whatever psi does on the foil; in each sleeve, per Fourier
// mode, the flux field whose normal flux on its circle is the filler's where
// the circle meets the filler, and the sleeve series' own where it lies on
// the foil (any flux will do there), with the conductor equipotential.
//
// Dirichlet (an upper bound): in the filler psi - eta, where eta = psi(foot)
// (1 - depth / w), depth and foot measured along the outline's inward normal
// (straight down from a wall, towards an arc's centre) and w half the
// stadium's radius: it takes psi's values off the foil exactly. With a drain
// wire, which must be at 0 too and meets the foil in a cusp where two such
// strips would overlap, eta is instead a fan from the drain's centre: along
// each ray, linear from psi where it leaves the drain to psi where it leaves
// the hull (the hull is convex, so each ray leaves once), exact on both
// (see fanEnd for the rays that leave by a sleeve wrapped in the foil). In each
// sleeve, per mode, the potential with V on the conductor and the filler's
// (psi - eta) on its circle, which is 0 where the circle lies on the foil
// (there the foot is the point itself). The fields are continuous across
// every interface and meet every potential, so they are admissible however
// rough the fit: at a contact (a sleeve touching the foil or the other
// sleeve) eta makes the traces meet.
//
// Their energies are boundary integrals, exactly, because psi is harmonic
// in the filler: with n out of the filler,
//   E(psi - eta) = int psi dpsi/dn - 2 int eta dpsi/dn + int |grad eta|^2,
// the last over the strip between the foil and depth w (or the first region
// circle the normal meets), in closed form along each normal (with a drain,
// along each ray of the fan, over its stretches through the filler). The sleeves'
// energies are Fourier sums of the traces: coth and tanh per mode, as in
// the round-shield solver.
//
// What is not proved: the quadratures of the boundary integrals and of the
// Fourier coefficients (graded Gauss-Legendre panels, checked by the
// solver against a coarser rule) and the Fourier sums' tails (twice their
// last quarter).

// One solution of a fit, and its column in the samples of psi.
struct FoilSolution {
    const FoilFit* fit = nullptr;
    int index = 0;  // which of the fit's solutions
    int sample = 0;
};

// Forms over pairs of solutions [a][b].
struct FoilForms {
    // Over the whole cross-section: the Dirichlet energy, the Thomson energy,
    // the filler's integral of grad psi_a . grad psi_b, and (vacuum) the
    // integral of sigma_a sigma_b over the foil and over the drain wire.
    double dirichlet[2][2] = {};
    double thomson[2][2] = {};
    double filler[2][2] = {};
    double foilSurface[2][2] = {};
    double drainSurface[2][2] = {};
    // Per fundamental circle: the sleeve's share of the hypercircle centre
    // field's integral of grad . grad, the conductor surface's integral of
    // sigma_a sigma_b, and the charge, in units of eps0 (solution a).
    double centre[2][2][2] = {};
    double coreSurface[2][2][2] = {};
    double charge[2][2] = {};  // [circle][solution]
    // What the truncated Fourier sums may miss, relative to the energy.
    double tail = 0;
};

// `sameSymmetry`: the solutions share the fit's symmetry, so that their cross
// forms over the fundamental part stand for the whole; otherwise (even
// against odd) only the per-circle cross forms are filled.
// The integrals run over the samples' nodes.
FoilForms foilForms(const FoilGeometry& geometry, const FoilSamples& samples, const std::vector<FoilSolution>& solutions,
                    const std::vector<SleeveBasis>& sleeves, bool sameSymmetry, bool mirrorY, int fourierModes);
