#include "FiveChargeDeviation.h"

#include <cmath>

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
