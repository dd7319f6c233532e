// Asymmetric cables through the command line: core 2's own wire and sleeve,
// core 1 or the pair moved, what reaches the solver, the mode conversion and
// the refusals.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "field/InsulatedSolver.h"
#include "line/AsymmetricPair.h"

namespace {

using Args = std::vector<std::string>;

// 0.51 mm cores 1.4 mm apart in a 4.2 mm shield filled with PTFE's Er.
Args pair(Args more)
{
    Args args{"impedance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "--er-fill", "2.1", "--json"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

double magnitude(double decibels)
{
    return std::pow(10.0, decibels / 20);
}

// The run's figures are the solver's for the cross-section the options
// describe, built here by hand: core 1 moved by (0.03, -0.02) mm, core 2 a
// 0.4 mm wire in a 1.0 mm sleeve of Er 3, core 1 in a 1.2 mm sleeve of Er 2.
TEST(Asymmetry, RunsTheGeneralPathOnItsCrossSection)
{
    const CliResult r = runWith(pair({"--sleeve", "1.2mm", "--er-sleeve", "2", "--d2", "0.4mm", "--sleeve2",
                                      "1.0mm", "--er-sleeve2", "3", "--offset", "0.03mm,-0.02mm"}));
    ASSERT_EQ(r.status, 0) << r.err;
    CrossSection s;
    s.cores[0] = {0.7e-3 + 0.03e-3, -0.02e-3, 0.51e-3, 1.2e-3, 0, 0, 2};
    s.cores[1] = {-0.7e-3, 0, 0.4e-3, 1.0e-3, 0, 0, 3};
    s.shield = RoundShield{4.2e-3};
    s.fillerEr = 2.1;
    const AsymmetricFigures f = asymmetricPair(InsulatedSolver().solve(s, {.generalPath = true})).figures;
    // To the rounding of the typed lengths.
    EXPECT_NEAR(jsonNumberAt(r.out, "zdiff") / f.zDiff, 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "zcm") / f.zCommon, 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "zdc") / f.zDc, 1, 1e-9);
    EXPECT_NEAR(jsonNumberAt(r.out, "c22") / (f.c.yy * 1e12), 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "l22") / (f.l.yy * 1e9), 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "skew_intra") / (f.skewIntra * 1e12), 1, 1e-9);
    EXPECT_GT(std::fabs(f.zDc), 0.1) << "the case is meant to be far from symmetric";
}

