// The per-length matrices as a table: keys, units and the three forms.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "output/ExportTexts.h"
#include "output/RlgcTable.h"

namespace {

std::vector<RlgcRow> rows()
{
    return {{0, {0.0844, 0, 0.0844}, {4.53e-7, 1.06e-7, 4.53e-7}, {0, 0, 0}, {4.44e-11, -1.51e-11, 4.44e-11}, {}},
            {1e9, {6.18, 0.624, 6.18}, {3.94e-7, 9.98e-8, 3.94e-7}, {2.5e-5, -1.5e-5, 2.5e-5},
             {4.4378e-11, -1.51186e-11, 4.4378e-11}, {}}};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// "key":number pairs of a flat JSON object, in order.
std::vector<std::pair<std::string, double>> jsonNumbers(const std::string& object)
{
    std::vector<std::pair<std::string, double>> out;
    std::size_t at = 0;
    while ((at = object.find('"', at)) != std::string::npos) {
        const std::size_t end = object.find('"', at + 1);
        char* after = nullptr;
        const double value = std::strtod(object.c_str() + end + 2, &after);
        out.emplace_back(object.substr(at + 1, end - at - 1), value);
        at = static_cast<std::size_t>(after - object.c_str());
    }
    return out;
}

// Each frequency's keys in order, l in nH/m and c in pF/m.
TEST(RlgcTable, JsonLinesInItsUnits)
{
    const TableText t = rlgcTable(rows(), TableFormat::JsonLines, {"not written"});
    ASSERT_EQ(t.error, "");
    const std::vector<std::string> l = lines(t.text);
    ASSERT_EQ(l.size(), 2u);
    const auto fields = jsonNumbers(l[1]);
    const std::vector<std::pair<std::string, double>> expected{
        {"freq", 1e9}, {"r11", 6.18},     {"r12", 0.624},    {"r22", 6.18},    {"l11", 394},
        {"l12", 99.8}, {"l22", 394},      {"g11", 2.5e-5},   {"g12", -1.5e-5}, {"g22", 2.5e-5},
        {"c11", 44.378}, {"c12", -15.1186}, {"c22", 44.378}};
    ASSERT_EQ(fields.size(), expected.size()) << l[1];
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fields[i].first, expected[i].first);
        EXPECT_DOUBLE_EQ(fields[i].second, expected[i].second) << expected[i].first;
    }
}

TEST(RlgcTable, CsvHeaderNamesUnits)
{
    const TableText t = rlgcTable(rows(), TableFormat::Csv, {});
    ASSERT_EQ(t.error, "");
    const std::vector<std::string> l = lines(t.text);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0], "freq_Hz,r11_ohm_per_m,r12_ohm_per_m,r22_ohm_per_m,l11_nH_per_m,l12_nH_per_m,l22_nH_per_m,"
                    "g11_S_per_m,g12_S_per_m,g22_S_per_m,c11_pF_per_m,c12_pF_per_m,c22_pF_per_m,warning");
    std::istringstream row(l[1]);
    std::vector<double> values;
    for (std::string field; std::getline(row, field, ',');)
        values.push_back(std::strtod(field.c_str(), nullptr));
    ASSERT_EQ(values.size(), 13u) << "an empty warning last";
    EXPECT_EQ(l[1].back(), ',');
    EXPECT_DOUBLE_EQ(values[1], 0.0844);
    EXPECT_DOUBLE_EQ(values[4], 453);
    EXPECT_DOUBLE_EQ(values[11], -15.1);
}

// A frequency's caveat where JSON and CSV readers find it: the object's
// "warning" (and no key where there is none), the CSV's last field, quoted
// where it holds a comma.
TEST(RlgcTable, WarningOfARow)
{
    std::vector<RlgcRow> r = rows();
    r[1].warning = "above the limit, about 60 GHz";
    const std::vector<std::string> json = lines(rlgcTable(r, TableFormat::JsonLines, {}).text);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0].find("warning"), std::string::npos) << json[0];
    EXPECT_TRUE(json[1].ends_with(R"(,"warning":"above the limit, about 60 GHz"})")) << json[1];
    const std::vector<std::string> csv = lines(rlgcTable(r, TableFormat::Csv, {}).text);
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_TRUE(csv[2].ends_with(R"(,"above the limit, about 60 GHz")")) << csv[2];
}

// Comments, a header with units, then right-aligned columns: every line of
// the table as long as the header.
TEST(RlgcTable, TextIsAligned)
{
    const TableText t = rlgcTable(rows(), TableFormat::Text, {"cross-section: a test"});
    ASSERT_EQ(t.error, "");
    const std::vector<std::string> l = lines(t.text);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "# cross-section: a test");
    EXPECT_EQ(l[1].find("freq[Hz]"), l[1].find_first_not_of(' '));
    EXPECT_NE(l[1].find("c22[pF/m]"), std::string::npos);
    EXPECT_EQ(l[2].size(), l[1].size());
    EXPECT_EQ(l[3].size(), l[1].size());
    std::istringstream last(l[3]);
    double frequency = 0, r11 = 0;
    last >> frequency >> r11;
    EXPECT_EQ(frequency, 1e9);
    EXPECT_EQ(r11, 6.18);
}

TEST(RlgcTable, RefusesWhatCannotBeATable)
{
    std::vector<RlgcRow> r = rows();
    std::swap(r[0], r[1]);
    EXPECT_EQ(rlgcTable(r, TableFormat::Csv, {}).error, kExportFrequenciesText);
    r = rows();
    r[1].l[1] = NAN;
    const TableText t = rlgcTable(r, TableFormat::Text, {});
    EXPECT_EQ(t.error, kExportValuesText);
    EXPECT_EQ(t.text, "");
}

}  // namespace
