#include "cases/CaseRunner.h"

#include <cmath>

#include "cases/CalculatorText.h"
#include "cases/Loss.h"
#include "cases/PerLength.h"
#include "cases/Targets.h"
#include "commands/ShapeCommand.h"
#include "output/Quoted.h"

namespace {

// The case's inputs in the order of Input; an AWG size is a whole number,
// and the diameter it stands for is given beside it.
std::vector<Quantity> inputQuantities(const CaseInput& input)
{
    std::vector<Quantity> quantities;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const InputInfo& info = inputInfo(static_cast<Input>(i));
        if (info.input == Input::WireDiameter && input.has(Input::Awg))
            quantities.push_back({info.key, {}, wireDiameterMm(input), info.unit});
        else if (info.input == Input::Awg && input.has(Input::Awg))
            quantities.push_back({info.key, {}, std::llround(input[Input::Awg]), info.unit});
        else if (input.has(info.input))
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

}  // namespace

CaseRunner::CaseRunner(Mode mode, const SolveSettings& settings)
    // No status label: the solve's last progress text is its count, which the
    // report carries as a number.
    : mode_(mode), settings_(settings), solver_(nullptr, nullptr, settings.english ? 1 : 0)
{
}

Report CaseRunner::run(const CaseInput& input)
{
    Report report = framed(input);
    if (mode_ == Mode::Impedance)
        impedance(input, report);
    else
        shape(input, report);
    return report;
}

Report CaseRunner::layout(const CaseInput& prototype) const
{
    Report report = framed(prototype);
    if (mode_ == Mode::Impedance)
        listImpedance(prototype, {.shape = geometryOf(prototype), .chosen = {}, .other = {}, .loss = {}},
                      report.results);
    else
        addShapeResults(prototype, 0, 0, 0, report);
    return report;
}

// The inputs, the settings that shape the results, the method.
Report CaseRunner::framed(const CaseInput& input) const
{
    Report report;
    report.inputs = inputQuantities(input);
    if (mode_ == Mode::Shape) {
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
    if (input.has(Input::Frequency)) {
        found.loss = lossOf(converged_, found.shape, input);
        if (!found.loss.error.empty()) {
            report.error = found.loss.error;
            return;
        }
    }
    if (settings_.compare) {
        const Method other = settings_.method == Method::FiveCharge ? Method::Converged : Method::FiveCharge;
        found.other = impedancesBy(other, found.shape.sd, found.shape.dd, er);
        if (!found.other.error.empty())
            report.warning = "no comparison: " + shownText(found.other.error, settings_.english);
    }
    listImpedance(input, found, report.results);
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
    addPerLength(z.ze, z.zo, input[Input::Er], results);
    if (input.has(Input::Frequency))
        addLoss(found.loss, results);
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
        report.warning = "cannot write the trace file " + inQuotes(settings_.traceFile);
    if (!found.error.empty()) {
        report.error = shownText(found.error, settings_.english);
        return;
    }
    addShapeResults(input, found.sd, found.dd, found.count, report);
}

void CaseRunner::addShapeResults(const CaseInput& input, double sd, double dd, long long count, Report& report) const
{
    const CableShape found = geometryFromRatios(sd, dd, wireDiameterMm(input));
    addRatios(found, Group::Main, report.results);
    addDimensions(found, Group::Main, report.results);
    report.results.push_back({"count", "Count", count, Unit::None});
}
