#include "designer/PairFigures.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "cases/CableRunner.h"
#include "cases/Loss.h"

namespace {

std::vector<LossPoint> lossCurveOf(const CrossSection& section, const FieldSolution& solution, const DesignCase& pair)
{
    const int decades = static_cast<int>(std::ceil(std::log10(kLossChartHighest / kLossChartLowest)));
    const int steps = decades * kLossChartPointsPerDecade;
    std::vector<LossPoint> curve;
    curve.reserve(static_cast<std::size_t>(steps) + 1);
    CaseInput input = pair.input;
    for (int i = 0; i <= steps; ++i) {
        const double frequency =
            std::min(kLossChartLowest * std::pow(10.0, static_cast<double>(i) / kLossChartPointsPerDecade),
                     kLossChartHighest);
        input.set(Input::Frequency, frequency);
        curve.push_back({frequency, lossOf(section, solution, pair.losses, input)});
        if (frequency == kLossChartHighest)
            break;
    }
    return curve;
}

}  // namespace

std::optional<double> PairFigures::value(std::string_view key) const
{
    const auto found = std::ranges::find(results, key, &Quantity::key);
    if (found == results.end())
        return std::nullopt;
    return std::get<double>(found->value);
}

std::optional<double> homogeneousEr(const PairDesign& design)
{
    if (design.shield != ShieldKind::Round)
        return std::nullopt;
    if (design.sleeve() <= design.coreDiameter)
        return design.fillerEr;
    if (design.sleeveEr == design.fillerEr)
        return design.sleeveEr;
    return std::nullopt;
}

PairFigures FigureSolver::solve(const DesignCase& pair)
{
    const auto start = std::chrono::steady_clock::now();
    PairFigures figures;
    const CrossSection section = crossSectionOf(pair.design);
    figures.solution = field_.solve(section);
    if (figures.solution.status == FieldStatus::Solved) {
        figures.modes = pairModes(figures.solution);
        figures.loss = lossOf(section, figures.solution, pair.losses, pair.input);
        addModeResults(figures.modes, figures.loss.error.empty() ? &figures.loss : nullptr, figures.results);
        figures.lossCurve = lossCurveOf(section, figures.solution, pair);
        if (const std::optional<double> er = homogeneousEr(pair.design)) {
            const PairDesign& d = pair.design;
            const double sd = d.spacingOf() / d.shieldOf(), dd = d.shieldOf() / d.coreDiameter;
            figures.fiveCharge = FiveChargeFigures{
                .impedances = calculateImpedances(fiveCharge_, sd, dd, *er, false), .sd = sd, .dd = dd, .er = *er};
        }
    }
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return figures;
}
