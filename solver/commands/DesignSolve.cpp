#include "commands/DesignSolve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "SolverTexts.h"

namespace {

constexpr int kSamples = 16;
constexpr double kDimensionTolerance = 1e-12;  // relative, of the solved dimension
constexpr double kFarOut = 1e3;                // the far end of an open range, times its near end
constexpr double kSlopeStep = 1e-6;            // relative, of the differences in Newton's method
constexpr double kTargetTolerance = 1e-10;     // relative misfit at which Newton's method stops
constexpr int kNewtonSteps = 60;
constexpr int kHalvings = 30;
constexpr double kStartBeyondContact = 1.3;  // a start not given: this far beyond its contact
constexpr double kFoilSpacingReach = 4;      // sleeves under a foil at most this many Di apart

// What stops a dimension from being solved for: a contact that fixes it, or
// a sleeve a bare core does not have.
std::string freedomProblem(const PairDesign& design, DesignDimension dimension)
{
    if (dimension == DesignDimension::Spacing && design.spacingTouch)
        return std::string(kSpacingByContactText);
    if (dimension == DesignDimension::ShieldDiameter && design.shield == ShieldKind::Foil)
        return std::string(kFoilHasNoDiameterText);
    if (dimension == DesignDimension::ShieldDiameter && design.shieldTouch)
        return std::string(kShieldByContactText);
    if (dimension == DesignDimension::SleeveDiameter && design.sleeveDiameter <= 0)
        return std::string(kNoSleeveToSolveText);
    return {};
}

class Evaluator {
public:
    Evaluator(InsulatedSolver& solver, std::span<const TargetValue> targets) : solver_(solver), targets_(targets) {}

    // The modes of the design, or nothing where the solver cannot give them.
    std::optional<PairModes> modes(const PairDesign& design)
    {
        const FieldSolution solution = solver_.solve(crossSectionOf(design));
        if (solution.status != FieldStatus::Solved)
            return std::nullopt;
        PairModes modes = pairModes(solution);
        if (!modes.error.empty())
            return std::nullopt;
        return modes;
    }

