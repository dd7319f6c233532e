#include "commands/ShapeCommand.h"

#include <algorithm>

#include "field/ConvergedShape.h"
#include "fivecharge/Qol_math2.h"

FoundShape solveShapeFiveCharge(TQol_COAXMath2& calc, const ShapeTargets& targets)
{
    calc.mZe = targets.ze;
    calc.mZo = targets.zo;
    calc.mEr = targets.er;
    calc.mCountLimit = targets.countLimit;
    calc.mConvWidth = targets.width;
    calc.zCalcSDDd();
    if (!calc.mErrMsg.empty())
        return {.count = calc.mCount, .error = calc.mErrMsg};
    return {.sd = calc.mShapeSD, .dd = calc.mShapeDd, .count = calc.mCount, .error = {}};
}

namespace {

// The five-charge solve only gives the converged one its start: it need not
// go on where a start would do, whatever limit and width the user set.
constexpr int kStartCountLimit = 1000;
constexpr double kStartWidth = 0.01;

}  // namespace

FoundShape solveShapeConverged(TQol_COAXMath2& calc, const ShapeTargets& targets)
{
    ShapeTargets startTargets = targets;
    startTargets.countLimit = std::min(targets.countLimit, kStartCountLimit);
    startTargets.width = std::max(targets.width, kStartWidth);
    const FoundShape start = solveShapeFiveCharge(calc, startTargets);
    ShapeRequest request;
    request.ze = targets.ze;
    request.zo = targets.zo;
    request.er = targets.er;
    request.width = targets.width;
    request.countLimit = targets.countLimit;
    request.startSD = start.error.empty() ? start.sd : calc.mSD;
    request.startDd = start.error.empty() ? start.dd : calc.mDd;
    const ShapeResult found = solveConvergedShape(request);
    if (!found.error.empty())
        return {.count = found.count, .error = found.error};
    return {.sd = found.sd, .dd = found.dd, .count = found.count, .error = {}};
}
