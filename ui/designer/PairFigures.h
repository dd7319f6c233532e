#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/Impedances.h"
#include "designer/DesignForm.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "fivecharge/Qol_math1.h"
#include "line/ModeLoss.h"
#include "output/Report.h"

// Everything the window shows of one case, from the solver's own calls:
// duvane-calc's per-length figures and loss, and for one dielectric in a
// round shield the five-charge figure beside the converged one.

// The loss chart's span, and its points a decade.
inline constexpr double kLossChartLowest = 1e6;    // Hz
inline constexpr double kLossChartHighest = 20e9;  // Hz
inline constexpr int kLossChartPointsPerDecade = 20;

struct LossPoint {
    double frequency = 0;  // Hz
    PairLoss loss;         // its error says why there is none at this frequency
};

struct FiveChargeFigures {
    Impedances impedances;  // in the dielectric; its error where the five charges refuse the shape
    double sd = 0;
    double dd = 0;
    double er = 1;
};

struct PairFigures {
    FieldSolution solution;  // its reason where it is not Solved, and nothing below is set
    PairModes modes;
    // As duvane-calc lists them, by its keys: ze ... error_bound, c_even ...
    // l12, and where the loss holds alpha_diff ... skin_depth.
    std::vector<Quantity> results;
    PairLoss loss;  // at the case's frequency; its error where it does not hold
    std::vector<LossPoint> lossCurve;
    std::optional<FiveChargeFigures> fiveCharge;  // one dielectric in a round shield
    double seconds = 0;                           // the whole of it, as measured

    bool solved() const { return solution.status == FieldStatus::Solved && modes.error.empty(); }
    // The result of that key, if listed.
    std::optional<double> value(std::string_view key) const;
};

// One solver each, so that one job at a time may use it.
class FigureSolver {
public:
    PairFigures solve(const DesignCase& pair);

private:
    InsulatedSolver field_;
    TQol_COAXMath1 fiveCharge_;
};

// Where one dielectric fills a round shield, the five-charge figure applies:
// Er, else nothing.
std::optional<double> homogeneousEr(const PairDesign& design);
