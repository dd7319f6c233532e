// Sweeps of a case's inputs: reading them, the combinations they make, and
// the cases they run through the command line.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/CaseSweep.h"
#include "CliRun.h"
#include "SolverTexts.h"

namespace {

using Args = std::vector<std::string>;

struct ReadCase {
    const char* name;
    const char* text;
    Input input;
    std::vector<double> values;
};

class ReadSweep : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadSweep, ReadsEachValueAsItsInputDoes)
{
    SweptInput sweep{Input::Er, {}};
    ASSERT_EQ(readSweep(GetParam().text, sweep), "");
    EXPECT_EQ(sweep.input, GetParam().input);
    EXPECT_EQ(sweep.values, GetParam().values);
}

// Lengths are mm whatever unit they are written in; an AWG range counts
// sizes, not diameters.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSweep,
    testing::Values(ReadCase{"List", "dd=3,4,6,8", Input::Dd, {3, 4, 6, 8}},
                    ReadCase{"Range", "sd=0.1:0.3:0.1", Input::Sd, {0.1, 0.2, 0.3}},
                    ReadCase{"LengthsInTheirUnits", "S=1mm:2mm:500um", Input::Spacing, {1, 1.5, 2}},
                    ReadCase{"AwgSizes", "awg=20:26:2", Input::Awg, {20, 22, 24, 26}},
                    ReadCase{"AwgAughts", "awg=4/0,00,0", Input::Awg, {-3, -1, 0}},
                    ReadCase{"Frequencies", "freq=100MHz,1GHz", Input::Frequency, {1e8, 1e9}},
                    ReadCase{"CaseOfTheName", "D=4,5", Input::ShieldDiameter, {4, 5}}),
    CaseName());

struct BadSweep {
    const char* name;
    const char* text;
    const char* problem;
};

class ReadSweepRefuses : public testing::TestWithParam<BadSweep> {};

TEST_P(ReadSweepRefuses, SayingWhy)
{
    SweptInput sweep{Input::Er, {7}};
    EXPECT_EQ(readSweep(GetParam().text, sweep), GetParam().problem);
    EXPECT_EQ(sweep.values, std::vector<double>{7}) << "untouched";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSweepRefuses,
    testing::Values(
        BadSweep{"NoEquals", "sd", R"(not NAME=VALUES - write it as sd=0.1:0.9:0.05 or dd=3,4,6,8)"},
        BadSweep{"UnknownName", "SD=1,2",
                 R"(no input is called "SD" - name one of sd, dd, ze, zo, zdiff, zcm, D, awg, d, sleeve, S, )"
                 R"(clearance, drain, er, er_sleeve, er_fill, d2, sleeve2, er_sleeve2, offset_x, offset_y, )"
                 R"(pair_offset_x, pair_offset_y, sleeve_offset_x, sleeve_offset_y, freq, length, tand, )"
                 R"(tand_sleeve, tand_fill, sigma, foil_sigma, foil_thickness)"},
        BadSweep{"BadValue", "dd=3,x", R"(value "x": not a number)"},
        BadSweep{"UnknownUnit", "D=4cm,5cm", R"(value "4cm": unknown unit "cm" - use mm, um, m, in or mil, or touch)"},
        BadSweep{"AwgOutOfTable", "awg=38:42:2", R"(stop "42": must be an AWG size from 0000 (or 4/0) to 40, or SIZE/STRANDS (24/7, 24/19, 24/37) )"
                                           "for a stranded wire"},
        BadSweep{"NoValues", "sd=", R"(value "": not a number)"}),
    CaseName());

// The sd and dd of every call, in order.
std::vector<std::pair<double, double>> combinations(const std::vector<SweptInput>& sweeps, std::size_t stopAfter = 99)
{
    std::vector<std::pair<double, double>> seen;
    CaseInput fixed;
    fixed.set(Input::Er, 2.1);
    forEachSweptCase(fixed, sweeps, [&](const CaseInput& input) {
        EXPECT_EQ(input[Input::Er], 2.1) << "the fixed inputs stay";
        seen.emplace_back(input[Input::Sd], input[Input::Dd]);
        return seen.size() < stopAfter;
    });
    return seen;
}

TEST(ForEachSweptCase, RunsEveryCombinationTheLastSweepFastest)
{
    const std::vector<SweptInput> sweeps{{Input::Sd, {0.3, 0.5}}, {Input::Dd, {4, 6, 8}}};
    EXPECT_EQ(combinations(sweeps),
              (std::vector<std::pair<double, double>>{{0.3, 4}, {0.3, 6}, {0.3, 8}, {0.5, 4}, {0.5, 6}, {0.5, 8}}));
}

TEST(ForEachSweptCase, StopsWhenTheCaseSaysSo)
{
    const std::vector<SweptInput> sweeps{{Input::Sd, {0.3, 0.5}}, {Input::Dd, {4, 6, 8}}};
    EXPECT_EQ(combinations(sweeps, 2).size(), 2u);
}

