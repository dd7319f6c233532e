// duvane-calc tolerance: the draws, the yield and its interval, and that a
// seed gives the same samples whatever the threads.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "cases/Tolerance.h"

namespace {

using Args = std::vector<std::string>;

// The draws: the sample moments of 200,000 normal draws within five of their
// standard errors of 0 and 1, the uniform ones inside (0, 1).
TEST(ToleranceDraws, AreStandardNormalAndUniform)
{
    constexpr int kCount = 200'000;
    double sum = 0, squares = 0;
    for (int i = 0; i < kCount; ++i) {
        const double x = normalDraw(7, static_cast<std::uint64_t>(i), 0);
        sum += x;
        squares += x * x;
        const double u = uniformDraw(7, static_cast<std::uint64_t>(i), 3);
        ASSERT_GT(u, 0);
        ASSERT_LT(u, 1);
    }
    EXPECT_NEAR(sum / kCount, 0, 5 / std::sqrt(kCount));
    EXPECT_NEAR(squares / kCount, 1, 5 * std::sqrt(2.0 / kCount));
    EXPECT_NE(normalDraw(7, 0, 0), normalDraw(8, 0, 0));
}

// The Wilson score interval, worked by hand from its formula:
// p = 0.9, n = 100, z = 1.96: centre 0.8852, half 0.0596.
TEST(ToleranceYield, WilsonIntervalMeetsTheFormula)
{
    const auto [low, high] = wilsonInterval(90, 100);
    EXPECT_NEAR(low, 0.82564, 1e-4);
    EXPECT_NEAR(high, 0.94477, 1e-4);
    const auto [none, someHigh] = wilsonInterval(0, 50);
    EXPECT_EQ(none, 0);
    EXPECT_NEAR(someHigh, 0.07135, 1e-4);
}

const Args kFilled{"tolerance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "2.1"};

Args filledWith(Args more)
{
    Args args = kFilled;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// One normal input and a response that is linear over its spread: Er of
// 2.1 with sigma 0.002 moves Zdiff by -Zdiff/(2 Er) per unit (the square
// root's slope; its curvature is 1e-6 of Zdiff at 1 sigma), so a window of
// +-a about the nominal Zdiff passes 2 Phi(a / (sigma |slope|)) - 1 of the
// cables. With a at one such sigma that is 68.27 %; 20,000 samples put it
// within 1 % (three standard errors).
TEST(ToleranceYield, MeetsTheClosedFormForOneNormalInput)
{
    const CliResult nominal = runWith({"impedance", "--D", "4.2mm", "--S", "1.4mm", "--d", "0.51mm", "2.1",
                                       "--method", "converged", "--json"});
    ASSERT_EQ(nominal.status, 0) << nominal.err;
    const double z = jsonNumberAt(nominal.out, "zdiff");
    const double spread = 0.002 * z / (2 * 2.1);
    const std::string window = std::to_string(z - spread) + ":" + std::to_string(z + spread);
    const CliResult r = runWith(filledWith({"--tol", "er=0.002", "--samples", "20000", "--zdiff-window", window,
                                            "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const double expected = std::erf(1 / std::numbers::sqrt2);
    EXPECT_NEAR(jsonNumberAt(r.out, "yield"), expected, 3 * std::sqrt(expected * (1 - expected) / 20000));
    EXPECT_LE(jsonNumberAt(r.out, "yield_low"), jsonNumberAt(r.out, "yield"));
    EXPECT_GE(jsonNumberAt(r.out, "yield_high"), jsonNumberAt(r.out, "yield"));
}

// The samples are the seed's, not the threads': byte for byte.
TEST(ToleranceSamples, SameSeedSameSamplesOnAnyThreadCount)
{
    const Args run = filledWith({"--tol", "D=0.01mm", "--tol", "offset=+-0.01mm", "--samples", "60", "--seed",
                                 "42", "--freq", "5GHz", "--csv"});
    Args one = run, three = run;
    one.insert(one.end(), {"--threads", "1"});
    three.insert(three.end(), {"--threads", "3"});
    const CliResult a = runWith(one), b = runWith(three);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(linesOf(a.out).size(), 61u);
    Args other = one;
    other[other.size() - 6] = "43";  // --seed
    EXPECT_NE(runWith(other).out, a.out);
}

TEST(ToleranceSamples, UniformDrawsStayInTheirWidth)
{
    const CliResult r = runWith(filledWith({"--tol", "D=±0.05mm", "--samples", "200", "--csv"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    EXPECT_EQ(lines[0].substr(0, 12), "sample,D_mm,");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string field = lines[i].substr(lines[i].find(',') + 1);
        const double d = std::stod(field.substr(0, field.find(',')));
        EXPECT_GE(d, 4.15);
        EXPECT_LE(d, 4.25);
    }
}

struct Refusal {
    const char* name;
    Args args;
    const char* says;
};

const Refusal kRefusals[] = {
    {"NoTolerance", filledWith({}), "at least one tolerance"},
    {"UnknownName", filledWith({"--tol", "Q=1"}), "no input that varies is called \"Q\""},
    {"NotGiven", filledWith({"--tol", "sleeve=0.01mm"}), "the case does not give sleeve"},
    {"Twice", filledWith({"--tol", "D=0.01mm", "--tol", "D=0.02mm"}), "has a tolerance already"},
    {"Touch", {"tolerance", "--D", "touch", "--S", "touch", "--d", "0.5mm", "--sleeve", "1.2mm", "--er-sleeve",
               "pe", "--tol", "S=0.01mm"},
     "set by a contact"},
    {"NoSamples", filledWith({"--tol", "D=0.01mm", "--samples", "0"}), "--samples"},
    {"BadWindow", filledWith({"--tol", "D=0.01mm", "--zdiff-window", "105:95"}), "LOW below HIGH"},
    {"BadConversionLimit", filledWith({"--tol", "D=0.01mm", "--scd21-max", "-30dB"}), "LEVEL@FREQ"},
    {"TwoFrequencies", filledWith({"--tol", "D=0.01mm", "--scd21-max", "-30dB@10GHz", "--freq", "1GHz"}),
     "two frequencies"},
};

class ToleranceRefused : public testing::TestWithParam<Refusal> {};

TEST_P(ToleranceRefused, IsABadArgument)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, ToleranceRefused, testing::ValuesIn(kRefusals), CaseName{});

}  // namespace
