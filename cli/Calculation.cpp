#include "Calculation.h"

#include "CalculatorText.h"
#include "ConvergedShape.h"
#include "Impedances.h"
#include "Quoted.h"

Calculator::Calculator(Mode mode, const SolveSettings& settings)
    // No status label: the solve's last progress text is its count, which the
    // report carries as a number.
    : mode_(mode), settings_(settings), solver_(nullptr, nullptr, settings.english ? 1 : 0)
{
}

Report Calculator::run(const CaseInput& input)
{
    Report report;
    for (std::size_t i = 0; i < input.size(); ++i)
        report.inputs.emplace_back(inputNames(mode_)[i].key, input[i]);
    if (mode_ == Mode::Impedance)
        impedance(input, report);
    else
        shape(input, report);
    return report;
}

Impedances Calculator::impedancesBy(Method method, double sd, double dd, double er)
{
    return method == Method::Converged ? calculateConvergedImpedances(converged_, sd, dd, er, settings_.english)
                                       : calculateImpedances(solver_, sd, dd, er, settings_.english);
}

void Calculator::impedance(const CaseInput& input, Report& report)
{
    const auto [sd, dd, er] = input;
    const Impedances z = impedancesBy(settings_.method, sd, dd, er);
    if (settings_.method == Method::Converged)
        report.method = methodName(Method::Converged);
    if (!z.error.empty()) {
        report.error = shownText(z.error, settings_.english);
        return;
    }
    report.results = {{"ze", "Ze", z.ze, Unit::Ohm},
                      {"zo", "Zo", z.zo, Unit::Ohm},
                      {"zdiff", "Zdiff", 2 * z.zo, Unit::Ohm},
                      {"zcm", "Zcm", z.ze / 2, Unit::Ohm}};
    if (settings_.method == Method::Converged)
        report.results.push_back({"error_bound", "Error bound", z.errorBound, Unit::RelativeError});
    if (settings_.compare)
        compare(z, sd, dd, er, report);
}

// The other method's Ze and Zo for the same shape, and the five-charge
// deviation, five-charge / converged - 1: the same ratio in any dielectric.
void Calculator::compare(const Impedances& chosen, double sd, double dd, double er, Report& report)
{
    const bool fiveChargeChosen = settings_.method == Method::FiveCharge;
    const Impedances other = impedancesBy(fiveChargeChosen ? Method::Converged : Method::FiveCharge, sd, dd, er);
    if (!other.error.empty()) {
        report.warning = "no comparison: " + shownText(other.error, settings_.english);
        return;
    }
    const Impedances& fiveCharge = fiveChargeChosen ? chosen : other;
    const Impedances& converged = fiveChargeChosen ? other : chosen;
    if (fiveChargeChosen)
        report.results.insert(report.results.end(), {{"ze_converged", "Ze converged", other.ze, Unit::Ohm},
                                                     {"zo_converged", "Zo converged", other.zo, Unit::Ohm}});
    else
        report.results.insert(report.results.end(), {{"ze_five_charge", "Ze five-charge", other.ze, Unit::Ohm},
                                                     {"zo_five_charge", "Zo five-charge", other.zo, Unit::Ohm}});
    report.results.insert(report.results.end(),
                          {{"ze_deviation", "Ze deviation", fiveCharge.ze / converged.ze - 1, Unit::Percent},
                           {"zo_deviation", "Zo deviation", fiveCharge.zo / converged.zo - 1, Unit::Percent}});
}

void Calculator::shape(const CaseInput& input, Report& report)
{
    const auto [ze, zo, er] = input;
    report.inputs.emplace_back("width", settings_.width);
    report.inputs.emplace_back("limit", static_cast<long long>(settings_.limit));
    solver_.mZe = ze;
    solver_.mZo = zo;
    solver_.mEr = er;
    solver_.mCountLimit = settings_.limit;
    solver_.mConvWidth = settings_.width;
    const bool tracing = !settings_.traceFile.empty();
    solver_.mTraceOn = tracing ? 1 : 0;
    solver_.zSetTraceFileName(settings_.traceFile.c_str());
    solver_.zCalcSDDd();

    // The solver switches the trace off, silently, when it cannot open the
    // file, and marks a trace it opened but could not write in full.
    if (tracing && (solver_.mTraceOn == 0 || solver_.mTraceFailed))
        report.warning = "cannot write the trace file " + inQuotes(settings_.traceFile);
    if (settings_.method == Method::Converged) {
        convergedShape(input, report);
        return;
    }
    if (!solver_.mErrMsg.empty()) {
        report.error = shownText(solver_.mErrMsg, settings_.english);
        return;
    }
    report.results = {{"sd", "S/D", solver_.mShapeSD, Unit::None},
                      {"dd", "D/d", solver_.mShapeDd, Unit::None},
                      {"count", "Count", solver_.mCount, Unit::None}};
}

// Newton on the converged model, from the five-charge answer: close to the
// converged one wherever the five charges are good, and a start in any case.
// Where the five-charge solve failed, its closed-form start estimate (or the
// last shape it improved on) stands in; its refusals of the inputs are the
// converged solve's too.
void Calculator::convergedShape(const CaseInput& input, Report& report)
{
    const auto [ze, zo, er] = input;
    report.method = methodName(Method::Converged);
    const bool fiveChargeFound = solver_.mErrMsg.empty();
    ShapeRequest request;
    request.ze = ze;
    request.zo = zo;
    request.er = er;
    request.width = settings_.width;
    request.countLimit = settings_.limit;
    request.startSD = fiveChargeFound ? solver_.mShapeSD : solver_.mSD;
    request.startDd = fiveChargeFound ? solver_.mShapeDd : solver_.mDd;
    const ShapeResult found = solveConvergedShape(request);
    if (!found.error.empty()) {
        report.error = shownText(found.error, settings_.english);
        return;
    }
    report.results = {{"sd", "S/D", found.sd, Unit::None},
                      {"dd", "D/d", found.dd, Unit::None},
                      {"count", "Count", found.count, Unit::None}};
}
