#include "commands/Impedances.h"

#include <cmath>

#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math1.h"

const char* erNotPositiveText(bool english)
{
    return english ? "Er must be a positive finite number" : "Er は正の有限値にして下さい";
}

const char* beyondReachText(bool english)
{
    return english ? "The shape is beyond the calculator's reach: it gave Zo at or above Ze, which this cable cannot have"
                   : "計算できる範囲を超えた形状です（Zo が Ze 以上になりました）";
}

Impedances calculateImpedances(TQol_COAXMath1& calc, double sd, double dd, double er, bool english)
{
    calc.mShapeSD = sd;
    calc.mShapeDd = dd;
    calc.mEr = er;
    if (!(std::isfinite(er) && er > 0))
        return {.error = erNotPositiveText(english)};

    calc.zCalcZe();
    // zCalcZo starts by clearing the text, so it must not run after a failure.
    if (calc.mErrMsg.empty())
        calc.zCalcZo();
    if (!calc.mErrMsg.empty())
        return {.error = calc.mErrMsg};
    // Ze > Zo holds for every shape of this cable; where the five charges give
    // otherwise (very near the shield) neither value can be trusted.
    if (!(calc.mZo < calc.mZe))
        return {.error = beyondReachText(english)};
    const double root = std::sqrt(er);
    return {.ze = calc.mZe / root, .zo = calc.mZo / root, .errorBound = 0, .error = {}};
}

Impedances calculateConvergedImpedances(ConvergedSolver& solver, double sd, double dd, double er, bool english)
{
    if (!(std::isfinite(er) && er > 0))
        return {.error = erNotPositiveText(english)};
    const ConvergedImpedance z = solver.solve(sd, dd);
    if (!z.error.empty())
        return {.error = z.error};
    const double root = std::sqrt(er);
    return {.ze = z.ze / root, .zo = z.zo / root, .errorBound = z.errorBound, .error = {}};
}
