#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "../field/FieldCases.h"
#include "CaseName.h"
#include "Codata.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/ModeLoss.h"
#include "line/WireImpedance.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCopper = 5.8e7;

// Scaled to metres: the loss needs a real size against the skin depth.
CrossSection scaled(CrossSection c, double metresPerShieldDiameter)
{
    for (Core& core : c.cores) {
        core.x *= metresPerShieldDiameter;
        core.y *= metresPerShieldDiameter;
        core.diameter *= metresPerShieldDiameter;
        core.sleeveDiameter *= metresPerShieldDiameter;
    }
    c.shield = RoundShield{metresPerShieldDiameter};
    return c;
}

LineLosses losses(double tanSleeve, double tanFill, double conductivity)
{
    LineLosses l;
    l.tanDelta = {tanSleeve, tanSleeve, tanFill};
    l.conductivity = conductivity;
    return l;
}

PairLoss lossOf(const CrossSection& c, const LineLosses& losses, double frequency)
{
    return pairLoss(RlgcModel(c, InsulatedSolver().solve(c), losses), frequency);
}

// Two 0.51 mm copper wires 3 d apart, their shield a million diameters out,
// at 1 GHz. The field is the free pair's in closed form: the odd mode's
// C0 per core 2 pi eps0 / acosh(s) and surface current Rhat11 - Rhat12 =
// s / sqrt(s^2 - 1) / (pi d) (the proximity factor). The series impedance
// takes them as the line model states it: each wire's exact internal
// impedance Zw (WireImpedance.h) and the proximity's excess over a lone
// wire scaled by its high-frequency share 2 pi r (Zw - Rdc).
TEST(PairLoss, FarWiresAgainstTheFreePairInClosedForm)
{
    const double d = 0.51e-3, s = 3, frequency = 1e9;
    CrossSection c = symmetricPair(s * d, d, d);
    c.shield = RoundShield{1e6 * d};
    const PairLoss loss = lossOf(c, losses(0, 0, kCopper), frequency);
    ASSERT_EQ(loss.error, "");

    const double r = d / 2, omega = 2 * kPi * frequency;
    const double depth = 1 / std::sqrt(kPi * frequency * kMu0 * kCopper);
    const double dc = 1 / (kCopper * kPi * r * r);
    const std::complex<double> excess = wireExcessRatio(r / depth);
    const double proximity = s / std::sqrt(s * s - 1) / (kPi * d) - 1 / (2 * kPi * r);
    const std::complex<double> series =
        dc * (1.0 + excess) + 2 * kPi * r * dc * excess * proximity +
        std::complex<double>(0, omega * kMu0 * kEpsilon0 * std::acosh(s) / (2 * kPi * kEpsilon0));
    const std::complex<double> shunt(0, omega * 2 * kPi * kEpsilon0 / std::acosh(s));
    const double expected = std::sqrt(series * shunt).real() * kNeperInDecibel;
    EXPECT_NEAR(loss.differential.conductor / expected, 1, 1e-8);
    EXPECT_EQ(loss.differential.total, loss.differential.conductor);
    EXPECT_EQ(loss.differential.dielectric, 0);
    EXPECT_NEAR(loss.skinDepth, depth, 1e-15);
}

// With one loss tangent t in every dielectric and lossless metal, G = omega
// t C (the energy identity C = sum Er_i dC/dEr_i), so each mode's
// gamma = j omega sqrt(eps_eff) / c sqrt(1 - j t) exactly: alpha =
// omega sqrt(eps_eff) / c sqrt((sqrt(1 + t^2) - 1) / 2), whatever the sleeves.
struct OneTangent {
    const char* name;
    CrossSection section;
    double tanDelta;
};

class PairLossOneTangent : public testing::TestWithParam<OneTangent> {};

TEST_P(PairLossOneTangent, EachModeAsAFilledLineOfItsEffectiveEr)
{
    const OneTangent& p = GetParam();
    const double frequency = 3e9, t = p.tanDelta;
    const CrossSection c = scaled(p.section, 4e-3);
    const FieldSolution solution = InsulatedSolver().solve(c);
    ASSERT_EQ(solution.reason, "");
    const PairModes modes = pairModes(solution);
    const PairLoss loss = pairLoss(RlgcModel(c, solution,
                                             losses(t, t, std::numeric_limits<double>::infinity())),
                                   frequency);
    ASSERT_EQ(loss.error, "");
    const double q = std::sqrt((std::sqrt(1 + t * t) - 1) / 2);
    for (const auto& [mode, eff] : {std::pair{loss.differential, modes.odd.effectiveEr},
                                    std::pair{loss.common, modes.even.effectiveEr}}) {
        const double expected = 2 * kPi * frequency * std::sqrt(eff) / kSpeedOfLight * q * kNeperInDecibel;
        EXPECT_NEAR(mode.dielectric / expected, 1, 1e-8);
        EXPECT_EQ(mode.total, mode.dielectric);
        EXPECT_EQ(mode.conductor, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PairLossOneTangent,
                         testing::Values(OneTangent{"BareInPtfe", symmetricPair(0.5, 0.1, 0.1, 2.1, 2.1), 2e-4},
                                         OneTangent{"PeSleevesInAir", symmetricPair(0.4, 0.1, 0.25, 2.3, 1), 1e-3},
                                         OneTangent{"TouchingEr4", touchingPair(0.1, 0.3, 4, 1.5), 0.02}),
                         CaseName{});

// Two modes of different loss: the differential mode crowds its current
// between the cores and loses more to the metal than the common mode.
TEST(PairLoss, TheDifferentialModeLosesMoreToTheMetalNearby)
{
    const CrossSection c = scaled(touchingPair(0.12, 0.3, 2.1), 4e-3);
    const PairLoss loss = lossOf(c, losses(2e-4, 0, kCopper), 1e9);
    ASSERT_EQ(loss.error, "");
    EXPECT_GT(loss.differential.conductor, loss.common.conductor);
    // The parts add up to the whole to first order in the losses.
    for (const ModeLoss& mode : {loss.differential, loss.common})
        EXPECT_NEAR(mode.conductor + mode.dielectric, mode.total, 1e-3 * mode.total);
}

struct Refusal {
    const char* name;
    double conductivity;
    double frequency;
    const char* part;
};

class PairLossRefused : public testing::TestWithParam<Refusal> {};

TEST_P(PairLossRefused, SaysWhy)
{
    const Refusal& p = GetParam();
    const CrossSection c = scaled(symmetricPair(0.5, 0.1, 0.1), 5.1e-3);
    const PairLoss loss = lossOf(c, losses(0, 0, p.conductivity), p.frequency);
    EXPECT_NE(loss.error.find(p.part), std::string::npos) << loss.error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairLossRefused,
    testing::Values(
        // copper at 1 kHz: 2.1 mm of skin depth against 0.255 mm of radius
        Refusal{"SkinDepthAsLargeAsTheWire", kCopper, 1e3, "skin depth"},
        Refusal{"NoFrequency", kCopper, 0, "frequency"},
        Refusal{"NoConductivity", -1, 1e9, "conductivity"}),
    CaseName{});

}  // namespace