// Core 2 given core 1's own values: the general path meets the symmetric
// cable's fast path within the two solutions' bounds, and a case without
// the asymmetric options keeps a cable's keys.
TEST(Asymmetry, ASymmetricLookingCaseKeepsTheCablesFigures)
{
    const CliResult plain = runWith(pair({}));
    const CliResult same = runWith(pair({"--d2", "0.51mm", "--offset", "0,0"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(same.status, 0) << same.err;
    // Every key of the cable, each within the two solutions' bounds.
    for (const std::string& key : jsonKeys(plain.out)) {
        const double cable = jsonNumberAt(plain.out, key);
        EXPECT_NEAR(jsonNumberAt(same.out, key), cable, 2e-9 * std::max(std::fabs(cable), 1.0)) << key;
    }
    EXPECT_NEAR(jsonNumberAt(same.out, "zdc"), 0, 2e-9 * jsonNumberAt(plain.out, "zcm"));
    const std::vector<std::string> keys = jsonKeys(plain.out);
    for (const char* key : {"zdc", "c22", "l22", "skew_intra"})
        EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 0) << key;
}

// A table's columns (its layout) are the keys a case gives.
TEST(Asymmetry, ATablesColumnsAreTheCasesKeys)
{
    const CliResult one = runWith(pair({"--offset", "0.01mm,0", "--freq", "1GHz"}));
    const CliResult table = runWith({"impedance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "--er-fill",
                                     "2.1", "--freq", "1GHz", "--sweep", "offset_x=0.01mm,0.02mm", "--sweep",
                                     "offset_y=0"});
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_EQ(table.status, 0) << table.err;
    std::vector<std::string> keys = jsonKeys(one.out);
    keys.erase(std::remove(keys.begin(), keys.end(), "warning"), keys.end());
    EXPECT_EQ(jsonKeys(linesOf(table.out).at(0)), keys);
}

// The pair moved along its mirror line (across the line through the cores)
// stays mirror-symmetric: no conversion beyond the figure's error. Moved
// along the line through the cores, it converts.
TEST(ModeConversion, MirrorSymmetricPairConvertsNothing)
{
    for (const char* shift : {"0,0.3mm", "0,-0.6mm"}) {
        const CliResult r = runWith(pair({"--sleeve", "1.1mm", "--er-sleeve", "ptfe",
                                          "--pair-offset", shift, "--freq", "5GHz"}));
        ASSERT_EQ(r.status, 0) << r.err;
        const double error = jsonNumberAt(r.out, "s_error");
        EXPECT_LE(magnitude(jsonNumberAt(r.out, "scd21")), error) << shift;
        EXPECT_LE(magnitude(jsonNumberAt(r.out, "sdc21")), error) << shift;
        EXPECT_LT(error, 1e-8);
    }
    const CliResult along = runWith(pair({"--sleeve", "1.1mm", "--er-sleeve", "ptfe",
                                          "--pair-offset", "0.3mm,0", "--freq", "5GHz"}));
    ASSERT_EQ(along.status, 0) << along.err;
    EXPECT_GT(magnitude(jsonNumberAt(along.out, "scd21")), 1e4 * jsonNumberAt(along.out, "s_error"));
}

// Reciprocity of a uniform line: Scd21 = Sdc21 by the symmetry of its ends.
TEST(ModeConversion, IsReciprocal)
{
    const CliResult r = runWith(pair({"--sleeve", "1.1mm", "--er-sleeve", "ptfe", "--offset",
                                      "0.02mm,0.01mm", "--freq", "5GHz", "--length", "0.3m"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NEAR(jsonNumberAt(r.out, "scd21"), jsonNumberAt(r.out, "sdc21"), 1e-6);
    EXPECT_EQ(jsonNumberAt(r.out, "length"), 0.3);
}

struct Refusal {
    const char* name;
    Args args;
    const char* says;
};

const Refusal kRefusals[] = {
    {"CoreThroughShield", pair({"--offset", "1.5mm,0"}), "move the cores back"},
    {"CoresOverlap", pair({"--offset", "-0.9mm,0"}), "move core 1 away from core 2"},
    {"PairThroughShield", pair({"--pair-offset", "0,1.9mm"}), "reaches through the shield"},
    {"ShieldTouchingOneCore", {"impedance", "--D", "touch", "--S", "1.4mm", "--d", "0.51mm", "--d2", "0.4mm"},
     "give D as a length"},
    {"SecondSleeveWithoutDielectric", pair({"--sleeve2", "1mm"}), "--er-sleeve2"},
    {"SecondDielectricWithoutSleeve", pair({"--er-sleeve2", "3"}), "needs core 2's sleeve"},
    {"OffsetWithoutComma", pair({"--offset", "0.1mm"}), "DX,DY"},
    {"OffsetNotALength", pair({"--offset", "0.1cm,0"}), "unknown unit"},
    {"OffsetOfABareCore", pair({"--sleeve-offset", "0.01mm,0"}), "give core 1 a sleeve (--sleeve)"},
    {"ConductorThroughSleeve", pair({"--sleeve", "1.1mm", "--er-sleeve", "ptfe", "--sleeve-offset", "0.3mm,0"}),
     "give a smaller --sleeve-offset or a wider --sleeve"},
    {"LengthOfASymmetricPair", pair({"--freq", "1GHz", "--length", "1m"}), "a symmetric pair converts none"},
    {"LengthWithoutFrequency", pair({"--offset", "0.01mm,0", "--length", "1m"}), "with --freq only"},
    {"ErBesideASecondSleeve",
     {"impedance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "2.1", "--sleeve2", "1mm", "--er-sleeve2", "3"},
     "give --er-fill"},
    {"InShapeMode", {"shape", "--zdiff", "100", "--zcm", "40", "--d2", "0.4mm"}, "impedance"},
};

class AsymmetryRefused : public testing::TestWithParam<Refusal> {};

TEST_P(AsymmetryRefused, IsABadArgumentWithTheWayOut)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, AsymmetryRefused, testing::ValuesIn(kRefusals), CaseName{});

}  // namespace
