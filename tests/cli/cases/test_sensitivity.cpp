// duvane-calc sensitivity: derivatives of a cross-section's figures per
// unit of each input, checked against closed forms and symmetry.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"

namespace {

using Args = std::vector<std::string>;

// A member of a nested object: `key` inside the object `outer`.
double nestedNumber(const std::string& json, const std::string& outer, const std::string& key)
{
    const auto at = json.find("\"" + outer + "\":{");
    if (at == std::string::npos)
        return std::nan("");
    return jsonNumberAt(json.substr(at + outer.size() + 3), key);
}

// One dielectric fills the shield: every impedance goes as 1/sqrt(Er), so
// dZ/dEr = -Z/(2 Er) exactly.
TEST(Sensitivity, PermittivityMeetsTheClosedForm)
{
    const CliResult r = runWith({"sensitivity", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "2.1", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* figure : {"zdiff", "zcm"}) {
        const double z = nestedNumber(r.out, "nominal", figure);
        const double derivative = nestedNumber(r.out, "er", figure);
        const double error = nestedNumber(r.out, "er", std::string(figure) + "_error");
        EXPECT_NEAR(derivative, -z / (2 * 2.1), error + 1e-9 * z) << figure;
        EXPECT_LT(error, 1e-6 * z) << figure;
    }
    EXPECT_NEAR(nestedNumber(r.out, "er", "skew"), 0, 1e-6);
}

// Moving core 1 by dx away from core 2 lengthens S by dx and moves the
// pair's centre by dx/2; Zdiff and Zcm are even in the centre's move, so to
// first order the two derivatives are one.
TEST(Sensitivity, OffsetAlongThePairIsTheSpacing)
{
    const CliResult r = runWith({"sensitivity", "--D", "2.7mm", "--S", "1.15mm", "--awg", "26", "--sleeve", "1.1mm",
                                 "--er-sleeve", "foam-pe", "--offset", "0,0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The nominal and three for each of six lengths: within 20 solves.
    EXPECT_EQ(jsonNumberAt(r.out, "solves"), 19);
    for (const char* figure : {"zdiff", "zcm", "skew"}) {
        const double viaSpacing = nestedNumber(r.out, "S", figure);
        const double viaOffset = nestedNumber(r.out, "offset_x", figure);
        const double error = nestedNumber(r.out, "S", std::string(figure) + "_error") +
                             nestedNumber(r.out, "offset_x", std::string(figure) + "_error");
        EXPECT_NEAR(viaOffset, viaSpacing, error + 1e-6 * std::fabs(viaSpacing)) << figure;
        // Across the pair the figures are even in the move: no first order.
        EXPECT_NEAR(nestedNumber(r.out, "offset_y", figure), 0,
                    nestedNumber(r.out, "offset_y", std::string(figure) + "_error") + 1e-9)
            << figure;
    }
}

// Core 1's conductor moved inside its sleeve: across the pair the figures
// are even in the move (a mirror image); in a sleeve of the filler's Er,
// which is not there, the move is core 1's own (--offset).
TEST(Sensitivity, SleeveOffsetFollowsTheMirrorAndTheDielectric)
{
    const Args pair{"sensitivity", "--D", "2.7mm", "--S", "1.15mm", "--awg", "26", "--sleeve", "1.1mm",
                    "--sleeve-offset", "0,0", "--offset", "0,0", "--json", "--er-fill"};
    const CliResult sleeved = runWith([&] {
        Args a = pair;
        a.insert(a.end(), {"1.3", "--er-sleeve", "foam-pe"});
        return a;
    }());
    const CliResult invisible = runWith([&] {
        Args a = pair;
        a.insert(a.end(), {"1.3", "--er-sleeve", "1.3"});
        return a;
    }());
    ASSERT_EQ(sleeved.status, 0) << sleeved.err;
    ASSERT_EQ(invisible.status, 0) << invisible.err;
    const auto error = [](const CliResult& r, const char* input, const char* figure) {
        return nestedNumber(r.out, input, std::string(figure) + "_error");
    };
    for (const char* figure : {"zdiff", "zcm", "skew"}) {
        EXPECT_NEAR(nestedNumber(sleeved.out, "sleeve_offset_y", figure), 0,
                    error(sleeved, "sleeve_offset_y", figure) + 1e-9)
            << figure;
        for (const auto& [inSleeve, offset] : {std::pair{"sleeve_offset_x", "offset_x"}, {"sleeve_offset_y", "offset_y"}})
            EXPECT_NEAR(nestedNumber(invisible.out, inSleeve, figure), nestedNumber(invisible.out, offset, figure),
                        error(invisible, inSleeve, figure) + error(invisible, offset, figure) + 1e-9)
                << inSleeve << " " << figure;
    }
    EXPECT_GT(std::fabs(nestedNumber(sleeved.out, "sleeve_offset_x", "zdiff")),
              1e3 * error(sleeved, "sleeve_offset_x", "zdiff"));
}

// A symmetric pair converts nothing, and core 1 moved by h converts in
// proportion to h: |Scd21(h)| = h |dScd21/dx| to first order.
TEST(Sensitivity, ConversionGrowsWithTheOffsetAtItsSlope)
{
    const Args pair{"--D", "2.7mm", "--S", "1.15mm", "--awg", "26", "--sleeve", "1.1mm", "--er-sleeve", "foam-pe",
                    "--freq", "10GHz", "--json"};
    Args sensitivity{"sensitivity", "--offset", "0,0"};
    sensitivity.insert(sensitivity.end(), pair.begin(), pair.end());
    const CliResult slope = runWith(sensitivity);
    ASSERT_EQ(slope.status, 0) << slope.err;
    const double perMm = nestedNumber(slope.out, "offset_x", "scd21");
    EXPECT_GT(perMm, 0.1);
    EXPECT_LT(nestedNumber(slope.out, "offset_x", "scd21_error"), 1e-4 * perMm);
    for (const double h : {0.0005, 0.002}) {
        Args impedance{"impedance", "--offset", std::to_string(h) + "mm,0"};
        impedance.insert(impedance.end(), pair.begin(), pair.end());
        const CliResult moved = runWith(impedance);
        ASSERT_EQ(moved.status, 0) << moved.err;
        const double conversion = std::pow(10.0, jsonNumberAt(moved.out, "scd21") / 20);
        // The second order: a few percent of h at most for h well below the gaps.
        EXPECT_NEAR(conversion / (h * perMm), 1, 0.02) << h;
    }
}

TEST(Sensitivity, RanksTheInputsInText)
{
    const CliResult r = runWith({"sensitivity", "--D", "2.7mm", "--S", "1.15mm", "--d", "0.4mm", "--sleeve", "1.1mm",
                                 "--er-sleeve", "pe", "--english"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    // Header, a blank, the column titles, then the inputs by |dZdiff|: the
    // wire moves Zdiff most.
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[3].substr(0, 2), "d ");
}

struct Refusal {
    const char* name;
    Args args;
    const char* says;
};

const Refusal kRefusals[] = {
    {"NoSize", {"sensitivity", "0.5", "10"}, "needs the cross-section's size"},
    {"Batch", {"sensitivity", "--D", "4mm", "--S", "1.4mm", "--d", "0.5mm", "--batch"}, "not with --batch"},
    {"Csv", {"sensitivity", "--D", "4mm", "--S", "1.4mm", "--d", "0.5mm", "--csv"}, "not CSV"},
    {"Method", {"sensitivity", "--D", "4mm", "--S", "1.4mm", "--d", "0.5mm", "--method", "five-charge"},
     "--method applies to impedance or shape mode only"},
    {"ToleranceOption", {"sensitivity", "--D", "4mm", "--S", "1.4mm", "--d", "0.5mm", "--tol", "D=0.01"},
     "tolerance mode only"},
};

class SensitivityRefused : public testing::TestWithParam<Refusal> {};

TEST_P(SensitivityRefused, IsABadArgument)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, SensitivityRefused, testing::ValuesIn(kRefusals), CaseName{});

}  // namespace
