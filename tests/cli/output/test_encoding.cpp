// Whatever bytes come in, every output is valid UTF-8: JSON and CSV show a
// byte that is no part of UTF-8 as U+FFFD, a message quotes it as \xHH.

#include <gtest/gtest.h>

#include "CaseName.h"
#include "CliRun.h"
#include "output/Utf8.h"

namespace {

class Encoding : public testing::TestWithParam<ExactRun> {};

TEST_P(Encoding, StaysUtf8)
{
    expectExactRun(GetParam());
}

const std::string kBatchCsvHeader =
    "line,sd,dd,er,ze_ohm,zo_ohm,zdiff_ohm,zcm_ohm,c_even_pF_per_m,c_odd_pF_per_m,l_even_nH_per_m,"
    "l_odd_nH_per_m,vf,delay_ns_per_m,warning,error\n";

INSTANTIATE_TEST_SUITE_P(
    Runs, Encoding,
    testing::Values(
        ExactRun{"CsvBatchLine", {"impedance", "--batch", "--csv"}, "0.5\xff 10\n", 0,
                 kBatchCsvHeader + R"(1,,,,,,,,,,,,,,,"SD ""0.5\xff"": not a number")" "\n", ""},
        // The line as read keeps its place in JSON, the byte replaced.
        ExactRun{"JsonBatchLine", {"impedance", "--batch"}, "0.5\xff 10\n", 0,
                 "{\"line\":1,\"input\":\"0.5\uFFFD 10\",\"error\":\"SD \\\"0.5\\\\xff\\\": not a number\"}\n", ""},
        ExactRun{"Operand", {"impedance", "0.5", "1\xe8\xa8"}, "", 2, "",
                 argumentError(R"(DD "1\xe8\xa8": not a number)")},
        ExactRun{"Option", {"impedance", "0.5", "10", "--j\xc0\xafson"}, "", 2, "",
                 argumentError(R"(unknown option "--j\xc0\xafson")")},
        ExactRun{"ValidUtf8StaysAsItIs", {"impedance", "0.5", "1０"}, "", 2, "",
                 argumentError("DD \"1０\": not a number")}),
    CaseName());

// The text results and the warning beside them on standard error.
TEST(Encoding, TraceFileNameInTheWarning)
{
    const CliResult r = runWith({"shape", "133.229", "107.426", "--trace", "/nonexistent/\xff.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("S/D   = 0.500\n", 0), 0u) << r.out;
    EXPECT_EQ(r.err, "duvane-calc: cannot write the trace file \"/nonexistent/\\xff.txt\"\n");
}

struct Utf8Case {
    const char* name;
    std::string text;
    std::string valid;
};

class ValidUtf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(ValidUtf8, ReplacesEachStrayByte)
{
    EXPECT_EQ(withValidUtf8(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidUtf8,
    testing::Values(Utf8Case{"Ascii", "0.5 10", "0.5 10"}, Utf8Case{"AllLengths", "aé比😀", "aé比😀"},
                    Utf8Case{"StrayByte", "a\xff" "b", "a\uFFFDb"},
                    Utf8Case{"Continuation", "\x80", "\uFFFD"},
                    Utf8Case{"Overlong", "\xc0\xaf", "\uFFFD\uFFFD"},
                    Utf8Case{"Surrogate", "\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},
                    Utf8Case{"AboveUnicode", "\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
                    // A cut sequence loses its lead; what follows is read afresh.
                    Utf8Case{"CutShort", "\xe8\xa8x", "\uFFFD\uFFFDx"}),
    CaseName());

}  // namespace
