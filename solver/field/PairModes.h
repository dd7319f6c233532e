#pragma once

#include <string>

#include "field/InsulatedSolver.h"

// Even and odd modes of a symmetric pair, per core, from a FieldSolution:
// each modal capacitance is V'CV / 2 for V = (1, 1) or (1, -1), so the
// solution's bound holds for it as it stands.
struct ModeFigures {
    double c = 0;               // F/m
    double c0 = 0;              // F/m, in vacuum
    double z = 0;               // ohm, 1 / (c0 sqrt(C C0))
    double effectiveEr = 0;     // C / C0
    double velocityFactor = 0;  // 1 / sqrt(effectiveEr)
    double delay = 0;           // s/m, sqrt(effectiveEr) / c0
};

struct PairModes {
    std::string error;  // empty when the figures hold
    ModeFigures even;
    ModeFigures odd;
    double zDiff = 0;    // ohm, 2 Zo
    double zCommon = 0;  // ohm, Ze / 2
    double skew = 0;     // s/m, even delay less odd delay
    // Relative bounds, from the solution's b on C and C0 alike: Z, the
    // velocity factor and the delay within b / (1 - b), Er eff within
    // 2b / (1 - b); the skew's absolute bound in s/m.
    double capacitanceBound = 0;
    double impedanceBound = 0;
    double effectiveErBound = 0;
    double skewBound = 0;
};

PairModes pairModes(const FieldSolution& solution);
