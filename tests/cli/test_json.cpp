#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "Json.h"

namespace {

struct NumberCase {
    double value;
    const char* text;
};

class JsonNumberForm : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumberForm, IsShortestAndValid)
{
    EXPECT_EQ(jsonNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonNumberForm,
                         testing::Values(NumberCase{0.5, "0.5"}, NumberCase{10, "10"}, NumberCase{0.1, "0.1"},
                                         NumberCase{-2.25, "-2.25"}, NumberCase{1e21, "1e+21"},
                                         NumberCase{1.5e-7, "1.5e-07"},
                                         NumberCase{std::numeric_limits<double>::quiet_NaN(), "null"},
                                         NumberCase{-std::numeric_limits<double>::infinity(), "null"}));

TEST(JsonNumber, ReadsBackToTheSameDouble)
{
    for (double value : {133.22901189886787, 1.0 / 3, std::nextafter(0.9, 1.0), 5e-324, 1.7976931348623157e308}) {
        const std::string text = jsonNumber(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}

struct StringCase {
    std::string in;
    std::string out;
};

class JsonStringEscape : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStringEscape, GivesValidJson)
{
    EXPECT_EQ(jsonString(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStringEscape,
    testing::Values(StringCase{"", R"("")"}, StringCase{"plain", R"("plain")"},
                    StringCase{R"(say "hi")", R"("say \"hi\"")"}, StringCase{R"(a\b)", R"("a\\b")"},
                    StringCase{"1\n2\t3\r", R"("1\n2\t3\r")"}, StringCase{"\b\f", R"("\b\f")"},
                    StringCase{std::string("\x01\x1f", 2), R"("\u0001\u001f")"},
                    StringCase{std::string("\0", 1), R"("\u0000")"},
                    // UTF-8 passes through unchanged, up to four bytes.
                    StringCase{"計算回数＝17", "\"計算回数＝17\""}, StringCase{"é😀", "\"é😀\""},
                    // Bytes that are not UTF-8 become U+FFFD each.
                    StringCase{"a\xff" "b", "\"a\uFFFDb\""}, StringCase{"\xc0\xaf", "\"\uFFFD\uFFFD\""},
                    StringCase{"\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},
                    StringCase{"\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},
                    StringCase{"x\xe8\xa8", "\"x\uFFFD\uFFFD\""}));

TEST(JsonObject, JoinsMembersInOrder)
{
    EXPECT_EQ(JsonObject().str(), "{}");
    EXPECT_EQ(JsonObject().number("sd", 0.5).text("error", "Error : SD > 0.9").number("n", 3).str(),
              R"({"sd":0.5,"error":"Error : SD > 0.9","n":3})");
}

}  // namespace
