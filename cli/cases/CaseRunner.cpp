#include "cases/CaseRunner.h"

#include <algorithm>
#include <cmath>

#include "cases/AwgWire.h"
#include "cases/CalculatorText.h"
#include "cases/Caveats.h"
#include "cases/DcResistance.h"
#include "cases/Loss.h"
#include "cases/PerLength.h"
#include "cases/Targets.h"
#include "commands/ShapeCommand.h"
#include "NumberText.h"
#include "output/Quoted.h"
#include "SolverTexts.h"

namespace {

// The case's inputs in the order of Input; an AWG size is a whole number,
// a stranded wire's strands another, and the diameter it stands for is given
// beside it: a bundle's outer one, and the field's.
std::vector<Quantity> inputQuantities(const CaseInput& input)
{
    std::vector<Quantity> quantities;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const InputInfo& info = inputInfo(static_cast<Input>(i));
        if (info.input == Input::Awg && input.has(Input::Awg)) {
            const AwgWire wire = awgWireOf(input[Input::Awg]);
            quantities.push_back({info.key, {}, static_cast<long long>(wire.size), info.unit});
            if (wire.stranded())
                quantities.push_back({"strands", {}, static_cast<long long>(wire.strands), Unit::None});
        } else if (info.input == Input::WireDiameter && input.has(Input::Awg)) {
            quantities.push_back({info.key, {}, wireOuterDiameterMm(input), info.unit});
            if (awgWireOf(input[Input::Awg]).stranded())
                quantities.push_back({"d_field", {}, wireDiameterMm(input), info.unit});
        } else if (input.has(info.input))
            quantities.push_back({info.key, {}, input[info.input], info.unit});
    }
    return quantities;
}

void addRatios(const CableShape& shape, Group group, std::vector<Quantity>& results)
{
    results.insert(results.end(),
                   {{"sd", "S/D", shape.sd, Unit::None, group}, {"dd", "D/d", shape.dd, Unit::None, group}});
}

// D and S, where the wire's size makes them known.
void addDimensions(const CableShape& shape, Group group, std::vector<Quantity>& results)
{
    if (shape.wireMm > 0)
        results.insert(results.end(), {{"D", "D", shape.shieldMm, Unit::Millimetre, group},
                                       {"S", "S", shape.spacingMm, Unit::Millimetre, group}});
}

// One dielectric, air unless given.
CaseInput withDefaultEr(CaseInput input)
{
    if (!input.has(Input::Er))
        input.set(Input::Er, 1);
    return input;
}

// Impedances whose values a table's layout does not read.
const Impedances kLayoutOnly{.ze = 1, .zo = 1, .errorBound = 0, .error = {}};

}  // namespace

CaseRunner::CaseRunner(Mode mode, const SolveSettings& settings)
    // No status label: the solve's last progress text is its count, which the
    // report carries as a number.
    : mode_(mode), settings_(settings), solver_(nullptr, nullptr, settings.english ? 1 : 0)
{
}

Report CaseRunner::run(const CaseInput& given)
{
    Report report;
    if (!isCableCase(given, settings_)) {
        const CaseInput input = withDefaultEr(given);
        report = framed(input);
        if (mode_ == Mode::Impedance)
            impedance(input, report);
        else
            shape(input, report);
    } else if (mode_ == Mode::Impedance) {
        report = framed(cable_.resolved(given, cableOf(given, settings_).design));
        cable_.impedance(given, report);
    } else {
        report = framed(given);
        if (const std::optional<PairDesign> design = cable_.design(given, report))
            report.inputs = framed(cable_.resolved(given, *design)).inputs;
    }
    // An Er of 1e308 gives capacitances beyond the largest double: no result
    // is shown as inf, nan or null.
    const auto notANumber = [](const Quantity& q) {
        const double* measure = std::get_if<double>(&q.value);
        return measure != nullptr && !std::isfinite(*measure);
    };
    if (std::ranges::any_of(report.results, notANumber)) {
        report.results.clear();
        report.error = settings_.english
                           ? "the inputs take a result beyond the range of numbers (it overflows): check Er and the sizes"
                           : "入力により結果が数の範囲を超えます（オーバーフロー）：Er と寸法を確かめて下さい";
    }
    return report;
}

Report CaseRunner::layout(const CaseInput& given) const
{
    if (isCableCase(given, settings_)) {
        // A cable takes no ER operand: its stand-in is no column.
        CaseInput cable = given;
        cable.clear(Input::Er);
        Report report = framed(cable);
        cable_.layout(mode_, cable, report);
        return report;
    }
    const CaseInput prototype = withDefaultEr(given);
    Report report = framed(prototype);
    if (mode_ == Mode::Impedance)
        listImpedance(prototype, {.shape = geometryOf(prototype), .chosen = {}, .other = {}, .loss = {}},
                      report.results);
    else
        addShapeResults(prototype, 1, 1, 0, &kLayoutOnly, report);
    return report;
}

