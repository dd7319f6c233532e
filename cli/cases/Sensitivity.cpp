#include "cases/Sensitivity.h"

#include <algorithm>
#include <cmath>

#include "cases/Dielectrics.h"
#include "cases/Dimensions.h"
#include "cases/VariationSettings.h"

namespace {

constexpr double kRelativeStep = 1e-3;

// The regions (sleeve 1, sleeve 2, filler) whose Er an input sets; none for a length.
std::array<double, 3> regionsOf(Input input, const CaseInput& c)
{
    switch (input) {
    case Input::Er: return {1, 1, 1};
    case Input::ErSleeve: return {1, c.has(Input::ErSleeve2) ? 0.0 : 1.0, 0};
    case Input::ErSleeve2: return {0, 1, 0};
    case Input::ErFill: return {0, 0, 1};
    default: return {0, 0, 0};
    }
}

bool isPermittivity(Input input)
{
    return input == Input::Er || input == Input::ErSleeve || input == Input::ErSleeve2 || input == Input::ErFill;
}

std::array<Complex, kFigureCount> valuesOf(const CaseFigures& f)
{
    return {f.zDiff, f.zCommon, f.skew, f.scd21};
}

}  // namespace

CaseInput numericCase(const CaseInput& input)
{
    CaseInput out;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const auto which = static_cast<Input>(i);
        if (input.has(which) && which != Input::Awg)
            out.set(which, input[which]);
    }
    if (input.has(Input::Awg))
        out.set(Input::WireDiameter, wireDiameterMm(input));
    const std::pair<Input, Input> materials[] = {
        {Input::ErSleeve, Input::TandSleeve}, {Input::ErFill, Input::TandFill}, {Input::ErSleeve2, Input::TandSleeve}};
    for (const auto& [er, tangent] : materials) {
        if (!input.has(er))
            continue;
        const Dielectric dielectric = dielectricOf(input[er]);
        out.set(er, dielectric.er);
        if (!dielectric.material.empty() && !input.has(tangent) && er != Input::ErSleeve2)
            out.set(tangent, dielectric.tanDelta);
    }
    return out;
}

Sensitivity sensitivityOf(const CaseInput& given, const SolveSettings& settings, const ConversionAt& at)
{
    Sensitivity s;
    const CaseInput input = numericCase(given);
    InsulatedSolver field;
    const CaseSection nominalSection = caseSection(input, settings);
    if (std::string problem = sectionProblem(nominalSection.section); !problem.empty()) {
        s.error = std::move(problem);
        return s;
    }
    const FieldSolution solution = field.solve(nominalSection.section, {.generalPath = true});
    ++s.solves;
    if (solution.status != FieldStatus::Solved) {
        s.error = solution.reason;
        return s;
    }
    s.nominal = figuresOf(nominalSection, solution, at);
    if (!s.nominal.error.empty()) {
        s.error = s.nominal.error;
        return s;
    }
    const std::array<Complex, kFigureCount> nominal = valuesOf(s.nominal);
    const double coreMm = nominalSection.section.cores[0].diameter * 1e3;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const auto which = static_cast<Input>(i);
        if (!input.has(which) || !isVariable(which) || input[which] == kTouch)
            continue;
        const double x = input[which];
        const double h = kRelativeStep * (x != 0 ? std::fabs(x) : coreMm);
        const bool permittivity = isPermittivity(which);
        const auto at_ = [&](double step) {
            CaseInput moved = input;
            moved.set(which, x + step);
            if (!permittivity) {
                ++s.solves;
                return caseFigures(moved, settings, field, at);
            }
            FieldSolution shifted = solution;
            const std::array<double, 3> regions = regionsOf(which, input);
            for (int r = 0; r < 3; ++r)
                shifted.c += (regions[r] * step) * solution.dCdEr[r];
            return figuresOf(caseSection(moved, settings), shifted, at);
        };
        const std::array<CaseFigures, 3> f{at_(h), at_(-h), at_(2 * h)};
        const auto failed = std::ranges::find_if(f, [](const CaseFigures& c) { return !c.error.empty(); });
        if (failed != f.end()) {
            s.error = std::string(inputInfo(which).key) + ": a step of " + std::to_string(h) +
                      " cannot be solved: " + failed->error;
            return s;
        }
        InputSensitivity row{which, {}};
        for (std::size_t k = 0; k < kFigureCount; ++k) {
            if (k == static_cast<std::size_t>(Figure::Scd21) && !s.nominal.hasConversion)
                continue;
            const Complex d1 = (valuesOf(f[0])[k] - valuesOf(f[1])[k]) / (2 * h);
            const Complex d2 = (4.0 * valuesOf(f[0])[k] - valuesOf(f[2])[k] - 3.0 * nominal[k]) / (2 * h);
            // The scale the field's bound applies to: a conversion's is 1
            // (C11 and C22 each off by b), a skew's the delay.
            const double magnitude = k == static_cast<std::size_t>(Figure::Scd21) ? 1.0
                                     : k == static_cast<std::size_t>(Figure::Skew)
                                         ? s.nominal.delay
                                         : std::max(std::abs(nominal[k]), std::abs(valuesOf(f[0])[k]));
            // The one-sided difference's weights sum to 8/2h.
            double noise = 4 * solution.bound * magnitude / h;
            if (permittivity)
                noise += solution.derivativeError * magnitude / x;
            // Scd21's modulus is what a designer reads; at a symmetric
            // nominal it has only this one-sided slope.
            const double value = k == static_cast<std::size_t>(Figure::Scd21) ? std::abs(d1) : d1.real();
            row.of[k] = {value, std::abs(d1 - d2) + noise};
        }
        s.inputs.push_back(row);
    }
    return s;
}
