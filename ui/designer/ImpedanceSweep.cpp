#include "designer/ImpedanceSweep.h"

#include <algorithm>
#include <cmath>

#include "field/PairModes.h"

std::optional<SweepPlan> sweepPlan(const PairDesign& design, DesignDimension dimension, double span)
{
    // A dimension a contact fixes, or a foil's D, has no length of its own.
    PairDesign moved = design;
    const double value = dimensionOf(moved, dimension);
    const auto [low, high] = dimensionRange(design, dimension);
    if (!(value > 0) || !(high > low))
        return std::nullopt;
    SweepPlan plan{dimension, std::max(low, value * (1 - span)), std::min(high, value * (1 + span)), kSweepPoints};
    if (!(plan.high > plan.low))
        return std::nullopt;
    if (design.shield == ShieldKind::Foil && design.drainDiameter > 0)
        plan.points = kSlowSweepPoints;
    return plan;
}

double sweepValue(const SweepPlan& plan, int i)
{
    return plan.low + (plan.high - plan.low) * i / (plan.points - 1);
}

std::vector<int> sweepOrder(int points)
{
    std::vector<int> order;
    std::vector<bool> taken(static_cast<std::size_t>(points), false);
    const auto take = [&](int i) {
        if (!taken[static_cast<std::size_t>(i)]) {
            taken[static_cast<std::size_t>(i)] = true;
            order.push_back(i);
        }
    };
    for (int parts = 1; parts < 2 * points; parts *= 2)
        for (int j = 0; j <= parts; ++j)
            take(static_cast<int>(std::lround(static_cast<double>(j) * (points - 1) / parts)));
    return order;
}

void runSweep(InsulatedSolver& solver, const PairDesign& design, const SweepPlan& plan,
              const std::function<bool(const std::vector<SweepPoint>& solved)>& report)
{
    std::vector<SweepPoint> solved;
    solved.reserve(static_cast<std::size_t>(plan.points));
    // A batch ends where a level of the refinement is complete: 2, 3, 5, 9, ... points.
    std::size_t nextReport = 2;
    for (const int i : sweepOrder(plan.points)) {
        PairDesign moved = design;
        SweepPoint point;
        point.value = sweepValue(plan, i);
        dimensionOf(moved, plan.dimension) = point.value;
        const FieldSolution solution = solver.solve(crossSectionOf(moved));
        if (solution.status == FieldStatus::Solved) {
            if (const PairModes modes = pairModes(solution); modes.error.empty()) {
                point.zDiff = modes.zDiff;
                point.zCommon = modes.zCommon;
            }
        }
        solved.insert(std::ranges::upper_bound(solved, point.value, {}, &SweepPoint::value), point);
        if (solved.size() == nextReport || solved.size() == static_cast<std::size_t>(plan.points)) {
            nextReport = 2 * nextReport - 1;
            if (!report(solved))
                return;
        }
    }
}
