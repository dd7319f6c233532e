#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>

#include "CaseName.h"
#include "CliRun.h"
#include "NumberText.h"
#include "output/Json.h"
#include "SolverTexts.h"

namespace {

using Args = std::vector<std::string>;

struct OutputCase {
    const char* name;
    Args args;
    int status;
    std::string out;
    std::string err;
};

class FrontOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(FrontOutput, MatchesExactly)
{
    const OutputCase& c = GetParam();
    const CliResult r = runWith(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
}

// The per-length lines follow from the Ze and Zo above them by hand:
// C = sqrt(Er) / (c Z), L = sqrt(Er) Z / c, vf = 1 / sqrt(Er), delay =
// sqrt(Er) / c, with c = 299792458 m/s.
INSTANTIATE_TEST_SUITE_P(
    Impedance, FrontOutput,
    testing::Values(
        OutputCase{"Example", {"impedance", "0.5", "10"},
                   0,
                   "Ze    = 133.229 ohm\nZo    = 107.426 ohm\nZdiff = 214.851 ohm\nZcm   = 66.615 ohm\n\n"
                   "C even          = 25.037 pF/m\nC odd           = 31.051 pF/m\n"
                   "L even          = 444.404 nH/m\nL odd           = 358.334 nH/m\n"
                   "Velocity factor = 1.000\nDelay           = 3.336 ns/m\n",
                   ""},
        OutputCase{"Dielectric", {"impedance", "0.5", "10", "2.25"},
                   0,
                   "Ze    = 88.819 ohm\nZo    = 71.617 ohm\nZdiff = 143.234 ohm\nZcm   = 44.410 ohm\n\n"
                   "C even          = 56.333 pF/m\nC odd           = 69.864 pF/m\n"
                   "L even          = 444.404 nH/m\nL odd           = 358.334 nH/m\n"
                   "Velocity factor = 0.667\nDelay           = 5.003 ns/m\n",
                   ""},
        OutputCase{"NumberForms", {"impedance", " 5e-1 ", "1.0E+1", "4"},
                   0,
                   "Ze    = 66.615 ohm\nZo    = 53.713 ohm\nZdiff = 107.426 ohm\nZcm   = 33.307 ohm\n\n"
                   "C even          = 100.148 pF/m\nC odd           = 124.203 pF/m\n"
                   "L even          = 444.404 nH/m\nL odd           = 358.334 nH/m\n"
                   "Velocity factor = 0.500\nDelay           = 6.671 ns/m\n",
                   ""},
        OutputCase{"OneDecimal", {"impedance", "0.5", "10", "--decimals", "1"},
                   0,
                   "Ze    = 133.2 ohm\nZo    = 107.4 ohm\nZdiff = 214.9 ohm\nZcm   = 66.6 ohm\n\n"
                   "C even          = 25.0 pF/m\nC odd           = 31.1 pF/m\n"
                   "L even          = 444.4 nH/m\nL odd           = 358.3 nH/m\n"
                   "Velocity factor = 1.0\nDelay           = 3.3 ns/m\n",
                   ""},
        OutputCase{"FiveDecimals", {"impedance", "0.5", "10", "--decimals=5"},
                   0,
                   "Ze    = 133.22901 ohm\nZo    = 107.42574 ohm\nZdiff = 214.85148 ohm\nZcm   = 66.61451 ohm\n\n"
                   "C even          = 25.03690 pF/m\nC odd           = 31.05067 pF/m\n"
                   "L even          = 444.40415 nH/m\nL odd           = 358.33371 nH/m\n"
                   "Velocity factor = 1.00000\nDelay           = 3.33564 ns/m\n",
                   ""}),
    CaseName());

// Failures of the calculation: the solver's own text on stderr, status 1.
INSTANTIATE_TEST_SUITE_P(
    Failures, FrontOutput,
    testing::Values(
        OutputCase{"SdAboveLimit", {"impedance", "0.95", "10"}, 1, "", "duvane-calc: " + std::string(kSdAboveLimitText) + "\n"},
        OutputCase{"SdZero", {"impedance", "0", "1"}, 1, "", "duvane-calc: " + std::string(kSdNotPositiveText) + "\n"},
        OutputCase{"DdTwo", {"impedance", "0.5", "2"}, 1, "", "duvane-calc: " + std::string(kDdNotAboveTwoText) + "\n"},
        OutputCase{"ConductorsTouch", {"impedance", "0.25", "4"}, 1, "",
                   "duvane-calc: " + std::string(kCoresTooCloseText.japanese) + "\n"},
        OutputCase{"ConductorTouchesShield", {"impedance", "0.75", "4"}, 1, "",
                   "duvane-calc: " + std::string(kShieldTooSmallText.japanese) + "\n"},
        OutputCase{"ConductorsTouchEnglish", {"impedance", "0.25", "4", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kCoresTooCloseText.english) + "\n"},
        OutputCase{"ConductorTouchesShieldEnglish", {"impedance", "0.75", "4", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kShieldTooSmallText.english) + "\n"},
        OutputCase{"StartConductorsTouchEnglish", {"shape", "300", "10", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kShapeSolvePrefix) + std::string(kCoresTooCloseText.english) +
                       " - the converged model reaches these targets (S/D 0.0526507, D/d 19.2587): use --method converged\n"},
        OutputCase{"TrialTouchesShield", {"shape", "35.5", "24"}, 1, "",
                   "duvane-calc: " + std::string(kFailedOnTrialsPrefix.japanese) + std::string(kShieldTooSmallText.japanese) +
                       " - 収束解のモデルではこの目標に届きます（S/D 0.509004, D/d 2.56019）：--method converged を使って下さい\n"},
        OutputCase{"TrialTouchesShieldEnglish", {"shape", "35.5", "24", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kFailedOnTrialsPrefix.english) +
                       std::string(kShieldTooSmallText.english) +
                       " - the converged model reaches these targets (S/D 0.509004, D/d 2.56019): use --method converged\n"},
        OutputCase{"ZeroPivot", {"impedance", "0.20000000000000004", "5"}, 1, "",
                   "duvane-calc: " + zeroPivotText(4) + " - 連立方程式が特異になりました：この形状は５電荷の計算で扱える範囲を超えています。\n"},
        OutputCase{"OddCapacitanceInvalidEnglish", {"impedance", "0.25000000000000006", "4", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kOddCapacitanceInvalidText) + " - The five-charge calculation broke down: the "
                   "shape is beyond the calculator's reach.\n"},
        OutputCase{"GradientZeroPivotEnglish", {"shape", "2000", "1940", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kFailedOnDerivativesPrefix.english) + zeroPivotText(3) + " - The linear system became singular: the shape is "
                   "beyond the five-charge calculator's reach. - the converged model reaches these targets (S/D 0.337742, D/d 2.09801e+14): use --method converged\n"},
        OutputCase{"NoImprovementEnglish", {"shape", "133.229", "107.426", "--width", "1e-13", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kNoImprovementText.english) + " no trial step improved the solution; try a wider --width (or Ze "
                   "and Zo are beyond the calculator's reach) - the converged model reaches these targets (S/D 0.499999, D/d 10.0004): use --method converged\n"},
        OutputCase{"ErZero", {"impedance", "0.5", "10", "0"}, 1, "",
                   "duvane-calc: " + std::string(kErNotPositiveText.japanese) + "\n"},
        OutputCase{"ErNegative", {"impedance", "0.5", "10", "-2", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kErNotPositiveText.english) + "\n"},
        OutputCase{"ZeEqualsZo", {"shape", "100", "100"}, 1, "",
                   "duvane-calc: " + std::string(kZeNotAboveZoText.japanese) + "\n"},
        OutputCase{"ZeBelowZo", {"shape", "50", "100", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kZeNotAboveZoText.english) + "\n"},
        OutputCase{"SdAboveLimitInShape", {"shape", "100", "99.9", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kShapeSolvePrefix) + std::string(kSdAboveLimitText) + "\n"},
        OutputCase{"CountOverJapanese", {"shape", "133.229", "107.426", "--limit", "5"}, 1, "",
                   "duvane-calc: " + std::string(kCountOverText.japanese) + " - --limit を大きくするか、--width を広げて下さい。 - 収束解のモデルではこの目標に届きます（S/D 0.499993, D/d 10.0003）：--method converged を使って下さい\n"},
        OutputCase{"CountOverEnglish", {"shape", "133.229", "107.426", "--limit", "5", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kCountOverText.english) + " - raise --limit, or widen --width, to let the solve go on - the converged model reaches these targets (S/D 0.499993, D/d 10.0003): use --method converged\n"},
        OutputCase{"ShapeErZero", {"shape", "100", "50", "0", "--english"}, 1, "",
                   "duvane-calc: " + std::string(kErNotPositiveText.english) + "\n"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Answers, FrontOutput,
                         testing::Values(OutputCase{"Version", {"--version"}, 0, "duvane-calc 1.0.0\n", ""}),
                         CaseName());

struct LostOutputCase {
    const char* name;
    Args args;
    std::string input;
};

const LostOutputCase kLostOutputCases[] = {
    {"Text", {"impedance", "0.5", "10"}, ""},
    {"Json", {"impedance", "0.5", "10", "--json"}, ""},
    {"FailedCaseJson", {"impedance", "0.95", "10", "--json"}, ""},
    {"Batch", {"impedance", "--batch"}, "0.5 10\n0.3 5\n"},
    {"Csv", {"impedance", "0.5", "10", "--csv"}, ""},
    {"CsvSweep", {"impedance", "--sweep", "sd=0.3:0.7:0.1", "10", "--csv"}, ""},
    {"Help", {"--help"}, ""},
    {"Version", {"--version"}, ""},
};

// Whether the text is refused at once or only when it is flushed.
struct LostOutputRoom {
    const char* name;
    std::size_t room;
};

const LostOutputRoom kLostOutputRooms[] = {{"OnWrite", 0}, {"OnFlush", 1 << 16}};

class LostOutput : public testing::TestWithParam<std::tuple<LostOutputCase, LostOutputRoom>> {};

TEST_P(LostOutput, IsNotReportedAsSuccess)
{
    const auto& [c, room] = GetParam();
    FullDeviceBuffer buffer(room.room);
    std::ostream out(&buffer);
    std::istringstream in(c.input);
    std::ostringstream err;
    EXPECT_EQ(runCli(c.args, in, out, err), 1);
    EXPECT_EQ(err.str(), "duvane-calc: cannot write standard output\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, LostOutput,
                         testing::Combine(testing::ValuesIn(kLostOutputCases), testing::ValuesIn(kLostOutputRooms)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

TEST(FrontShape, FindsTheExampleShape)
{
    const CliResult r = runWith({"shape", "133.229", "107.426"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::regex_search(r.out, std::regex("^S/D   = 0\\.500\nD/d   = 10\\.000\nCount = [1-9][0-9]*\n\n")))
        << r.out;
}

// The Japanese text for a step that found no better shape gives the count,
// then the same advice as the English one.
TEST(FrontShape, NoImprovementInJapaneseGainsWords)
{
    const CliResult r = runWith({"shape", "133.229", "107.426", "--width", "1e-13"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(std::regex_search(r.err, std::regex("^duvane-calc: " + std::string(kNoImprovementText.japanese) + "[1-9][0-9]* - "
                                                   "改善する試行ステップがありませんでした：--width を広げて下さい"
                                                   "（または Ze と Zo が計算できる範囲外です）。")))
        << r.err;
}

struct FieldCase {
    const char* name;
    Args args;
    std::vector<std::string> keys;
};

class FrontJsonFields : public testing::TestWithParam<FieldCase> {};

TEST_P(FrontJsonFields, AreTheDocumentedOnes)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(jsonKeys(r.out), GetParam().keys) << r.out;
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one object on one line";
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrontJsonFields,
    testing::Values(
        FieldCase{"Impedance", {"impedance", "0.5", "10", "--json"},
                  {"sd", "dd", "er", "ze", "zo", "zdiff", "zcm", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay"}},
        FieldCase{"FailedImpedance", {"impedance", "0.95", "10", "--json"}, {"sd", "dd", "er", "error"}},
        FieldCase{"Shape", {"shape", "100", "50", "--json"},
                  {"ze", "zo", "er", "width", "limit", "sd", "dd", "count", "core_gap", "shield_gap", "ze_found", "zo_found", "zdiff_found", "zcm_found", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay"}},
        FieldCase{"FailedShape", {"shape", "50", "100", "--json"}, {"ze", "zo", "er", "width", "limit", "error"}},
        FieldCase{"ConvergedImpedance", {"impedance", "0.5", "10", "--method", "converged", "--json"},
                  {"sd", "dd", "er", "method", "ze", "zo", "zdiff", "zcm", "error_bound", "c_even", "c_odd", "l_even",
                   "l_odd", "vf", "delay", "c0_even", "c0_odd", "eps_eff_even", "eps_eff_odd", "vf_even", "vf_odd", "delay_even", "delay_odd", "skew", "c11", "c12", "l11", "l12"}},
        FieldCase{"Compare", {"impedance", "0.5", "10", "--compare", "--json"},
                  {"sd", "dd", "er", "ze", "zo", "zdiff", "zcm", "ze_converged", "zo_converged", "ze_deviation",
                   "zo_deviation", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay"}},
        FieldCase{"ConvergedShape", {"shape", "100", "50", "--method", "converged", "--json"},
                  {"ze", "zo", "er", "width", "limit", "method", "sd", "dd", "count", "core_gap", "shield_gap", "ze_found",
                   "zo_found", "zdiff_found", "zcm_found", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay",
                   "c0_even", "c0_odd", "eps_eff_even", "eps_eff_odd", "vf_even", "vf_odd", "delay_even", "delay_odd", "skew", "c11", "c12", "l11", "l12"}},
        FieldCase{"ImpedanceByDimensions", {"impedance", "--D", "4", "--S", "1", "--d", "0.5", "--json"},
                  {"D", "d", "S", "er", "sd", "dd", "ze", "zo", "zdiff", "zcm", "c_even", "c_odd", "l_even", "l_odd",
                   "vf", "delay", "r_dc"}},
        FieldCase{"ImpedanceByDimensionsAndAwg", {"impedance", "--D", "4", "--S", "1", "--awg", "24", "--json"},
                  {"D", "awg", "d", "S", "er", "sd", "dd", "ze", "zo", "zdiff", "zcm", "c_even", "c_odd", "l_even",
                   "l_odd", "vf", "delay", "r_dc"}},
        FieldCase{"ImpedanceWithTheWire", {"impedance", "0.5", "10", "--d", "0.5", "--json"},
                  {"sd", "dd", "d", "er", "D", "S", "ze", "zo", "zdiff", "zcm", "c_even", "c_odd", "l_even", "l_odd",
                   "vf", "delay", "r_dc"}},
        FieldCase{"ImpedanceWithLoss", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz", "--json"},
                  {"sd", "dd", "awg", "d", "er", "freq", "tand", "sigma", "D", "S", "ze", "zo", "zdiff", "zcm",
                   "c_even", "c_odd", "l_even", "l_odd", "vf", "delay", "alpha_diff", "alpha_cm", "alpha_d",
                   "alpha_c_diff", "alpha_c_cm", "alpha_d_diff", "alpha_d_cm", "skin_depth", "r_dc"}},
        FieldCase{"ShapeByTargets", {"shape", "--zdiff", "100", "--zcm", "40", "--json"},
                  {"zdiff", "zcm", "er", "width", "limit", "sd", "dd", "count", "core_gap", "shield_gap", "ze_found", "zo_found", "zdiff_found", "zcm_found", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay"}},
        FieldCase{"ShapeByTargetsFailing", {"shape", "--zdiff", "200", "--zcm", "40", "--json"},
                  {"zdiff", "zcm", "er", "width", "limit", "error"}},
        FieldCase{"ShapeWithTheWire", {"shape", "100", "50", "--awg", "24", "--json"},
                  {"ze", "zo", "awg", "d", "er", "width", "limit", "sd", "dd", "D", "S", "count", "core_gap",
                   "shield_gap", "core_gap_length", "shield_gap_length", "ze_found", "zo_found", "zdiff_found",
                   "zcm_found", "c_even", "c_odd", "l_even", "l_odd", "vf", "delay", "r_dc"}}),
    CaseName());

// JSON is for programs: a solved case reads the same whatever the language
// of the messages.
TEST(FrontJson, SolvedShapeIsTheSameInEitherLanguage)
{
    const CliResult japanese = runWith({"shape", "80", "45", "2", "--json"});
    ASSERT_EQ(japanese.status, 0) << japanese.out;
    EXPECT_EQ(runWith({"shape", "80", "45", "2", "--json", "--english"}).out, japanese.out);
}

TEST(FrontJson, CarriesFullPrecision)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "2.25", "--json", "--decimals", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(jsonNumberAt(r.out, "sd"), 0.5);
    EXPECT_EQ(jsonNumberAt(r.out, "er"), 2.25);
    const double ze = jsonNumberAt(r.out, "ze");
    const double zo = jsonNumberAt(r.out, "zo");
    EXPECT_NEAR(ze, 133.22901 / 1.5, 1e-5);
    EXPECT_NEAR(zo, 107.42574 / 1.5, 1e-5);
    EXPECT_EQ(jsonNumberAt(r.out, "zdiff"), 2 * zo);
    EXPECT_EQ(jsonNumberAt(r.out, "zcm"), ze / 2);
}

TEST(FrontJson, FailureStatusWithErrorOnStdout)
{
    const CliResult r = runWith({"shape", "50", "100", "--json", "--english"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, R"({"ze":50,"zo":100,"er":1,"width":0.01,"limit":1000,"error":")" + std::string(kZeNotAboveZoText.english) + R"("})"
                     "\n");
}

struct IntegerField {
    const char* name;
    Args args;
    std::string input;
    std::string member;  // as it must stand in the output
};

// Comment lines up to line 99999, then a case.
std::string caseOnLine100000()
{
    std::string input;
    for (int line = 1; line < 100000; ++line)
        input += "#\n";
    return input + "0.5 10\n";
}

class FrontJsonIntegers : public testing::TestWithParam<IntegerField> {};

TEST_P(FrontJsonIntegers, HaveNoExponent)
{
    const CliResult r = runWith(GetParam().args, GetParam().input);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(GetParam().member), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrontJsonIntegers,
    testing::Values(
        IntegerField{"Line", {"impedance", "--batch"}, caseOnLine100000(), R"({"line":100000,)"},
        IntegerField{"Limit", {"shape", "133.229", "107.426", "--limit", "100000", "--json"}, "", R"("limit":100000,)"},
        IntegerField{"LimitInBatch", {"shape", "--batch", "--limit=100000"}, "133.229 107.426\n",
                     R"("limit":100000,)"}),
    CaseName());

// The count is the solver's own: the solve needs exactly that limit.
TEST(FrontShape, CountIsTheLimitTheSolveNeeds)
{
    const CliResult free = runWith({"shape", "80", "45", "2", "--json"});
    ASSERT_EQ(free.status, 0);
    const double count = jsonNumberAt(free.out, "count");
    ASSERT_GT(count, 1);

    const std::string limit = std::to_string(static_cast<int>(count));
    const CliResult atLimit = runWith({"shape", "80", "45", "2", "--json", "--limit", limit});
    EXPECT_EQ(atLimit.status, 0);
    EXPECT_EQ(jsonNumberAt(atLimit.out, "count"), count);

    const std::string below = std::to_string(static_cast<int>(count) - 1);
    const CliResult belowLimit = runWith({"shape", "80", "45", "2", "--json", "--limit", below, "--english"});
    EXPECT_EQ(belowLimit.status, 1);
    EXPECT_EQ(jsonTextAt(belowLimit.out, "error").rfind(std::string(kCountOverText.english) + " - raise --limit", 0), 0u);
}

// The found shape gives back the wanted impedances to within the width,
// which applies for Er = 1, so in the dielectric to within width / sqrt(Er).
TEST(FrontShape, ShapeGivesBackTheWantedImpedances)
{
    const CliResult shape = runWith({"shape", "60", "40", "4", "--json", "--width", "0.01", "--english"});
    ASSERT_EQ(shape.status, 0) << shape.out;

    Args forward{"impedance", formatShortest(jsonNumberAt(shape.out, "sd")), formatShortest(jsonNumberAt(shape.out, "dd")),
                 "4", "--json"};
    const CliResult impedance = runWith(forward);
    ASSERT_EQ(impedance.status, 0) << impedance.err;
    EXPECT_NEAR(jsonNumberAt(impedance.out, "ze"), 60, 0.005);
    EXPECT_NEAR(jsonNumberAt(impedance.out, "zo"), 40, 0.005);
}

class FrontTrace : public testing::Test {
protected:
    void SetUp() override { dir_ = makeScratchDir(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

// One line per trial step after the three header lines; the count shown is
// one more than the number of trial steps.
TEST_F(FrontTrace, WritesOneLinePerTrial)
{
    const auto file = dir_ / "trace.txt";
    const CliResult r = runWith({"shape", "100", "50", "--json", "--trace", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "mZeE=\t100.00000");
    EXPECT_EQ(lines[1], "mZoE=\t50.00000");
    EXPECT_EQ(lines[2].rfind("mZeS=\tmZoS=", 0), 0u);
    EXPECT_EQ(static_cast<double>(lines.size() - 3), jsonNumberAt(r.out, "count") - 1);
}

// A trace file that cannot be written, given the folder of the test.
struct UnwritableTrace {
    const char* name;
    std::filesystem::path (*file)(const std::filesystem::path& dir);
    bool isDevice;  // the machine may lack it
};

class FrontTraceUnwritable : public FrontTrace, public testing::WithParamInterface<UnwritableTrace> {};

TEST_P(FrontTraceUnwritable, IsReportedBesideTheResults)
{
    const auto file = GetParam().file(dir_);
    if (GetParam().isDevice && !std::filesystem::exists(file))
        GTEST_SKIP() << file << " is not on this machine";
    const CliResult r = runWith({"shape", "100", "50", "--trace", file.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("S/D   = 0.", 0), 0u) << r.out;
    EXPECT_EQ(r.err, "duvane-calc: cannot write the trace file \"" + file.string() + "\"\n");
}

TEST_F(FrontTrace, UnwritableFileNameIsShownEscaped)
{
    const auto file = dir_ / "missing" / "a\nb";
    const CliResult r = runWith({"shape", "100", "50", "--trace", file.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "duvane-calc: cannot write the trace file \"" + (dir_ / "missing").string() + "/a\\nb\"\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrontTraceUnwritable,
    testing::Values(
        // The file cannot be opened.
        UnwritableTrace{"MissingFolder",
                        [](const std::filesystem::path& dir) { return dir / "missing" / "trace.txt"; }, false},
        // The file opens, but no line of it can be written: a full disk.
        UnwritableTrace{"FullDisk", [](const std::filesystem::path&) { return std::filesystem::path("/dev/full"); },
                        true}),
    CaseName());

TEST_F(FrontTrace, FailedCheckLeavesNoFile)
{
    const auto file = dir_ / "trace.txt";
    EXPECT_EQ(runWith({"shape", "50", "100", "--trace", file.string()}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A locale with a decimal comma must change neither parsing nor output.
class FrontCommaLocale : public testing::Test {
protected:
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }

    static bool useCommaLocale()
    {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
            return false;
        std::locale::global(std::locale("de_DE.UTF-8"));
        return true;
    }
};

TEST_F(FrontCommaLocale, OutputAndParsingStayTheSame)
{
    const std::vector<std::pair<Args, std::string>> runs = {
        {{"impedance", "0.5", "10", "2.25"}, ""},
        {{"impedance", "0.5", "10", "--json"}, ""},
        {{"shape", "100", "50", "1.5", "--decimals", "5"}, ""},
        {{"shape", "100", "50", "1.5", "--json", "--width", "0.1"}, ""},
        {{"impedance", "--batch"}, "0.5, 10, 2.25\n0.3 5\n"},
        {{"impedance", "0,5", "10"}, ""},
    };
    std::vector<CliResult> classic;
    for (const auto& [args, input] : runs)
        classic.push_back(runWith(args, input));

    if (!useCommaLocale())
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const CliResult comma = runWith(runs[i].first, runs[i].second);
        EXPECT_EQ(comma.status, classic[i].status) << i;
        EXPECT_EQ(comma.out, classic[i].out) << i;
        EXPECT_EQ(comma.err, classic[i].err) << i;
    }
    EXPECT_EQ(linesOf(classic[0].out)[0], "Ze    = 88.819 ohm");
    EXPECT_EQ(linesOf(classic[0].out)[5], "C even          = 56.333 pF/m");
    EXPECT_EQ(classic[5].status, 2);
}

}  // namespace
