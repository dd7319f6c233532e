#include "Calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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
    // The forward calculation is for air and leaves Er to its callers; the
    // words are those of the shape solver's own check.
    if (!(er > 0)) {
        report.error = settings_.english ? "Er must be a positive finite number" : "Er は正の有限値にして下さい";
        return;
    }
    solver_.mShapeSD = sd;
    solver_.mShapeDd = dd;
    solver_.mEr = er;
    solver_.zCalcZe();
    // zCalcZo starts by clearing the text, so it must not run after a failure.
    if (solver_.mErrMsg.empty())
        solver_.zCalcZo();
    if (!solver_.mErrMsg.empty()) {
        report.error = solver_.mErrMsg;
        return;
    }
    const double root = std::sqrt(er);
    const double ze = solver_.mZe / root;
    const double zo = solver_.mZo / root;
    report.results = {{"ze", "Ze", ze, Unit::Ohm},
                      {"zo", "Zo", zo, Unit::Ohm},
                      {"zdiff", "Zdiff", 2 * zo, Unit::Ohm},
                      {"zcm", "Zcm", ze / 2, Unit::Ohm}};
}

void Calculator::shape(const CaseInput& input, Report& report)
{
    const auto [ze, zo, er] = input;
    report.inputs.emplace_back("width", settings_.width);
    report.inputs.emplace_back("limit", settings_.limit);
    solver_.mZe = ze;
    solver_.mZo = zo;
    solver_.mEr = er;
    solver_.mCountLimit = settings_.limit;
    solver_.mConvWidth = settings_.width;
    const bool tracing = !settings_.traceFile.empty();
    solver_.mTraceOn = tracing ? 1 : 0;
    solver_.zSetTraceFileName(settings_.traceFile.c_str());
    status_.text_.clear();
    solver_.zCalcSDDd();

    // The solver switches the trace off, silently, when it cannot open the file.
    if (tracing && solver_.mTraceOn == 0)
        report.warning = "cannot write the trace file \"" + settings_.traceFile + "\"";
    if (!solver_.mErrMsg.empty()) {
        report.error = solver_.mErrMsg;
        return;
    }
    report.results = {{"sd", "S/D", solver_.mShapeSD, Unit::Ratio},
                      {"dd", "D/d", solver_.mShapeDd, Unit::Ratio},
                      {"count", "Count", static_cast<double>(countInStatus(status_.text_)), Unit::Count}};
    report.status = status_.text_;
}

long long countInStatus(std::string_view status)
{
    constexpr std::string_view kWideEquals = "＝";
    std::size_t start = 0;
    if (auto ascii = status.rfind('='); ascii != std::string_view::npos)
        start = ascii + 1;
    if (auto wide = status.rfind(kWideEquals); wide != std::string_view::npos)
        start = std::max(start, wide + kWideEquals.size());
    long long count = 0;  // the solver counts past INT_MAX when the limit is INT_MAX
    if (start > 0)
        std::from_chars(status.data() + start, status.data() + status.size(), count);
    return count;
}
