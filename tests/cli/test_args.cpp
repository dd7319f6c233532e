#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Args.h"
#include "CaseName.h"

namespace {

using Args = std::vector<std::string>;

TEST(ParseArgs, ImpedanceWithDefaults)
{
    Options options;
    ASSERT_EQ(parseArgs({"impedance", "0.5", "10"}, options), "");
    EXPECT_EQ(options.action, Options::Action::Calculate);
    EXPECT_EQ(options.mode, Mode::Impedance);
    EXPECT_EQ(options.input, (CaseInput{0.5, 10, 1}));
    EXPECT_EQ(options.decimals, 3);
    EXPECT_FALSE(options.json);
    EXPECT_FALSE(options.batch);
    EXPECT_FALSE(options.solve.english);
    EXPECT_EQ(options.solve.width, 0.01);
    EXPECT_EQ(options.solve.limit, 1000);
    EXPECT_EQ(options.solve.traceFile, "");
}

TEST(ParseArgs, OptionsAnywhereInBothForms)
{
    Options options;
    ASSERT_EQ(parseArgs({"--json", "shape", "--width=0.1", " 100 ", "--limit", "-5", "+5e1", "--english",
                         "2.25", "--trace", "t.txt", "--decimals=5"},
                        options),
              "");
    EXPECT_EQ(options.mode, Mode::Shape);
    EXPECT_EQ(options.input, (CaseInput{100, 50, 2.25}));
    EXPECT_TRUE(options.json);
    EXPECT_TRUE(options.solve.english);
    EXPECT_EQ(options.solve.width, 0.1);
    EXPECT_EQ(options.solve.limit, -5);
    EXPECT_EQ(options.solve.traceFile, "t.txt");
    EXPECT_EQ(options.decimals, 5);
}

TEST(ParseArgs, NegativeNumbersAreNotOptions)
{
    Options options;
    ASSERT_EQ(parseArgs({"impedance", "-0.5", "-10", "-.5e-1"}, options), "");
    EXPECT_EQ(options.input, (CaseInput{-0.5, -10, -0.05}));
}

TEST(ParseArgs, BatchTakesNoNumbers)
{
    Options options;
    ASSERT_EQ(parseArgs({"shape", "--batch", "--limit", "50"}, options), "");
    EXPECT_TRUE(options.batch);
    EXPECT_EQ(options.solve.limit, 50);
}

TEST(ParseArgs, HelpAndVersionWinOverTheRest)
{
    Options options;
    ASSERT_EQ(parseArgs({"impedance", "--help", "--bogus"}, options), "");
    EXPECT_EQ(options.action, Options::Action::Help);
    ASSERT_EQ(parseArgs({"--version"}, options), "");
    EXPECT_EQ(options.action, Options::Action::Version);
}

struct BadArgs {
    const char* name;
    Args args;
    const char* problem;
};

class ParseArgsRejects : public testing::TestWithParam<BadArgs> {};

TEST_P(ParseArgsRejects, NamingTheArgument)
{
    Options options;
    options.decimals = 4;
    EXPECT_EQ(parseArgs(GetParam().args, options), GetParam().problem);
    EXPECT_EQ(options.decimals, 4) << "options must stay untouched";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseArgsRejects,
    testing::Values(
        BadArgs{"NoArguments", {}, "missing mode (impedance or shape)"},
        BadArgs{"UnknownMode", {"0.5", "10"}, R"(unknown mode "0.5" (impedance or shape))"},
        BadArgs{"MissingFirstNumber", {"impedance"}, "missing SD"},
        BadArgs{"MissingSecondNumber", {"impedance", "0.5"}, "missing DD"},
        BadArgs{"MissingZo", {"shape", "100"}, "missing ZO"},
        BadArgs{"EmptyNumber", {"impedance", "", "10"}, "SD is empty"},
        BadArgs{"WordForNumber", {"impedance", "0.5", "abc"}, R"(DD is not a number: "abc")"},
        BadArgs{"DecimalComma", {"shape", "100", "50", "1,5"}, R"(ER is not a number: "1,5")"},
        BadArgs{"Infinity", {"impedance", "inf", "10"}, R"(SD is not a number: "inf")"},
        BadArgs{"NaN", {"impedance", "nan", "10"}, R"(SD is not a number: "nan")"},
        BadArgs{"HexNumber", {"impedance", "0x1p-1", "10"}, R"(SD is not a number: "0x1p-1")"},
        BadArgs{"OutOfRange", {"impedance", "0.5", "1e999"}, R"(DD is not a number: "1e999")"},
        BadArgs{"FourNumbers", {"impedance", "0.5", "10", "1", "7"}, R"(unexpected "7" after ER)"},
        BadArgs{"DecimalsWithoutValue", {"impedance", "0.5", "10", "--decimals"}, "missing value for --decimals"},
        BadArgs{"DecimalsAboveFive", {"impedance", "0.5", "10", "--decimals", "6"},
                R"(--decimals must be an integer from 1 to 5: "6")"},
        BadArgs{"DecimalsZero", {"impedance", "0.5", "10", "--decimals=0"},
                R"(--decimals must be an integer from 1 to 5: "0")"},
        BadArgs{"DecimalsNotInteger", {"impedance", "0.5", "10", "--decimals", "2.0"},
                R"(--decimals must be an integer from 1 to 5: "2.0")"},
        BadArgs{"WidthZero", {"shape", "100", "50", "--width", "0"}, R"(--width must be a positive number: "0")"},
        BadArgs{"WidthDecimalComma", {"shape", "100", "50", "--width", "1,0"},
                R"(--width must be a positive number: "1,0")"},
        BadArgs{"LimitWithExponent", {"shape", "100", "50", "--limit", "1e3"}, R"(--limit must be an integer: "1e3")"},
        BadArgs{"LimitAboveInt", {"shape", "100", "50", "--limit", "2147483648"},
                R"(--limit must be an integer: "2147483648")"},
        BadArgs{"TraceEmpty", {"shape", "100", "50", "--trace="}, "--trace needs a file name"},
        BadArgs{"WidthInImpedance", {"impedance", "0.5", "10", "--width", "1"}, "--width applies to shape mode only"},
        BadArgs{"TraceInImpedance", {"impedance", "0.5", "10", "--trace", "t"}, "--trace applies to shape mode only"},
        BadArgs{"FlagWithValue", {"impedance", "0.5", "10", "--json=yes"}, "--json takes no value"},
        BadArgs{"UnknownOption", {"impedance", "0.5", "10", "--precise"}, R"(unknown option "--precise")"},
        BadArgs{"BatchWithNumbers", {"impedance", "--batch", "0.5"},
                R"(unexpected "0.5": --batch reads the cases from standard input)"},
        BadArgs{"BatchWithTrace", {"shape", "--batch", "--trace", "t"}, "--trace cannot be used with --batch"}),
    CaseName());

}  // namespace
