#include "cases/CableRunner.h"

#include <optional>

#include "cases/AsymmetricResults.h"
#include "cases/CaseSection.h"
#include "cases/Dielectrics.h"
#include "cases/DcResistance.h"
#include "cases/Dimensions.h"
#include "cases/Loss.h"
#include "cases/PerLength.h"
#include "field/PairModes.h"

namespace {

constexpr double kMillimetresPerMetre = 1e3;

// The modes of a field solution as PerLength lists them.
ModeCapacitances capacitancesOf(const PairModes& modes)
{
    return {.even = modes.even.c, .odd = modes.odd.c, .vacuumEven = modes.even.c0, .vacuumOdd = modes.odd.c0};
}

// The figures a layout lists: any, as the values are not read.
PairModes layoutModes()
{
    PairModes modes;
    modes.even = {.c = 1, .c0 = 1, .z = 1, .effectiveEr = 1, .velocityFactor = 1, .delay = 1};
    modes.odd = modes.even;
    return modes;
}

// A dimension a design solved for, as its input's key names it.
Quantity solvedDimension(DesignDimension dimension, const PairDesign& design)
{
    switch (dimension) {
    case DesignDimension::ShieldDiameter: return {"D", "D", design.shieldOf() * kMillimetresPerMetre, Unit::Millimetre};
    case DesignDimension::Spacing: return {"S", "S", design.spacingOf() * kMillimetresPerMetre, Unit::Millimetre};
    case DesignDimension::SleeveDiameter:
        return {"sleeve", "Di", design.sleeve() * kMillimetresPerMetre, Unit::Millimetre};
    case DesignDimension::CoreDiameter: return {"d", "d", design.coreDiameter * kMillimetresPerMetre, Unit::Millimetre};
    }
    return {};
}

}  // namespace

CaseInput CableRunner::resolved(const CaseInput& input, const PairDesign& design) const
{
    CaseInput numbers = input;
    if (design.shield == ShieldKind::Foil) {
        const CableCase cable = cableOf(input, settings_);
        numbers.set(Input::Clearance, design.clearance * kMillimetresPerMetre);
        if (input.has(Input::Frequency)) {
            numbers.set(Input::FoilSigma, cable.foil.conductivity);
            numbers.set(Input::FoilThickness, cable.foil.thickness * kMillimetresPerMetre);
        }
    }
    if (input.has(Input::Spacing) && input[Input::Spacing] == kTouch)
        numbers.set(Input::Spacing, design.spacingOf() * kMillimetresPerMetre);
    if (input.has(Input::ShieldDiameter) && input[Input::ShieldDiameter] == kTouch)
        numbers.set(Input::ShieldDiameter, design.shieldOf() * kMillimetresPerMetre);
    for (const auto& [er, tangent] : {std::pair{Input::ErSleeve, Input::TandSleeve}, {Input::ErFill, Input::TandFill}}) {
        if (!input.has(er))
            continue;
        const Dielectric dielectric = dielectricOf(input[er]);
        numbers.set(er, dielectric.er);
        if (!input.has(tangent) && !dielectric.material.empty())
            numbers.set(tangent, dielectric.tanDelta);
    }
    return numbers;
}

void CableRunner::impedance(const CaseInput& input, Report& report)
{
    if (isAsymmetricCase(input)) {
        runAsymmetric(input, settings_, field_, report);
        return;
    }
    const CableCase cable = cableOf(input, settings_);
    if (std::string problem = cableValueProblem(cable); !problem.empty()) {
        report.error = std::move(problem);
        return;
    }
    const CrossSection section = crossSectionOf(cable.design);
    const FieldSolution solution = field_.solve(section);
    if (solution.status != FieldStatus::Solved) {
        report.error = solution.reason;
        return;
    }
    listSolved(input, section, solution, report);
}

std::optional<PairDesign> CableRunner::design(const CaseInput& input, Report& report)
{
    const CableCase cable = cableOf(input, settings_);
    const DesignResult found = solveDesign(field_, cable.design, settings_.solveFor, designTargets(input));
    if (!found.error.empty()) {
        report.error = found.error;
        return std::nullopt;
    }
    // The dimensions as found, then everything an impedance case of the
    // design gives.
    const PairDesign& design = found.design;
    for (const DesignDimension dimension : settings_.solveFor)
        report.results.push_back(solvedDimension(dimension, design));
    CaseInput solved = resolved(input, design);
    if (design.shield == ShieldKind::Round)
        solved.set(Input::ShieldDiameter, design.shieldOf() * kMillimetresPerMetre);
    solved.set(Input::Spacing, design.spacingOf() * kMillimetresPerMetre);
    if (design.sleeveDiameter > 0)
        solved.set(Input::Sleeve, design.sleeve() * kMillimetresPerMetre);
    if (!solved.has(Input::Awg))
        solved.set(Input::WireDiameter, design.coreDiameter * kMillimetresPerMetre);
    const CrossSection section = crossSectionOf(design);
    listSolved(solved, section, field_.solve(section), report);
    return design;
}

