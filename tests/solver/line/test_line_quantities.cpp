#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Codata.h"
#include "line/LineQuantities.h"

namespace {

// Worked by hand in PTFE (Er 2.1): v = c / sqrt(2.1) = 2.068765e8 m/s; the
// 50 ohm odd mode has C = 1 / (Z v) = 96.676 pF/m and L = Z / v = 241.690
// nH/m, the 75 ohm even mode 64.451 pF/m and 362.535 nH/m; delay = 1 / v =
// 4.83380 ns/m, velocity factor 1 / sqrt(2.1) = 0.690066.
TEST(LineQuantities, FiftyOhmsInPtfe)
{
    const LineQuantities q = lineQuantities(75, 50, 2.1);
    EXPECT_NEAR(q.cOdd * 1e12, 96.676, 0.001);
    EXPECT_NEAR(q.lOdd * 1e9, 241.690, 0.001);
    EXPECT_NEAR(q.cEven * 1e12, 64.451, 0.001);
    EXPECT_NEAR(q.lEven * 1e9, 362.535, 0.001);
    EXPECT_NEAR(q.delay * 1e9, 4.83380, 0.00001);
    EXPECT_NEAR(q.velocityFactor, 0.690066, 0.000001);
}

// A round coax, inner radius a, outer b, has C = 2 pi eps0 Er / ln(b/a) and
// L = (mu0 / 2 pi) ln(b/a) from the field alone, not from Z; fed the coax's
// Z = (eta0 / 2 pi) ln(b/a) / sqrt(Er) as both modes, the quantities must be
// those.
TEST(LineQuantities, MatchTheCoaxFieldSolution)
{
    const double er = 2.25, logRatio = std::log(3.5 / 0.5);
    const double z = kEta0 / (2 * std::numbers::pi) * logRatio / std::sqrt(er);
    const LineQuantities q = lineQuantities(z, z, er);
    const double c = 2 * std::numbers::pi * kEpsilon0 * er / logRatio;
    const double l = kMu0 / (2 * std::numbers::pi) * logRatio;
    EXPECT_NEAR(q.cEven / c, 1, 1e-14);
    EXPECT_NEAR(q.cOdd / c, 1, 1e-14);
    EXPECT_NEAR(q.lEven / l, 1, 1e-14);
    EXPECT_NEAR(q.lOdd / l, 1, 1e-14);
    EXPECT_NEAR(q.delay * kSpeedOfLight, std::sqrt(er), 1e-14);
}

// alpha_d = pi f sqrt(Er) tan(delta) / c: at 1 GHz, Er 2.25, tan(delta)
// 0.0002, pi * 1e9 * 1.5 * 0.0002 / 299792458 = 3.14377e-3 Np/m,
// times 8.68589 dB/Np = 0.0273064 dB/m.
TEST(LineQuantities, DielectricAttenuationByHand)
{
    EXPECT_NEAR(dielectricAttenuation(1e9, 2.25, 0.0002), 0.0273064, 1e-7);
    EXPECT_EQ(dielectricAttenuation(1e9, 2.25, 0), 0);
}

}  // namespace
