#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "CaseName.h"
#include "output/Json.h"

namespace {

struct NumberCase {
    const char* name;
    double value;
    const char* text;
};

class JsonNumberForm : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumberForm, IsShortestAndValid)
{
    EXPECT_EQ(JsonObject().number("n", GetParam().value).str(), R"({"n":)" + std::string(GetParam().text) + "}");
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonNumberForm,
                         testing::Values(NumberCase{"Half", 0.5, "0.5"}, NumberCase{"Integer", 10, "10"},
                                         NumberCase{"Tenth", 0.1, "0.1"}, NumberCase{"Negative", -2.25, "-2.25"},
                                         NumberCase{"Large", 1e21, "1e+21"}, NumberCase{"Small", 1.5e-7, "1.5e-07"},
                                         NumberCase{"NaN", std::numeric_limits<double>::quiet_NaN(), "null"},
                                         NumberCase{"Infinity", -std::numeric_limits<double>::infinity(), "null"}),
                         CaseName());

TEST(JsonNumber, ReadsBackToTheSameDouble)
{
    for (double value : {133.22901189886787, 1.0 / 3, std::nextafter(0.9, 1.0), 5e-324, 1.7976931348623157e308}) {
        const std::string object = JsonObject().number("n", value).str();
        const std::string text = object.substr(5, object.size() - 6);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}

struct StringCase {
    const char* name;
    std::string in;
    std::string out;
};

class JsonStringEscape : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStringEscape, GivesValidJson)
{
    EXPECT_EQ(JsonObject().text("s", GetParam().in).str(), R"({"s":)" + GetParam().out + "}");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStringEscape,
    testing::Values(StringCase{"Empty", "", R"("")"}, StringCase{"Plain", "plain", R"("plain")"},
                    StringCase{"Quotes", R"(say "hi")", R"("say \"hi\"")"},
                    StringCase{"Backslash", R"(a\b)", R"("a\\b")"},
                    StringCase{"NewlineTabReturn", "1\n2\t3\r", R"("1\n2\t3\r")"},
                    StringCase{"BackspaceFormFeed", "\b\f", R"("\b\f")"},
                    StringCase{"OtherControls", std::string("\x01\x1f", 2), R"("\u0001\u001f")"},
                    StringCase{"Nul", std::string("\0", 1), R"("\u0000")"},
                    // UTF-8 passes through unchanged, up to four bytes.
                    StringCase{"Utf8ThreeBytes", "比誘電率＝2", "\"比誘電率＝2\""},
                    StringCase{"Utf8TwoAndFourBytes", "é😀", "\"é😀\""},
                    // Bytes that are not UTF-8 become U+FFFD each.
                    StringCase{"StrayByte", "a\xff" "b", "\"a\uFFFDb\""},
                    StringCase{"Overlong", "\xc0\xaf", "\"\uFFFD\uFFFD\""},
                    StringCase{"Surrogate", "\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},
                    StringCase{"AboveUnicode", "\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},
                    StringCase{"Truncated", "x\xe8\xa8", "\"x\uFFFD\uFFFD\""}),
    CaseName());

struct IntegerCase {
    const char* name;
    long long value;
    const char* text;
};

class JsonIntegerForm : public testing::TestWithParam<IntegerCase> {};

// Whole numbers never take the exponent form, which the shortest form of a
// double would give them from 100000 on.
TEST_P(JsonIntegerForm, IsPlainDigits)
{
    EXPECT_EQ(JsonObject().integer("n", GetParam().value).str(), std::string(R"({"n":)") + GetParam().text + "}");
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonIntegerForm,
                         testing::Values(IntegerCase{"Zero", 0, "0"}, IntegerCase{"HundredThousand", 100000, "100000"},
                                         IntegerCase{"Million", 1000000, "1000000"},
                                         IntegerCase{"Negative", -200000, "-200000"},
                                         IntegerCase{"Largest", std::numeric_limits<long long>::max(),
                                                     "9223372036854775807"}),
                         CaseName());

TEST(JsonObject, JoinsMembersInOrder)
{
    EXPECT_EQ(JsonObject().str(), "{}");
    EXPECT_EQ(JsonObject().number("sd", 0.5).text("error", "a, \"b\"").number("n", 3).str(),
              R"({"sd":0.5,"error":"a, \"b\"","n":3})");
}

}  // namespace
