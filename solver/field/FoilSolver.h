#pragma once

#include "field/FieldSolution.h"
#include "field/FoilFit.h"
#include "field/FoilGeometry.h"

// Field solver for two insulated cores under a foil drawn tight round them
// (a stadium), the sibling of the round-shield series behind the same entry
// point, InsulatedSolver::solve: the same FieldSolution, C, C0, the bound,
// dC/dEr and Rhat, so that pairModes and the line quantities take it as
// they are.
//
// Method (FoilBasis.h, FoilFit.h): every region's potential exactly
// harmonic (multipoles about the sleeves and point charges outside the foil
// in the filler, the exact annulus series in each sleeve); the foil's and
// the interfaces' conditions by least squares. A stadium has no images,
// and its straight walls meet the arcs where the curvature jumps; at
// clearance 0 the filler ends in cusps between sleeve and foil. Both make a
// series converge only algebraically, so no condition is met exactly;
// instead the bound is built to need none of them exact (FoilEnergies.h):
// complementary energies of a Dirichlet and a Thomson field made from the
// fit, each admissible by construction, the Dirichlet one through a
// correction of psi's residual on the foil whose energy is an integral in
// closed form. L <= C <= U, C = (L + U) / 2 and the bound e/2 with e the
// largest eigenvalue of (U - L, L), as in the round-shield solver.
//
// What drives the bound: both energies err by the square of the field's
// error, so the fit's residual need only be about 1e-4 for a bound of
// 1e-7. It is tightest (the orders highest) at clearance 0 with sleeves
// touching, where the cusps' x^2 ln x behaviour slows the fit; it closes at
// the same orders with and without contrast. The quadratures of the
// boundary integrals (graded panels) are checked against a rule of half the
// panels and their difference added, as are the Fourier sums' tails.
//
// dC/dEr and Rhat are estimated, not proved: as the change from the next
// lower order.

// The promised relative error of every capacitance, and so impedance, under
// a foil.
inline constexpr double kFoilAccuracy = 1e-6;

struct FoilOptions {
    bool generalPath = false;  // no mirror symmetry assumed
    int order = 0;             // fixed order (multipoles per sleeve); 0 chooses
};

class FoilSolver {
public:
    static constexpr int kMaxOrder = 64;

    // A cross-section with a FoilShield.
    FieldSolution solve(const CrossSection& section, const FoilOptions& options = {});

    // The same method on given geometries (with the dielectrics, in vacuum):
    // roundAsStadium puts a round shield through it.
    FieldSolution solve(const FoilGeometry& dielectric, const FoilGeometry& vacuum, const FoilOptions& options = {});

    // Storage kept from one order and one solve to the next: fresh pages of
    // some megabytes cost more than the evaluations on this kind of machine.
    struct Workspace {
        FoilTable fit;
        FoilSamples fine, coarse;
        FitWorkspace lsq;
    };

private:
    Workspace work_;
};
