#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string_view>

#include "CaseName.h"
#include "cases/Batch.h"
#include "cases/CaseRunner.h"
#include "CliRun.h"
#include "output/CaseOutput.h"
#include "SolverTexts.h"

namespace {

using Texts = std::vector<std::string_view>;

struct SplitCase {
    const char* name;
    std::string_view line;
    Texts texts;
};

class SplitCaseLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCaseLine, SeparatesByCommasOrBlanks)
{
    EXPECT_EQ(splitCaseLine(GetParam().line), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitCaseLine,
                         testing::Values(SplitCase{"Blanks", "0.5 10", {"0.5", "10"}},
                                         SplitCase{"Commas", "0.5,10,2.25", {"0.5", "10", "2.25"}},
                                         SplitCase{"BlanksAroundCommas", " 0.5 ,\t10 , 2.25\r", {"0.5", "10", "2.25"}},
                                         SplitCase{"BlanksAndCommasMixed", "0.5 10,2", {"0.5", "10", "2"}},
                                         SplitCase{"EmptyBetweenCommas", "0.5,,10", {"0.5", "", "10"}},
                                         SplitCase{"EmptyAfterLastComma", "0.5,10,", {"0.5", "10", ""}},
                                         SplitCase{"LoneComma", ",", {"", ""}},
                                         SplitCase{"OneNumber", "0.5", {"0.5"}}),
                         CaseName());

TEST(Batch, MixedLinesEachGiveTheirObject)
{
    const std::string input =
        "# S/D, D/d, Er\n"
        "0.5, 10\n"
        "\n"
        "   \t\n"
        "  # indented comment\n"
        "0.5 10 2.25\n"
        "0.95,10\n"
        "0.5 abc\n"
        "0.5,,10\n"
        "0.5 10 1 7\n"
        "0.5\n"
        "0.5 10 0\n"
        "0.3 5";  // last line without newline
    const CliResult r = runWith({"impedance", "--batch", "--english"}, input);
    EXPECT_EQ(r.status, 0) << "all lines were read";
    EXPECT_EQ(r.err, "");
    const auto lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 9u) << r.out;

    EXPECT_EQ(jsonKeys(lines[0]), (std::vector<std::string>{"line", "sd", "dd", "er", "ze", "zo", "zdiff", "zcm",
                                                             "c_even", "c_odd", "l_even", "l_odd", "vf", "delay"}));
    EXPECT_EQ(jsonNumberAt(lines[0], "line"), 2);
    EXPECT_EQ(jsonNumberAt(lines[0], "er"), 1);
    EXPECT_NEAR(jsonNumberAt(lines[0], "ze"), 133.229, 0.0005);
    EXPECT_EQ(jsonNumberAt(lines[1], "line"), 6);
    EXPECT_NEAR(jsonNumberAt(lines[1], "zo"), 71.617, 0.0005);
    EXPECT_EQ(lines[2], R"({"line":7,"sd":0.95,"dd":10,"er":1,"error":")" + std::string(kSdAboveLimitText) + R"("})");
    EXPECT_EQ(lines[3], R"({"line":8,"input":"0.5 abc","error":"DD \"abc\": not a number"})");
    EXPECT_EQ(lines[4], R"({"line":9,"input":"0.5,,10","error":"DD is empty"})");
    EXPECT_EQ(lines[5], R"({"line":10,"input":"0.5 10 1 7","error":"unexpected \"7\" after ER"})");
    EXPECT_EQ(lines[6], R"({"line":11,"input":"0.5","error":"missing DD"})");
    EXPECT_EQ(lines[7], R"({"line":12,"sd":0.5,"dd":10,"er":0,"error":")" + std::string(kErNotPositiveText.english) + R"("})");
    EXPECT_EQ(jsonNumberAt(lines[8], "line"), 13);
    EXPECT_NEAR(jsonNumberAt(lines[8], "zo"), 51.089, 0.0005);
}

TEST(Batch, OutOfRangeFieldIsNotCalledNotANumber)
{
    const CliResult r = runWith({"impedance", "--batch"}, "0.5 1e400\n1e-400,10\n");
    EXPECT_EQ(r.out, R"({"line":1,"input":"0.5 1e400","error":"DD \"1e400\": out of range"})"
                     "\n"
                     R"({"line":2,"input":"1e-400,10","error":"SD \"1e-400\": out of range"})"
                     "\n");
}

const std::string kByteOrderMark = "\xEF\xBB\xBF";

struct MarkedInput {
    const char* name;
    std::string input;  // without the mark
};

class ByteOrderMark : public testing::TestWithParam<MarkedInput> {};

