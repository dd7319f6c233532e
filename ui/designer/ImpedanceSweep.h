#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "commands/DesignSolve.h"
#include "field/InsulatedSolver.h"

// The impedance chart's data: Zdiff and Zcm as one dimension of the pair
// moves over a range about its value, the others held (contacts included:
// a sleeve that grows with its contacts moves S and D with it).

// The points a sweep takes: a foil with a drain wire solves in about 0.6 s,
// so there it takes fewer, 16 steps, which still show the curve's shape
// (about 10 s, drawn as they come: 2, 3, 5, 9 points, ...).
inline constexpr int kSweepPoints = 200;
inline constexpr int kSlowSweepPoints = 17;

struct SweepPoint {
    double value = 0;                  // the dimension, metres
    std::optional<double> zDiff;       // ohm; none where the solver refuses the shape
    std::optional<double> zCommon;     // ohm
};

struct SweepPlan {
    DesignDimension dimension;
    double low = 0;   // metres
    double high = 0;  // metres
    int points = 0;
};

// The range `span` (relative) either side of the dimension's value, kept
// within the shapes the pair can take; no plan where the dimension has no
// room to move (a contact fixes it, or the range is empty).
std::optional<SweepPlan> sweepPlan(const PairDesign& design, DesignDimension dimension, double span);

// Point i of the plan's evenly spaced points.
double sweepValue(const SweepPlan& plan, int i);

// The order the points are solved in, coarse to fine, so that a slow sweep
// shows the curve's shape early: the ends, the middle, the quarters, ...
std::vector<int> sweepOrder(int points);

// Solves the plan's points in sweepOrder, handing each batch of newly solved
// points (with all before) to `report`, which returns false to stop.
void runSweep(InsulatedSolver& solver, const PairDesign& design, const SweepPlan& plan,
              const std::function<bool(const std::vector<SweepPoint>& solved)>& report);
