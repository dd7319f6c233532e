#include "commands/Impedances.h"

#include <cmath>

#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math1.h"
#include "SolverTexts.h"

Impedances calculateImpedances(TQol_COAXMath1& calc, double sd, double dd, double er, bool english)
{
    calc.mShapeSD = sd;
    calc.mShapeDd = dd;
    calc.mEr = er;
    if (!(std::isfinite(er) && er > 0))
        return {.error = std::string(kErNotPositiveText.in(english))};

    calc.zCalcZe();
    // zCalcZo starts by clearing the text, so it must not run after a failure.
    if (calc.mErrMsg.empty())
        calc.zCalcZo();
    if (!calc.mErrMsg.empty())
        return {.error = calc.mErrMsg};
    // Ze > Zo holds for every shape of this cable; where the five charges give
    // otherwise (very near the shield) neither value can be trusted.
    if (!(calc.mZo < calc.mZe))
        return {.error = std::string(kBeyondReachText.in(english))};
    const double root = std::sqrt(er);
    return {.ze = calc.mZe / root, .zo = calc.mZo / root, .errorBound = 0, .error = {}};
}

Impedances calculateConvergedImpedances(ConvergedSolver& solver, double sd, double dd, double er, bool english)
{
    if (!(std::isfinite(er) && er > 0))
        return {.error = std::string(kErNotPositiveText.in(english))};
    const ConvergedImpedance z = solver.solve(sd, dd);
    if (!z.error.empty())
        return {.error = z.error};
    const double root = std::sqrt(er);
    return {.ze = z.ze / root, .zo = z.zo / root, .errorBound = z.errorBound, .error = {}};
}
