#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "field/ConvergedSolver.h"
#include "SolverTexts.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double relativeDifference(double value, double reference)
{
    return std::fabs(value - reference) / reference;
}

// ---- Known impedances ----------------------------------------------------------

// The reference values come from independent code at higher precision:
// tests/reference/converged_reference.py, 30-digit arithmetic and a
// Galerkin projection where the solver collocates, given here to 13
// significant digits.
struct Known {
    const char* name;
    double sd, dd;
    double ze, zo;  // ohm, Er = 1
};

class ConvergedKnown : public testing::TestWithParam<Known> {};

// Within the promise.
TEST_P(ConvergedKnown, MatchesWithinPromise)
{
    const Known& c = GetParam();
    const ConvergedImpedance z = ConvergedSolver().solve(c.sd, c.dd);
    ASSERT_EQ(z.error, "");
    EXPECT_EQ(z.status, ConvergedStatus::Solved);
    EXPECT_LE(relativeDifference(z.ze, c.ze), kConvergedAccuracy);
    EXPECT_LE(relativeDifference(z.zo, c.zo), kConvergedAccuracy);
    EXPECT_LE(z.errorBound, kConvergedAccuracy);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedKnown,
                         testing::Values(Known{"SD0_5Dd10", 0.5, 10, 133.2262051337, 107.4234787968},
                                         Known{"SD0_3Dd4", 0.3, 4, 103.3098770426, 33.41056234422},
                                         Known{"SD0_7Dd4", 0.7, 4, 32.99094054770, 30.64330236486},
                                         Known{"SD0_9Dd20", 0.9, 20, 76.54796908887, 76.04935169922}),
                         CaseName{});

// ---- The shield receding -------------------------------------------------------

struct Pair {
    const char* name;
    double a;  // core centre offset in core radii, which is also S/d
};

class ConvergedRecedingShield : public testing::TestWithParam<Pair> {};

// With the cores fixed and the shield ever larger, the odd mode becomes a pair
// of wires in free space, (eta0 / 2 pi) arccosh(S/d); the shield's share falls
// like 1/R^2, a hundredfold per decade, until it is below the promise.
TEST_P(ConvergedRecedingShield, OddModeTendsToFreePair)
{
    const double a = GetParam().a;
    const double eta0 = 1 / (8.8541878128e-12 * 299792458.0);
    const double freePair = eta0 / (2 * std::numbers::pi) * std::acosh(a);
    ConvergedSolver solver;
    const auto shieldShare = [&](double R) {
        const ConvergedImpedance z = solver.solve(a / R, R);
        EXPECT_EQ(z.error, "") << "R " << R;
        return (freePair - z.zo) / freePair;
    };
    double previous = shieldShare(100);
    for (double R = 1e3; R <= 1e5; R *= 10) {
        const double share = shieldShare(R);
        EXPECT_NEAR(previous / share, 100, 10) << "R " << R;
        previous = share;
    }
    for (const double R : {1e6, 1e12, 1e200})
        EXPECT_LT(std::fabs(shieldShare(R)), kConvergedAccuracy) << "R " << R;
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedRecedingShield,
                         testing::Values(Pair{"CoreGap0_012", 1.006}, Pair{"CoreGap1", 1.5}, Pair{"CoreGap6", 4}),
                         CaseName{});

// ---- Across the reach: order and bound ------------------------------------------

struct Shape {
    const char* name;
    double sd, dd;
};

class ConvergedSpread : public testing::TestWithParam<Shape> {};

