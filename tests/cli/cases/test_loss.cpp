// The loss at a frequency, through the command line, against hand
// calculations.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "SolverTexts.h"

namespace {

using Args = std::vector<std::string>;

const double kDecibelsPerNeper = 20 / std::numbers::ln10;
const double kMu0 = 4e-7 * std::numbers::pi;  // H/m, within 1e-9 of CODATA's
constexpr double kCopper = 5.8e7;             // S/m

// alpha_d = pi f sqrt(Er) tan(delta) / c nepers per metre: at 1 GHz, Er 2.25,
// tan(delta) 0.0002, pi 1e9 1.5 2e-4 / 299792458 = 3.14376e-3 Np/m =
// 0.0273064 dB/m. Copper's skin depth at 1 GHz, 1 / sqrt(pi f mu0 sigma), is
// 2.0899 um.
TEST(Loss, DielectricPartAndSkinDepthFollowTheHandCalculation)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "2.25", "--awg", "24", "--freq", "1GHz", "--tand",
                                 "0.0002", "--json"});
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NEAR(jsonNumberAt(r.out, "alpha_d"), 0.0273064, 1e-7);
    EXPECT_NEAR(jsonNumberAt(r.out, "skin_depth"), 2.0899, 1e-4);
    EXPECT_EQ(jsonNumberAt(r.out, "freq"), 1e9);
    EXPECT_EQ(jsonNumberAt(r.out, "tand"), 0.0002);
    EXPECT_EQ(jsonNumberAt(r.out, "sigma"), kCopper) << "copper unless --sigma says otherwise";
}

// Two thin wires far inside a wide shield (S = 100 d, the shield 950 d from
// each): by hand each wire has R = Rs / (pi d) (S/d) / sqrt((S/d)^2 - 1)
// with Rs = sqrt(pi f mu0 / sigma) where the skin depth is small, a round
// wire's resistance exceeds that by the factor 1 + delta/(2 r) + O((delta/r)^2)
// (the asymptotic series of its internal impedance, Schelkunoff 1934), and
// the differential mode loses R / (2 Zo) nepers per metre. delta/r is 0.044
// here: the hand figure holds to about (delta/r)^2, 2e-3.
TEST(Loss, DifferentialModeOfThinWiresFollowsTheHandCalculation)
{
    // At 900 MHz: the shield, 200 mm across, leaves the line a TEM line up to 0.95 GHz.
    const CliResult r = runWith({"impedance", "0.05", "2000", "--d", "0.1mm", "--freq", "900MHz", "--json"});
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const double rs = std::sqrt(std::numbers::pi * 9e8 * kMu0 / kCopper);
    const double d = 1e-4, x = 100;
    const double depth = 1 / std::sqrt(std::numbers::pi * 9e8 * kMu0 * kCopper);
    const double perWire = rs / (std::numbers::pi * d) * x / std::sqrt(x * x - 1) * (1 + depth / d);
    const double expected = kDecibelsPerNeper * perWire / (2 * jsonNumberAt(r.out, "zo"));
    EXPECT_NEAR(jsonNumberAt(r.out, "alpha_diff"), expected, 2e-3 * expected);
    EXPECT_EQ(jsonNumberAt(r.out, "alpha_d"), 0) << "no loss tangent, no dielectric loss";
}

double jsonAt(const Args& args, const char* key)
{
    const CliResult r = runWith(args);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    return jsonNumberAt(r.out, key);
}

