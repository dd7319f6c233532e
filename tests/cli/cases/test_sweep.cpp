#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/SweepValues.h"
#include "cases/UnitParsers.h"
#include "NumberText.h"

namespace {

std::string readNumber(std::string_view text, double& value)
{
    return parseNumber(text, value) ? std::string() : std::string("not a number");
}

struct SweepCase {
    const char* name;
    const char* text;
    std::vector<double> values;  // empty: refused
};

class Sweep : public testing::TestWithParam<SweepCase> {};

TEST_P(Sweep, GivesEveryValue)
{
    const SweepCase& c = GetParam();
    std::vector<double> values{-1};
    const std::string problem = sweepValues(c.text, readNumber, values);
    if (c.values.empty()) {
        EXPECT_NE(problem, "");
        EXPECT_EQ(values, std::vector<double>{-1});  // untouched
        return;
    }
    EXPECT_EQ(problem, "");
    ASSERT_EQ(values.size(), c.values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(values[i], c.values[i], 1e-12) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sweep,
    testing::Values(SweepCase{"List", "3,4,6,8", {3, 4, 6, 8}}, SweepCase{"OneValue", "2.25", {2.25}},
                    SweepCase{"RangeReachingStop", "0.1:0.5:0.1", {0.1, 0.2, 0.3, 0.4, 0.5}},
                    SweepCase{"RangeShortOfStop", "0:1:0.3", {0, 0.3, 0.6, 0.9}},
                    SweepCase{"Descending", "8:2:-3", {8, 5, 2}}, SweepCase{"StartIsStop", "4:4:1", {4}},
                    SweepCase{"ZeroStep", "1:2:0", {}}, SweepCase{"StepAway", "1:2:-1", {}},
                    SweepCase{"TwoParts", "1:2", {}}, SweepCase{"FourParts", "1:2:3:4", {}},
                    SweepCase{"EmptyListValue", "3,,4", {}}, SweepCase{"BadValue", "3,x", {}},
                    SweepCase{"RunsAway", "0:1:1e-9", {}}),
    CaseName{});

// 0.1 + 16 * 0.05 is 0.9000000000000001 in doubles: the last value must be
// the stop the user wrote, and it must be there at all.
TEST(SweepRange, EndsExactlyAtAStopReachedWithinRounding)
{
    std::vector<double> values;
    ASSERT_EQ(sweepValues("0.1:0.9:0.05", readNumber, values), "");
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values.back(), 0.9);
    EXPECT_EQ(values[8], 0.1 + 8 * 0.05);
}

// 0.1 + 0.2 is 0.30000000000000004 in doubles; a table of the sweep must
// show the 0.3 the user meant, and so must every other step.
TEST(SweepRange, GivesTheDecimalsTheStepsStandFor)
{
    std::vector<double> values;
    ASSERT_EQ(sweepValues("0.1:0.9:0.1", readNumber, values), "");
    ASSERT_EQ(values.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        double decimal = 0;
        ASSERT_TRUE(parseNumber("0." + std::to_string(i + 1), decimal));
        EXPECT_EQ(values[i], decimal) << i;
    }
    ASSERT_EQ(sweepValues("1e9:3e9:0.25e9", readNumber, values), "");
    EXPECT_EQ(values[1], 1.25e9);
    ASSERT_EQ(sweepValues("-0.3:0.3:0.1", readNumber, values), "");
    EXPECT_EQ(values[1], -0.2);
    EXPECT_EQ(values[3], 0.0);
    EXPECT_FALSE(std::signbit(values[3])) << "a zero, not -0";
}

// Dimensions sweep in their own units: the reader decides what a value is.
TEST(SweepRange, ReadsValuesWithTheInputsReader)
{
    std::vector<double> values;
    ASSERT_EQ(sweepValues("1mm:2mm:500um", parseLength, values), "");
    EXPECT_EQ(values, (std::vector<double>{1, 1.5, 2}));
    const std::string problem = sweepValues("1mm:2cm:1mm", parseLength, values);
    EXPECT_NE(problem.find("stop \"2cm\""), std::string::npos) << problem;
}

// A value with a line break must not break the message's line.
TEST(SweepProblem, ShowsTheValueEscaped)
{
    std::vector<double> values;
    EXPECT_EQ(sweepValues("3,4\n5", readNumber, values), R"(value "4\n5": not a number)");
}

}  // namespace
