#pragma once

#include <array>
#include <string>

#include "field/Attempt.h"
#include "field/CrossSection.h"
#include "field/FieldSolution.h"
#include "field/FoilSolver.h"
#include "field/Matrix2.h"

// Field solver for two insulated cores in a round shield (and, through
// FoilSolver.h, under a foil): the per-length
// capacitance matrix with and without the dielectrics, its derivatives in
// each region's Er, and the surface-charge matrix of the conductor loss.
//
// The potential is exactly harmonic in every region: in the filler, a line
// charge and multipoles up to order K about each region circle, each with
// its image in the shield (Expansion.h); in each sleeve, per Fourier mode,
// the radial solution that holds the conductor's potential, eliminated
// analytically into a reflection per mode (SeriesSystem.h); a conductor off
// its sleeve's centre is made concentric by a map of the sleeve's disc, and
// the series about that sleeve run in it (Layout.h). The interface
// conditions hold for modes 0 to K.
//
// The bound is proved, not sampled (EnergyForms.h): the series' filler field
// continued into each sleeve once by its potential and once by its flux gives
// a Dirichlet field (potentials V exactly) and a Thomson field (divergence-
// free, normal flux continuous), so L <= C <= U in the Loewner order with
// U their Dirichlet energy and L from the Thomson energy. C is reported as
// (L + U) / 2, and with e the largest eigenvalue of (U - L, L),
// |V'(C~ - C)V| <= e/2 V'CV for every V. A bare core gets a virtual circle of
// the filler's permittivity round it, so that the same construction holds.
// Both bounds close at twice the rate of the field; the solver raises K
// until e/2 is a tenth of kFieldAccuracy, for C and C0 alike. The energies
// are Fourier sums over each circle, run until their last quarter is 1e-15
// of the whole (doubling the terms where not) and the quarter added to the
// bound, with an allowance for rounding.
//
// dC/dEr and Rhat come from the same fields. Their errors are estimated, not
// proved: as the change from a solve a few orders lower, which the series'
// geometric convergence makes an overestimate.

// The promised relative error of every capacitance, and so of every impedance.
inline constexpr double kFieldAccuracy = 1e-9;

struct FieldOptions {
    bool generalPath = false;  // even for the symmetric pair
    int order = 0;             // fixed K with the dielectrics (under a foil, its order); 0 chooses
    int vacuumOrder = 0;       // fixed K in vacuum; 0 chooses
};

class InsulatedSolver {
public:
    static constexpr int kMaxOrder = 600;

    FieldSolution solve(const CrossSection& section, const FieldOptions& options = {});

private:
    struct Problem;
    Problem solveProblem(const Layout& layout, bool symmetric, int fixedOrder, bool vacuum);

    AttemptRunner runner_;
    FoilSolver foil_;
};
