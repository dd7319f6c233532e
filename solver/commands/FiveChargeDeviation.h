#pragma once

#include "field/ConvergedSolver.h"

// How far the five-charge impedances of a shape lie from the converged ones,
// as five-charge / converged - 1 (negative: the five charges come out low).
// The same in any dielectric, since both divide by sqrt(Er).
struct FiveChargeDeviation {
    // Both gaps are wide (see kWideCoreGap): the deviation is known to be
    // far below kNotableDeviation without a converged solve, and ze, zo and
    // converged are left as they are.
    bool wideGaps = false;
    double sd = 0;  // the shape
    double dd = 0;
    ConvergedImpedance converged;  // for air; ze and zo below only when Solved
    double ze = 0;
    double zo = 0;

    // Measured, or known to be small from the gaps.
    bool known() const { return wideGaps || converged.status == ConvergedStatus::Solved; }
    // Measured and larger than kNotableDeviation in Ze or Zo.
    bool notable() const;
};

// A tenth of a percent: below it the five-charge figure is as good as any
// cable's tolerances.
inline constexpr double kNotableDeviation = 1e-3;

// Where the cores are at least kWideCoreGap core radii apart and each at
// least kWideShieldGap from the shield, the five charges are within 3.2e-5
// of the converged figure (the largest of 8,410 shapes over S/D 0.02 to 0.9
// and D/d 2.05 to 1000, a test keeps it), thirty times below
// kNotableDeviation: no converged solve is needed to say so.
inline constexpr double kWideCoreGap = 1.5;
inline constexpr double kWideShieldGap = 0.75;

// fiveChargeZe, fiveChargeZo: the five-charge impedances of the shape, for air.
FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd, double fiveChargeZe,
                                        double fiveChargeZo);

// The same where the five-charge impedances are not at hand (a shape found
// by the shape solve, whose last evaluation need not be at it): they are
// calculated here. The shape must pass the calculator's checks.
FiveChargeDeviation fiveChargeDeviation(ConvergedSolver& solver, double sd, double dd);