void CableRunner::layout(Mode mode, const CaseInput& prototype, Report& report) const
{
    if (mode == Mode::Shape)
        for (const DesignDimension dimension : settings_.solveFor)
            report.results.push_back(solvedDimension(dimension, PairDesign{}));
    CaseInput byDimensions = prototype;
    if (mode == Mode::Shape) {
        if (settings_.shield == ShieldKind::Round)
            byDimensions.set(Input::ShieldDiameter, 1);
        byDimensions.set(Input::Spacing, 1);
        if (!byDimensions.has(Input::Awg))
            byDimensions.set(Input::WireDiameter, 1);
    }
    if (isAsymmetricCase(prototype)) {
        asymmetricLayout(prototype, report.results);
        return;
    }
    const PairLoss anyLoss;
    listResults(byDimensions, layoutModes(), &anyLoss, report.results);
}

void CableRunner::listSolved(const CaseInput& input, const CrossSection& section, const FieldSolution& solution,
                             Report& report) const
{
    // The impedances do not depend on the frequency: a loss that cannot be
    // had leaves them standing, its reason the case's error.
    if (settings_.drainOutside && input.has(Input::Drain))
        report.warnings.push_back({"a drain wire outside the foil does not change the field inside: it is left out", false});
    PairLoss loss;
    if (input.has(Input::Frequency)) {
        loss = lossOf(section, solution, lineLossesOf(cableOf(input, settings_), input), input);
        report.error = loss.error;
    }
    listResults(input, pairModes(solution), input.has(Input::Frequency) && loss.error.empty() ? &loss : nullptr,
                report.results);
    addStrandedLossWarning(input, report);
}

void CableRunner::listResults(const CaseInput& input, const PairModes& modes, const PairLoss* loss,
                              std::vector<Quantity>& results) const
{
    const CableCase cable = cableOf(input, settings_);
    const PairDesign& design = cable.design;
    const double wireMm = design.coreDiameter * kMillimetresPerMetre;
    const CableShape shape = geometryFromRatios(design.spacingOf() / design.shieldOf(),
                                                design.shieldOf() / design.coreDiameter, wireMm);
    // The other description of the shape than the one given; a foil's
    // outline by its width and height (without a drain wire's bulge).
    if (design.shield == ShieldKind::Foil) {
        const double height = design.sleeve() + 2 * design.clearance;
        results.insert(results.end(),
                       {{"foil_width", "Foil width", (design.spacingOf() + height) * kMillimetresPerMetre,
                         Unit::Millimetre, Group::Shape},
                        {"foil_height", "Foil height", height * kMillimetresPerMetre, Unit::Millimetre, Group::Shape}});
    } else if (byDimensions(input))
        results.insert(results.end(), {{"sd", "S/D", shape.sd, Unit::None, Group::Shape},
                                       {"dd", "D/d", shape.dd, Unit::None, Group::Shape}});
    else
        results.insert(results.end(), {{"D", "D", shape.shieldMm, Unit::Millimetre, Group::Shape},
                                       {"S", "S", shape.spacingMm, Unit::Millimetre, Group::Shape}});
    addModeResults(modes, loss, results);
    std::optional<CrossSection> foil;
    if (design.shield == ShieldKind::Foil)
        foil = crossSectionOf(design);
    addDcResistance(input, foil ? &*foil : nullptr, cable.foil, results);
}

void addModeResults(const PairModes& modes, const PairLoss* loss, std::vector<Quantity>& results)
{
    results.insert(results.end(), {{"ze", "Ze", modes.even.z, Unit::Ohm},
                                   {"zo", "Zo", modes.odd.z, Unit::Ohm},
                                   {"zdiff", "Zdiff", modes.zDiff, Unit::Ohm},
                                   {"zcm", "Zcm", modes.zCommon, Unit::Ohm},
                                   {"error_bound", "Error bound", modes.impedanceBound, Unit::RelativeError}});
    addPerLength(capacitancesOf(modes), ModeKeys::Modes, results);
    if (loss != nullptr)
        addLoss(*loss, false, results);
}
