#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "Codata.h"
#include "line/ModelTexts.h"
#include "line/Rlgc.h"
#include "LineCases.h"

namespace {

using namespace lineCases;

constexpr double kPi = std::numbers::pi;

double smallestEigenvalue(const Sym2& m)
{
    const double mean = (m.xx + m.yy) / 2, half = (m.xx - m.yy) / 2;
    return mean - std::hypot(half, m.xy);
}

double relativeGap(const Sym2& a, const Sym2& b)
{
    return largestGeneralised(a - b, b);
}

LineLosses copperPtfe(DielectricModel model = DielectricModel::ConstantLossTangent)
{
    LineLosses losses;
    losses.tanDelta = {2e-4, 2e-4, 2e-4};
    losses.conductivity = kCopper;
    losses.dielectric = model;
    return losses;
}

Sym2 externalInductance(const FieldSolution& f)
{
    return (kMu0 * kEpsilon0) * congruenceByInverse(Mat2{1, 0, 0, 1}, f.c0);
}

// The frequency at which r / skin depth is x.
double frequencyFor(double x, double radius)
{
    return x * x / (kPi * kMu0 * kCopper * radius * radius);
}

struct Section {
    const char* name;
    CrossSection section;
};

class RlgcOverFrequency : public testing::TestWithParam<Section> {};

// At 0 Hz each core's DC resistance, 1/(sigma pi r^2), and no loss in the
// dielectric; from there the values move on smoothly.
TEST_P(RlgcOverFrequency, DcValuesAndTheWayFromThem)
{
    const CrossSection& s = GetParam().section;
    const RlgcModel model(s, solved(s), copperPtfe());
    ASSERT_EQ(model.error(), "");
    const Rlgc dc = model.at(0);
    for (int i = 0; i < 2; ++i) {
        const double r = s.cores[i].diameter / 2;
        EXPECT_NEAR((i == 0 ? dc.r.xx : dc.r.yy) * kCopper * kPi * r * r, 1, 1e-15);
    }
    EXPECT_EQ(dc.r.xy, 0);
    EXPECT_EQ(dc.g.xx, 0);
    EXPECT_GT(smallestEigenvalue(dc.l), 0);
    const Rlgc near = model.at(1);
    EXPECT_LE(relativeGap(near.r, dc.r), 1e-9);
    EXPECT_LE(relativeGap(near.l, dc.l), 1e-9);
}

// R, the internal inductance and G are positive semidefinite, and C
// positive definite, from DC to 100 GHz, with either dielectric model.
TEST_P(RlgcOverFrequency, PassiveEverywhere)
{
    const CrossSection& s = GetParam().section;
    const FieldSolution solution = solved(s);
    const Sym2 external = externalInductance(solution);
    for (const DielectricModel dielectric : {DielectricModel::ConstantLossTangent, DielectricModel::Wideband}) {
        const RlgcModel model(s, solution, copperPtfe(dielectric));
        ASSERT_EQ(model.error(), "");
        for (double f = 0; f <= 1e11; f = f == 0 ? 1 : f * 3) {
            const Rlgc x = model.at(f);
            const double scale = std::max(x.r.xx, x.r.yy);
            EXPECT_GE(smallestEigenvalue(x.r), -1e-12 * scale) << f;
            EXPECT_GE(smallestEigenvalue(x.l - external), -1e-12 * external.xx) << f;
            EXPECT_GE(smallestEigenvalue(x.g), -1e-12 * std::max(x.g.xx, x.g.yy)) << f;
            EXPECT_GT(smallestEigenvalue(x.c), 0) << f;
        }
    }
}

// Where the skin is thin the model is the incremental-inductance rule,
// R = Rs Rhat and L = L_ext + R/omega, but for terms of order skin depth
// over radius (the wires' curvature).
TEST_P(RlgcOverFrequency, ThinSkinLimit)
{
    const CrossSection& s = GetParam().section;
    const FieldSolution solution = solved(s);
    const RlgcModel model(s, solution, copperPtfe());
    for (double x : {100.0, 1000.0}) {
        const double f = frequencyFor(x, std::min(s.cores[0].diameter, s.cores[1].diameter) / 2);
        const Rlgc at = model.at(f);
        const Sym2 surface = std::sqrt(kPi * f * kMu0 / kCopper) * solution.rHat;
        EXPECT_LE(relativeGap(at.r, surface), 1 / x) << x;
        EXPECT_LE(relativeGap((2 * kPi * f) * (at.l - externalInductance(solution)), surface), 1 / x) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, RlgcOverFrequency,
                         testing::Values(Section{"Homogeneous", homogeneousPair()},
                                         Section{"Insulated", insulatedPair()},
                                         Section{"Unequal", unequalPair()}),
                         CaseName{});

// A foil's own metal adds its surface impedance Zf on its share of Rhat,
// measured against the same foil made lossless: at DC the sheet resistance
// 1/(sigma t) and internal inductance mu0 t/3; where the foil is thin against
// its skin depth delta, Re Zf = (1 + 4 (t/delta)^4/45) / (sigma t) by the
// Laurent series of coth; where it is many skin depths thick, the half-
// space's Rs = 1/(sigma delta).
struct FoilPoint {
    const char* name;
    double frequency;
    double expectedResistance;  // Re Zf, ohm per square
};

class RlgcFoilWall : public testing::TestWithParam<FoilPoint> {};

TEST_P(RlgcFoilWall, AddsItsSurfaceImpedanceOnItsShare)
{
    const CrossSection s = insulatedPair();
    const FieldSolution solution = solved(s);
    LineLosses foil = copperPtfe(), ideal = copperPtfe();
    foil.foil = {.conductivity = 3.5e7, .thickness = 9e-6};
    ideal.foil = {.conductivity = std::numeric_limits<double>::infinity(), .thickness = 9e-6};
    const RlgcModel wrapped(s, solution, foil), lossless(s, solution, ideal);
    ASSERT_EQ(wrapped.error(), "");
    const Sym2& share = solution.rHatShield;
    ASSERT_GT(share.xx, 0);
    const double f = GetParam().frequency;
    const Sym2 added = wrapped.at(f).r - lossless.at(f).r;
    // The series' next term, 16 (t/delta)^8 / 4725, is 5e-11 at 1 MHz.
    EXPECT_LE(relativeGap(added, GetParam().expectedResistance * share), 1e-10);
    if (f == 0) {
        EXPECT_LE(relativeGap(wrapped.at(0).l - lossless.at(0).l, (kMu0 * 9e-6 / 3) * share), 1e-12);
    }
}

double sheet(double t)
{
    return 1 / (3.5e7 * t);
}

double foilDepth(double f)
{
    return 1 / std::sqrt(kPi * f * kMu0 * 3.5e7);
}

INSTANTIATE_TEST_SUITE_P(
    Points, RlgcFoilWall,
    testing::Values(FoilPoint{"Dc", 0, sheet(9e-6)},
                    FoilPoint{"OneMegahertzThin", 1e6, sheet(9e-6) * (1 + 4 * std::pow(9e-6 / foilDepth(1e6), 4) / 45)},
                    FoilPoint{"HundredGigahertzThick", 1e11, 1 / (3.5e7 * foilDepth(1e11))}),
    CaseName{});

// Two wires 100 diameters apart inside a shield 1000 diameters wide: the
// odd mode's resistance and internal inductance per wire are those of a wire
// alone, Rdc (z/2) J0(z)/J1(z) (values from mpmath at 40 digits), to the
// wires' proximity, a relative (d/2S)^2 of the skin part.
TEST(Rlgc, LoneWireFollowsItsBesselImpedance)
{
    const double d = 0.51e-3;
    CrossSection s;
    s.cores[0] = {50 * d, 0, d, d, 0, 0, 1};
    s.cores[1] = {-50 * d, 0, d, d, 0, 0, 1};
    s.shield = RoundShield{1000 * d};
    const FieldSolution solution = solved(s);
    ASSERT_EQ(solution.reason, "");
    const RlgcModel model(s, solution, copperPtfe());
    const double rdc = 1 / (kCopper * kPi * d * d / 4);
    const Sym2 external = externalInductance(solution);
    struct Point {
        double x;
        std::complex<double> excess;
    };
    for (const Point& p : {Point{1, {0.020492388855622504, 0.24744199828150277}},
                           Point{5, {1.7681076007342901, 2.476724788070854}},
                           Point{40, {19.252342746369148, 19.997596696158574}}}) {
        const double f = frequencyFor(p.x, d / 2);
        const Rlgc at = model.at(f);
        const double internal = (at.l.xx - at.l.xy) - (external.xx - external.xy);
        EXPECT_NEAR((at.r.xx - at.r.xy) / rdc, 1 + p.excess.real(), 1e-4 * p.x) << p.x;
        EXPECT_NEAR(internal * 2 * kPi * f / rdc, p.excess.imag(), 1e-4 * p.x) << p.x;
    }
}

// One dielectric everywhere: G = omega tan(delta) C, and with lossless metal
// L C = Er/c^2 I, both in closed form.
TEST(Rlgc, HomogeneousClosedForms)
{
    const CrossSection s = homogeneousPair(2.1);
    LineLosses losses = copperPtfe();
    losses.conductivity = std::numeric_limits<double>::infinity();
    const RlgcModel model(s, solved(s), losses);
    ASSERT_EQ(model.error(), "");
    const Rlgc x = model.at(1e9);
    EXPECT_LE(relativeGap((1 / (2 * kPi * 1e9 * 2e-4)) * x.g, x.c), 1e-9);
    EXPECT_EQ(x.r.xx, 0);
    const Mat2 l{x.l.xx, x.l.xy, x.l.xy, x.l.yy};
    const Sym2 product = congruence(x.c, l);  // L C L, which is Er/c^2 L where L C = Er/c^2 I
    EXPECT_LE(relativeGap(product, (2.1 / (kSpeedOfLight * kSpeedOfLight)) * x.l), 1e-9);
}

// The wideband model's C(f) is first order in the change of Er. Where one
// material fills the shield that is exact; where sleeves of a lossy material
// sit in air it is not, and a solve at the changed Er lies within the
// reported bound, which is small but no larger than needed.
TEST(Rlgc, WidebandCapacitanceAgainstASolveAtTheChangedEr)
{
    struct Case {
        CrossSection section;
        bool exact;
    };
    for (const Case& c : {Case{homogeneousPair(4.3), true}, Case{insulatedPair(), false}}) {
        CrossSection s = c.section;
        for (Core& core : s.cores)
            core.sleeveEr = core.diameter == core.sleeveDiameter ? 1 : 4.3;
        LineLosses losses;
        losses.tanDelta = {0.02, 0.02, c.exact ? 0.02 : 0};
        losses.dielectric = DielectricModel::Wideband;
        const RlgcModel model(s, solved(s), losses);
        ASSERT_EQ(model.error(), "");
        const double f = 1e3;  // six decades below the fit: Er up by 8 %
        const double er = model.permittivities()[c.exact ? 2 : 0].at(f).real();
        CrossSection changed = s;
        if (c.exact)
            changed.fillerEr = er;
        else
            for (Core& core : changed.cores)
                core.sleeveEr = er;
        const FieldSolution truth = solved(changed);
        ASSERT_EQ(truth.reason, "");
        const double gap = relativeGap(model.at(f).c, truth.c);
        EXPECT_LE(gap, model.shuntBound(f) + truth.bound);
        if (c.exact) {
            EXPECT_LE(gap, 1e-9);
        } else {
            EXPECT_GT(gap, 1e-6);  // the second order is really there ...
            EXPECT_LE(model.shuntBound(f), 20 * gap);  // ... and the bound is of its size
        }
    }
}

struct Refused {
    const char* name;
    LineLosses losses;
    bool unsolved;
    std::string_view text;
};

LineLosses with(void (*change)(LineLosses&))
{
    LineLosses l;
    change(l);
    return l;
}

class RlgcRefusal : public testing::TestWithParam<Refused> {};

TEST_P(RlgcRefusal, SaysWhy)
{
    const Refused& c = GetParam();
    const CrossSection s = insulatedPair();
    FieldSolution f = solved(s);
    if (c.unsolved)
        f = FieldSolution{};
    EXPECT_EQ(RlgcModel(s, f, c.losses).error(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RlgcRefusal,
    testing::Values(Refused{"Unsolved", {}, true, kNoFieldSolutionText},
                    Refused{"NegativeTanDelta", with([](LineLosses& l) { l.tanDelta[2] = -1e-4; }), false,
                            kMaterialTanDeltaText},
                    Refused{"ZeroConductivity", with([](LineLosses& l) { l.conductivity = 0; }), false,
                            kConductivityText},
                    Refused{"NanConductivity", with([](LineLosses& l) { l.conductivity = NAN; }), false,
                            kConductivityText},
                    Refused{"BadBand",
                            with([](LineLosses& l) {
                                l.dielectric = DielectricModel::Wideband;
                                l.band.low = 0;
                            }),
                            false, kBandText}),
    CaseName{});

}  // namespace