// The inputs, the settings that shape the results, the method.
Report CaseRunner::framed(const CaseInput& input) const
{
    Report report;
    report.inputs = inputQuantities(input);
    report.per = settings_.per;
    if (mode_ == Mode::Shape && !isCableCase(input, settings_)) {
        report.inputs.push_back({"width", {}, settings_.width, Unit::Ohm});
        report.inputs.push_back({"limit", {}, static_cast<long long>(settings_.limit), Unit::None});
    }
    if (settings_.method == Method::Converged)
        report.method = methodName(Method::Converged);
    return report;
}

Impedances CaseRunner::impedancesBy(Method method, double sd, double dd, double er)
{
    return method == Method::Converged ? calculateConvergedImpedances(converged_, sd, dd, er, settings_.english)
                                       : calculateImpedances(solver_, sd, dd, er, settings_.english);
}

void CaseRunner::impedance(const CaseInput& input, Report& report)
{
    ImpedanceOutcome found{.shape = geometryOf(input), .chosen = {}, .other = {}, .loss = {}};
    const double er = input[Input::Er];
    found.chosen = impedancesBy(settings_.method, found.shape.sd, found.shape.dd, er);
    if (!found.chosen.error.empty()) {
        report.error = shownText(found.chosen.error, settings_.english) +
                       dimensionNote(input, found.chosen.error, settings_.english);
        return;
    }
    // The impedances do not depend on the frequency: a loss that cannot be
    // had leaves them standing, its reason the case's error.
    if (input.has(Input::Frequency)) {
        const CrossSection section = homogeneousSection(found.shape, er);
        const FieldSolution solution = field_.solve(section);
        const double tanDelta = input[Input::LossTangent];
        LineLosses losses;
        losses.tanDelta = {tanDelta, tanDelta, tanDelta};
        losses.conductivity = input[Input::Conductivity];
        if (solution.status == FieldStatus::Solved)
            found.loss = lossOf(section, solution, losses, input);
        else
            found.loss.error = std::string(kLossPrefix) + solution.reason;
        report.error = found.loss.error;
    }
    if (settings_.compare) {
        const Method other = settings_.method == Method::FiveCharge ? Method::Converged : Method::FiveCharge;
        found.other = impedancesBy(other, found.shape.sd, found.shape.dd, er);
        if (!found.other.error.empty())
            report.warnings.push_back({"no comparison: " + shownText(found.other.error, settings_.english), true});
    }
    listImpedance(input, found, report.results);
    addStrandedLossWarning(input, report);
    if (settings_.method == Method::FiveCharge)
        addAccuracyWarning(found.shape.sd, found.shape.dd, found.chosen, er, report);
    if (const std::string warning = erWarning(er, settings_.english); !warning.empty())
        report.warnings.push_back({warning, false});
}

// The five-charge figure checked against the converged one, as the window
// checks it: nothing to say where the gaps are wide, a warning where Ze or
// Zo is off by more than kNotableDeviation or cannot be checked.
// `fiveCharge`: the five-charge impedances in the case's dielectric.
void CaseRunner::addAccuracyWarning(double sd, double dd, const Impedances& fiveCharge, double er, Report& report)
{
    const double rootEr = std::sqrt(er);
    const FiveChargeDeviation deviation =
        fiveChargeDeviation(converged_, sd, dd, fiveCharge.ze * rootEr, fiveCharge.zo * rootEr);
    if (const std::string warning = accuracyWarning(deviation, 1 / rootEr, settings_.english); !warning.empty())
        report.warnings.push_back({warning, false});
}

void CaseRunner::listImpedance(const CaseInput& input, const ImpedanceOutcome& found,
                               std::vector<Quantity>& results) const
{
    const Impedances& z = found.chosen;
    // The other description of the shape than the one given.
    if (byDimensions(input))
        addRatios(found.shape, Group::Shape, results);
    else
        addDimensions(found.shape, Group::Shape, results);
    results.insert(results.end(), {{"ze", "Ze", z.ze, Unit::Ohm},
                                   {"zo", "Zo", z.zo, Unit::Ohm},
                                   {"zdiff", "Zdiff", 2 * z.zo, Unit::Ohm},
                                   {"zcm", "Zcm", z.ze / 2, Unit::Ohm}});
    const bool fiveChargeChosen = settings_.method == Method::FiveCharge;
    if (!fiveChargeChosen)
        results.push_back({"error_bound", "Error bound", z.errorBound, Unit::RelativeError});
    // The other method's Ze and Zo for the same shape, and the five-charge
    // deviation, five-charge / converged - 1: the same ratio in any dielectric.
    if (settings_.compare && found.other.error.empty()) {
        const Impedances& other = found.other;
        const Impedances& fiveCharge = fiveChargeChosen ? z : other;
        const Impedances& converged = fiveChargeChosen ? other : z;
        if (fiveChargeChosen)
            results.insert(results.end(), {{"ze_converged", "Ze converged", other.ze, Unit::Ohm},
                                           {"zo_converged", "Zo converged", other.zo, Unit::Ohm}});
        else
            results.insert(results.end(), {{"ze_five_charge", "Ze five-charge", other.ze, Unit::Ohm},
                                           {"zo_five_charge", "Zo five-charge", other.zo, Unit::Ohm}});
        results.insert(results.end(),
                       {{"ze_deviation", "Ze deviation", fiveCharge.ze / converged.ze - 1, Unit::Percent},
                        {"zo_deviation", "Zo deviation", fiveCharge.zo / converged.zo - 1, Unit::Percent}});
    }
    addPerLength(homogeneousModes(z.ze, z.zo, input[Input::Er]),
                 fiveChargeChosen ? ModeKeys::Shared : ModeKeys::SharedAndModes, results);
    if (input.has(Input::Frequency) && found.loss.error.empty())
        addLoss(found.loss, true, results);
    addDcResistance(input, nullptr, {}, results);
}

