#pragma once

#include <span>
#include <utility>
#include <string>

#include "commands/PairDesign.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"

// Solves a pair's design for one dimension from one target impedance, or for
// two from two, on the field solution (with or without sleeves): the
// dimensions not solved for stay as given, contacts included (solving for Di
// with the sleeves touching moves S with it).
//
// One dimension: the target is sampled over the dimension's range in reach
// (from its contact, or the narrowest gap the solver takes, to far out), a
// change of sign is closed in by Brent's method to a relative 1e-12 of the
// dimension, well inside the field's 1e-9; where no sample reaches the target
// the range it spans is the answer. Two: Newton's method from the given
// values (or from the middle of the ranges), the slopes by differences over a
// relative 1e-6, each step kept inside the range and halved until the misfit
// falls.

enum class DesignDimension { ShieldDiameter, Spacing, SleeveDiameter, CoreDiameter };

enum class DesignTarget { Zdiff, Zcm, Ze, Zo };

struct TargetValue {
    DesignTarget kind;
    double ohms;
};

struct DesignResult {
    PairDesign design;   // with the solved dimensions, when found
    PairModes modes;     // of the found design
    std::string error;   // empty when found
    // Where one target cannot be reached: the values the dimension's range
    // gives, for the message and the window.
    double reachableLow = 0;
    double reachableHigh = 0;
};

// The dimension's own length in the design (metres): D, S, Di or d as given,
// 0 where a contact or a bare core stands for it.
double& dimensionOf(PairDesign& design, DesignDimension dimension);

// The dimension's range with the others as they are, contacts at its ends
// (metres; an open end far out).
std::pair<double, double> dimensionRange(const PairDesign& design, DesignDimension dimension);

// The impedance a target names, from the modes.
double targetOhms(DesignTarget kind, const PairModes& modes);

DesignResult solveDesign(InsulatedSolver& solver, const PairDesign& start, std::span<const DesignDimension> free,
                         std::span<const TargetValue> targets);
