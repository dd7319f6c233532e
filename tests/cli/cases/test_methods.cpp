#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "SolverTexts.h"

namespace {

// The converged values of the known points, Er = 1, to ten digits.
struct KnownPoint {
    const char* name;
    const char* sd;
    const char* dd;
    double ze, zo;
};

class ConvergedMethod : public testing::TestWithParam<KnownPoint> {};

TEST_P(ConvergedMethod, GivesTheKnownPoints)
{
    const KnownPoint& c = GetParam();
    const CliResult r = runWith({"impedance", c.sd, c.dd, "--method", "converged", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonTextAt(r.out, "method"), "converged");
    EXPECT_NEAR(jsonNumberAt(r.out, "ze"), c.ze, 5e-8 + 1e-9 * c.ze);
    EXPECT_NEAR(jsonNumberAt(r.out, "zo"), c.zo, 5e-8 + 1e-9 * c.zo);
    EXPECT_LE(jsonNumberAt(r.out, "error_bound"), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedMethod,
                         testing::Values(KnownPoint{"Example", "0.5", "10", 133.2262051, 107.4234788},
                                         KnownPoint{"CoresNear", "0.3", "4", 103.3098770, 33.4105623},
                                         KnownPoint{"ShieldNear", "0.7", "4", 32.9909405, 30.6433024},
                                         KnownPoint{"WideApart", "0.9", "20", 76.5479691, 76.0493517}),
                         CaseName{});

// Cores 0.4 r apart: the five charges give Zo about 0.6 % low.
TEST(Compare, GivesBothResultsAndTheDeviation)
{
    const CliResult plain = runWith({"impedance", "0.3", "4", "2.25", "--json"});
    const CliResult r = runWith({"impedance", "0.3", "4", "2.25", "--compare", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumberAt(r.out, "ze"), jsonNumberAt(plain.out, "ze")) << "the five-charge fields keep their meaning";
    EXPECT_EQ(jsonNumberAt(r.out, "zo"), jsonNumberAt(plain.out, "zo"));
    EXPECT_NEAR(jsonNumberAt(r.out, "ze_converged"), 103.3098770 / 1.5, 1e-7);
    EXPECT_NEAR(jsonNumberAt(r.out, "zo_converged"), 33.4105623 / 1.5, 1e-7);
    EXPECT_NEAR(jsonNumberAt(r.out, "zo_deviation"), jsonNumberAt(r.out, "zo") / jsonNumberAt(r.out, "zo_converged") - 1,
                1e-15);
    EXPECT_NEAR(jsonNumberAt(r.out, "zo_deviation"), -0.006, 0.001);
    EXPECT_NEAR(jsonNumberAt(r.out, "ze_deviation"), 0, 0.0001);
}

TEST(Compare, ShowsDeviationsAsSignedPercentages)
{
    const CliResult r = runWith({"impedance", "0.3", "4", "--compare", "--decimals", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 15u) << r.out;
    EXPECT_EQ(lines[4], "Ze converged = 103.31 ohm");
    EXPECT_EQ(lines[5], "Zo converged = 33.41 ohm");
    EXPECT_EQ(lines[6], "Ze deviation = +0.00 %");
    EXPECT_EQ(lines[7], "Zo deviation = -0.61 %");
}

// Where the converged solver cannot go, the five-charge result still stands,
// and the missing comparison is said and fails the run.
TEST(Compare, BeyondTheConvergedReachSaysSo)
{
    const CliResult r = runWith({"impedance", "0.2511", "4", "--compare"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("Ze    = ", 0), 0u) << r.out;
    EXPECT_NE(r.err.find("no comparison: " + std::string(kGapTooNarrowStart)), std::string::npos) << r.err;
}

// The converged method's shape gives back the wanted impedances on the
// converged model within the width.
TEST(ConvergedShape, ReproducesTheTargetOnTheConvergedModel)
{
    const CliResult found = runWith({"shape", "103.31", "33.41", "2.25", "--method", "converged", "--json"});
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(jsonTextAt(found.out, "method"), "converged");
    EXPECT_GE(jsonNumberAt(found.out, "count"), 1);
    char sdText[32], ddText[32];
    std::snprintf(sdText, sizeof sdText, "%.17g", jsonNumberAt(found.out, "sd"));
    std::snprintf(ddText, sizeof ddText, "%.17g", jsonNumberAt(found.out, "dd"));
    const CliResult back = runWith({"impedance", sdText, ddText, "2.25", "--method", "converged", "--json"});
    ASSERT_EQ(back.status, 0) << back.err;
    // The width, 0.01 ohm for Er = 1, is 0.01 / 1.5 in the dielectric.
    EXPECT_LT(std::fabs(jsonNumberAt(back.out, "ze") - 103.31), 0.01 / 1.5);
    EXPECT_LT(std::fabs(jsonNumberAt(back.out, "zo") - 33.41), 0.01 / 1.5);
}

TEST(ConvergedShape, CountOverNamesTheLimitAndTheOption)
{
    const CliResult r = runWith(
        {"shape", "103.31", "33.41", "--method", "converged", "--limit", "1", "--width", "1e-9", "--english"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the limit is 1 "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("raise --limit"), std::string::npos) << r.err;
}

TEST(ConvergedBatch, EveryLineOnTheConvergedModel)
{
    const CliResult r = runWith({"impedance", "--batch", "--method", "converged"}, "0.5 10\n0.2511 4\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(jsonNumberAt(lines[0], "ze"), 133.2262051, 1e-7);
    EXPECT_EQ(jsonTextAt(lines[0], "method"), "converged");
    EXPECT_NE(jsonTextAt(lines[1], "error").find(kGapTooNarrowStart), std::string::npos) << lines[1];
}

}  // namespace
