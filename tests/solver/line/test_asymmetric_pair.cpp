#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "CaseName.h"
#include "Codata.h"
#include "field/PairModes.h"
#include "line/AsymmetricPair.h"
#include "LineCases.h"

namespace {

using namespace lineCases;

CrossSection foilPair()
{
    CrossSection c = insulatedPair();
    c.shield = FoilShield{0.05e-3, 0};
    return c;
}

struct SymmetricCase {
    const char* name;
    CrossSection (*section)();
};

const SymmetricCase kSymmetric[] = {
    {"OneDielectric", [] { return homogeneousPair(); }},
    {"PtfeSleeves", insulatedPair},
    {"UnderAFoil", foilPair},
};

class AsymmetricOfSymmetric : public testing::TestWithParam<SymmetricCase> {};

// The same line, reached by the eigenvectors of L C instead of even and odd
// capacitances: only rounding may tell them apart.
TEST_P(AsymmetricOfSymmetric, IsWhatPairModesGives)
{
    const FieldSolution solution = solved(GetParam().section());
    const PairModes even = pairModes(solution);
    const AsymmetricPair pair = asymmetricPair(solution);
    ASSERT_TRUE(pair.error.empty());
    const AsymmetricFigures& f = pair.figures;
    constexpr double kRounding = 1e-13;
    EXPECT_NEAR(f.zDiff / even.zDiff, 1, kRounding);
    EXPECT_NEAR(f.zCommon / even.zCommon, 1, kRounding);
    EXPECT_NEAR(f.modes[0].coreImpedance[0] / even.even.z, 1, kRounding);
    EXPECT_NEAR(f.modes[0].coreImpedance[1] / even.even.z, 1, kRounding);
    EXPECT_NEAR(f.modes[1].coreImpedance[0] / even.odd.z, 1, kRounding);
    EXPECT_NEAR(f.modes[0].delay / even.even.delay, 1, kRounding);
    EXPECT_NEAR(f.modes[1].delay / even.odd.delay, 1, kRounding);
    EXPECT_NEAR(f.skewModal, even.skew, kRounding * even.even.delay);
    EXPECT_NEAR(f.zDc, 0, kRounding * f.zDiff);
    EXPECT_EQ(f.skewIntra, 0);
    EXPECT_EQ(f.modes[0].voltage, (std::array<double, 2>{1, 1}));
    EXPECT_EQ(f.modes[1].voltage, (std::array<double, 2>{1, -1}));
    // The first-order bound of a symmetric pair's impedance is pairModes' b.
    EXPECT_NEAR(pair.bounds.zDiff / (even.impedanceBound * even.zDiff), 1, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Cases, AsymmetricOfSymmetric, testing::ValuesIn(kSymmetric), CaseName{});

CrossSection swapped(CrossSection c)
{
    std::swap(c.cores[0], c.cores[1]);
    return c;
}

CrossSection unequalInOneDielectric()
{
    CrossSection c = unequalPair();
    for (Core& core : c.cores)
        core.sleeveDiameter = core.diameter;
    c.fillerEr = 2.1;
    return c;
}

struct UnequalCase {
    const char* name;
    CrossSection (*section)();
};

const UnequalCase kUnequal[] = {
    {"SleevesOfTheirOwn", unequalPair},
    {"OneDielectric", unequalInOneDielectric},
};

class AsymmetricUnequal : public testing::TestWithParam<UnequalCase> {};

// Each solution holds to 1e-9, so two solves of the mirrored problem agree to a few of that.
constexpr double kTwoSolves = 1e-8;

TEST_P(AsymmetricUnequal, SwappingTheCoresSwapsTheResults)
{
    const AsymmetricFigures a = asymmetricPair(solved(GetParam().section())).figures;
    const AsymmetricFigures b = asymmetricPair(solved(swapped(GetParam().section()))).figures;
    EXPECT_NEAR(a.c.xx / b.c.yy, 1, kTwoSolves);
    EXPECT_NEAR(a.l.yy / b.l.xx, 1, kTwoSolves);
    EXPECT_NEAR(a.zDiff / b.zDiff, 1, kTwoSolves);
    EXPECT_NEAR(a.zCommon / b.zCommon, 1, kTwoSolves);
    EXPECT_NEAR(a.zDc, -b.zDc, kTwoSolves * a.zDiff);
    EXPECT_NEAR(a.skewIntra, -b.skewIntra, kTwoSolves * a.modes[0].delay);
    EXPECT_NEAR(a.skewModal, b.skewModal, kTwoSolves * a.modes[0].delay);
    for (int m = 0; m < 2; ++m) {
        EXPECT_NEAR(a.modes[m].voltage[1] / a.modes[m].voltage[0], b.modes[m].voltage[0] / b.modes[m].voltage[1],
                    kTwoSolves);
        EXPECT_NEAR(a.modes[m].coreImpedance[0] / b.modes[m].coreImpedance[1], 1, kTwoSolves);
    }
    EXPECT_GT(std::fabs(a.zDc), 1e-3 * a.zDiff) << "the case is meant to be asymmetric";
}

// Independent identities of a lossless line: Zc C Zc = L (the telegrapher's
// equations for a forward wave), and L C t = delay^2 t for each mode.
TEST_P(AsymmetricUnequal, MeetsTheLinesIdentities)
{
    const AsymmetricFigures f = asymmetricPair(solved(GetParam().section())).figures;
    const Sym2 zcz = congruence(f.c, Mat2{f.zc.xx, f.zc.xy, f.zc.xy, f.zc.yy});
    EXPECT_LT(largestGeneralised(zcz - f.l, f.l), 1e-12);
    for (const LineMode& mode : f.modes) {
        const double q1 = f.c.xx * mode.voltage[0] + f.c.xy * mode.voltage[1];
        const double q2 = f.c.xy * mode.voltage[0] + f.c.yy * mode.voltage[1];
        const double lambda = mode.delay * mode.delay;
        EXPECT_NEAR((f.l.xx * q1 + f.l.xy * q2) / lambda, mode.voltage[0], 1e-12);
        EXPECT_NEAR((f.l.xy * q1 + f.l.yy * q2) / lambda, mode.voltage[1], 1e-12);
    }
    EXPECT_GT(f.modes[0].voltage[0] * f.modes[0].voltage[1], 0);
    EXPECT_LT(f.modes[1].voltage[0] * f.modes[1].voltage[1], 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, AsymmetricUnequal, testing::ValuesIn(kUnequal), CaseName{});

// One dielectric: C = Er C0 exactly, so every wave travels at c / sqrt(Er)
// whatever the cores, and neither skew exists beyond the bound.
TEST(AsymmetricOneDielectric, HasNoSkew)
{
    const AsymmetricPair pair = asymmetricPair(solved(unequalInOneDielectric()));
    const double delay = std::sqrt(2.1) / kSpeedOfLight;
    for (const LineMode& mode : pair.figures.modes)
        EXPECT_NEAR(mode.delay / delay, 1, 2e-9);
    EXPECT_LE(std::fabs(pair.figures.skewModal), pair.bounds.skewModal + 1e-15 * delay);
    EXPECT_LE(std::fabs(pair.figures.skewIntra), pair.bounds.skewIntra + 1e-15 * delay);
}

TEST(AsymmetricPairRefused, WithoutASolution)
{
    FieldSolution none;
    EXPECT_FALSE(asymmetricPair(none).error.empty());
}

}  // namespace
