#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "fivecharge/Gausscalc.h"
#include "SolverTexts.h"

namespace {

struct Failure {
    const char* name;
    int n;
    std::vector<double> a;
    std::string error;
};

class GaussFailure : public testing::TestWithParam<Failure> {};

TEST_P(GaussFailure, ReportsTextAndLeavesSolutionUnwritten)
{
    const Failure& c = GetParam();
    const std::vector<double> b(std::max(c.n, 1), 1.0);
    std::vector<double> x(std::max(c.n, 1), -7.0);
    std::string err;
    TGaussCalc().zDoGaussCalc(c.n, c.a.data(), b.data(), x.data(), err);
    EXPECT_EQ(err, c.error);
    for (double v : x)
        EXPECT_EQ(v, -7.0);
}

std::vector<double> identityWithZeroAt(int n, std::initializer_list<int> zeros)
{
    std::vector<double> a(n * n, 0.0);
    for (int k = 0; k < n; ++k)
        a[k * n + k] = 1.0;
    for (int k : zeros)
        a[k * n + k] = 0.0;
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GaussFailure,
    testing::Values(Failure{"OrderOne", 1, {5.0}, std::string(kOrderTooSmallText)},
                    Failure{"OrderZero", 0, {0.0}, std::string(kOrderTooSmallText)},
                    Failure{"OrderNegative", -3, {0.0}, std::string(kOrderTooSmallText)},
                    Failure{"ZeroDiagonalMiddle", 3, identityWithZeroAt(3, {1}), zeroPivotText(1)},
                    Failure{"SmallestZeroDiagonalWins", 3, identityWithZeroAt(3, {0, 2}), zeroPivotText(0)},
                    Failure{"TwoDigitIndex", 13, identityWithZeroAt(13, {12}), zeroPivotText(12)},
                    // Non-zero diagonal, but the second pivot becomes exactly 0.
                    Failure{"SingularPivot", 2, {1, 1, 1, 1}, zeroPivotText(1)},
                    Failure{"SingularLastPivot", 3, {1, 2, 3, 2, 5, 8, 1, 3, 5}, zeroPivotText(2)}),
    CaseName{});

TEST(Gauss, SolvesAndKeepsInputs)
{
    const std::vector<double> a{2, 1, 1, 3};
    const std::vector<double> b{3, 4};
    std::vector<double> aCopy = a, bCopy = b;
    double x[2] = {0, 0};
    std::string err = "left over";
    TGaussCalc().zDoGaussCalc(2, a.data(), b.data(), x, err);
    EXPECT_EQ(err, "");
    EXPECT_DOUBLE_EQ(x[0], 1.0);
    EXPECT_DOUBLE_EQ(x[1], 1.0);
    EXPECT_EQ(a, aCopy);
    EXPECT_EQ(b, bCopy);
}

// Without pivoting the order of elimination matters; a full 5x5 system with
// a known solution catches a wrong row or column index anywhere.
TEST(Gauss, SolvesFiveByFive)
{
    const int n = 5;
    std::vector<double> a(n * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a[i * n + j] = (i == j ? 10.0 : 0.0) + 1.0 / (1 + i + 2 * j);
    const double expected[n] = {1, -2, 3, -4, 5};
    std::vector<double> b(n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            b[i] += a[i * n + j] * expected[j];

    double x[n];
    std::string err;
    TGaussCalc().zDoGaussCalc(n, a.data(), b.data(), x, err);
    ASSERT_EQ(err, "");
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR(x[i], expected[i], 1e-12) << "x[" << i << "]";
}

}  // namespace
