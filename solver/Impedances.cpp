#include "Impedances.h"

#include <cmath>

#include "Qol_math1.h"

const char* erNotPositiveText(bool english)
{
    return english ? "Er must be a positive finite number" : "Er は正の有限値にして下さい";
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
    const double root = std::sqrt(er);
    return {.ze = calc.mZe / root, .zo = calc.mZo / root, .error = {}};
}
