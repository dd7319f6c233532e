// Tables of cases as CSV: the fields, the header, and that each case's
// fields stand under the columns JSON names them by.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "output/Csv.h"
#include "SolverTexts.h"

namespace {

using Args = std::vector<std::string>;

struct FieldCase {
    const char* name;
    std::string text;
    std::string field;
};

class CsvField : public testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsQuotedWhereItMustBe)
{
    EXPECT_EQ(csvField(GetParam().text), GetParam().field);
    EXPECT_EQ(csvFields(csvField(GetParam().text)), std::vector<std::string>{GetParam().text}) << "reads back";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvField,
    testing::Values(FieldCase{"Plain", "S/D > 0.9", "S/D > 0.9"},
                    FieldCase{"Japanese", "比誘電率", "比誘電率"},
                    FieldCase{"Comma", "a, b", "\"a, b\""},
                    FieldCase{"Quotes", R"(DD "abc": not a number)", R"("DD ""abc"": not a number")"},
                    FieldCase{"LineBreak", "a\nb", "\"a\nb\""}, FieldCase{"Return", "a\rb", "\"a\rb\""},
                    FieldCase{"Empty", "", ""}),
    CaseName());

// As in JSON, a byte that is no part of UTF-8 becomes U+FFFD.
TEST(CsvField, ReplacesBytesThatAreNotUtf8)
{
    EXPECT_EQ(csvField("0.5\xff"), "0.5\uFFFD");
    EXPECT_EQ(csvField("a,\xe8\xa8"), "\"a,\uFFFD\uFFFD\"");
}

// Units after an underscore, "/" read as "per", so that a header is plain
// words a spreadsheet and a script can both take.
TEST(CsvHeader, NamesEachColumnWithItsUnit)
{
    const std::vector<CsvColumn> columns{
        {"sd", Unit::None},           {"ze", Unit::Ohm},
        {"D", Unit::Millimetre},      {"skin_depth", Unit::Micrometre},
        {"c_even", Unit::PicofaradPerLength}, {"l_odd", Unit::NanohenryPerLength},
        {"delay", Unit::NanosecondPerLength}, {"alpha_diff", Unit::DecibelPerLength},
        {"freq", Unit::Hertz},        {"sigma", Unit::SiemensPerMetre},
        {"ze_deviation", Unit::Percent}, {"error_bound", Unit::RelativeError}};
    EXPECT_EQ(csvHeader(columns), "sd,ze_ohm,D_mm,skin_depth_um,c_even_pF_per_m,l_odd_nH_per_m,delay_ns_per_m,"
                                  "alpha_diff_dB_per_m,freq_Hz,sigma_S_per_m,ze_deviation_ratio,error_bound\n");
}

// The JSON key a header column stands for.
std::string keyOf(const std::string& column)
{
    for (const char* unit : {"_mohm_per_m", "_ohm", "_mm", "_um", "_pF_per_m", "_nH_per_m", "_ns_per_m", "_ps_per_m", "_dB_per_m", "_Hz",
                             "_S_per_m", "_ratio", "_r"})
        if (column.ends_with(unit))
            return column.substr(0, column.size() - std::string(unit).size());
    return column;
}

// The members of a flat JSON object as their texts, strings without quotes.
std::map<std::string, std::string> jsonMembers(const std::string& object)
{
    static const std::regex member(R"re("([A-Za-z0-9_]+)":("(?:[^"\\]|\\.)*"|[^,}]*))re");
    std::map<std::string, std::string> members;
    for (auto it = std::sregex_iterator(object.begin(), object.end(), member); it != std::sregex_iterator(); ++it) {
        std::string value = (*it)[2];
        if (value.starts_with('"'))
            value = value.substr(1, value.size() - 2);
        members[(*it)[1]] = value;
    }
    return members;
}

struct TableCase {
    const char* name;
    Args args;
};

class CsvTable : public testing::TestWithParam<TableCase> {};

