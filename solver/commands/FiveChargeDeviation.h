#pragma once

#include "field/ConvergedSolver.h"

// How far the five-charge impedances of a shape lie from the converged ones,
// as five-charge / converged - 1 (negative: the five charges come out low).
// The same in any dielectric, since both divide by sqrt(Er).
struct FiveChargeDeviation {
    ConvergedImpedance converged;  // for air; ze and zo below only when Solved
    double ze = 0;
    double zo = 0;

    bool known() const { return converged.status == ConvergedStatus::Solved; }
    // Known and larger than kNotableDeviation in Ze or Zo.
    bool notable() const;
};

// A tenth of a percent: below it the five-charge figure is as good as any
// cable's tolerances.
inline constexpr double kNotableDeviation = 1e-3;

// fiveChargeZe, fiveChargeZo: the five-charge impedances of the shape, for air.
FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd, double fiveChargeZe,
                                        double fiveChargeZo);

// The same where the five-charge impedances are not at hand (a shape found
// by the shape solve, whose last evaluation need not be at it): they are
// calculated here. The shape must pass the calculator's checks.
FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd);
