#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <clocale>
#include <string>
#include <utility>

#include "CaseName.h"
#include "NumberText.h"

namespace {

struct Parse {
    const char* text;
    bool ok;
    double value;
};

class ParseNumber : public testing::TestWithParam<Parse> {};

// The row's text spelled in name characters: "-1.5e+2" gives "m1p5eP2".
std::string textName(const testing::TestParamInfo<Parse>& info)
{
    std::string name = std::to_string(info.index) + "_";
    for (const char* c = info.param.text; *c; ++c) {
        switch (*c) {
        case '.': name += 'p'; break;
        case '-': name += 'm'; break;
        case '+': name += 'P'; break;
        case ' ': name += 's'; break;
        case ',': name += 'c'; break;
        case '\t': name += 't'; break;
        default: name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        }
    }
    return name;
}

TEST_P(ParseNumber, FollowsTheGrammar)
{
    const Parse& c = GetParam();
    double value = 99;
    EXPECT_EQ(parseNumber(c.text, value), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.ok ? c.value : 99) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParseNumber,
                         testing::Values(Parse{"0.5", true, 0.5}, Parse{"10", true, 10}, Parse{"  2.25  ", true, 2.25},
                                         Parse{"-3", true, -3}, Parse{"+4", true, 4}, Parse{".5", true, 0.5},
                                         Parse{"5.", true, 5}, Parse{"-.25", true, -0.25}, Parse{"1e3", true, 1000},
                                         Parse{"1.5E-2", true, 0.015}, Parse{"2e+1", true, 20}),
                         textName);

INSTANTIATE_TEST_SUITE_P(Rejected, ParseNumber,
                         testing::Values(Parse{"", false, 0}, Parse{"   ", false, 0}, Parse{".", false, 0},
                                         Parse{"-", false, 0}, Parse{"1,5", false, 0}, Parse{"1.000,5", false, 0},
                                         Parse{"inf", false, 0}, Parse{"nan", false, 0}, Parse{"0x10", false, 0},
                                         Parse{"1e", false, 0}, Parse{"1e+", false, 0}, Parse{"e5", false, 0},
                                         Parse{"1 2", false, 0}, Parse{"\t1", false, 0}, Parse{"--1", false, 0},
                                         Parse{"1.2.3", false, 0}, Parse{"abc", false, 0},
                                         Parse{"1e999", false, 0}, Parse{"1e-400", false, 0},
                                         Parse{"-2e-324", false, 0}),
                         textName);

struct Refusal {
    const char* name;
    const char* text;
    NumberParse result;
};

class ParseNumberText : public testing::TestWithParam<Refusal> {};

// Out of range is told from not a number, and neither writes the value.
TEST_P(ParseNumberText, TellsWhyATextIsRefused)
{
    double value = 99;
    EXPECT_EQ(parseNumberText(GetParam().text, value), GetParam().result);
    EXPECT_EQ(value, 99);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberText,
    testing::Values(Refusal{"Overflow", "1e400", NumberParse::OutOfRange},
                    Refusal{"NegativeOverflow", "-1.8e308", NumberParse::OutOfRange},
                    Refusal{"Underflow", "1e-400", NumberParse::OutOfRange},
                    Refusal{"BelowSmallestSubnormal", " 2e-324 ", NumberParse::OutOfRange},
                    Refusal{"Word", "abc", NumberParse::NotANumber},
                    Refusal{"ExponentWithoutDigits", "1e", NumberParse::NotANumber},
                    Refusal{"Infinity", "inf", NumberParse::NotANumber},
                    Refusal{"HugeAfterGarbage", "x1e400", NumberParse::NotANumber},
                    Refusal{"Empty", "", NumberParse::NotANumber}),
    CaseName());

// The edges of a double's range are still numbers, and 0 is in range
// whatever its exponent.
TEST(NumberRangeEdges, AreNumbers)
{
    const std::pair<const char*, double> edges[] = {
        {"1.7976931348623157e308", 1.7976931348623157e308}, {"-1.7976931348623157e308", -1.7976931348623157e308},
        {"4.9e-324", 4.9e-324}, {"1e-320", 1e-320}, {"0e999", 0}, {"0e-999", 0}};
    for (const auto& [text, number] : edges) {
        double value = 99;
        EXPECT_EQ(parseNumberText(text, value), NumberParse::Ok) << text;
        EXPECT_EQ(value, number) << text;
    }
}

struct Format {
    double value;
    int decimals;
    const char* text;
};

class FormatFixed : public testing::TestWithParam<Format> {};

TEST_P(FormatFixed, WritesExactDecimals)
{
    const Format& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatFixed,
                         testing::Values(Format{49.87654, 1, "49.9"}, Format{49.87654, 2, "49.88"},
                                         Format{49.87654, 3, "49.877"}, Format{49.87654, 4, "49.8765"},
                                         Format{49.87654, 5, "49.87654"}, Format{1.5, 5, "1.50000"},
                                         Format{0.25, 5, "0.25000"}, Format{-3.2, 5, "-3.20000"},
                                         Format{1234.5, 5, "1234.50000"}, Format{0.004, 1, "0.0"},
                                         Format{-0.000001, 5, "0.00000"}, Format{-0.0, 3, "0.000"},
                                         Format{1e20, 1, "100000000000000000000.0"}),
                         [](const testing::TestParamInfo<Format>& info) {
                             return nameFromInputs(info.index, {{"value", info.param.value}, {"decimals", info.param.decimals}});
                         });

struct ShortestCase {
    const char* name;
    double value;
    const char* text;
};

class FormatShortest : public testing::TestWithParam<ShortestCase> {};

// One form for a column of like values: 1e+06 and 1500000 were once two
// rows of one frequency column.
TEST_P(FormatShortest, KeepsOneFormAndReadsBack)
{
    const ShortestCase& c = GetParam();
    const std::string text = formatShortest(c.value);
    EXPECT_EQ(text, c.text);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatShortest,
    testing::Values(ShortestCase{"OneMegahertz", 1e6, "1000000"}, ShortestCase{"OneAndAHalf", 1.5e6, "1500000"},
                    ShortestCase{"TwentyGigahertz", 2e10, "20000000000"}, ShortestCase{"Tenth", 0.1, "0.1"},
                    ShortestCase{"SmallTangent", 3.3e-5, "0.000033"}, ShortestCase{"LowestPlain", 1e-6, "0.000001"},
                    ShortestCase{"BelowPlain", 1e-7, "1e-07"}, ShortestCase{"ErrorBound", 3.4e-13, "3.4e-13"},
                    ShortestCase{"Huge", 1e300, "1e+300"}, ShortestCase{"Negative", -2.25, "-2.25"},
                    ShortestCase{"Zero", 0.0, "0"}, ShortestCase{"NegativeZero", -0.0, "0"},
                    ShortestCase{"FullDigits", 133.22901189886787, "133.22901189886787"}),
    CaseName());

// A desktop session sets LC_NUMERIC from the user's environment; numbers in
// and out must not follow it.
TEST(NumberTextLocale, CommaLocaleChangesNothing)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not generated on this machine";
    double value = 0;
    const bool parsed = parseNumber("2.25", value);
    const bool commaRejected = !parseNumber("2,25", value);
    const std::string text = formatFixed(1234.5, 5);
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_TRUE(parsed);
    EXPECT_TRUE(commaRejected);
    EXPECT_EQ(text, "1234.50000");
}

}  // namespace