    // Relative misfits of the targets; nothing where there are no modes.
    std::optional<std::array<double, 2>> misfit(const PairDesign& design)
    {
        const std::optional<PairModes> found = modes(design);
        if (!found)
            return std::nullopt;
        std::array<double, 2> misfit{};
        for (std::size_t i = 0; i < targets_.size(); ++i)
            misfit[i] = targetOhms(targets_[i].kind, *found) / targets_[i].ohms - 1;
        return misfit;
    }

private:
    InsulatedSolver& solver_;
    std::span<const TargetValue> targets_;
};

// Brent's method on [a, b] with f(a), f(b) of opposite signs.
template <typename F>
double brent(F f, double a, double b, double fa, double fb)
{
    double c = a, fc = fa, d = b - a, e = d;
    for (int iteration = 0; iteration < 200; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = kDimensionTolerance * std::fabs(b);
        const double m = (c - b) / 2;
        if (std::fabs(m) <= tolerance || fb == 0)
            return b;
        if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
            double p, q;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double r = fb / fc, t = fa / fc;
                p = s * (2 * m * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * m * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tolerance ? d : (m > 0 ? tolerance : -tolerance);
        fb = f(b);
    }
    return b;
}

DesignResult solveOne(Evaluator& evaluator, const PairDesign& start, DesignDimension dimension,
                      const TargetValue& target)
{
    DesignResult result;
    const auto [low, high] = dimensionRange(start, dimension);
    PairDesign design = start;
    double& x = dimensionOf(design, dimension);
    const auto misfitAt = [&](double value) {
        x = value;
        const std::optional<std::array<double, 2>> misfit = evaluator.misfit(design);
        return misfit ? std::optional<double>((*misfit)[0]) : std::nullopt;
    };

    std::optional<std::pair<double, double>> previous;  // value and misfit of the last sample in reach
    double reachedLow = INFINITY, reachedHigh = -INFINITY;
    for (int i = 0; i <= kSamples; ++i) {
        const double value = low * std::pow(high / low, static_cast<double>(i) / kSamples);
        const std::optional<double> misfit = misfitAt(value);
        if (!misfit)
            continue;
        const double ohms = (1 + *misfit) * target.ohms;
        reachedLow = std::min(reachedLow, ohms);
        reachedHigh = std::max(reachedHigh, ohms);
        if (previous && ((previous->second > 0) != (*misfit > 0) || *misfit == 0)) {
            const double root = brent([&](double v) { return misfitAt(v).value_or(NAN); }, previous->first, value,
                                      previous->second, *misfit);
            x = root;
            if (const std::optional<PairModes> modes = evaluator.modes(design)) {
                result.design = design;
                result.modes = *modes;
                return result;
            }
        }
        previous = std::pair{value, *misfit};
    }
    result.reachableLow = reachedLow;
    result.reachableHigh = reachedHigh;
    result.error = std::isfinite(reachedLow) ? targetOutOfReachText(target.ohms, reachedLow, reachedHigh)
                                             : std::string(kNoDesignInReachText);
    return result;
}

DesignResult solveTwo(Evaluator& evaluator, const PairDesign& start, std::span<const DesignDimension> free)
{
    // A dimension not given starts in its range, the inner ones first, as
    // the outer ones' ranges depend on them.
    PairDesign design = start;
    for (const DesignDimension dimension : {DesignDimension::CoreDiameter, DesignDimension::SleeveDiameter,
                                            DesignDimension::Spacing, DesignDimension::ShieldDiameter}) {
        double& value = dimensionOf(design, dimension);
        if (std::ranges::find(free, dimension) == free.end() || value > 0)
            continue;
        const auto [low, high] = dimensionRange(design, dimension);
        // An outer dimension not yet set leaves no upper end (high below low).
        const double beyond = high > low ? std::min(kStartBeyondContact * low, high) : kStartBeyondContact * low;
        value = dimension == DesignDimension::CoreDiameter ? high / 2 : beyond;
    }
    std::optional<std::array<double, 2>> misfit = evaluator.misfit(design);
    if (!misfit)
        return {.design = start, .modes = {}, .error = std::string(kNoDesignInReachText)};
    const auto size = [](const std::array<double, 2>& m) { return std::max(std::fabs(m[0]), std::fabs(m[1])); };
    for (int step = 0; step < kNewtonSteps && size(*misfit) > kTargetTolerance; ++step) {
        // Slopes in the logarithms of the dimensions, which keeps them positive.
        double jacobian[2][2];
        for (int j = 0; j < 2; ++j) {
            PairDesign moved = design;
            dimensionOf(moved, free[j]) *= 1 + kSlopeStep;
            const std::optional<std::array<double, 2>> there = evaluator.misfit(moved);
            if (!there)
                return {.design = start, .modes = {}, .error = std::string(kNoDesignInReachText)};
            for (int i = 0; i < 2; ++i)
                jacobian[i][j] = ((*there)[i] - (*misfit)[i]) / std::log1p(kSlopeStep);
        }
        const double det = jacobian[0][0] * jacobian[1][1] - jacobian[0][1] * jacobian[1][0];
        if (!(std::fabs(det) > 0))
            break;
        const double dx0 = -(jacobian[1][1] * (*misfit)[0] - jacobian[0][1] * (*misfit)[1]) / det;
        const double dx1 = -(-jacobian[1][0] * (*misfit)[0] + jacobian[0][0] * (*misfit)[1]) / det;
        bool improved = false;
        for (double fraction = 1; !improved && fraction > std::ldexp(1.0, -kHalvings); fraction /= 2) {
            PairDesign trial = design;
            dimensionOf(trial, free[0]) *= std::exp(fraction * dx0);
            dimensionOf(trial, free[1]) *= std::exp(fraction * dx1);
            const std::optional<std::array<double, 2>> there = evaluator.misfit(trial);
            if (there && size(*there) < size(*misfit)) {
                design = trial;
                misfit = there;
                improved = true;
            }
        }
        if (!improved)
            break;
    }
    if (size(*misfit) > kTargetTolerance)
        return {.design = start, .modes = {}, .error = std::string(kTargetsOutOfReachText)};
    return {.design = design, .modes = *evaluator.modes(design), .error = {}};
}

}  // namespace

double& dimensionOf(PairDesign& design, DesignDimension dimension)
{
    switch (dimension) {
    case DesignDimension::ShieldDiameter: return design.shieldDiameter;
    case DesignDimension::Spacing: return design.spacing;
    case DesignDimension::SleeveDiameter: return design.sleeveDiameter;
    case DesignDimension::CoreDiameter: return design.coreDiameter;
    }
    return design.shieldDiameter;
}

std::pair<double, double> dimensionRange(const PairDesign& design, DesignDimension dimension)
{
    const double d = design.coreDiameter, di = design.sleeve(), s = design.spacingOf(), D = design.shieldOf();
    if (design.shield == ShieldKind::Foil) {
        // The foil follows the sleeves: only they and their contact bound a
        // dimension. The spacing's far end is where a foil-wrapped pair is no
        // longer one; the foil's solve grows with the outline.
        switch (dimension) {
        case DesignDimension::Spacing: return {di, kFoilSpacingReach * di};
        case DesignDimension::SleeveDiameter: return {d, design.spacingTouch ? kFarOut * d : s};
        case DesignDimension::CoreDiameter: return {di / kFarOut, di};
        case DesignDimension::ShieldDiameter: return {0, 0};
        }
    }
    switch (dimension) {
    case DesignDimension::ShieldDiameter: return {s + di, kFarOut * (s + di)};
    case DesignDimension::Spacing: return {di, design.shieldTouch ? kFarOut * di : D - di};
    case DesignDimension::SleeveDiameter:
        if (design.spacingTouch && design.shieldTouch)
            return {d, kFarOut * d};
        if (design.spacingTouch)
            return {d, D / 2};
        return {d, design.shieldTouch ? s : std::min(s, D - s)};
    case DesignDimension::CoreDiameter: {
        const double room = design.sleeveDiameter > 0 ? di : std::min(s, D - s);
        return {room / kFarOut, room};
    }
    }
    return {0, 0};
}

double targetOhms(DesignTarget kind, const PairModes& modes)
{
    switch (kind) {
    case DesignTarget::Zdiff: return modes.zDiff;
    case DesignTarget::Zcm: return modes.zCommon;
    case DesignTarget::Ze: return modes.even.z;
    case DesignTarget::Zo: return modes.odd.z;
    }
    return 0;
}

DesignResult solveDesign(InsulatedSolver& solver, const PairDesign& start, std::span<const DesignDimension> free,
                         std::span<const TargetValue> targets)
{
    if (free.empty() || free.size() > 2 || free.size() != targets.size())
        return {.design = start, .modes = {}, .error = std::string(kDesignCountText)};
    for (const DesignDimension dimension : free)
        if (std::string problem = freedomProblem(start, dimension); !problem.empty())
            return {.design = start, .modes = {}, .error = problem};
    Evaluator evaluator(solver, targets);
    return free.size() == 1 ? solveOne(evaluator, start, free[0], targets[0]) : solveTwo(evaluator, start, free);
}