// The mark some editors start a file with is no part of the first line.
TEST_P(ByteOrderMark, AtTheStartIsSkipped)
{
    const CliResult unmarked = runWith({"impedance", "--batch"}, GetParam().input);
    ASSERT_NE(unmarked.out, "");
    const CliResult marked = runWith({"impedance", "--batch"}, kByteOrderMark + GetParam().input);
    EXPECT_EQ(marked.status, unmarked.status);
    EXPECT_EQ(marked.out, unmarked.out);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteOrderMark,
                         testing::Values(MarkedInput{"BeforeACase", "0.5 10\n0.3 5\n"},
                                         MarkedInput{"BeforeCommas", "0.5,10,2.25\n"},
                                         MarkedInput{"BeforeAComment", "# S/D, D/d\n0.5 10\n"},
                                         MarkedInput{"BeforeABlankLine", "\n0.5 10\n"},
                                         MarkedInput{"BeforeAFailingLine", "0.5 ten\n"}),
                         CaseName());

// Elsewhere the mark is no number.
TEST(ByteOrderMarkLater, IsNotSkipped)
{
    const auto lines = linesOf(runWith({"impedance", "--batch"}, "0.5 10\n" + kByteOrderMark + "0.3 5\n").out);
    ASSERT_EQ(lines.size(), 2u);
    // The mark is read as part of the number, and the message shows it.
    EXPECT_NE(lines[1].find(R"("error":"SD \")" + kByteOrderMark + R"(0.3\": not a number")"), std::string::npos)
        << lines[1];
}

TEST(Batch, ModeOptionsApplyToEveryLine)
{
    const CliResult r = runWith({"shape", "--batch", "--limit", "3", "--width", "0.1", "--english"},
                                "133.229 107.426\n100,50,2\n100 100\n");
    EXPECT_EQ(r.status, 0);
    const auto lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string& line : lines) {
        EXPECT_EQ(jsonNumberAt(line, "limit"), 3) << line;
        EXPECT_EQ(jsonNumberAt(line, "width"), 0.1) << line;
    }
    EXPECT_EQ(jsonTextAt(lines[0], "error").rfind(std::string(kCountOverText.english), 0), 0u);
    EXPECT_EQ(jsonTextAt(lines[1], "error").rfind(std::string(kCountOverText.english), 0), 0u);
    EXPECT_EQ(jsonTextAt(lines[2], "error"), std::string(kZeNotAboveZoText.english));
}

// A solve that fails must not spoil the next one on the same solver.
TEST(Batch, CasesDoNotLeakIntoEachOther)
{
    const CliResult batch = runWith({"shape", "--batch"}, "100 50\n50 100\n100 99.9\n100 50\n");
    const auto lines = linesOf(batch.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(jsonTextAt(lines[1], "error"), std::string(kZeNotAboveZoText.japanese));
    EXPECT_EQ(jsonTextAt(lines[2], "error"), std::string(kShapeSolvePrefix) + std::string(kSdAboveLimitText));
    const std::string single = runWith({"shape", "100", "50", "--json"}).out;
    EXPECT_EQ(lines[0].substr(lines[0].find(",\"ze\"") + 1), single.substr(1, single.size() - 2));
    EXPECT_EQ(lines[3].substr(lines[3].find(",\"ze\"") + 1), single.substr(1, single.size() - 2));
}

TEST(Batch, EmptyInputGivesNothing)
{
    const CliResult r = runWith({"impedance", "--batch"}, "# nothing\n\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

// A stream buffer whose device fails after the first line.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override
    {
        if (served_)
            throw std::ios_base::failure("device error");
        served_ = true;
        setg(line_, line_, line_ + sizeof line_ - 1);
        return traits_type::to_int_type(line_[0]);
    }

private:
    char line_[9] = "0.5 10\n\n";
    bool served_ = false;
};

TEST(Batch, ReadErrorGivesStatusOne)
{
    FailingBuffer buffer;
    std::istream in(&buffer);
    std::ostringstream out, err;
    CaseRunner runner(Mode::Impedance, SolveSettings{});
    CaseOutput output(out, Format::JsonLines, Report{}, true);
    EXPECT_EQ(runBatch(runner, CaseInput{}, in, output, err), 1);
    // The line before the error is answered.
    EXPECT_EQ(linesOf(out.str()).size(), 1u);
    EXPECT_NEAR(jsonNumberAt(out.str(), "ze"), 133.229, 0.0005);
    EXPECT_EQ(err.str(), "duvane-calc: cannot read standard input\n");
}

// Once the output is lost, the cases still to come would be lost as well.
TEST(Batch, LostOutputStopsTheRun)
{
    FullDeviceBuffer buffer(0);
    std::ostream out(&buffer);
    std::istringstream in("0.5 10\n0.3 5\n");
    std::ostringstream err;
    CaseRunner runner(Mode::Impedance, SolveSettings{});
    CaseOutput output(out, Format::JsonLines, Report{}, true);
    runBatch(runner, CaseInput{}, in, output, err);
    std::string unread;
    EXPECT_TRUE(std::getline(in, unread));
    EXPECT_EQ(unread, "0.3 5");
}

}  // namespace
