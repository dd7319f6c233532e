#include "field/ConvergedShape.h"

#include <algorithm>
#include <cmath>

#include "field/ConvergedSolver.h"
#include "SolverTexts.h"

namespace {

// Forward differences, on the model at the order of the point they start
// from: at a fixed order it is smooth, with rounding noise near 1e-15, so a
// step of 1e-6 gives slopes good to about 1e-6, far more than a damped Newton
// step needs, at half the evaluations of central differences.
constexpr double kDifferenceStep = 1e-6;
constexpr double kStepShrink = 0.5;
constexpr double kMinStepFactor = 1.0 / 1024;
// Both gaps of a start moved into reach, in core radii: clear of the limit,
// so that the first Newton steps have room.
constexpr double kStartGap = 5 * kMinConductorGap;
// Keeps a shape clamped to the edge of the reach inside it after the rounding
// of the conversion to S/D and D/d.
constexpr double kInside = 1 + 1e-9;

struct Wanted {
    double ze;  // ohm, Er = 1
    double zo;
};

// Newton works on the logarithms of the two gaps, core to core and core to
// shield, in core radii: every pair is a shape with both gaps open, the
// impedances vary smoothly with them from the narrowest gaps to D/d in the
// millions, and the reach is a corner of the plane.
using Gaps = ShapeGaps;

struct Shape {
    double sd;
    double dd;
};

Gaps gapsOf(Shape shape)
{
    return shapeGaps(shape.sd, shape.dd);
}

Shape shapeOf(Gaps gaps)
{
    const double a = 1 + gaps.core / 2;
    const double R = a + 1 + gaps.shield;
    return {a / R, R};
}

// The nearest gaps with both at least floor and S/D at most its limit.
Gaps clampedToReach(Gaps gaps, double floor)
{
    gaps.core = std::max(gaps.core, floor);
    const double a = 1 + gaps.core / 2;
    gaps.shield = std::max({gaps.shield, floor, a / kMaxShapeSD * kInside - a - 1});
    return gaps;
}

// Within rounding of a clamp of clampedToReach: where a target beyond the
// reach leaves the iteration.
bool atEdgeOfReach(Shape shape)
{
    const Gaps gaps = gapsOf(shape);
    constexpr double kNear = 1 + 1e-6;
    return gaps.core < kMinConductorGap * kNear || gaps.shield < kMinConductorGap * kNear ||
           shape.sd * kNear > kMaxShapeSD;
}

struct Trial {
    Shape shape;
    ConvergedImpedance z;
};

struct Step {
    double logCore;
    double logShield;
};

ShapeResult failure(ShapeOutcome outcome, std::string error, long long count)
{
    ShapeResult result;
    result.outcome = outcome;
    result.count = count;
    result.error = std::move(error);
    return result;
}

std::string requestError(const ShapeRequest& request)
{
    if (!(request.ze > request.zo))
        return std::string(kZeNotAboveZoText.english);
    if (!(std::isfinite(request.er) && request.er > 0))
        return std::string(kErNotPositiveText.english);
    if (!(std::isfinite(request.ze) && request.ze > 0 && std::isfinite(request.zo) && request.zo > 0))
        return std::string(kTargetsNotPositiveText.english);
    if (!(request.width > 0))
        return std::string(kWidthNotPositiveText);
    return {};
}

bool within(const Wanted& wanted, const ConvergedImpedance& z, double width)
{
    return std::fabs(wanted.ze - z.ze) < width && std::fabs(wanted.zo - z.zo) < width;
}

// Relative, so that neither impedance drowns the other.
double misfit(const Wanted& wanted, const ConvergedImpedance& z)
{
    const double ze = (wanted.ze - z.ze) / wanted.ze;
    const double zo = (wanted.zo - z.zo) / wanted.zo;
    return ze * ze + zo * zo;
}

// The start as given when in reach, else moved into it; false when it is no
// shape at all or the solver fails on it.
bool startFrom(ConvergedSolver& solver, Shape given, Trial& start)
{
    start = {given, solver.solve(given.sd, given.dd)};
    const ConvergedStatus status = start.z.status;
    if (status != ConvergedStatus::ShapeRejected && status != ConvergedStatus::GapTooNarrow)
        return status == ConvergedStatus::Solved;
    if (!(given.sd > 0 && given.dd > 0 && std::isfinite(given.sd * given.dd)))
        return false;
    start.shape = shapeOf(clampedToReach(gapsOf(given), kStartGap));
    start.z = solver.solve(start.shape.sd, start.shape.dd);
    return start.z.status == ConvergedStatus::Solved;
}

// Slopes of Ze and Zo by the log of one gap; forward, or backward where
// forward leaves the reach. False when neither stays in it.
bool slopes(ConvergedSolver& solver, const Trial& at, bool byCore, double& ze, double& zo)
{
    const Gaps gaps = gapsOf(at.shape);
    for (const double step : {kDifferenceStep, -kDifferenceStep}) {
        const double factor = std::exp(step);
        const Shape moved =
            shapeOf(byCore ? Gaps{gaps.core * factor, gaps.shield} : Gaps{gaps.core, gaps.shield * factor});
        const ConvergedImpedance z = solver.solveAtOrder(moved.sd, moved.dd, at.z.order);
        if (z.status != ConvergedStatus::Solved)
            continue;
        ze = (z.ze - at.z.ze) / step;
        zo = (z.zo - at.z.zo) / step;
        return true;
    }
    return false;
}

// Solves the 2 x 2 Newton system for the step to the wanted impedances.
bool newtonStep(ConvergedSolver& solver, const Trial& at, const Wanted& wanted, Step& step)
{
    double zeByCore = 0, zoByCore = 0, zeByShield = 0, zoByShield = 0;
    if (!slopes(solver, at, true, zeByCore, zoByCore) || !slopes(solver, at, false, zeByShield, zoByShield))
        return false;
    const double determinant = zeByCore * zoByShield - zeByShield * zoByCore;
    const double ze = wanted.ze - at.z.ze;
    const double zo = wanted.zo - at.z.zo;
    step.logCore = (ze * zoByShield - zeByShield * zo) / determinant;
    step.logShield = (zeByCore * zo - ze * zoByCore) / determinant;
    return std::isfinite(step.logCore) && std::isfinite(step.logShield);
}

// A fraction of the Newton step, held at the edge of the reach where it
// would cross it.
Shape trialShape(const Trial& from, const Step& step, double fraction)
{
    const Gaps gaps = gapsOf(from.shape);
    return shapeOf(clampedToReach({gaps.core * std::exp(fraction * step.logCore),
                                   gaps.shield * std::exp(fraction * step.logShield)},
                                  kMinConductorGap * kInside));
}

}  // namespace

