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
                    QuotedCase{"Utf8", "計算.txt", "\"計算.txt\""}),
    CaseName());

}  // namespace