void CaseRunner::shape(const CaseInput& input, Report& report)
{
    double ze = 0, zo = 0;
    if (std::string problem = wantedImpedances(input, ze, zo); !problem.empty()) {
        report.error = std::move(problem);
        return;
    }
    const bool tracing = !settings_.traceFile.empty();
    solver_.mTraceOn = tracing ? 1 : 0;
    solver_.zSetTraceFileName(settings_.traceFile.c_str());
    const ShapeTargets targets{
        .ze = ze, .zo = zo, .er = input[Input::Er], .countLimit = settings_.limit, .width = settings_.width};
    const FoundShape found = settings_.method == Method::Converged ? solveShapeConverged(solver_, targets)
                                                                   : solveShapeFiveCharge(solver_, targets);
    // The solver switches the trace off, silently, when it cannot open the
    // file, and marks a trace it opened but could not write in full.
    if (tracing && (solver_.mTraceOn == 0 || solver_.mTraceFailed))
        report.warnings.push_back({"cannot write the trace file " + inQuotes(settings_.traceFile), true});
    if (!found.error.empty()) {
        report.error = shownText(found.error, settings_.english);
        if (settings_.method == Method::FiveCharge)
            report.error += convergedAdvice(targets);
        return;
    }
    const Impedances z = impedancesBy(settings_.method, found.sd, found.dd, input[Input::Er]);
    addShapeResults(input, found.sd, found.dd, found.count, z.error.empty() ? &z : nullptr, report);
    if (settings_.method == Method::FiveCharge)
        addAccuracyWarning(found.sd, found.dd, z, input[Input::Er], report);
}

// Where the five charges found no shape, the converged model may: then the
// failure names the way there.
std::string CaseRunner::convergedAdvice(const ShapeTargets& targets)
{
    solver_.mTraceOn = 0;  // the trace is the user's solve's alone
    const FoundShape converged = solveShapeConverged(solver_, targets);
    if (!converged.error.empty())
        return {};
    const std::string shape = "S/D " + formatSignificant(converged.sd, kTextDigits) + ", D/d " +
                              formatSignificant(converged.dd, kTextDigits);
    return settings_.english ? " - the converged model reaches these targets (" + shape + "): use --method converged"
                             : " - 収束解のモデルではこの目標に届きます（" + shape + "）：--method converged を使って下さい";
}

// `found`: the impedances of the shape by the chosen method, or null where
// they could not be had.
void CaseRunner::addShapeResults(const CaseInput& input, double sd, double dd, long long count,
                                 const Impedances* found, Report& report) const
{
    const CableShape shape = geometryFromRatios(sd, dd, wireDiameterMm(input));
    addRatios(shape, Group::Main, report.results);
    addDimensions(shape, Group::Main, report.results);
    report.results.push_back({"count", "Count", count, Unit::None});

    // What a designer checks next: how much room the cores have, and the
    // impedances and per-length quantities of the shape as it was found.
    const ShapeGaps gaps = shapeGaps(sd, dd);
    report.results.insert(report.results.end(), {{"core_gap", "Core gap", gaps.core, Unit::CoreRadius, Group::Shape},
                                                 {"shield_gap", "Shield gap", gaps.shield, Unit::CoreRadius,
                                                  Group::Shape}});
    if (shape.wireMm > 0) {
        const double radiusMm = shape.wireMm / 2;
        report.results.insert(report.results.end(),
                              {{"core_gap_length", "Core gap", gaps.core * radiusMm, Unit::Millimetre, Group::Shape},
                               {"shield_gap_length", "Shield gap", gaps.shield * radiusMm, Unit::Millimetre,
                                Group::Shape}});
    }
    if (found == nullptr)
        return;
    const Impedances& z = *found;
    report.results.insert(report.results.end(), {{"ze_found", "Ze", z.ze, Unit::Ohm, Group::Found},
                                                 {"zo_found", "Zo", z.zo, Unit::Ohm, Group::Found},
                                                 {"zdiff_found", "Zdiff", 2 * z.zo, Unit::Ohm, Group::Found},
                                                 {"zcm_found", "Zcm", z.ze / 2, Unit::Ohm, Group::Found}});
    addPerLength(homogeneousModes(z.ze, z.zo, input[Input::Er]),
                 settings_.method == Method::FiveCharge ? ModeKeys::Shared : ModeKeys::SharedAndModes, report.results);
    addDcResistance(input, nullptr, {}, report.results);
}
