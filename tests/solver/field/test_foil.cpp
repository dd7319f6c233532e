#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "FemCases.h"
#include "field/FoilSolver.h"
#include "field/PairModes.h"
#include "FieldCases.h"
#include "SolverTexts.h"

namespace {

constexpr double kPi = std::numbers::pi;

// 26 AWG in foamed PE, lengths in mm (the capacitances do not mind the scale).
constexpr double kWire = 0.405;
constexpr double kSleeve = 1.0;
constexpr double kFoam = 1.5;

// A drain wire of 0.32 mm (28 AWG) in the groove.
constexpr double kDrain = 0.32;

CrossSection foilPair(double s, double clearance, double er1 = kFoam, double er2 = 1, double d = kWire,
                      double di = kSleeve, double drain = 0)
{
    CrossSection c;
    c.cores[0] = {s / 2, 0, d, di, 0, 0, er1};
    c.cores[1] = {-s / 2, 0, d, di, 0, 0, er1};
    c.shield = FoilShield{clearance, drain};
    c.fillerEr = er2;
    return c;
}

// Two solutions agree where the gap between them is within their bounds.
void expectAgree(const FieldSolution& a, const FieldSolution& b)
{
    const double tolerance = a.bound + b.bound + 1e-12;
    EXPECT_LE(relativeGap(a.c, b.c), tolerance);
    EXPECT_LE(relativeGap(a.c0, b.c0), tolerance);
}

// ---- The round shield as a stadium of zero straight length ------------------------

// The foil's method on a round shield (the stadium's two half circles about
// one centre, the cores where they are, not at the arcs' centres) against
// the round-shield series with its images: two independent routes to the
// same capacitances, each within its own bound. Shield diameter 1.
struct Round {
    const char* name;
    double s, d, di, er1, er2;
};

class FoilRoundStadium : public testing::TestWithParam<Round> {};

TEST_P(FoilRoundStadium, MatchesRoundShieldSolver)
{
    const Round& r = GetParam();
    const CrossSection section = symmetricPair(r.s, r.d, r.di, r.er1, r.er2);
    const FieldSolution round = InsulatedSolver().solve(section);
    const FieldSolution stadium = FoilSolver().solve(roundAsStadium(section, false), roundAsStadium(section, true));
    ASSERT_EQ(round.reason, "");
    ASSERT_EQ(stadium.reason, "");
    EXPECT_LE(stadium.bound, kFoilAccuracy);
    expectAgree(stadium, round);
    EXPECT_LE(relativeGap(stadium.rHat, round.rHat), stadium.rHatError + round.rHatError + kSurfaceAccuracy);
}

INSTANTIATE_TEST_SUITE_P(Cases, FoilRoundStadium,
                         testing::Values(Round{"Bare", 0.5, 0.1, 0.1, 1, 1},
                                         Round{"PtfeSleevesApart", 0.5, 0.1, 0.3, 2.1, 1},
                                         Round{"NoContrast", 0.5, 0.1, 0.3, 2.1, 2.1},
                                         Round{"DenserFiller", 0.5, 0.1, 0.3, 1.5, 2.2},
                                         Round{"SleevesTouching", 0.4, 0.1, 0.4, 2.1, 1},
                                         Round{"TouchingEachOtherAndShield", 0.5, 0.2, 0.5, 2.1, 1}),
                         CaseName{});

// ---- A long stadium --------------------------------------------------------------------

// Far apart, each core sits in the end of a channel of width 2R between the
// straight walls, and all their coupling runs along it. The channel's lowest
// mode, cos(pi y / 2R) exp(-pi |x| / 2R), is the closed form: C12 falls by
// exp(-pi / 2R) per unit of S. Between S = 2.5 and 3 mm the next mode, three
// times steeper, moves the rate by a few 1e-6 (it did by 5e-5 between 2 and
// 2.5); the bounds of C12, small against C11, allow the rest.
class FoilLongStadium : public testing::TestWithParam<double> {};

TEST_P(FoilLongStadium, CouplingFollowsChannelMode)
{
    const double clearance = GetParam();
    const double radius = kSleeve / 2 + clearance;
    double coupling[2], allowed = 0;
    const double spacing[2] = {2.5, 3};
    for (int i = 0; i < 2; ++i) {
        const FieldSolution f = FoilSolver().solve(foilPair(spacing[i], clearance));
        ASSERT_EQ(f.reason, "");
        coupling[i] = -f.c0.xy;
        allowed += f.bound * (f.c0.xx + coupling[i]) / coupling[i];
    }
    const double rate = std::log(coupling[0] / coupling[1]) / (spacing[1] - spacing[0]);
    const double channel = kPi / (2 * radius);
    EXPECT_NEAR(rate, channel, allowed / (spacing[1] - spacing[0]) + 1e-5 * channel);
}

INSTANTIATE_TEST_SUITE_P(Clearance, FoilLongStadium, testing::Values(0.0, 0.05),
                         [](const testing::TestParamInfo<double>& info) {
                             return info.param == 0 ? std::string("Wrapped") : std::string("Clearance0_05");
                         });

// ---- Symmetry ------------------------------------------------------------------------

// The general path assumes no mirror: it solves V = (1, 0) and (0, 1) over
// the whole cross-section. It must find C11 = C22 and the symmetric path's C,
// with a drain wire too, which leaves only the left-right mirror.
struct Wrapping {
    const char* name;
    double clearance, drain;
};

class FoilGeneralPath : public testing::TestWithParam<Wrapping> {};

TEST_P(FoilGeneralPath, AgreesWithSymmetricPath)
{
    const Wrapping& w = GetParam();
    const CrossSection section = foilPair(kSleeve, w.clearance, kFoam, 1, kWire, kSleeve, w.drain);
    const FieldSolution symmetric = FoilSolver().solve(section);
    const FieldSolution general = FoilSolver().solve(section, {true, 0});
    ASSERT_EQ(symmetric.reason, "");
    ASSERT_EQ(general.reason, "");
    EXPECT_FALSE(general.symmetric);
    expectAgree(general, symmetric);
    EXPECT_NEAR(general.c.xx, general.c.yy, general.bound * general.c.xx);
    EXPECT_NEAR(general.c0.xx, general.c0.yy, general.bound * general.c0.xx);
}

INSTANTIATE_TEST_SUITE_P(Cases, FoilGeneralPath,
                         testing::Values(Wrapping{"Wrapped", 0, 0}, Wrapping{"Clearance0_05", 0.05, 0},
                                         Wrapping{"WrappedWithDrain", 0, kDrain}),
                         CaseName{});

// ---- What a solution carries -------------------------------------------------------------

// Through the one entry point, a foil gives the modes, the derivatives whose
// weighted sum is C, and a bound within the promise. Touching sleeves in a
// wrapped foil, and the same with a clearance and apart.
struct Foil {
    const char* name;
    double s, clearance, er1, er2, drain;
};

class FoilSolution : public testing::TestWithParam<Foil> {};

TEST_P(FoilSolution, ModesAndDerivatives)
{
    const Foil& r = GetParam();
    const CrossSection section = foilPair(r.s, r.clearance, r.er1, r.er2, kWire, kSleeve, r.drain);
    const FieldSolution f = InsulatedSolver().solve(section);
    ASSERT_EQ(f.reason, "");
    EXPECT_LE(f.bound, kFoilAccuracy);
    const Sym2 sum = r.er1 * (f.dCdEr[0] + f.dCdEr[1]) + r.er2 * f.dCdEr[2];
    EXPECT_LE(relativeGap(sum, f.c), f.derivativeError + f.bound);
    const PairModes m = pairModes(f);
    ASSERT_EQ(m.error, "");
    EXPECT_GT(m.even.z, m.odd.z);
    for (const ModeFigures* mode : {&m.even, &m.odd}) {
        EXPECT_GT(mode->effectiveEr, r.er2);
        EXPECT_LT(mode->effectiveEr, r.er1);
    }
    EXPECT_GT(f.rHat.xx, 0);
    EXPECT_LE(f.rHatError, kSurfaceAccuracy * 1000);
}

INSTANTIATE_TEST_SUITE_P(Cases, FoilSolution,
                         testing::Values(Foil{"WrappedTouching", kSleeve, 0, kFoam, 1, 0},
                                         Foil{"ClearanceTouching", kSleeve, 0.05, kFoam, 1, 0},
                                         Foil{"WrappedApartPtfe", 1.2, 0, 2.1, 1, 0},
                                         Foil{"WrappedWithDrain", kSleeve, 0, kFoam, 1, kDrain}),
                         CaseName{});

// ---- Out of reach -----------------------------------------------------------------------

struct Refused {
    const char* name;
    CrossSection section;
    std::string reason;
};

class FoilRefusal : public testing::TestWithParam<Refused> {};

TEST_P(FoilRefusal, SaysWhy)
{
    const FieldSolution f = InsulatedSolver().solve(GetParam().section);
    EXPECT_EQ(f.status, FieldStatus::Refused);
    EXPECT_EQ(f.reason, GetParam().reason);
}

CrossSection withDrain(double s, double drain)
{
    CrossSection c = foilPair(s, 0);
    c.shield = FoilShield{0, drain};
    return c;
}

CrossSection unlike()
{
    CrossSection c = foilPair(kSleeve, 0);
    c.cores[1].sleeveDiameter = 1.1;
    c.cores[1].x = -0.55;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoilRefusal,
    testing::Values(Refused{"NegativeClearance", foilPair(kSleeve, -0.01), std::string(kFoilClearanceNegativeText)},
                    Refused{"SleevesOverlap", foilPair(0.9, 0), std::string(kSleevesOverlapText)},
                    Refused{"UnlikeCores", unlike(), std::string(kFoilUnlikeCoresText)},
                    Refused{"NegativeDrain", withDrain(kSleeve, -0.1), std::string(kDrainDiameterNegativeText)},
                    Refused{"DrainThroughGroove", withDrain(1.4, 0.32), std::string(kDrainThroughGrooveText)},
                    Refused{"DrainOnBareCores", foilPair(0.6, 0.05, 1, 1, 0.4, 0.4, kDrain),
                            std::string(kDrainOnBareCoreText)},
                    Refused{"BareCoreOnFoil", foilPair(1, 0.001, 1, 1, 0.4, 0.4),
                            "Gap too narrow for the field solver (at least 0.01 r): core to foil 0.005 r"},
                    Refused{"NotFinite", foilPair(kSleeve, NAN), std::string(kNotFiniteGeometryText)}),
    CaseName{});

// No value where the bound is not met: Er 30 sleeves pressed together under
// the foil converge too slowly for the highest order.
TEST(FoilNotConverged, HighContrastTouching)
{
    const FieldSolution f = InsulatedSolver().solve(foilPair(kSleeve, 0.05, 30));
    EXPECT_EQ(f.status, FieldStatus::NotConverged);
    EXPECT_EQ(f.reason.rfind(std::string(kNotConvergedStart), 0), 0u) << f.reason;
    EXPECT_EQ(f.c.xx, 0);
}

}  // namespace