ShapeResult solveConvergedShape(const ShapeRequest& request)
{
    if (std::string error = requestError(request); !error.empty())
        return failure(ShapeOutcome::BadRequest, std::move(error), 0);
    const double rootEr = std::sqrt(request.er);
    const Wanted wanted{rootEr * request.ze, rootEr * request.zo};

    ConvergedSolver solver;
    Trial current{};
    if (!startFrom(solver, {request.startSD, request.startDd}, current))
        return failure(ShapeOutcome::StartOutOfReach,
                       startOutOfReachText(request.startSD, request.startDd, current.z.error),
                       0);

    long long count = 1;
    while (!within(wanted, current.z, request.width)) {
        Step step{};
        if (!newtonStep(solver, current, wanted, step))
            return failure(ShapeOutcome::NoDerivatives,
                           noNewtonStepText(current.shape.sd, current.shape.dd),
                           count);
        std::string lastRefusal;
        for (double fraction = 1;; fraction *= kStepShrink) {
            if (fraction < kMinStepFactor)
                return failure(ShapeOutcome::NoImprovement,
                               noTrialImprovesText(current.shape.sd, current.shape.dd,
                                                   atEdgeOfReach(current.shape), lastRefusal),
                               count);
            const Shape shape = trialShape(current, step, fraction);
            const Trial trial{shape, solver.solve(shape.sd, shape.dd)};
            ++count;
            const bool solved = trial.z.status == ConvergedStatus::Solved;
            if (!solved)
                lastRefusal = trial.z.error;
            if (count > request.countLimit)
                return failure(ShapeOutcome::CountOver,
                               convergedCountOverText(request.countLimit),
                               count);
            if (solved && misfit(wanted, trial.z) < misfit(wanted, current.z)) {
                current = trial;
                break;
            }
        }
    }
    ShapeResult result;
    result.outcome = ShapeOutcome::Found;
    result.sd = current.shape.sd;
    result.dd = current.shape.dd;
    result.count = count;
    return result;
}
