#include "Calculation.h"

#include "CalculatorText.h"
#include "Impedances.h"
#include "Quoted.h"

Calculator::Calculator(Mode mode, const SolveSettings& settings)
    : mode_(mode), settings_(settings), solver_(nullptr, &status_, settings.english ? 1 : 0)
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

void Calculator::impedance(const CaseInput& input, Report& report)
{
    const auto [sd, dd, er] = input;
    const Impedances z = calculateImpedances(solver_, sd, dd, er, settings_.english);
    if (!z.error.empty()) {
        report.error = shownText(z.error, settings_.english);
        return;
    }
    report.results = {{"ze", "Ze", z.ze, Unit::Ohm},
                      {"zo", "Zo", z.zo, Unit::Ohm},
                      {"zdiff", "Zdiff", 2 * z.zo, Unit::Ohm},
                      {"zcm", "Zcm", z.ze / 2, Unit::Ohm}};
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
    status_.text.clear();
    solver_.zCalcSDDd();

    // The solver switches the trace off, silently, when it cannot open the
    // file, and marks a trace it opened but could not write in full.
    if (tracing && (solver_.mTraceOn == 0 || solver_.mTraceFailed))
        report.warning = "cannot write the trace file " + quoted(settings_.traceFile);
    if (!solver_.mErrMsg.empty()) {
        report.error = shownText(solver_.mErrMsg, settings_.english);
        return;
    }
    report.results = {{"sd", "S/D", solver_.mShapeSD, Unit::None},
                      {"dd", "D/d", solver_.mShapeDd, Unit::None},
                      {"count", "Count", solver_.mCount, Unit::None}};
    report.status = status_.text;
}
