#include "commands/FiveChargeDeviation.h"

#include <cmath>

#include "fivecharge/Qol_math1.h"

bool FiveChargeDeviation::notable() const
{
    return known() && (std::fabs(ze) > kNotableDeviation || std::fabs(zo) > kNotableDeviation);
}

namespace {

bool gapsAreWide(double sd, double dd)
{
    const ShapeGaps gaps = shapeGaps(sd, dd);
    return gaps.core >= kWideCoreGap && gaps.shield >= kWideShieldGap;
}

}  // namespace

FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd, double fiveChargeZe,
                                        double fiveChargeZo)
{
    if (gapsAreWide(sd, dd))
        return {.wideGaps = true, .sd = sd, .dd = dd, .converged = {}, .ze = 0, .zo = 0};
    FiveChargeDeviation deviation{.wideGaps = false, .sd = sd, .dd = dd, .converged = solver.solve(sd, dd), .ze = 0, .zo = 0};
    if (deviation.known()) {
        deviation.ze = fiveChargeZe / deviation.converged.ze - 1;
        deviation.zo = fiveChargeZo / deviation.converged.zo - 1;
    }
    return deviation;
}

FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd)
{
    if (gapsAreWide(sd, dd))
        return {.wideGaps = true, .sd = sd, .dd = dd, .converged = {}, .ze = 0, .zo = 0};
    TQol_COAXMath1 fiveCharge;
    double ze = 0;
    double zo = 0;
    fiveCharge.zCalcZeAt(sd, dd, ze);
    fiveCharge.zCalcZoAt(sd, dd, zo);
    return fiveChargeDeviation(solver, sd, dd, ze, zo);
}
