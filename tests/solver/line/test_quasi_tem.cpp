#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CaseName.h"
#include "Codata.h"
#include "line/QuasiTem.h"
#include "LineCases.h"

namespace {

// One core in the centre of the shield (the other a hair far off it): a
// coaxial line, whose exact TE11 cut-off k_c solves
// J1'(k a) Y1'(k b) = J1'(k b) Y1'(k a); k_c (a + b)/2 from scipy's Bessel
// functions and a bracketing root finder, an independent method.
struct Coax {
    const char* name;
    double radiusRatio;  // b/a
    double exactOverEstimate;
};

class QuasiTemLimit : public testing::TestWithParam<Coax> {};

TEST_P(QuasiTemLimit, NearTheExactCoaxialCutOff)
{
    const Coax& c = GetParam();
    const double b = 2e-3, a = b / c.radiusRatio, er = 2.1;
    CrossSection s;
    s.cores[0] = {0, 0, 2 * a, 2 * a, 0, 0, 1};
    s.cores[1] = {0.9 * b, 0, 1e-9, 1e-9, 0, 0, 1};
    s.shield = RoundShield{2 * b};
    s.fillerEr = er;
    const double exact = c.exactOverEstimate * 2 / (a + b) * kSpeedOfLight / (2 * std::numbers::pi * std::sqrt(er));
    const double estimate = quasiTemLimit(s);
    EXPECT_NEAR(estimate / exact, 1 / c.exactOverEstimate, 1e-12);
    // The bounds its comment states.
    EXPECT_GE(estimate / exact, 1 / 1.03);
    EXPECT_LE(estimate / exact, 1 / 0.92);
}

INSTANTIATE_TEST_SUITE_P(Ratios, QuasiTemLimit,
                         testing::Values(Coax{"Thick", 1.2, 1.0013649610511586}, Coax{"Two", 2, 1.0160040077050527},
                                         Coax{"Three", 3, 1.0272423449393366}, Coax{"Ten", 10, 0.9919085466429667},
                                         Coax{"Hundred", 100, 0.9296030089571896}),
                         CaseName{});

// The highest Er of any region that is there: a bare core's sleeve Er is
// no region's, a sleeve's is.
TEST(QuasiTemLimitRegions, LargestErPresent)
{
    CrossSection s = lineCases::homogeneousPair(2.1);
    const double filled = quasiTemLimit(s);
    s.cores[0].sleeveEr = 10;  // bare: no sleeve to hold it
    EXPECT_EQ(quasiTemLimit(s), filled);
    s.cores[0].sleeveDiameter = 0.8e-3;
    EXPECT_NEAR(quasiTemLimit(s) / filled, std::sqrt(2.1 / 10), 1e-15);
}

}  // namespace