// Each field of the JSON object stands under the column of its key, with the
// same text; the columns are in JSON's order and no other column is filled
// but an empty error.
TEST_P(CsvTable, HoldsEachJsonFieldUnderItsColumn)
{
    Args json = GetParam().args, csv = GetParam().args;
    json.push_back("--json");
    csv.push_back("--csv");
    const CliResult asJson = runWith(json);
    const CliResult asCsv = runWith(csv);
    EXPECT_EQ(asCsv.status, asJson.status);
    const std::vector<std::string> lines = linesOf(asCsv.out);
    ASSERT_EQ(lines.size(), 2u) << asCsv.out;
    const std::vector<std::string> header = csvFields(lines[0]);
    const std::vector<std::string> row = csvFields(lines[1]);
    ASSERT_EQ(row.size(), header.size()) << lines[1];
    EXPECT_EQ(header.back(), "error");

    const std::map<std::string, std::string> members = jsonMembers(asJson.out);
    std::vector<std::string> filled;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto member = members.find(keyOf(header[i]));
        if (member == members.end()) {
            EXPECT_EQ(row[i], "") << header[i] << " is no field of " << asJson.out;
            continue;
        }
        EXPECT_EQ(row[i], member->second) << header[i];
        filled.push_back(member->first);
    }
    EXPECT_EQ(filled, jsonKeys(asJson.out)) << "every field, in JSON's order";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvTable,
    testing::Values(
        TableCase{"Impedance", {"impedance", "0.5", "10", "2.25"}},
        TableCase{"Converged", {"impedance", "0.5", "10", "--method", "converged"}},
        TableCase{"Compare", {"impedance", "0.3", "4", "--compare"}},
        TableCase{"ConvergedCompare", {"impedance", "0.3", "4", "--compare", "--method", "converged"}},
        TableCase{"Dimensions", {"impedance", "--D=4.2", "--S=1.4", "--awg=24", "2.1"}},
        TableCase{"Loss", {"impedance", "0.5", "10", "--d=0.5", "--freq=1GHz", "--tand=2e-4"}},
        TableCase{"FailedImpedance", {"impedance", "0.95", "10"}},
        TableCase{"Shape", {"shape", "100", "50", "--d", "0.5"}},
        TableCase{"ShapeByTargets", {"shape", "--zdiff", "100", "--zcm", "40", "--method", "converged"}},
        TableCase{"FailedShape", {"shape", "--zdiff", "100", "--zcm", "20", "--english"}}),
    CaseName());

