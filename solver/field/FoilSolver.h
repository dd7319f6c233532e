#pragma once

#include "field/FieldSolution.h"
#include "field/FoilFit.h"
#include "field/FoilGeometry.h"

// Field solver for two insulated cores under a foil drawn tight round them
// (a stadium), the sibling of the round-shield series behind the same entry
// point, InsulatedSolver::solve: the same FieldSolution, C, C0, the bound,
// dC/dEr and Rhat, so that pairModes and the line quantities take it as
// they are. The cores must be alike. A drain wire inside the foil, in the
// groove on both sleeves, is one more conductor at the shield's potential;
// the top-bottom mirror is then gone, the left-right one stays.
//
// Method (FoilBasis.h, FoilFit.h): every region's potential exactly
// harmonic (multipoles about the sleeves and point charges outside the foil
// in the filler, the exact annulus series in each sleeve); the foil's and
// the interfaces' conditions by damped least squares. Why not a series with
// its conditions exact, as for the round shield: a stadium has no images,
// its straight walls meet the arcs where the curvature jumps, and at
// clearance 0 the filler ends in cusps between sleeve and foil; the
// solution's x^2 ln x behaviour there makes any series converge slowly in
// its conditions. Instead the bound is built to need none of them exact
// (FoilEnergies.h): complementary energies of a Dirichlet and a Thomson field
// made from the fit, each admissible by construction, the Dirichlet one
// through a correction of psi's residual on the foil whose energy is an
// integral in closed form. L <= C <= U, C = (L + U) / 2 and the bound e/2
// with e the largest eigenvalue of (U - L, L), as in the round-shield solver.
//
// What drives the bound: both energies err by the square of the field's
// error, so the fit's residual need only be about 1e-4 for a bound of 1e-7;
// the order (multipoles per sleeve; twice as many sleeve modes, and point
// charges in proportion to the outline's length) rises until the bound is a
// quarter of the promise. It is tightest at clearance 0 with the sleeves
// touching (cusps at every contact), and with contrast: foamed PE or PTFE
// need order 18, Er 4 order 41, Er 10 order 93 (a second's work), and Er 30
// sleeves pressed together do not meet it by kMaxOrder (no value then). A
// drain wire touching both sleeves and the foil needs order 41 with foamed
// PE: its contacts with the sleeves converge like touching sleeves. Added to the bound: the Fourier sums'
// tails (twice their last quarter) and the change of every boundary integral
// from a 12-node rule on the same panels, which are cut where an integrand
// has a kink; both are estimates, the one part of the bound not proved.
//
// dC/dEr and Rhat are estimated, not proved: as the change from the order
// before (or a third lower). Rhat's estimate is reported, not held to
// kSurfaceAccuracy: it runs to a few 1e-7 where C meets its bound.

// The promised relative error of every capacitance, and so impedance, under
// a foil.
inline constexpr double kFoilAccuracy = 1e-6;

struct FoilOptions {
    bool generalPath = false;  // no mirror symmetry assumed
    int order = 0;             // fixed order (multipoles per sleeve); 0 chooses
};

class FoilSolver {
public:
    // The sixth order of the sequence from 12.
    static constexpr int kMaxOrder = 93;

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
