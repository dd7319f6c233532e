#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CaseName.h"
#include "commands/FiveChargeDeviation.h"
#include "fivecharge/Qol_math1.h"

namespace {

struct Shape {
    const char* name;
    double sd, dd;
    bool known, notable;
};

class Deviation : public testing::TestWithParam<Shape> {};

// The five-charge figure against the converged one: close wherever the gaps
// are wide, low by more than 0.1 % where the cores come within 0.4 r of each
// other (S/D 0.3, D/d 4: Zo about -0.6 %), unknown where a gap is too narrow
// for the converged solver (S/D 0.2511, D/d 4: 0.0088 r between the cores).
TEST_P(Deviation, IsKnownAndNotableWhereTheGapsSay)
{
    const Shape& c = GetParam();
    TQol_COAXMath1 fiveCharge;
    double ze = 0, zo = 0;
    fiveCharge.zCalcZeAt(c.sd, c.dd, ze);
    fiveCharge.zCalcZoAt(c.sd, c.dd, zo);
    ASSERT_EQ(fiveCharge.mErrMsg, "");
    ConvergedSolver solver;
    const FiveChargeDeviation deviation = fiveChargeDeviation(solver, c.sd, c.dd, ze, zo);
    EXPECT_EQ(deviation.known(), c.known);
    EXPECT_EQ(deviation.notable(), c.notable);
    if (!c.known) {
        EXPECT_EQ(deviation.converged.status, ConvergedStatus::GapTooNarrow);
    }
    // Where the shape is what matters (not the older constants of the five-
    // charge calculator, worth +2e-5), the five charges come out low.
    if (c.notable) {
        EXPECT_LT(std::min(deviation.ze, deviation.zo), -kNotableDeviation);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Deviation,
                         testing::Values(Shape{"WideGaps", 0.5, 10, true, false},
                                         Shape{"CoresNearEachOther", 0.3, 4, true, true},
                                         Shape{"CoreNearTheShield", 0.7, 3.4, true, true},
                                         Shape{"GapTooNarrow", 0.2511, 4, false, false}),
                         CaseName{});

// Where both gaps are wide the converged solve is skipped: the five charges
// are close there by a scan of the range (a regression pin of the claim in
// FiveChargeDeviation.h, which the converged solver measures here).
TEST(Deviation, WideGapsAreCloseWithoutASolve)
{
    ConvergedSolver solver;
    TQol_COAXMath1 fiveCharge;
    int scanned = 0;
    for (double sd = 0.02; sd <= 0.9; sd += 0.022) {
        for (double dd = 2.05; dd <= 1000; dd *= 1.19) {
            const ShapeGaps gaps = shapeGaps(sd, dd);
            if (gaps.core < kWideCoreGap || gaps.shield < kWideShieldGap)
                continue;
            EXPECT_TRUE(fiveChargeDeviation(solver, sd, dd).wideGaps);
            double ze = 0, zo = 0;
            fiveCharge.zCalcZeAt(sd, dd, ze);
            fiveCharge.zCalcZoAt(sd, dd, zo);
            const ConvergedImpedance z = solver.solve(sd, dd);
            ASSERT_EQ(z.error, "") << sd << " " << dd;
            EXPECT_LT(std::fabs(ze / z.ze - 1), 4e-5) << sd << " " << dd;
            EXPECT_LT(std::fabs(zo / z.zo - 1), 4e-5) << sd << " " << dd;
            ++scanned;
        }
    }
    EXPECT_GT(scanned, 1000);
}

TEST(Deviation, CoresPointFourRadiiApartAreAboutSixTenthsOfAPercentLow)
{
    TQol_COAXMath1 fiveCharge;
    double ze = 0, zo = 0;
    fiveCharge.zCalcZeAt(0.3, 4, ze);
    fiveCharge.zCalcZoAt(0.3, 4, zo);
    ConvergedSolver solver;
    const FiveChargeDeviation deviation = fiveChargeDeviation(solver, 0.3, 4, ze, zo);
    EXPECT_NEAR(deviation.zo, -0.006, 0.001);
}

}  // namespace