// Far past convergence the value stays put, and solve's own bound covers the
// difference and keeps the promise.
TEST_P(ConvergedSpread, HigherOrderChangesNothing)
{
    const Shape& c = GetParam();
    ConvergedSolver solver;
    const ConvergedImpedance z = solver.solve(c.sd, c.dd);
    ASSERT_EQ(z.error, "");
    EXPECT_LE(z.errorBound, kConvergedAccuracy);
    const int higherOrder = std::min(2 * z.order + 20, ConvergedSolver::kMaxOrder);
    const ConvergedImpedance higher = solver.solveAtOrder(c.sd, c.dd, higherOrder);
    ASSERT_EQ(higher.error, "");
    for (const double difference : {relativeDifference(z.ze, higher.ze), relativeDifference(z.zo, higher.zo)}) {
        EXPECT_LE(difference, 1e-12);
        EXPECT_LE(difference, z.errorBound);
    }
}

// The order in the result is the one that gave its values.
TEST_P(ConvergedSpread, ReportsTheOrderItUsed)
{
    const Shape& c = GetParam();
    ConvergedSolver solver;
    const ConvergedImpedance z = solver.solve(c.sd, c.dd);
    const ConvergedImpedance again = solver.solveAtOrder(c.sd, c.dd, z.order);
    EXPECT_EQ(again.order, z.order);
    EXPECT_EQ(again.ze, z.ze);
    EXPECT_EQ(again.zo, z.zo);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvergedSpread,
    testing::Values(Shape{"Open", 0.5, 10}, Shape{"CoreGap0_01", 0.1005, 10},
                    Shape{"CoreGap0_01LessRounding", 1.005 / 3, 3}, Shape{"ShieldGap0_01", 0.5, 2.02},
                    Shape{"BothGaps0_01", 1.00501 / 2.01502, 2.01502}, Shape{"ShieldGap0_01AtSD0_9", 0.9, 10.1001},
                    Shape{"Dd1e6", 0.5, 1e6}, Shape{"Dd1e12", 0.5, 1e12}, Shape{"Dd1e200", 0.5, 1e200},
                    Shape{"LargestDd", 0.9, DBL_MAX}, Shape{"TinySDDd1e200", 1e-199, 1e200},
                    Shape{"TinySDLargestDd", 3e-308, 1e308}),
    CaseName{});

struct LowOrder {
    const char* name;
    double sd, dd;
    int order;
};

class ConvergedLowOrder : public testing::TestWithParam<LowOrder> {};

// Short of convergence the bound is large, and must still cover the error.
TEST_P(ConvergedLowOrder, BoundCoversTrueError)
{
    const LowOrder& c = GetParam();
    ConvergedSolver solver;
    const ConvergedImpedance low = solver.solveAtOrder(c.sd, c.dd, c.order);
    const ConvergedImpedance truth = solver.solve(c.sd, c.dd);
    ASSERT_EQ(low.error, "");
    ASSERT_EQ(truth.error, "");
    EXPECT_EQ(low.order, c.order);
    EXPECT_GT(low.errorBound, kConvergedAccuracy);
    EXPECT_LE(relativeDifference(low.ze, truth.ze), low.errorBound);
    EXPECT_LE(relativeDifference(low.zo, truth.zo), low.errorBound);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedLowOrder,
                         testing::Values(LowOrder{"OpenOrder1", 0.5, 10, 1}, LowOrder{"OpenOrder4", 0.5, 10, 4},
                                         LowOrder{"CoreGap0_01Order40", 0.1005, 10, 40},
                                         LowOrder{"CoreGap0_01Order160", 0.1005, 10, 160},
                                         LowOrder{"ShieldGap0_01Order20", 0.5, 2.02, 20},
                                         LowOrder{"ShieldGap0_01Order120", 0.5, 2.02, 120},
                                         LowOrder{"SD0_3Dd4Order10", 0.3, 4, 10}),
                         CaseName{});

// ---- Refusals ------------------------------------------------------------------------

struct Refused {
    const char* name;
    double sd, dd;
    ConvergedStatus status;
    std::string error;
};

class ConvergedRefused : public testing::TestWithParam<Refused> {};

