#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CaseName.h"
#include "fivecharge/Qol_math1.h"
#include "SolverTexts.h"

// The charge placement and the potential matrix are private to the
// calculator; this reaches them for the tests below.
struct PotentialMatrixProbe {
    TQol_COAXMath1 calc;

    explicit PotentialMatrixProbe(double sd, double dd) { calc.mSetGeometryAt(sd, dd); }
    void coefficient(double& g, unsigned char mode, double s, double y, double x) { calc.mCalcG(g, mode, s, y, x); }
    void oddCharges(double* q) { calc.mCalcQOdd(q); }
    void evenCharges(double* q) { calc.mCalcQEven(q); }
};

namespace {

struct Shape {
    double sd, dd;
    int charges;
    double ze, zo;  // ohm, Er = 1
    double tolerance;
};

class ForwardExample : public testing::TestWithParam<Shape> {};

TEST_P(ForwardExample, MatchesKnownImpedances)
{
    const Shape& c = GetParam();
    TQol_COAXMath1 calc;
    calc.mQnum = c.charges;
    calc.mShapeSD = c.sd;
    calc.mShapeDd = c.dd;
    calc.zCalcZe();
    ASSERT_EQ(calc.mErrMsg, "");
    calc.zCalcZo();
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_NEAR(calc.mZe, c.ze, c.tolerance);
    EXPECT_NEAR(calc.mZo, c.zo, c.tolerance);
}

// The five-charge examples to the three decimals the window shows. Any charge
// count of 2 or more works, and the model converges as it grows, so
// neighbouring counts must land next to the five-charge values.
INSTANTIATE_TEST_SUITE_P(Cases, ForwardExample,
                         testing::Values(Shape{0.5, 10, 5, 133.229, 107.426, 0.0005},
                                         Shape{0.3, 5, 5, 119.977, 51.089, 0.0005},
                                         Shape{0.9, 20, 5, 76.549, 76.050, 0.0005},
                                         Shape{0.5, 10, 4, 133.229012, 107.425742, 1e-4},
                                         Shape{0.5, 10, 6, 133.229012, 107.425742, 1e-4},
                                         Shape{0.5, 10, 7, 133.229012, 107.425742, 1e-4},
                                         Shape{0.5, 10, 9, 133.229012, 107.425742, 1e-4}),
                         [](const testing::TestParamInfo<Shape>& info) {
                             const Shape& c = info.param;
                             return nameFromInputs(info.index, {{"sd", c.sd}, {"dd", c.dd}, {"charges", c.charges}});
                         });

// Thin wires far apart in a wide shield: each line charge with its images,
// per unit length, gives the capacitances in closed form,
//   odd:  2 pi e0 / ln((2a/r) (R^2 - a^2) / (R^2 + a^2))
//   even: 2 pi e0 / ln((R^4 - a^4) / (2 a r R^2)),
// to about (r/a)^2; the calculator's own e0 is 8.854e-12 F/m.
TEST(Forward, CapacitancesApproachTheThinWireLimit)
{
    for (const double sd : {0.3, 0.5, 0.7}) {
        TQol_COAXMath1 calc;
        calc.mShapeSD = sd;
        calc.mShapeDd = 1000;
        calc.zCalcZe();
        calc.zCalcZo();
        ASSERT_EQ(calc.mErrMsg, "");
        const double r = 1, R = 1000, a = R * sd, twoPiE0 = 2 * 3.141592653589793 * 8.854e-12;
        const double odd = twoPiE0 / std::log((2 * a / r) * (R * R - a * a) / (R * R + a * a));
        const double even = twoPiE0 / std::log((R * R * R * R - a * a * a * a) / (2 * a * r * R * R));
        EXPECT_NEAR(calc.mCapO / odd, 1, 1e-5) << "S/D " << sd;
        EXPECT_NEAR(calc.mCapE / even, 1, 1e-5) << "S/D " << sd;
    }
}

struct Rejected {
    double sd, dd;
    std::string error;
};

class ForwardRejected : public testing::TestWithParam<Rejected> {};

// Both field-based operations check the same way and keep their old results.
TEST_P(ForwardRejected, ReportsTextAndKeepsResults)
{
    const Rejected& c = GetParam();
    TQol_COAXMath1 calc;
    calc.mZe = 11;
    calc.mZo = 22;
    calc.mShapeSD = c.sd;
    calc.mShapeDd = c.dd;
    calc.zCalcZe();
    EXPECT_EQ(calc.mErrMsg, c.error);
    calc.zCalcZo();
    EXPECT_EQ(calc.mErrMsg, c.error);
    EXPECT_EQ(calc.mZe, 11);
    EXPECT_EQ(calc.mZo, 22);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForwardRejected,
    testing::Values(Rejected{0, 10, std::string(kSdNotPositiveText)}, Rejected{-0.5, 10, std::string(kSdNotPositiveText)},
                    Rejected{NAN, 10, std::string(kSdNotPositiveText)}, Rejected{0, 1, std::string(kSdNotPositiveText)},
                    Rejected{std::nextafter(0.9, 1.0), 20, std::string(kSdAboveLimitText)}, Rejected{0.95, 10, std::string(kSdAboveLimitText)},
                    Rejected{0.5, 2, std::string(kDdNotAboveTwoText)}, Rejected{0.5, NAN, std::string(kDdNotAboveTwoText)},
                    Rejected{0.25, 4, std::string(kCoresTooCloseText.japanese)},
                    Rejected{0.75, 4, std::string(kShieldTooSmallText.japanese)},
                    Rejected{0.5, INFINITY, std::string(kShieldTooSmallText.japanese)}),
    [](const testing::TestParamInfo<Rejected>& info) {
        return nameFromInputs(info.index, {{"sd", info.param.sd}, {"dd", info.param.dd}});
    });

TEST(ForwardAt, FailedValidationLeavesOutParameterAndShape)
{
    TQol_COAXMath1 calc;
    calc.mShapeSD = 0.5;
    calc.mShapeDd = 10;
    double zo = -1;
    calc.zCalcZoAt(0.95, 10, zo);
    EXPECT_EQ(calc.mErrMsg, std::string(kSdAboveLimitText));
    EXPECT_EQ(zo, -1);
    EXPECT_EQ(calc.mShapeSD, 0.5);
    EXPECT_EQ(calc.mShapeDd, 10);
}

TEST(ForwardAt, DoesNothingWhileAnErrorStands)
{
    TQol_COAXMath1 calc;
    calc.mErrMsg = "earlier failure";
    double ze = -1, zo = -1;
    calc.zCalcZeAt(0.5, 10, ze);
    calc.zCalcZoAt(0.5, 10, zo);
    EXPECT_EQ(calc.mErrMsg, "earlier failure");
    EXPECT_EQ(ze, -1);
    EXPECT_EQ(zo, -1);
}

TEST(ForwardAt, AgreesWithFieldBasedCallAndKeepsShape)
{
    TQol_COAXMath1 calc;
    calc.mShapeSD = 0.3;
    calc.mShapeDd = 5;
    double ze = 0, zo = 0;
    calc.zCalcZeAt(0.5, 10, ze);
    calc.zCalcZoAt(0.5, 10, zo);
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_EQ(calc.mShapeSD, 0.3);
    EXPECT_EQ(calc.mShapeDd, 5);

    calc.mShapeSD = 0.5;
    calc.mShapeDd = 10;
    calc.zCalcZe();
    calc.zCalcZo();
    EXPECT_EQ(calc.mZe, ze);
    EXPECT_EQ(calc.mZo, zo);
}

TEST(Forward, RecoversAfterAFailedCall)
{
    TQol_COAXMath1 calc;
    calc.mShapeSD = 0.95;
    calc.mShapeDd = 10;
    calc.zCalcZo();
    ASSERT_NE(calc.mErrMsg, "");
    calc.mShapeSD = 0.5;
    calc.zCalcZo();
    EXPECT_EQ(calc.mErrMsg, "");
    EXPECT_NEAR(calc.mZo, 107.426, 0.0005);
}

TEST(Forward, TooFewChargesIsReported)
{
    TQol_COAXMath1 calc;
    calc.mQnum = 1;
    calc.mShapeSD = 0.5;
    calc.mShapeDd = 10;
    calc.zCalcZe();
    EXPECT_EQ(calc.mErrMsg, std::string(kChargeCountInvalidText));
    calc.zCalcZo();
    EXPECT_EQ(calc.mErrMsg, std::string(kChargeCountInvalidText));
}

// S/D 0.5, D/d 10: r = 1, R = 10, a = 5; charge 0 at x = 5, matching point 0 at (6, 0).
TEST(PotentialMatrix, FirstCoefficientOfEachMode)
{
    PotentialMatrixProbe probe(0.5, 10);
    double even = 0, odd = 0;
    probe.coefficient(even, 1, 5, 0, 6);
    probe.coefficient(odd, 2, 5, 0, 6);
    EXPECT_EQ(probe.calc.mErrMsg, "");
    EXPECT_NEAR(even, std::log(196.0) + std::log(676.0 / 121.0), 1e-12);
    EXPECT_NEAR(odd, std::log(196.0) - std::log(676.0 / 121.0), 1e-12);
}

TEST(PotentialMatrix, PointOnAChargeIsReported)
{
    PotentialMatrixProbe probe(0.5, 10);
    double g = 42;
    probe.coefficient(g, 1, 5, 0, 5);
    EXPECT_EQ(probe.calc.mErrMsg, std::string(kPotentialDivisionByZeroText));
    EXPECT_EQ(g, 42);
    probe.calc.mErrMsg.clear();
    probe.coefficient(g, 2, 5, 0, -5);  // on the mirror charge
    EXPECT_EQ(probe.calc.mErrMsg, std::string(kPotentialDivisionByZeroText));
}

// The single charges alternate and are large (the system is nearly singular);
// only their sums enter the capacitances.
TEST(PotentialMatrix, ChargesOfTheExample)
{
    PotentialMatrixProbe probe(0.5, 10);
    double odd[5], even[5];
    probe.oddCharges(odd);
    probe.evenCharges(even);
    ASSERT_EQ(probe.calc.mErrMsg, "");
    const double oddExpected[5] = {128, -462, 630, -386, 90};
    const double evenExpected[5] = {-61, 219, -297, 180, -41};
    double oddSum = 0, evenSum = 0;
    for (int j = 0; j < 5; ++j) {
        EXPECT_NEAR(odd[j], oddExpected[j], 1) << j;
        EXPECT_NEAR(even[j], evenExpected[j], 1) << j;
        oddSum += odd[j];
        evenSum += even[j];
    }
    EXPECT_NEAR(oddSum, 0.279, 0.0005);
    EXPECT_NEAR(evenSum, 0.141, 0.0005);
}

}  // namespace
