// Refusals and failures that give the right reason, as a user sees them.

#include <gtest/gtest.h>

#include "CaseName.h"
#include "CliRun.h"

namespace {

class Reason : public testing::TestWithParam<ExactRun> {};

TEST_P(Reason, IsTheRightOne)
{
    expectExactRun(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Values, Reason,
    testing::Values(
        ExactRun{"LengthBeyondADouble", {"impedance", "--D", "1e308m", "--S", "1", "--d", "1"}, "", 2, "",
                 argumentError(R"(--D "1e308m": out of range)")},
        ExactRun{"NegativeZdiff", {"shape", "--zdiff", "-100", "--zcm", "40"}, "", 2, "",
                 argumentError(R"(--zdiff "-100": must be a positive number of ohms)")},
        ExactRun{"ZeroZcm", {"shape", "--zdiff", "100", "--zcm=0"}, "", 2, "",
                 argumentError(R"(--zcm "0": must be a positive number of ohms)")},
        ExactRun{"NegativeZeOperand", {"shape", "-100", "50"}, "", 2, "",
                 argumentError(R"(ZE "-100": must be a positive number of ohms)")},
        ExactRun{"LimitNegative", {"shape", "100", "50", "--limit", "-1"}, "", 2, "",
                 argumentError(R"(--limit "-1": must be an integer from 1 to 2147483647)")},
        ExactRun{"OptionGivenTwice", {"impedance", "--D", "4", "--S", "1", "--d", "0.5", "--D", "5"}, "", 2, "",
                 argumentError("--D is given twice")}),
    CaseName());

// A sweep leaves its operand's place empty: numbers given as the full form
// are not moved into other places (they once were, silently).
INSTANTIATE_TEST_SUITE_P(
    SweepShift, Reason,
    testing::Values(
        ExactRun{"DdSweptErWouldTakeTen", {"impedance", "0.5", "10", "--sweep", "dd=4,6"}, "", 2, "",
                 argumentError(R"(with --sweep dd, "10" would be read as ER, not as DD: give the numbers after a )"
                               R"(swept one by name (--er 10))")},
        ExactRun{"ZeSweptZoWouldTakeTheFirst", {"shape", "100", "50", "--sweep", "ze=100,120"}, "", 2, "",
                 argumentError(R"(with --sweep ze, "100" would be read as ZO, not as ZE: give the numbers after a )"
                               R"(swept one by name (--zo 100))")}),
    CaseName());

// "." is the decimal point; a comma that stands for it is named as such.
INSTANTIATE_TEST_SUITE_P(
    DecimalComma, Reason,
    testing::Values(
        ExactRun{"Operand", {"impedance", "0,5", "10"}, "", 2, "",
                 argumentError(R"(SD "0,5": "," is no decimal point - write 0.5)")},
        ExactRun{"Length", {"impedance", "--D", "4,2mm", "--S", "1", "--d", "0.5"}, "", 2, "",
                 argumentError(R"(--D "4,2mm": "," is no decimal point - write 4.2mm)")},
        ExactRun{"SweepRange", {"impedance", "--sweep", "sd=0,1:0,5:0,1", "10"}, "", 2, "",
                 argumentError(R"(--sweep "sd=0,1:0,5:0,1": start "0,1": "," is no decimal point - write 0.1)")}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Sweeps, Reason,
    testing::Values(
        ExactRun{"TooManyValues", {"impedance", "--sweep", "sd=0:1:1e-7", "10"}, "", 2, "",
                 argumentError(R"(--sweep "sd=0:1:1e-7": would make 10000001 values, more than the limit of 1000000)")},
        // Once as many steps as no double holds.
        ExactRun{"BeyondADouble", {"impedance", "--sweep", "sd=0:1:1e-320", "10"}, "", 2, "",
                 argumentError(
                     R"(--sweep "sd=0:1:1e-320": would make about 1.0e+320 values, more than the limit of 1000000)")},
        ExactRun{"ZeroStep", {"impedance", "--sweep", "sd=0.1:0.5:0", "10"}, "", 2, "",
                 argumentError(R"(--sweep "sd=0.1:0.5:0": the step is 0)")}),
    CaseName());

// A shape check of the calculator, its own text first, then what it means
// for the dimensions given.
INSTANTIATE_TEST_SUITE_P(
    Dimensions, Reason,
    testing::Values(
        ExactRun{"ShieldNotWiderThanTwoCores", {"impedance", "--D", "4mm", "--S", "1mm", "--d", "3mm", "--english"}, "",
                 1, "", "duvane-calc: Error : Dd <= 2 - the shield (D 4 mm) must be wider than two cores (2 d = 6 mm)\n"},
        ExactRun{"ShieldNotWiderThanTwoCoresJapanese", {"impedance", "--D", "4mm", "--S", "1mm", "--d", "3mm"}, "", 1,
                 "", "duvane-calc: Error : Dd <= 2 - シールド（D 4 mm）は導体２本分（2 d = 6 mm）より太くして下さい\n"},
        ExactRun{"CoresTooFarApart", {"impedance", "--D", "4", "--S", "3.9", "--d", "0.3", "--english"}, "", 1, "",
                 "duvane-calc: Error : SD > 0.9 - S (3.9 mm) must be at most 0.9 D (D = 4 mm)\n"},
        ExactRun{"CoreTouchesShield", {"impedance", "--D", "4", "--S", "2.5", "--d", "1.5", "--english"}, "", 1, "",
                 "duvane-calc: outer conductor radius too small (an inner conductor touches the shield) - S + d "
                 "(2.5 mm + 1.5 mm) must be less than D (4 mm)\n"},
        ExactRun{"ConvergedMethod", {"impedance", "--D", "4", "--S", "2.5", "--d", "1.5", "--method", "converged"}, "",
                 1, "",
                 "duvane-calc: 外部導体半径が小さすぎます - 導体がシールドに接しています：S + d（2.5 mm + 1.5 mm）は "
                 "D（4 mm）より小さくして下さい\n"},
        // By its ratios a case has no dimensions to speak of.
        ExactRun{"Ratios", {"impedance", "0.5", "2", "--d", "1", "--english"}, "", 1, "",
                 "duvane-calc: Error : Dd <= 2\n"}),
    CaseName());

struct SameRun {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> sameAs;  // a form of the same case that was always taken
};

class Accepted : public testing::TestWithParam<SameRun> {};

TEST_P(Accepted, AsTheFormItStandsFor)
{
    const CliResult run = runWith(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, runWith(GetParam().sameAs).out);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Accepted,
    testing::Values(
        SameRun{"GreekMu", {"impedance", "--D", "4200μm", "--S", "1.4", "--d", "0.51"},
                {"impedance", "--D", "4.2", "--S", "1.4", "--d", "0.51"}},
        SameRun{"BlanksAroundAUnit", {"impedance", "--D", "4.2 mm ", "--S", " 1.4  mm", "--d", "0.51 mm"},
                {"impedance", "--D", "4.2", "--S", "1.4", "--d", "0.51"}},
        SameRun{"BlankBeforeAFrequencyUnit", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1 GHz "},
                {"impedance", "0.5", "10", "--awg", "24", "--freq", "1e9"}},
        SameRun{"AwgOneAught", {"shape", "100", "50", "--awg", "1/0"}, {"shape", "100", "50", "--awg", "0"}}),
    CaseName());

}  // namespace