// Both entries check alike and give their text, the reason and no values.
TEST_P(ConvergedRefused, GivesTextAndNoValues)
{
    const Refused& c = GetParam();
    ConvergedSolver solver;
    for (const ConvergedImpedance& z : {solver.solve(c.sd, c.dd), solver.solveAtOrder(c.sd, c.dd, 20)}) {
        EXPECT_EQ(z.status, c.status);
        EXPECT_EQ(z.error, c.error);
        EXPECT_EQ(z.ze, 0);
        EXPECT_EQ(z.zo, 0);
        EXPECT_EQ(z.order, 0);
    }
}

const std::string kNarrow = std::string(kGapTooNarrowStart) + " (at least 0.01 r): ";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvergedRefused,
    testing::Values(
        Refused{"SDNaN", kNaN, 10, ConvergedStatus::ShapeRejected, std::string(kSdNotPositiveText)},
        Refused{"SDZero", 0, 10, ConvergedStatus::ShapeRejected, std::string(kSdNotPositiveText)},
        Refused{"SDNegative", -0.5, 10, ConvergedStatus::ShapeRejected, std::string(kSdNotPositiveText)},
        Refused{"SDAbove0_9", 0.9000001, 10, ConvergedStatus::ShapeRejected, std::string(kSdAboveLimitText)},
        Refused{"SDInfinite", kInf, 10, ConvergedStatus::ShapeRejected, std::string(kSdAboveLimitText)},
        Refused{"DdNaN", 0.5, kNaN, ConvergedStatus::ShapeRejected, std::string(kDdNotAboveTwoText)},
        Refused{"DdTwo", 0.5, 2, ConvergedStatus::ShapeRejected, std::string(kDdNotAboveTwoText)},
        Refused{"DdMinusInfinity", 0.5, -kInf, ConvergedStatus::ShapeRejected, std::string(kDdNotAboveTwoText)},
        Refused{"DdInfinite", 0.5, kInf, ConvergedStatus::ShapeRejected, std::string(kShieldTooSmallText.japanese)},
        Refused{"CoresTouching", 0.1, 10, ConvergedStatus::ShapeRejected, std::string(kCoresTooCloseText.japanese)},
        Refused{"CoresOverlapping", 0.05, 10, ConvergedStatus::ShapeRejected, std::string(kCoresTooCloseText.japanese)},
        Refused{"CoreTouchingShield", 0.8, 5, ConvergedStatus::ShapeRejected, std::string(kShieldTooSmallText.japanese)},
        Refused{"CoreGap0_005", 0.10025, 10, ConvergedStatus::GapTooNarrow, kNarrow + "core to core 0.005 r"},
        Refused{"ShieldGap0_005", 2 / 3.005, 3.005, ConvergedStatus::GapTooNarrow, kNarrow + "core to shield 0.005 r"},
        Refused{"BothGaps0_005", 1.0025 / 2.0075, 2.0075, ConvergedStatus::GapTooNarrow,
                kNarrow + "core to core 0.005 r, core to shield 0.005 r"},
        Refused{"CoreGapJustBelow", 0.100499, 10, ConvergedStatus::GapTooNarrow, kNarrow + "core to core 0.00998 r"}),
    CaseName{});

struct Order {
    const char* name;
    int order;
};

class ConvergedOrderRefused : public testing::TestWithParam<Order> {};

TEST_P(ConvergedOrderRefused, GivesTextAndNoValues)
{
    const Order& c = GetParam();
    const ConvergedImpedance z = ConvergedSolver().solveAtOrder(0.5, 10, c.order);
    EXPECT_EQ(z.status, ConvergedStatus::OrderOutOfRange);
    EXPECT_EQ(z.error, "Order " + std::to_string(c.order) + " out of range 1 to " +
                           std::to_string(ConvergedSolver::kMaxOrder));
    EXPECT_EQ(z.ze, 0);
    EXPECT_EQ(z.zo, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedOrderRefused,
                         testing::Values(Order{"Zero", 0}, Order{"Negative", -3},
                                         Order{"AboveMax", ConvergedSolver::kMaxOrder + 1}),
                         CaseName{});

}  // namespace
