#include "Calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

Calculator::Calculator(Mode mode, const SolveSettings& settings)
    : mMode(mode), mSettings(settings), mSolver(nullptr, &mStatus, settings.english ? 1 : 0)
{
}

Report Calculator::run(const CaseInput& input)
{
    Report report;
    for (std::size_t i = 0; i < input.size(); ++i)
        report.inputs.emplace_back(inputNames(mMode)[i].key, input[i]);
    if (mMode == Mode::Impedance)
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
        report.error = mSettings.english ? "Er must be a positive finite number" : "Er は正の有限値にして下さい";
        return;
    }
    mSolver.mShapeSD = sd;
    mSolver.mShapeDd = dd;
    mSolver.mEr = er;
    mSolver.zCalcZe();
    // zCalcZo starts by clearing the text, so it must not run after a failure.
    if (mSolver.mErrMsg.empty())
        mSolver.zCalcZo();
    if (!mSolver.mErrMsg.empty()) {
        report.error = mSolver.mErrMsg;
        return;
    }
    const double root = std::sqrt(er);
    const double ze = mSolver.mZe / root;
    const double zo = mSolver.mZo / root;
    report.results = {{"ze", "Ze", ze, Unit::Ohm},
                      {"zo", "Zo", zo, Unit::Ohm},
                      {"zdiff", "Zdiff", 2 * zo, Unit::Ohm},
                      {"zcm", "Zcm", ze / 2, Unit::Ohm}};
}

void Calculator::shape(const CaseInput& input, Report& report)
{
    const auto [ze, zo, er] = input;
    report.inputs.emplace_back("width", mSettings.width);
    report.inputs.emplace_back("limit", mSettings.limit);
    mSolver.mZe = ze;
    mSolver.mZo = zo;
    mSolver.mEr = er;
    mSolver.mCountLimit = mSettings.limit;
    mSolver.mConvWidth = mSettings.width;
    const bool tracing = !mSettings.traceFile.empty();
    mSolver.mTraceOn = tracing ? 1 : 0;
    mSolver.zSetTraceFileName(mSettings.traceFile.c_str());
    mStatus.mText.clear();
    mSolver.zCalcSDDd();

    // The solver switches the trace off, silently, when it cannot open the file.
    if (tracing && mSolver.mTraceOn == 0)
        report.warning = "cannot write the trace file \"" + mSettings.traceFile + "\"";
    if (!mSolver.mErrMsg.empty()) {
        report.error = mSolver.mErrMsg;
        return;
    }
    report.results = {{"sd", "S/D", mSolver.mShapeSD, Unit::Ratio},
                      {"dd", "D/d", mSolver.mShapeDd, Unit::Ratio},
                      {"count", "Count", static_cast<double>(countInStatus(mStatus.mText)), Unit::Count}};
    report.status = mStatus.mText;
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
