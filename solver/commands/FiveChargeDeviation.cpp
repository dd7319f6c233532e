#include "commands/FiveChargeDeviation.h"

#include <cmath>

#include "fivecharge/Qol_math1.h"

bool FiveChargeDeviation::notable() const
{
    return known() && (std::fabs(ze) > kNotableDeviation || std::fabs(zo) > kNotableDeviation);
}

FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd, double fiveChargeZe,
                                        double fiveChargeZo)
{
    FiveChargeDeviation deviation{.converged = solver.solve(sd, dd)};
    if (deviation.known()) {
        deviation.ze = fiveChargeZe / deviation.converged.ze - 1;
        deviation.zo = fiveChargeZo / deviation.converged.zo - 1;
    }
    return deviation;
}

FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd)
{
    TQol_COAXMath1 fiveCharge;
    double ze = 0;
    double zo = 0;
    fiveCharge.zCalcZeAt(sd, dd, ze);
    fiveCharge.zCalcZoAt(sd, dd, zo);
    return fiveChargeDeviation(solver, sd, dd, ze, zo);
}
