// Values as messages show them.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "CaseName.h"
#include "output/Quoted.h"

namespace {

struct QuotedCase {
    const char* name;
    std::string text;
    std::string shown;
};

class Quoted : public testing::TestWithParam<QuotedCase> {};

TEST_P(Quoted, StaysOnOneLineWithinItsQuotes)
{
    EXPECT_EQ(inQuotes(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Quoted,
    testing::Values(QuotedCase{"Plain", "0.5", R"("0.5")"}, QuotedCase{"Empty", "", R"("")"},
                    QuotedCase{"Newline", "0.5\nx", R"("0.5\nx")"},
                    QuotedCase{"ReturnAndTab", "a\rb\tc", R"("a\rb\tc")"},
                    QuotedCase{"Quote", R"(say "hi")", R"("say \"hi\"")"},
                    QuotedCase{"Backslash", R"(C:\t.txt)", R"("C:\\t.txt")"},
                    QuotedCase{"Escape", "\x1b[2J", R"("\x1b[2J")"},
                    QuotedCase{"Nul", std::string("a\0b", 3), R"("a\x00b")"},
                    QuotedCase{"Delete", "a\x7f", R"("a\x7f")"},
                    QuotedCase{"Utf8", "計算.txt", "\"計算.txt\""},
                    // Bytes that are no part of UTF-8, each on its own.
                    QuotedCase{"StrayByte", "0.5\xff", R"("0.5\xff")"},
                    QuotedCase{"CutShort", "\xe8\xa8x", R"("\xe8\xa8x")"},
                    QuotedCase{"Overlong", "\xc0\xaf", R"("\xc0\xaf")"},
                    QuotedCase{"Surrogate", "\xed\xa0\x80", R"("\xed\xa0\x80")"},
                    QuotedCase{"FourBytes", "😀", "\"😀\""}),
    CaseName());

}  // namespace
