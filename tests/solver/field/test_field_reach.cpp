#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "Codata.h"
#include "field/ConvergedSolver.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "FieldCases.h"
#include "SolverTexts.h"

namespace {

constexpr double kPi = std::numbers::pi;

struct Shape {
    const char* name;
    CrossSection section;
};

// ---- Touching sleeves at high contrast ---------------------------------------------

// Unequal sleeves, Er 10 and 2.1 in air, touching each other and one of
// them the shield: the general path.
CrossSection unequalTouching()
{
    CrossSection c;
    const double angle = 160 * kPi / 180;
    c.cores[0] = {0.28, 0, 0.3, 0.44, 0, 0, 10};
    c.cores[1] = {0.28 + 0.4 * std::cos(angle), 0.4 * std::sin(angle), 0.2, 0.36, 0, 0, 2.1};
    c.shield = RoundShield{1};
    return c;
}

// PE sleeves touching, core 1 moved towards core 2 inside its sleeve until
// its wall is a hundredth of the wall's mean at the contact: the thin side
// is where the field gathers, and where the series about the sleeve
// converges slowest.
CrossSection eccentricAtContact()
{
    CrossSection c = touchingPair(0.16, 0.4, 2.25);
    c.cores[0].x -= 0.1188;
    c.cores[0].sleeveOffsetX = 0.1188;
    return c;
}

class FieldTouching : public testing::TestWithParam<Shape> {};

// The promise where the series converges slowest, and the values against a
// solve at a third more terms.
TEST_P(FieldTouching, MeetsThePromise)
{
    const CrossSection& s = GetParam().section;
    InsulatedSolver solver;
    const FieldSolution f = solver.solve(s);
    ASSERT_EQ(f.reason, "");
    EXPECT_LE(f.bound, kFieldAccuracy);
    EXPECT_LE(f.rHatError, kSurfaceAccuracy);
    const FieldSolution higher = solver.solve(s, {false, f.order * 4 / 3, f.vacuumOrder * 4 / 3});
    ASSERT_EQ(higher.reason, "");
    EXPECT_LE(relativeGap(f.c, higher.c), f.bound + higher.bound);
    EXPECT_LE(relativeGap(f.c0, higher.c0), f.bound + higher.bound);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldTouching,
                         testing::Values(Shape{"PtfeEachOtherAndShield", touchingPair(0.3, 0.5, 2.1)},
                                         Shape{"Er10EachOtherAndShield", touchingPair(0.3, 0.5, 10)},
                                         Shape{"Er10EachOther", touchingPair(0.2, 0.3, 10)},
                                         Shape{"Er10Shield", symmetricPair(0.6, 0.2, 0.4, 10)},
                                         Shape{"Er10ThinSleeves", touchingPair(0.49, 0.5, 10)},
                                         Shape{"UnequalGeneral", unequalTouching()},
                                         Shape{"EccentricAtContact", eccentricAtContact()}),
                         CaseName{});

// A hair of overlap from rounding the positions counts as touching.
TEST(FieldTouching, RoundingOverlapCountsAsTouching)
{
    CrossSection s = touchingPair(0.3, 0.5, 2.1);
    s.cores[0].x *= 1 - 1e-14;
    EXPECT_EQ(InsulatedSolver().solve(s).reason, "");
}

// ---- Out of reach ---------------------------------------------------------------------

struct Refused {
    const char* name;
    CrossSection section;
    std::string reason;
};

CrossSection changed(CrossSection c, void (*change)(CrossSection&))
{
    change(c);
    return c;
}

const CrossSection kBase = symmetricPair(0.4, 0.1, 0.2, 2.1);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class FieldRefusal : public testing::TestWithParam<Refused> {};

TEST_P(FieldRefusal, NamesTheReason)
{
    const FieldSolution f = InsulatedSolver().solve(GetParam().section);
    EXPECT_EQ(f.status, FieldStatus::Refused);
    EXPECT_EQ(f.reason, GetParam().reason);
    EXPECT_EQ(f.c.xx, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldRefusal,
    testing::Values(
        Refused{"NaNPosition", changed(kBase, [](CrossSection& c) { c.cores[0].x = kNaN; }), std::string(kNotFiniteGeometryText)},
        Refused{"NoShield", changed(kBase, [](CrossSection& c) { c.shield = RoundShield{0}; }), std::string(kShieldDiameterNotPositiveText)},
        Refused{"FillerEr", changed(kBase, [](CrossSection& c) { c.fillerEr = 0; }), std::string(kFillerErNotPositiveText)},
        Refused{"CoreDiameter", changed(kBase, [](CrossSection& c) { c.cores[0].diameter = 0; }),
                "Core 1's diameter must be positive"},
        Refused{"NarrowSleeve", changed(kBase, [](CrossSection& c) { c.cores[1].sleeveDiameter = 0.09; }),
                "Core 2's sleeve must be at least as wide as the core"},
        Refused{"SleeveEr", changed(kBase, [](CrossSection& c) { c.cores[1].sleeveEr = -1; }),
                "Core 2's sleeve Er must be positive"},
        Refused{"OffsetOnBareCore", changed(kBase, [](CrossSection& c) {
                    c.cores[1].sleeveDiameter = c.cores[1].diameter;
                    c.cores[1].sleeveOffsetX = 0.01;
                }),
                "Core 2 has no sleeve to be off centre in"},
        Refused{"ConductorThroughSleeve", changed(kBase, [](CrossSection& c) { c.cores[0].sleeveOffsetY = 0.05; }),
                "Core 1 reaches through its sleeve: the sleeve offset must stay below (Di - d) / 2"},
        Refused{"EccentricSleeveThroughShield", changed(kBase, [](CrossSection& c) {
                    c.cores[0].x = 0.38;
                    c.cores[0].sleeveOffsetX = 0.04;
                }),
                "Core 1's sleeve reaches through the shield"},
        Refused{"EccentricSleevesOverlap", changed(kBase, [](CrossSection& c) {
                    c.cores[0].x = 0.04;
                    c.cores[0].sleeveOffsetX = -0.045;
                }),
                std::string(kSleevesOverlapText)},
        Refused{"EccentricUnderFoil", changed(kBase, [](CrossSection& c) {
                    c.shield = FoilShield{0.01, 0};
                    c.cores[0].sleeveOffsetY = 0.01;
                }),
                std::string(kEccentricUnderFoilText)},
        Refused{"CoreThroughShield", changed(kBase, [](CrossSection& c) { c.cores[0].x = 0.46; }),
                "Core 1 reaches through the shield"},
        Refused{"SleeveThroughShield", changed(kBase, [](CrossSection& c) { c.cores[0].x = 0.41; }),
                "Core 1's sleeve reaches through the shield"},
        Refused{"SleevesOverlap", changed(kBase, [](CrossSection& c) { c.cores[1].x = 0.05; }), std::string(kSleevesOverlapText)},
        Refused{"CoresOverlap", symmetricPair(0.09, 0.1, 0.1), std::string(kCoresOverlapText)},
        Refused{"CoreGap", symmetricPair(0.1004, 0.1, 0.1),
                "Gap too narrow for the field solver (at least 0.01 r): core to core 0.008 r"},
        Refused{"ThinSleevesPressed", touchingPair(0.1, 0.1004, 4),
                "Gap too narrow for the field solver (at least 0.01 r): core to core 0.008 r"},
        Refused{"ShieldGap", symmetricPair(0.8992, 0.1, 0.1),
                "Gap too narrow for the field solver (at least 0.01 r): core 1 to shield 0.008 r, core 2 to "
                "shield 0.008 r"}),
    CaseName{});

TEST(FieldRefusal, OrderOutOfRange)
{
    const FieldSolution f = InsulatedSolver().solve(kBase, {false, InsulatedSolver::kMaxOrder + 1, 0});
    EXPECT_EQ(f.status, FieldStatus::Refused);
    EXPECT_EQ(f.reason, std::string(kFieldOrderRangeStart) + std::to_string(InsulatedSolver::kMaxOrder));
}

// ---- Surface charge for the conductor loss -------------------------------------------

// A bare core in the middle, the second core too thin to matter (its induced
// charge adds of order its radius, 1e-12): 1/(2 pi r) + 1/(2 pi R).
TEST(FieldSurface, CentredCore)
{
    CrossSection s;
    s.cores[0] = {0, 0, 0.2, 0.2, 0, 0, 1};
    s.cores[1] = {0.47, 0, 1e-12, 1e-12, 0, 0, 1};
    s.shield = RoundShield{1};
    const FieldSolution f = InsulatedSolver().solve(s);
    ASSERT_EQ(f.reason, "");
    const double exact = 1 / (2 * kPi * 0.1) + 1 / (2 * kPi * 0.5);
    EXPECT_NEAR(f.rHat.xx, exact, kSurfaceAccuracy * exact);
}

// Two thin wires S = 1.5 d apart deep inside the shield (whose share is of
// order (S/D)^2 = 1e-12): the odd mode's surface charge on each wire gives
// Rhat11 - Rhat12 = s / sqrt(s^2 - 1) / (pi d), s = S/d, and its capacitance
// per core 2 pi eps0 / acosh(s).
struct Wires {
    double s = 1.5;
    double d = 0.51e-3;
    double shield = 1e6 * 0.51e-3;
    CrossSection section() const
    {
        CrossSection c = symmetricPair(s * d, d, d);
        c.shield = RoundShield{shield};
        return c;
    }
    double oddSurface() const { return s / std::sqrt(s * s - 1) / (kPi * d); }
    double oddImpedance() const { return kEta0 * std::acosh(s) / (2 * kPi); }
};

TEST(FieldSurface, FarWires)
{
    const Wires w;
    const FieldSolution f = InsulatedSolver().solve(w.section());
    ASSERT_EQ(f.reason, "");
    EXPECT_NEAR(f.rHat.xx - f.rHat.xy, w.oddSurface(), kSurfaceAccuracy * w.oddSurface());
    const double odd = 2 * kPi * kEpsilon0 / std::acosh(w.s);
    EXPECT_NEAR(f.c0.xx - f.c0.xy, odd, kFieldAccuracy * odd);
}

// The shield's share of Rhat for hair-thin cores at +-a in a shield of
// radius R: a line charge at z leaves on the shield the Poisson kernel's
// charge, and two kernels integrate to the kernel at their product point,
// so the share is Re((1 + w)/(1 - w)) / (2 pi R), w = z_i conj(z_j) / R^2.
// Thin cores (d = 1e-5 R) perturb that by (d/a)^2, 1e-9 here.
TEST(FieldSurface, ShieldShareOfThinCoresIsThePoissonKernels)
{
    const double R = 0.5, a = 0.3, d = 1e-5;
    const FieldSolution f = InsulatedSolver().solve(symmetricPair(2 * a, d, d));
    ASSERT_EQ(f.reason, "");
    const double w = a * a / (R * R);
    const double self = (1 + w) / (1 - w) / (2 * kPi * R), mutual = (1 - w) / (1 + w) / (2 * kPi * R);
    EXPECT_NEAR(f.rHatShield.xx / self, 1, 1e-8);
    EXPECT_NEAR(f.rHatShield.yy / self, 1, 1e-8);
    EXPECT_NEAR(f.rHatShield.xy / mutual, 1, 1e-8);
    EXPECT_LT(f.rHatShield.xx, 1e-3 * f.rHat.xx) << "the thin cores carry nearly all of it";
}

// The odd mode's conductor attenuation Rs (Rhat11 - Rhat12) / (2 Zo) at
// 1 GHz on copper against the closed form, to 1e-8. The incremental-
// inductance figure (a central difference over half a skin depth) is off by
// more than that: the check tells the two apart.
TEST(FieldSurface, OddAttenuationBeatsCentralDifference)
{
    const Wires w;
    const double frequency = 1e9, conductivity = 5.8e7;
    const double rs = std::sqrt(kPi * frequency * kMu0 / conductivity);
    const double exact = rs * w.oddSurface() / (2 * w.oddImpedance()) * kNeperInDecibel;
    const FieldSolution f = InsulatedSolver().solve(w.section());
    ASSERT_EQ(f.reason, "");
    const PairModes modes = pairModes(f);
    const double ours = rs * (f.rHat.xx - f.rHat.xy) / (2 * modes.odd.z) * kNeperInDecibel;
    EXPECT_NEAR(ours, exact, 1e-8 * exact);

    // The incremental-inductance rule as the loss once had it: the odd
    // mode's inductance with every surface receded and advanced by half a
    // skin depth, alpha = (Rs / mu0) dL/dn / (2 Zo).
    ConvergedSolver converged;
    const double r = w.d / 2, R = w.shield / 2, a = w.s * r, step = 0.5 / std::sqrt(kPi * frequency * kMu0 * conductivity);
    const ConvergedImpedance receded = converged.solve(a / (R + step), (R + step) / (r - step));
    const ConvergedImpedance advanced = converged.solve(a / (R - step), (R - step) / (r + step));
    const ConvergedImpedance base = converged.solve(a / R, R / r);
    ASSERT_EQ(receded.error + advanced.error + base.error, "");
    const double slope = (receded.zo - advanced.zo) / kSpeedOfLight / (2 * step);
    const double today = rs / kMu0 * slope / (2 * base.zo) * kNeperInDecibel;
    EXPECT_GT(std::fabs(today - exact), 1e-8 * exact);
}

// ---- Even and odd modes --------------------------------------------------------------

// Without contrast every mode sees Er: Z = Z(air) / sqrt(Er), no skew.
TEST(FieldPairModes, HomogeneousPair)
{
    const double er = 2.1;
    const FieldSolution f = InsulatedSolver().solve(symmetricPair(0.5, 0.1, 0.1, 1, er));
    const PairModes m = pairModes(f);
    ASSERT_EQ(m.error, "");
    const ConvergedImpedance z = ConvergedSolver().solve(0.5, 10);
    const double tolerance = m.impedanceBound + z.errorBound;
    EXPECT_NEAR(m.even.z, z.ze / std::sqrt(er), tolerance * m.even.z);
    EXPECT_NEAR(m.odd.z, z.zo / std::sqrt(er), tolerance * m.odd.z);
    EXPECT_NEAR(m.even.effectiveEr, er, m.effectiveErBound * er);
    EXPECT_NEAR(m.odd.velocityFactor, 1 / std::sqrt(er), m.impedanceBound);
    EXPECT_NEAR(m.skew, 0, m.skewBound);
    EXPECT_EQ(m.zDiff, 2 * m.odd.z);
    EXPECT_EQ(m.zCommon, m.even.z / 2);
}

// Sleeves in air: the odd mode's field crowds between the cores, through
// the sleeves, so it is slower than the even mode.
TEST(FieldPairModes, SleevesSkewTheModes)
{
    const FieldSolution f = InsulatedSolver().solve(touchingPair(0.3, 0.5, 2.1));
    const PairModes m = pairModes(f);
    ASSERT_EQ(m.error, "");
    for (const ModeFigures* mode : {&m.even, &m.odd}) {
        EXPECT_GT(mode->effectiveEr, 1);
        EXPECT_LT(mode->effectiveEr, 2.1);
        EXPECT_DOUBLE_EQ(mode->delay, std::sqrt(mode->effectiveEr) / kSpeedOfLight);
    }
    EXPECT_LT(m.skew, -m.skewBound);
}

TEST(FieldPairModes, NeedSymmetricPair)
{
    CrossSection s = kBase;
    s.cores[1].y = 0.01;
    EXPECT_EQ(pairModes(InsulatedSolver().solve(s)).error, std::string(kNotSymmetricText));
    EXPECT_EQ(pairModes(InsulatedSolver().solve(changed(kBase, [](CrossSection& c) { c.fillerEr = 0; }))).error,
              std::string(kNoSolutionText));
}

}  // namespace