Args cable(const Args& more)
{
    Args args{"impedance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "2.1", "--json"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Both modes' totals are the conductors' loss plus the dielectric's, to
// first order in the losses; each part is its loss alone, and one
// dielectric gives both modes the same dielectric part.
TEST(Loss, TotalsAddTheDielectricPartToTheConductors)
{
    const Args lossy = cable({"--freq", "1GHz", "--tand", "0.001"});
    const double dielectric = jsonAt(lossy, "alpha_d");
    EXPECT_GT(dielectric, 0);
    for (const std::string mode : {"diff", "cm"}) {
        const double conductors = jsonAt(cable({"--freq", "1GHz"}), ("alpha_" + mode).c_str());
        EXPECT_GT(conductors, 0) << mode;
        EXPECT_EQ(jsonAt(lossy, ("alpha_c_" + mode).c_str()), conductors) << mode;
        EXPECT_NEAR(jsonAt(lossy, ("alpha_d_" + mode).c_str()), dielectric, 1e-9 * dielectric) << mode;
        EXPECT_NEAR(jsonAt(lossy, ("alpha_" + mode).c_str()), conductors + dielectric, 1e-3 * (conductors + dielectric))
            << mode;
    }
}

// The skin depth goes as 1 / sqrt(f sigma): a quarter of the conductivity
// doubles it, and so does a quarter of the frequency.
TEST(Loss, SkinDepthFollowsConductivityAndFrequency)
{
    const double copper = jsonAt(cable({"--freq", "4GHz"}), "skin_depth");
    EXPECT_NEAR(jsonAt(cable({"--freq", "4GHz", "--sigma", "1.45e7"}), "skin_depth"), 2 * copper, 1e-9);
    EXPECT_NEAR(jsonAt(cable({"--freq", "1GHz"}), "skin_depth"), 2 * copper, 1e-9);
}

struct FrequencySpelling {
    const char* name;
    const char* text;
};

class LossFrequency : public testing::TestWithParam<FrequencySpelling> {};

TEST_P(LossFrequency, ReadsEveryUnit)
{
    EXPECT_EQ(jsonAt(cable({"--freq", GetParam().text}), "alpha_diff"),
              jsonAt(cable({"--freq", "1GHz"}), "alpha_diff"));
}

INSTANTIATE_TEST_SUITE_P(Cases, LossFrequency,
                         testing::Values(FrequencySpelling{"MHz", "1000MHz"}, FrequencySpelling{"KHz", "1e6kHz"},
                                         FrequencySpelling{"Hz", "1e9Hz"}, FrequencySpelling{"BareIsHz", "1e9"}),
                         CaseName());

// The loss is the converged model's whatever the method of the impedances.
TEST(Loss, IsTheConvergedModelsWhateverTheMethod)
{
    for (const char* key : {"alpha_diff", "alpha_cm", "skin_depth"})
        EXPECT_EQ(jsonAt(cable({"--freq", "1GHz", "--method", "converged"}), key),
                  jsonAt(cable({"--freq", "1GHz"}), key))
            << key;
}

// A loss that cannot be had fails its case, with the reason.
struct UnreachableCase {
    const char* name;
    Args args;
    std::string error;  // the start of it
};

class LossBeyondReach : public testing::TestWithParam<UnreachableCase> {};

// The impedances do not depend on the frequency: they stand, the loss does
// not, and its reason fails the case.
TEST_P(LossBeyondReach, FailsTheCaseButKeepsTheImpedances)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Zdiff ="), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Loss"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(std::string("duvane-calc: ") + GetParam().error), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LossBeyondReach,
    testing::Values(
        // The five charges calculate the cores 0.0088 r apart, the field solver does not.
        UnreachableCase{"GapTooNarrow", {"impedance", "0.2511", "4", "--awg", "24", "--freq", "1GHz"},
                        std::string(kLossPrefix) + "Gap too narrow for the field solver"},
        // At 1 kHz copper's skin depth is 2 mm, far beyond a quarter of the radius.
        UnreachableCase{"SkinDepthTooLarge", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1kHz"},
                        std::string(kLossPrefix) + "the skin depth (2089.81 um) is not small against the core radius"},
        // 1e308 Hz once gave a loss of -nan, 1e38 Hz a loss of 0: the shield,
        // 5.1 mm across, is a TEM line up to 34 GHz only.
        UnreachableCase{"FarAboveTheTemLimit", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1e308"},
                        std::string(kLossPrefix) + "the frequency 1e+299 GHz is above this cross-section's "
                                                   "single-mode limit, 33.983 GHz"},
        UnreachableCase{"AboveTheTemLimit", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1e38"},
                        std::string(kLossPrefix) + "the frequency 1e+29 GHz is above"}),
    CaseName());

TEST(LossBeyondReach, IsAnErrorOfItsCaseInABatch)
{
    const CliResult r = runWith({"impedance", "--batch", "--awg", "24", "--freq", "1GHz"}, "0.5 10\n0.2511 4\n");
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_GT(jsonNumberAt(lines[0], "alpha_diff"), 0);
    EXPECT_EQ(jsonTextAt(lines[1], "error").rfind(std::string(kLossPrefix) + "Gap too narrow", 0), 0u) << lines[1];
}

// A sweep over frequency whose low end the loss cannot reach: the row keeps
// the impedances, which do not depend on the frequency, and only the loss's
// columns stay empty, its reason in the error column.
TEST(LossBeyondReach, KeepsTheImpedancesInASweepRow)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "--awg", "24", "--sweep", "freq=1kHz,1GHz", "--csv"});
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    const std::vector<std::string> header = csvFields(lines[0]);
    const std::vector<std::string> refused = csvFields(lines[1]);
    const std::vector<std::string> reached = csvFields(lines[2]);
    const auto column = [&](std::string_view name) {
        return static_cast<std::size_t>(std::ranges::find(header, name) - header.begin());
    };
    for (const char* name : {"ze_ohm", "zo_ohm", "zdiff_ohm", "zcm_ohm", "c_odd_pF_per_m"})
        EXPECT_EQ(refused.at(column(name)), reached.at(column(name))) << name;
    EXPECT_EQ(refused.at(column("alpha_diff_dB_per_m")), "");
    EXPECT_NE(reached.at(column("alpha_diff_dB_per_m")), "");
    EXPECT_EQ(refused.back().rfind(std::string(kLossPrefix), 0), 0u) << lines[1];
    EXPECT_EQ(reached.back(), "");
}

// In text, below the per-length quantities, with units.
TEST(LossText, ReadableLabelsWithUnits)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "2.25", "--awg", "24", "--freq", "1GHz", "--tand",
                                 "0.0002", "--decimals", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    // D and S, the impedances, the per-length quantities, then the loss.
    ASSERT_EQ(lines.size(), 24u) << r.out;
    EXPECT_TRUE(std::regex_match(lines[14], std::regex("Loss diff            = 0\\.[0-9]{4} dB/m"))) << lines[14];
    EXPECT_TRUE(std::regex_match(lines[15], std::regex("Loss cm              = 0\\.[0-9]{4} dB/m"))) << lines[15];
    EXPECT_EQ(lines[16], "Loss dielectric      = 0.0273 dB/m");
    EXPECT_TRUE(std::regex_match(lines[17], std::regex("Loss diff conductors = 0\\.[0-9]{4} dB/m"))) << lines[17];
    EXPECT_EQ(lines[21], "Skin depth           = 2.0898 um");
    // 1 / (5.8e7 S/m x pi/4 x (0.51056 mm)^2), 24 AWG of copper.
    EXPECT_EQ(lines[23], "R dc = 84.2151 mohm/m");
}

}  // namespace