// ---- Against the FEM reference --------------------------------------------------------------

// The FEM reference table (FemCases.h): foil rows as they are; the round
// rows go through the stadium of zero straight length, asymmetric ones on
// the general path, where that route reaches. Rows with an eccentric sleeve
// are left out.
TEST(FoilFem, MatchesReferenceTable)
{
    int compared = 0;
    for (const FemCase& row : kFemCases) {
        if (row.sx1 != 0 || row.sy1 != 0)
            continue;
        const CrossSection section = sectionOf(row);
        const bool foil = std::string(row.shield) == "foil";
        const bool alike = row.x1 == 0 && row.y1 == 0 && row.di2 == row.di && row.erSleeve2 == row.erSleeve;
        const FieldSolution f = foil ? FoilSolver().solve(section)
                                     : FoilSolver().solve(roundAsStadium(section, false),
                                                          roundAsStadium(section, true), {!alike, 0});
        // Er 10 sleeves pressed against the round shield and each other are
        // beyond the stadium route's highest order; the foil rows must solve.
        if (!foil && f.status == FieldStatus::NotConverged)
            continue;
        ASSERT_EQ(f.reason, "") << row.name;
        expectMatchesFem(row, f);
        ++compared;
    }
    EXPECT_GE(compared, 10);
}
