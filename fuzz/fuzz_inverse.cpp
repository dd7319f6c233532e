// The inverse solver over arbitrary bit patterns of Ze, Zo and Er (the first
// 24 bytes), with a small calculation limit from the next byte (-8 to 200)
// and the language from the byte after (only 1 selects English).

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "commands/Impedances.h"
#include "fivecharge/Qol_math2.h"
#include "FuzzBytes.h"
#include "ImpedanceChecks.h"
#include "Require.h"
#include "SolverTexts.h"
#include "TextChecks.h"

namespace {

// A shape no solve starts from, to see that a failed solve leaves it alone.
constexpr double kUntouchedSD = 0.4375;
constexpr double kUntouchedDd = 6.625;

constexpr int kLowestLimit = -8;
constexpr int kHighestLimit = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    if (bytes.left() < 24)
        return 0;
    TQol_COAXMath2 solver(nullptr, nullptr, 0);
    solver.mZe = bytes.takeDouble(0);
    solver.mZo = bytes.takeDouble(0);
    solver.mEr = bytes.takeDouble(1);
    solver.mCountLimit = kLowestLimit + bytes.takeByte(0) % (kHighestLimit - kLowestLimit + 1);
    solver.mEnglish = bytes.takeByte(0);
    solver.mShapeSD = kUntouchedSD;
    solver.mShapeDd = kUntouchedDd;
    const double wantedZe = solver.mZe;
    const double wantedZo = solver.mZo;
    const double er = solver.mEr;
    const bool english = solver.mEnglish == 1;

    solver.zCalcSDDd();

    // The count passes the limit by one at most; a solve always makes its
    // first trial, so a limit below 1 counts as 1.
    const long long countCap = std::max(solver.mCountLimit, 1);
    require(solver.mCount >= 0 && solver.mCount <= countCap + 1, "the solve stops within one count of its limit");
    if (!solver.mErrMsg.empty()) {
        require(isInverseText(solver.mErrMsg, english, solver.mCount), "a failed solve says a known text");
        require(solver.mShapeSD == kUntouchedSD && solver.mShapeDd == kUntouchedDd,
                "a failed solve leaves the shape alone");
        // A request refused before the solve counts nothing, whatever the limit.
        const bool countOver = solver.mErrMsg == kCountOverText.in(english);
        require(countOver == (solver.mCount > 0 && solver.mCount > solver.mCountLimit),
                "the count is over exactly when the solve says so");
        return 0;
    }
    require(solver.mCount >= 1 && solver.mCount <= countCap, "a found shape comes within the limit");

    // The found shape, run forward, is a valid result and meets the target
    // within the convergence width (for Er = 1, as the solve compares).
    TQol_COAXMath1 forward;
    const Impedances found = calculateImpedances(forward, solver.mShapeSD, solver.mShapeDd, er, english);
    require(found.error.empty(), "the forward calculation takes the found shape");
    checkImpedances(solver.mShapeSD, solver.mShapeDd, er, english, found);
    const double root = std::sqrt(er);
    require(std::fabs(root * wantedZe - forward.mZe) < solver.mConvWidth &&
                std::fabs(root * wantedZo - forward.mZo) < solver.mConvWidth,
            "the found shape gives the wanted impedances within the width");
    return 0;
}
