#pragma once

#include "field/CrossSection.h"
#include "field/InsulatedSolver.h"

// Cross-sections of a real size for the line models' tests: 0.51 mm cores
// (24 AWG) in a 4.2 mm shield. Lengths in metres.
namespace lineCases {

inline constexpr double kCopper = 5.8e7;  // S/m

// Bare cores in one dielectric: the even and odd modes are TEM.
inline CrossSection homogeneousPair(double er = 2.1)
{
    CrossSection c;
    c.cores[0] = {0.7e-3, 0, 0.51e-3, 0.51e-3, 0, 0, 1};
    c.cores[1] = {-0.7e-3, 0, 0.51e-3, 0.51e-3, 0, 0, 1};
    c.shield = RoundShield{4.2e-3};
    c.fillerEr = er;
    return c;
}

// PTFE sleeves touching each other in air: the modes travel apart.
inline CrossSection insulatedPair()
{
    CrossSection c;
    c.cores[0] = {0.7e-3, 0, 0.51e-3, 1.4e-3, 0, 0, 2.1};
    c.cores[1] = {-0.7e-3, 0, 0.51e-3, 1.4e-3, 0, 0, 2.1};
    c.shield = RoundShield{3.6e-3};
    c.fillerEr = 1;
    return c;
}

// Unequal cores and sleeves off the axis: C11 != C22, and the modes are no
// longer even and odd.
inline CrossSection unequalPair()
{
    CrossSection c;
    c.cores[0] = {0.8e-3, 0.1e-3, 0.51e-3, 1.2e-3, 0, 0, 2.1};
    c.cores[1] = {-0.65e-3, -0.05e-3, 0.4e-3, 1.0e-3, 0, 0, 3.0};
    c.shield = RoundShield{4.2e-3};
    c.fillerEr = 1;
    return c;
}

inline FieldSolution solved(const CrossSection& c)
{
    return InsulatedSolver().solve(c);
}

}  // namespace lineCases
