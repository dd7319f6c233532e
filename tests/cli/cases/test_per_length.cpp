// Per-length quantities of every impedance result, through the command
// line, against hand calculations.

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"

namespace {

using Args = std::vector<std::string>;

// The 50 ohm line in PTFE (Er 2.1), by hand with c = 299792458 m/s:
// C = sqrt(2.1) / (c 50 ohm) = 96.676 pF/m, L = sqrt(2.1) 50 ohm / c =
// 241.690 nH/m, delay = sqrt(2.1) / c = 4.83380 ns/m, vf = 1 / sqrt(2.1) =
// 0.690066. A line of impedance Z has C x 50 ohm / Z and L x Z / 50 ohm.
constexpr double kC50 = 96.676, kL50 = 241.690, kDelay = 4.83380, kVf = 0.690066;

struct ShapeCase {
    const char* name;
    Args args;  // an impedance case in PTFE
};

class PerLengthInPtfe : public testing::TestWithParam<ShapeCase> {};

TEST_P(PerLengthInPtfe, FollowTheHandCalculationForEachMode)
{
    const CliResult r = runWith(GetParam().args);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const double ze = jsonNumberAt(r.out, "ze");
    const double zo = jsonNumberAt(r.out, "zo");
    EXPECT_NEAR(jsonNumberAt(r.out, "c_even"), kC50 * 50 / ze, 1e-5 * kC50 * 50 / ze);
    EXPECT_NEAR(jsonNumberAt(r.out, "c_odd"), kC50 * 50 / zo, 1e-5 * kC50 * 50 / zo);
    EXPECT_NEAR(jsonNumberAt(r.out, "l_even"), kL50 * ze / 50, 1e-5 * kL50 * ze / 50);
    EXPECT_NEAR(jsonNumberAt(r.out, "l_odd"), kL50 * zo / 50, 1e-5 * kL50 * zo / 50);
    EXPECT_NEAR(jsonNumberAt(r.out, "delay"), kDelay, 1e-5);
    EXPECT_NEAR(jsonNumberAt(r.out, "vf"), kVf, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PerLengthInPtfe,
    testing::Values(ShapeCase{"FiveCharge", {"impedance", "0.5", "10", "2.1", "--json"}},
                    ShapeCase{"CoresNear", {"impedance", "0.3", "4", "2.1", "--json"}},
                    ShapeCase{"Converged", {"impedance", "0.5", "10", "2.1", "--json", "--method", "converged"}},
                    ShapeCase{"Compared", {"impedance", "0.3", "4", "2.1", "--json", "--compare"}},
                    ShapeCase{"ByDimensions", {"impedance", "--D=4.2", "--S=1.4", "--awg=24", "2.1", "--json"}}),
    CaseName());

TEST(PerLengthInPtfe, HoldInBatchLines)
{
    const CliResult r = runWith({"impedance", "--batch"}, "0.5 10 2.1\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_NEAR(jsonNumberAt(r.out, "delay"), kDelay, 1e-5);
    EXPECT_NEAR(jsonNumberAt(r.out, "c_odd"), kC50 * 50 / jsonNumberAt(r.out, "zo"), 1e-4);
}

// In text, a group of its own below the impedances, each value with its unit.
TEST(PerLengthText, ReadableLabelsWithUnits)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "2.1", "--method", "converged"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 25u) << r.out;
    EXPECT_EQ(lines[5], "");
    // The converged solution gives each mode's figures and the matrices too.
    const char* patterns[] = {"C even          = [0-9]+\\.[0-9]{3} pF/m", "C odd           = [0-9]+\\.[0-9]{3} pF/m",
                              "L even          = [0-9]+\\.[0-9]{3} nH/m", "L odd           = [0-9]+\\.[0-9]{3} nH/m",
                              "Velocity factor = 0\\.690",                 "Delay           = 4\\.834 ns/m",
                              "C0 even         = [0-9]+\\.[0-9]{3} pF/m", "C0 odd          = [0-9]+\\.[0-9]{3} pF/m",
                              "Er eff even     = 2\\.100",                 "Er eff odd      = 2\\.100",
                              "VF even         = 0\\.690",                 "VF odd          = 0\\.690",
                              "Delay even      = 4\\.834 ns/m",            "Delay odd       = 4\\.834 ns/m",
                              "Skew            = 0\\.000 ps/m",            "C11             = [0-9]+\\.[0-9]{3} pF/m",
                              "C12             = -[0-9]+\\.[0-9]{3} pF/m", "L11             = [0-9]+\\.[0-9]{3} nH/m",
                              "L12             = [0-9]+\\.[0-9]{3} nH/m"};
    for (std::size_t i = 0; i < std::size(patterns); ++i)
        EXPECT_TRUE(std::regex_match(lines[6 + i], std::regex(patterns[i]))) << lines[6 + i];
}

struct BasisCase {
    const char* name;
    const char* per;
    double metres;       // in one unit of it
    const char* suffix;  // of the CSV columns
};

class PerLengthBasis : public testing::TestWithParam<BasisCase> {};

// --per scales every per-length result and renames its unit; the rest stays.
TEST_P(PerLengthBasis, ScalesEveryPerLengthResultAndNamesIt)
{
    const BasisCase& c = GetParam();
    const Args base{"impedance", "0.5", "10", "2.1", "--awg", "24", "--freq", "1GHz", "--tand", "0.0002"};
    Args perBasis = base;
    perBasis.insert(perBasis.end(), {"--per", c.per});
    Args json = base, jsonPer = perBasis;
    json.push_back("--json");
    jsonPer.push_back("--json");
    const CliResult metre = runWith(json), scaled = runWith(jsonPer);
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    for (const char* key : {"c_even", "c_odd", "l_even", "l_odd", "delay", "alpha_diff", "alpha_cm", "alpha_d"})
        EXPECT_NEAR(jsonNumberAt(scaled.out, key), jsonNumberAt(metre.out, key) * c.metres,
                    1e-12 * jsonNumberAt(scaled.out, key))
            << key;
    for (const char* key : {"ze", "zo", "vf", "skin_depth"})
        EXPECT_EQ(jsonNumberAt(scaled.out, key), jsonNumberAt(metre.out, key)) << key;

    perBasis.push_back("--csv");
    const std::string header = linesOf(runWith(perBasis).out).at(0);
    for (const char* column : {"c_even_pF_per_", "l_odd_nH_per_", "delay_ns_per_", "alpha_d_dB_per_"})
        EXPECT_NE(header.find(std::string(column) + c.suffix + ","), std::string::npos) << header;
    perBasis.pop_back();
    EXPECT_NE(runWith(perBasis).out.find(std::string(" dB/") + c.per + "\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, PerLengthBasis,
                         testing::Values(BasisCase{"Metre", "m", 1, "m"}, BasisCase{"Kilometre", "km", 1000, "km"},
                                         BasisCase{"Foot", "ft", 0.3048, "ft"},
                                         BasisCase{"HundredMetres", "100m", 100, "100m"},
                                         BasisCase{"HundredFeet", "100ft", 30.48, "100ft"}),
                         CaseName());

}  // namespace
