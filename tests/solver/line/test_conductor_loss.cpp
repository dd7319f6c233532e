#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CaseName.h"
#include "Codata.h"
#include "line/ConductorLoss.h"

namespace {

constexpr double kCopper = 5.8e7;  // S/m

// Copper at 1 GHz: 1 / sqrt(pi * 1e9 * 4 pi 1e-7 * 5.8e7) = 2.0899 um.
TEST(ConductorLoss, SkinDepthOfCopperAtOneGigahertz)
{
    EXPECT_NEAR(skinDepth(1e9, kCopper) * 1e6, 2.0899, 0.0001);
}

// A round coax, inner radius a, outer b, has L = (mu0 / 2 pi) ln(b / a) and
// the closed form alpha_c = Rs (1/a + 1/b) / (2 eta ln(b / a)) Np/m, with
// Rs = sqrt(pi f mu0 / sigma) and eta = eta0 / sqrt(Er). The rule, fed the
// inductance with both walls receded, must give it. The central difference
// over half a skin depth h is off by (h/a)^2 / 3, below 1e-4 where the skin
// depth is small against the wire, which is where the rule holds at all.
struct Coax {
    const char* name;
    double a, b, er, frequency;
};

class CoaxLoss : public testing::TestWithParam<Coax> {};

TEST_P(CoaxLoss, MatchesTheClosedForm)
{
    const Coax& c = GetParam();
    const auto inductance = [&](double n) { return kMu0 / (2 * std::numbers::pi) * std::log((c.b + n) / (c.a - n)); };
    const double eta = kEta0 / std::sqrt(c.er);
    const double impedance = eta / (2 * std::numbers::pi) * std::log(c.b / c.a);
    const double rs = std::sqrt(std::numbers::pi * c.frequency * kMu0 / kCopper);
    const double closedForm = rs * (1 / c.a + 1 / c.b) / (2 * eta * std::log(c.b / c.a));
    const double halfDepth = skinDepth(c.frequency, kCopper) / 2;
    const double slope = inductanceSlope(inductance(halfDepth), inductance(-halfDepth), halfDepth);
    EXPECT_NEAR(conductorAttenuation(slope, c.frequency, kCopper, impedance) / closedForm, 1, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Cases, CoaxLoss,
                         testing::Values(Coax{"FiftyOhmPtfeAtOneGigahertz", 0.45e-3, 1.5e-3, 2.1, 1e9},
                                         Coax{"ThinWireAtHundredMegahertz", 0.25e-3, 2e-3, 1, 1e8},
                                         Coax{"ThickAtTenGigahertz", 2e-3, 4e-3, 2.25, 1e10}),
                         CaseName{});

}  // namespace
