// The shape solve's targets as engineers state them, through the command
// line.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "output/Json.h"

namespace {

using Args = std::vector<std::string>;

// Targets and the Ze and Zo they stand for by hand: Zo = Zdiff / 2,
// Ze = 2 Zcm.
struct TargetCase {
    const char* name;
    Args targets;
    const char* ze;
    const char* zo;
};

class Targets : public testing::TestWithParam<TargetCase> {};

TEST_P(Targets, FindTheShapeOfTheirZeAndZo)
{
    Args args{"shape", "2.1", "--json"};
    args.insert(args.end(), GetParam().targets.begin(), GetParam().targets.end());
    const CliResult byTargets = runWith(args);
    ASSERT_EQ(byTargets.status, 0) << byTargets.out;
    const CliResult byImpedances = runWith({"shape", GetParam().ze, GetParam().zo, "2.1", "--json"});
    ASSERT_EQ(byImpedances.status, 0) << byImpedances.out;
    EXPECT_EQ(jsonNumberAt(byTargets.out, "sd"), jsonNumberAt(byImpedances.out, "sd"));
    EXPECT_EQ(jsonNumberAt(byTargets.out, "dd"), jsonNumberAt(byImpedances.out, "dd"));
    EXPECT_EQ(jsonNumberAt(byTargets.out, "count"), jsonNumberAt(byImpedances.out, "count"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Targets,
    testing::Values(TargetCase{"ZdiffAndZcm", {"--zdiff", "100", "--zcm", "40"}, "80", "50"},
                    TargetCase{"ZdiffAndZe", {"--zdiff=90", "--ze=70"}, "70", "45"},
                    TargetCase{"ZcmAndZo", {"--zcm", "32.5", "--zo", "40"}, "65", "40"},
                    TargetCase{"ZeAndZoAsOptions", {"--zo", "40", "--ze", "65"}, "65", "40"}),
    CaseName());

// Targets no cable has: said in words, naming the numbers given, status 1.
struct ImpossibleCase {
    const char* name;
    Args targets;
    const char* error;
};

class ImpossibleTargets : public testing::TestWithParam<ImpossibleCase> {};

const std::string kWhy =
    "; no cable has these targets, since a core driven against its twin always has a lower impedance than one "
    "driven alike\n";

TEST_P(ImpossibleTargets, SayWhyNamingTheNumbers)
{
    Args args{"shape"};
    args.insert(args.end(), GetParam().targets.begin(), GetParam().targets.end());
    const CliResult r = runWith(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "duvane-calc: " + std::string(GetParam().error) + kWhy);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImpossibleTargets,
    testing::Values(ImpossibleCase{"ZcmBelowAQuarterOfZdiff", {"--zdiff", "200", "--zcm", "40"},
                                   "Zcm must be more than Zdiff/4 (that is, Ze > Zo): Zcm 40 ohm is not more than "
                                   "Zdiff 200 ohm / 4 = 50 ohm"},
                    // Ze = Zo exactly is no cable either.
                    ImpossibleCase{"ZcmAtAQuarterOfZdiff", {"--zdiff", "100.1", "--zcm", "25.025"},
                                   "Zcm must be more than Zdiff/4 (that is, Ze > Zo): Zcm 25.025 ohm is not more "
                                   "than Zdiff 100.1 ohm / 4 = 25.025 ohm"},
                    ImpossibleCase{"ZeBelowHalfOfZdiff", {"--zdiff", "200", "--ze", "90"},
                                   "Ze must be more than Zdiff/2 (that is, Ze > Zo): Ze 90 ohm is not more than "
                                   "Zdiff 200 ohm / 2 = 100 ohm"},
                    ImpossibleCase{"ZcmBelowHalfOfZo", {"--zcm", "40", "--zo", "100"},
                                   "Zcm must be more than Zo/2 (that is, Ze > Zo): Zcm 40 ohm is not more than "
                                   "Zo 100 ohm / 2 = 50 ohm"}),
    CaseName());

// The targets are checked before the solve starts: it writes no trace.
TEST(ImpossibleTargetsCheck, ComesBeforeAnyIteration)
{
    const auto dir = makeScratchDir();
    const auto file = dir / "trace.txt";
    const CliResult r = runWith({"shape", "--zdiff", "200", "--zcm", "40", "--trace", file.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::remove_all(dir);
}

// With the converged method the same words, before its solve too.
TEST(ImpossibleTargetsCheck, HoldsForTheConvergedMethod)
{
    const CliResult r = runWith({"shape", "--zdiff", "200", "--zcm", "40", "--method", "converged", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(jsonTextAt(r.out, "error").rfind("Zcm must be more than Zdiff/4", 0), 0u) << r.out;
}

// Each line gives ER; the targets stand for every line.
TEST(TargetsBatch, LinesGiveTheRest)
{
    const CliResult r = runWith({"shape", "--batch", "--zdiff", "100", "--zcm", "40"}, "1\n2.1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    const CliResult single = runWith({"shape", "80", "50", "2.1", "--json"});
    EXPECT_EQ(jsonNumberAt(lines[1], "sd"), jsonNumberAt(single.out, "sd"));
    EXPECT_EQ(jsonNumberAt(lines[1], "zdiff"), 100);
}

}  // namespace