// The header comes from the run's settings, not from the first case, which
// may have failed.
TEST(CsvSweep, HasEveryColumnWhenTheFirstCaseFails)
{
    const CliResult r = runWith({"impedance", "--sweep", "sd=0.95,0.5", "10", "--csv", "--english"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    const std::vector<std::string> header = csvFields(lines[0]);
    EXPECT_EQ(header[3], "ze_ohm");
    EXPECT_EQ(csvFields(lines[1]).back(), std::string(kSdAboveLimitText));
    EXPECT_EQ(csvFields(lines[2]), csvFields(linesOf(runWith({"impedance", "0.5", "10", "--csv"}).out).at(1)));
}

// A batch's rows start with their input line; a header row of the input is
// skipped, an unreadable line gets its error, quoted as CSV requires, and a
// missing comparison its warning.
TEST(CsvBatch, RowsByLineWithErrorsAndWarnings)
{
    const CliResult r = runWith({"impedance", "--batch", "--csv", "--compare", "--english"},
                                "sd,dd,er\n0.5,10,2.1\n0.5 abc\n0.2511,4\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    const std::vector<std::string> header = csvFields(lines[0]);
    ASSERT_EQ(header.front(), "line");
    ASSERT_EQ(header[header.size() - 2], "warning");
    const std::vector<std::string> solved = csvFields(lines[1]);
    EXPECT_EQ(solved[0], "2");
    EXPECT_EQ(solved[3], "2.1");
    const std::vector<std::string> unreadable = csvFields(lines[2]);
    EXPECT_EQ(unreadable[0], "3");
    EXPECT_EQ(unreadable.back(), R"(DD "abc": not a number)");
    EXPECT_EQ(std::count(lines[2].begin(), lines[2].end(), ','), std::count(lines[0].begin(), lines[0].end(), ','));
    const std::vector<std::string> unreached = csvFields(lines[3]);
    EXPECT_EQ(unreached[header.size() - 2].rfind("no comparison: " + std::string(kGapTooNarrowStart), 0), 0u) << lines[3];
    EXPECT_EQ(unreached.back(), "");
}

struct HeaderCase {
    const char* name;
    std::string firstLine;
    bool skipped;
};

class CsvInputHeader : public testing::TestWithParam<HeaderCase> {};

// Only a first line of words is a header; a case with a typo is reported.
TEST_P(CsvInputHeader, IsSkippedWhenItIsWords)
{
    const CliResult r = runWith({"impedance", "--batch"}, GetParam().firstLine + "\n0.5 10\n");
    EXPECT_EQ(linesOf(r.out).size(), GetParam().skipped ? 1u : 2u) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvInputHeader,
                         testing::Values(HeaderCase{"Keys", "sd,dd,er", true},
                                         HeaderCase{"OwnCsvColumns", "D_mm,S_mm,d_mm", true},
                                         HeaderCase{"Quoted", R"("sd","dd")", true},
                                         HeaderCase{"AfterAComment", "# cable\nsd dd", true},
                                         HeaderCase{"CaseWithATypo", "0.5 1o", false},
                                         HeaderCase{"WordThenNumber", "sd 10", false}),
                         CaseName());

// A header names the columns; each line's values go to the inputs named,
// whatever their order ("sd,er,dd" once read D/d 2.25 and Er 6).
struct NamedColumns {
    const char* name;
    std::string lines;
    std::vector<std::pair<const char*, double>> expected;  // JSON keys of the first case
};

class CsvHeaderColumns : public testing::TestWithParam<NamedColumns> {};

TEST_P(CsvHeaderColumns, MapByName)
{
    const CliResult r = runWith({"impedance", "--batch"}, GetParam().lines);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string first = linesOf(r.out).at(0);
    for (const auto& [key, value] : GetParam().expected)
        EXPECT_DOUBLE_EQ(jsonNumberAt(first, key), value) << key << " in " << first;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvHeaderColumns,
    testing::Values(NamedColumns{"OutOfOrder", "sd,er,dd\n0.5,2.25,6\n", {{"sd", 0.5}, {"dd", 6}, {"er", 2.25}}},
                    NamedColumns{"PartsListInMillimetres", "D,S,d,er\n4.2,1.4,0.51,2.1\n",
                                 {{"D", 4.2}, {"S", 1.4}, {"d", 0.51}, {"er", 2.1}}},
                    NamedColumns{"OwnCsvColumnsReadBack", "D_mm,S_mm,d_mm,freq_Hz\n4.2,1.4,0.51,1000000000\n",
                                 {{"D", 4.2}, {"freq", 1e9}, {"er", 1}}},
                    NamedColumns{"SpreadsheetDecimalCommas", "sd;dd;er\n0,5;5,83;2,25\n",
                                 {{"sd", 0.5}, {"dd", 5.83}, {"er", 2.25}}},
                    NamedColumns{"SemicolonsWithoutHeader", "0,5;5,83;2,25\n", {{"sd", 0.5}, {"dd", 5.83}}},
                    NamedColumns{"ErColumnLeftOut", "sd,dd,er\n0.5,6\n", {{"dd", 6}, {"er", 1}}}),
    CaseName());

// A header that names what the mode does not take, leaves out what it needs
// or names what an option gives is refused before any case, with exit 2.
TEST(CsvHeaderColumns, RefusedWithTheNames)
{
    const CliResult unknown = runWith({"impedance", "--batch", "--csv"}, "sd,dd,xx\n0.5,6,1\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err.rfind(R"(duvane-calc: the header names no input "xx" - impedance takes sd, dd, D, )", 0), 0u)
        << unknown.err;
    const CliResult missing = runWith({"impedance", "--batch"}, "sd,er\n0.5,2\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "duvane-calc: the header leaves out dd: name a column for it\n");
    const CliResult twice = runWith({"impedance", "--batch", "--er", "2"}, "sd,dd,er\n0.5,6,2\n");
    EXPECT_EQ(twice.status, 2);
    EXPECT_EQ(twice.err, "duvane-calc: the header names er, which an option gives as well: give it once\n");
}

// An over-long line is refused alone, never held whole, and the run goes on.
TEST(CsvBatch, OverLongLineIsRefusedAndTheRunGoesOn)
{
    const CliResult r = runWith({"impedance", "--batch"}, "0.5 " + std::string(200000, '1') + "\n0.5 10\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(jsonTextAt(lines[0], "error"), "longer than 65536 bytes");
    EXPECT_GT(jsonNumberAt(lines[1], "ze"), 0);
}

// Only the first line of the input may be a header.
TEST(CsvInputHeader, SecondWordLineIsAnError)
{
    const CliResult r = runWith({"impedance", "--batch"}, "0.3 5\nsd dd\n");
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], R"({"line":2,"input":"sd dd","error":"SD \"sd\": not a number"})");
}

// One number form per column: the frequencies 1 MHz and 1.5 MHz were once
// "1e+06" and "1500000" in one column; and no field is a negative zero.
TEST(CsvNumbers, OneFormPerColumnAndNoNegativeZero)
{
    const CliResult r = runWith({"impedance", "0.5", "10", "--awg", "24", "--tand", "-0", "--sweep",
                                 "freq=1MHz,1.5MHz,20GHz", "--csv"});
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_EQ(csvFields(lines[0]).at(5), "freq_Hz");
    EXPECT_EQ(csvFields(lines[1]).at(5), "1000000");
    EXPECT_EQ(csvFields(lines[2]).at(5), "1500000");
    EXPECT_EQ(csvFields(lines[3]).at(5), "20000000000");
    EXPECT_EQ(csvFields(lines[1]).at(6), "0");
    EXPECT_EQ(r.out.find("-0,"), std::string::npos) << r.out;
}

}  // namespace
