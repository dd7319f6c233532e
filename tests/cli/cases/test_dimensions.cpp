// The shape by its dimensions, and the dimensions of a shape, through the
// command line.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "NumberText.h"
#include "output/Json.h"
#include "SolverTexts.h"

namespace {

using Args = std::vector<std::string>;

Args with(Args args, const Args& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// One cable in several spellings of its dimensions, and its ratios by hand.
struct Spelling {
    const char* name;
    Args dimensions;
    double sd, dd;
};

class Dimensions : public testing::TestWithParam<Spelling> {};

// The dimensions give exactly the impedances of their ratios, and name the
// ratios among the results.
TEST_P(Dimensions, GiveTheImpedancesOfTheirRatios)
{
    const Spelling& c = GetParam();
    const CliResult byDimensions = runWith(with({"impedance", "2.1", "--json"}, c.dimensions));
    ASSERT_EQ(byDimensions.status, 0) << byDimensions.out << byDimensions.err;
    EXPECT_NEAR(jsonNumberAt(byDimensions.out, "sd"), c.sd, 1e-9 * c.sd);
    EXPECT_NEAR(jsonNumberAt(byDimensions.out, "dd"), c.dd, 1e-9 * c.dd);

    const CliResult byRatios = runWith({"impedance", formatShortest(jsonNumberAt(byDimensions.out, "sd")),
                                        formatShortest(jsonNumberAt(byDimensions.out, "dd")), "2.1", "--json"});
    ASSERT_EQ(byRatios.status, 0) << byRatios.err;
    EXPECT_EQ(jsonNumberAt(byDimensions.out, "ze"), jsonNumberAt(byRatios.out, "ze"));
    EXPECT_EQ(jsonNumberAt(byDimensions.out, "zo"), jsonNumberAt(byRatios.out, "zo"));
}

// S/D = 1.4 / 4.2 = 1/3 and D/d = 4.2 / 0.51 in every metric spelling; in
// inches 0.2 in / 10 mil = 20 and 0.1 in / 0.2 in = 0.5.
INSTANTIATE_TEST_SUITE_P(
    Cases, Dimensions,
    testing::Values(Spelling{"Millimetres", {"--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm"}, 1.0 / 3, 4.2 / 0.51},
                    Spelling{"BareNumbersAreMillimetres", {"--D", "4.2", "--S", "1.4", "--d", "0.51"}, 1.0 / 3,
                             4.2 / 0.51},
                    Spelling{"MixedMetricUnits", {"--D=0.0042m", "--S=1400um", "--d=510µm"}, 1.0 / 3, 4.2 / 0.51},
                    Spelling{"Inches", {"--D", "0.2in", "--S", "0.1in", "--d", "10mil"}, 0.5, 20},
                    // 0.127 mm x 92^(12/39) = 0.510559227 mm
                    Spelling{"Awg", {"--D", "4.2mm", "--S", "1.4mm", "--awg", "24"}, 1.0 / 3, 4.2 / 0.510559227}),
    CaseName());

// The text shows the ratios above the impedances, which keep their column.
TEST(DimensionsText, ShowTheRatiosAsAGroupOfTheirOwn)
{
    const CliResult r = runWith({"impedance", "--D", "0.2in", "--S", "0.1in", "--d", "10mil"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_GE(lines.size(), 4u) << r.out;
    EXPECT_EQ(lines[0], "S/D = 0.500");
    EXPECT_EQ(lines[1], "D/d = 20.000");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3].rfind("Ze    = ", 0), 0u) << r.out;
}

// Where the wire's size is known, D = D/d x d and S = S/D x D.
struct WireCase {
    const char* name;
    Args args;
};

class WireGivesDimensions : public testing::TestWithParam<WireCase> {};

TEST_P(WireGivesDimensions, AsTheRatiosScaleIt)
{
    const CliResult r = runWith(with(GetParam().args, {"--json"}));
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const double d = jsonNumberAt(r.out, "d");
    const double shield = jsonNumberAt(r.out, "D");
    EXPECT_NEAR(shield, jsonNumberAt(r.out, "dd") * d, 1e-12 * shield);
    EXPECT_NEAR(jsonNumberAt(r.out, "S"), jsonNumberAt(r.out, "sd") * shield, 1e-12 * shield);
}

INSTANTIATE_TEST_SUITE_P(Cases, WireGivesDimensions,
                         testing::Values(WireCase{"ImpedanceByRatios", {"impedance", "0.5", "10", "--d", "0.5mm"}},
                                         WireCase{"ImpedanceByAwg", {"impedance", "0.3", "5", "2.25", "--awg", "26"}},
                                         WireCase{"Shape", {"shape", "100", "50", "--d", "20mil"}},
                                         WireCase{"ConvergedShape",
                                                  {"shape", "100", "50", "--awg", "4/0", "--method", "converged"}}),
                         CaseName());

// 0.5 in wire: S/D 0.5 and D/d 10 make D = 5 in = 127 mm and S = 63.5 mm.
TEST(WireGivesDimensions, InMillimetresInText)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "--d", "0.5in", "--decimals", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_GE(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0], "D = 127.0 mm");
    EXPECT_EQ(lines[1], "S = 63.5 mm");
    EXPECT_EQ(lines[2], "");
}

// The shape mode's D and S follow its S/D and D/d in the same group; the
// shape found is S/D 0.5 and D/d 10 within the solve's width.
TEST(WireGivesDimensions, AfterTheRatiosInShapeMode)
{
    const CliResult r = runWith({"shape", "133.229", "107.426", "--d", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.out, std::regex("^S/D   = 0\\.500\nD/d   = 10\\.000\nD     = 10\\.00[0-9] mm\n"
                                                    "S     = 5\\.00[0-9] mm\nCount = [1-9][0-9]*\n\n")))
        << r.out;
}

// Each line of a batch gives ER; the dimensions stand for every line.
TEST(DimensionsBatch, LinesGiveTheRest)
{
    const CliResult r = runWith({"impedance", "--batch", "--D", "4.2", "--S", "1.4", "--d", "0.51"}, "1\n2.25\n3 4\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(jsonNumberAt(lines[0], "D"), 4.2);
    EXPECT_NEAR(jsonNumberAt(lines[0], "ze") / jsonNumberAt(lines[1], "ze"), 1.5, 1e-12);
    EXPECT_EQ(lines[2], R"({"line":3,"input":"3 4","error":"unexpected \"4\" after ER"})");
}

// A shape the dimensions describe can still fail the calculator's checks.
TEST(DimensionsCheck, CoresThatTouchFailTheCase)
{
    const CliResult r = runWith({"impedance", "--D", "4", "--S", "0.9", "--d", "1", "--english"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "duvane-calc: " + std::string(kCoresTooCloseText.english) + " - S (0.9 mm) must be more than d (1 mm)\n");
}

}  // namespace
