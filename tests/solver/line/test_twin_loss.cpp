#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "Codata.h"
#include "field/ConvergedSolver.h"
#include "line/LineQuantities.h"
#include "line/TwinLoss.h"

namespace {

constexpr double kCopper = 5.8e7;

LossRequest request(double sd, double dd, double diameter, double frequency)
{
    LossRequest r;
    r.sd = sd;
    r.dd = dd;
    r.wireDiameter = diameter;
    r.frequency = frequency;
    r.conductivity = kCopper;
    return r;
}

// Two wires of diameter d, S apart, far inside a wide shield: each carries
// the resistance of a wire in the field of the other, Rs / (pi d) times the
// proximity factor (S/d) / sqrt((S/d)^2 - 1), and the odd mode loses
// R / (2 Zo). The shield, 1000 radii away, adds next to nothing (the two
// agree to 2e-6 here).
TEST(TwinLoss, TwoWiresFarInsideTheShield)
{
    const double d = 0.5e-3, f = 1e9, sOverD = 3;  // S/d
    const double dd = 1000;
    ConvergedSolver solver;
    const TwinLoss loss = twinLoss(solver, request(sOverD / dd, dd, d, f));
    ASSERT_EQ(loss.error, "");
    const double zo = solver.solve(sOverD / dd, dd).zo;
    const double rs = std::sqrt(std::numbers::pi * f * kMu0 / kCopper);
    const double wire = rs / (std::numbers::pi * d) * sOverD / std::sqrt(sOverD * sOverD - 1);
    EXPECT_NEAR(loss.alphaDiff / (wire / (2 * zo) * kNeperInDecibel), 1, 1e-4);
}

// The derivative of the inductances is a difference over a step of surface
// recession; as the step shrinks from half a skin depth, the loss stays.
TEST(TwinLoss, StableAsTheRecessionStepShrinks)
{
    ConvergedSolver solver;
    LossRequest r = request(0.5, 3, 0.51e-3, 1e9);
    const TwinLoss halfDepth = twinLoss(solver, r);
    ASSERT_EQ(halfDepth.error, "");
    for (const double step : {0.125, 0.03125}) {
        r.stepInSkinDepths = step;
        const TwinLoss smaller = twinLoss(solver, r);
        ASSERT_EQ(smaller.error, "");
        EXPECT_NEAR(smaller.alphaDiff / halfDepth.alphaDiff, 1, 1e-4) << step;
        EXPECT_NEAR(smaller.alphaCm / halfDepth.alphaCm, 1, 1e-4) << step;
    }
}

// The dielectric adds the same attenuation to both modes.
TEST(TwinLoss, DielectricAddsToBothModes)
{
    ConvergedSolver solver;
    LossRequest r = request(0.5, 3, 0.51e-3, 1e9);
    r.er = 2.1;
    const TwinLoss lossless = twinLoss(solver, r);
    r.tanDelta = 0.0002;
    const TwinLoss lossy = twinLoss(solver, r);
    ASSERT_EQ(lossy.error, "");
    EXPECT_EQ(lossless.alphaDielectric, 0);
    EXPECT_EQ(lossy.alphaDielectric, dielectricAttenuation(1e9, 2.1, 0.0002));
    EXPECT_NEAR(lossy.alphaDiff - lossless.alphaDiff, lossy.alphaDielectric, 1e-15);
    EXPECT_NEAR(lossy.alphaCm - lossless.alphaCm, lossy.alphaDielectric, 1e-15);
    EXPECT_NEAR(lossy.skinDepth * 1e6, 2.0899, 0.0001);
}

struct Refused {
    const char* name;
    LossRequest request;
    const char* part;  // of the error text
};

class TwinLossRefused : public testing::TestWithParam<Refused> {};

TEST_P(TwinLossRefused, SaysWhyAndGivesNoValues)
{
    const Refused& c = GetParam();
    ConvergedSolver solver;
    const TwinLoss loss = twinLoss(solver, c.request);
    EXPECT_NE(loss.error.find(c.part), std::string::npos) << loss.error;
    EXPECT_EQ(loss.alphaDiff, 0);
    EXPECT_EQ(loss.alphaCm, 0);
}

LossRequest with(LossRequest r, double LossRequest::*field, double value)
{
    r.*field = value;
    return r;
}

const LossRequest kTypical = request(0.5, 3, 0.51e-3, 1e9);

INSTANTIATE_TEST_SUITE_P(
    Cases, TwinLossRefused,
    testing::Values(Refused{"NoFrequency", with(kTypical, &LossRequest::frequency, 0), "frequency"},
                    Refused{"NoConductivity", with(kTypical, &LossRequest::conductivity, -1), "conductivity"},
                    Refused{"NegativeLossTangent", with(kTypical, &LossRequest::tanDelta, -1e-4), "loss tangent"},
                    Refused{"NoWire", with(kTypical, &LossRequest::wireDiameter, 0), "diameter"},
                    // copper at 1 kHz: 2.1 mm of skin depth against 0.255 mm of radius
                    Refused{"SkinDepthAsLargeAsTheWire", with(kTypical, &LossRequest::frequency, 1e3), "skin depth"},
                    Refused{"ShapeRejected", with(kTypical, &LossRequest::sd, 0.95), "SD > 0.9"},
                    // 0.0101 r between the cores: advancing the surfaces closes it below 0.01 r
                    Refused{"GapClosedByTheStep", with(kTypical, &LossRequest::sd, 1.00505 / 3), "reach"}),
    CaseName{});

}  // namespace
