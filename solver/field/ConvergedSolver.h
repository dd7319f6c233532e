#pragma once

#include <string>
#include <vector>

#include "SolverTexts.h"

// Converged field solver: even- and odd-mode impedance of two round cores in a
// round shield, for air (Er = 1; the caller divides by sqrt(Er)), to a
// relative error of at most kConvergedAccuracy.
//
// Geometry, normalised to the core radius r = 1, origin at the shield centre:
// shield radius R = D/d, core centres at (+a, 0) and (-a, 0), a = R * S/D.
//
// The potential is a line charge and multipoles about each core's centre,
// each with its image in the shield, so it is exactly harmonic and exactly 0
// on the shield; their coefficients make it 1 at collocation points on the
// cores. Where it misses 1 between the points, by at most e, the maximum
// principle and Green's reciprocity bound the capacitance's relative error by
// e: the solver measures e on a fine grid and raises the order until the bound
// is met.

// The promised relative error of Ze and Zo for every shape in reach.
inline constexpr double kConvergedAccuracy = 1e-9;

// The two gaps of a shape, in core radii: between the cores, and from a core
// to the shield.
struct ShapeGaps {
    double core;
    double shield;
};

ShapeGaps shapeGaps(double sd, double dd);

enum class ConvergedStatus {
    Solved,
    ShapeRejected,    // fails the calculator's own shape checks
    GapTooNarrow,     // a valid shape, but a gap is below kMinConductorGap
    NotConverged,     // in reach, but the bound was not met: no values
    OrderOutOfRange,  // solveAtOrder was asked for an order outside 1 to kMaxOrder
};

struct ConvergedImpedance {
    ConvergedStatus status = ConvergedStatus::ShapeRejected;
    double ze = 0;  // ohm, Er = 1; 0 unless Solved
    double zo = 0;  // ohm, Er = 1; 0 unless Solved
    // Relative, bounds the error of both ze and zo: the largest miss on the
    // grid, doubled for what falls between its points, plus an allowance for
    // rounding.
    double errorBound = 0;
    int order = 0;      // highest multipole order K used
    std::string error;  // empty exactly when Solved
};

class ConvergedSolver {
public:
    // Highest order the solver raises K to, and the most solveAtOrder takes.
    static constexpr int kMaxOrder = 600;

    // Chooses K from the geometry and raises it until the bound is at most a
    // tenth of kConvergedAccuracy.
    ConvergedImpedance solve(double sd, double dd);

    // Exactly order K (1 to kMaxOrder), with its honest bound whatever its
    // size: for checking the solver, and for derivatives that must come from
    // one smooth model.
    ConvergedImpedance solveAtOrder(double sd, double dd, int order);

private:
    ConvergedImpedance solveInReach(double sd, double dd, int order);

    // Reused between calls: a shape solve makes many of them.
    std::vector<double> even_;
    std::vector<double> odd_;
    std::vector<double> evenCoefficients_;
    std::vector<double> oddCoefficients_;
};