TEST(ForEachSweptCase, WithoutSweepsRunsTheCaseOnce)
{
    EXPECT_EQ(combinations({}).size(), 1u);
}

TEST(SweepCaseCount, IsTheProductWithoutOverflow)
{
    const std::vector<double> thousand(1000, 1.0);
    EXPECT_EQ(sweepCaseCount({{Input::Sd, {1, 2}}, {Input::Dd, {1, 2, 3}}}), 6);
    EXPECT_EQ(sweepCaseCount({{Input::Sd, thousand}, {Input::Dd, thousand}, {Input::Er, std::vector<double>(11, 1.0)}}),
              11'000'000);
    // Far past what a size_t holds, whatever the order.
    const std::vector<double> million(1'000'000, 1.0);
    EXPECT_EQ(sweepCaseCount({{Input::Sd, million}, {Input::Dd, million}, {Input::Er, million},
                              {Input::Frequency, million}}),
              1e24L);
}

// Each object of a sweep is the object of the single case with its inputs.
TEST(SweepRun, EachCaseIsTheSingleCasesResult)
{
    const CliResult r = runWith({"impedance", "--sweep", "sd=0.3:0.5:0.1", "--sweep", "dd=4,6", "2.1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 6u) << r.out;
    std::size_t at = 0;
    for (const char* sd : {"0.3", "0.4", "0.5"})
        for (const char* dd : {"4", "6"})
            EXPECT_EQ(lines[at++] + "\n", runWith({"impedance", sd, dd, "2.1", "--json"}).out) << sd << " " << dd;
}

struct SweepRunCase {
    const char* name;
    Args sweep;   // the command line with its sweep
    Args single;  // the command line of its second case
    std::size_t cases;
};

class SweepRuns : public testing::TestWithParam<SweepRunCase> {};

TEST_P(SweepRuns, EveryInputTheModeTakes)
{
    const CliResult r = runWith(GetParam().sweep);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), GetParam().cases) << r.out;
    Args single = GetParam().single;
    single.push_back("--json");
    EXPECT_EQ(lines[1] + "\n", runWith(single).out);
}

// The operands give the numbers no sweep gives, in their order.
INSTANTIATE_TEST_SUITE_P(
    Cases, SweepRuns,
    testing::Values(
        SweepRunCase{"DdWithSdAsOperand", {"impedance", "--sweep", "dd=4,6", "0.5"}, {"impedance", "0.5", "6"}, 2},
        SweepRunCase{"Er", {"impedance", "0.5", "10", "--sweep", "er=1:3:1"}, {"impedance", "0.5", "10", "2"}, 3},
        SweepRunCase{"Spacing", {"impedance", "--D=4.2", "--d=0.51", "--sweep", "S=1mm:1.4mm:0.2mm", "2.1"},
                     {"impedance", "--D=4.2", "--d=0.51", "--S=1.2", "2.1"}, 3},
        SweepRunCase{"Awg", {"impedance", "--D=4.2", "--S=1.4", "--sweep", "awg=20:26:2"},
                     {"impedance", "--D=4.2", "--S=1.4", "--awg=22"}, 4},
        SweepRunCase{"Frequency", {"impedance", "0.5", "10", "--awg=24", "--sweep", "freq=1GHz,4GHz"},
                     {"impedance", "0.5", "10", "--awg=24", "--freq=4e9"}, 2},
        SweepRunCase{"Zcm", {"shape", "--zdiff=100", "--sweep", "zcm=30,40", "2.1"},
                     {"shape", "--zdiff=100", "--zcm=40", "2.1"}, 2},
        SweepRunCase{"ZeAndZo", {"shape", "--sweep", "ze=80,90", "--sweep", "zo=40,50"}, {"shape", "80", "50"}, 4},
        SweepRunCase{"ShapeWithTheWire", {"shape", "80", "50", "--sweep", "d=0.5,1"},
                     {"shape", "80", "50", "--d=1"}, 2}),
    CaseName());

// Like a batch: a failed case is an object with its error, and the run goes on.
TEST(SweepRun, FailedCasesDoNotStopIt)
{
    const CliResult r = runWith({"impedance", "--sweep", "sd=0.85:0.95:0.05", "20", "--english"});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_GT(jsonNumberAt(lines[1], "ze"), 0);
    EXPECT_EQ(lines[2], R"({"sd":0.95,"dd":20,"er":1,"error":")" + std::string(kSdAboveLimitText) + R"("})");
}

// Once the output is lost, every further case would be lost as well.
TEST(SweepRun, LostOutputStopsIt)
{
    FullDeviceBuffer buffer(100);
    std::ostream out(&buffer);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(runCli({"impedance", "--sweep", "sd=0.1:0.9:1e-6", "10"}, in, out, err), 1);
    EXPECT_EQ(err.str(), "duvane-calc: cannot write standard output\n");
}

}  // namespace
