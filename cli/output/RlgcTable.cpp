#include "output/RlgcTable.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "NumberText.h"
#include "output/Csv.h"
#include "output/ExportLines.h"
#include "output/ExportTexts.h"
#include "output/Json.h"

namespace {

struct Column {
    std::string_view key;
    std::string_view unit;      // as text shows it
    std::string_view csvUnit;   // after the key in a CSV header
};

constexpr std::array<Column, 13> kColumns{{
    {"freq", "Hz", "Hz"},
    {"r11", "ohm/m", "ohm_per_m"}, {"r12", "ohm/m", "ohm_per_m"}, {"r22", "ohm/m", "ohm_per_m"},
    {"l11", "nH/m", "nH_per_m"}, {"l12", "nH/m", "nH_per_m"}, {"l22", "nH/m", "nH_per_m"},
    {"g11", "S/m", "S_per_m"}, {"g12", "S/m", "S_per_m"}, {"g22", "S/m", "S_per_m"},
    {"c11", "pF/m", "pF_per_m"}, {"c12", "pF/m", "pF_per_m"}, {"c22", "pF/m", "pF_per_m"},
}};

std::array<double, 13> values(const RlgcRow& row)
{
    std::array<double, 13> v{row.frequency};
    for (int i = 0; i < 3; ++i) {
        v[1 + i] = row.r[i];
        v[4 + i] = row.l[i] * 1e9;
        v[7 + i] = row.g[i];
        v[10 + i] = row.c[i] * 1e12;
    }
    return v;
}

std::string textTable(std::span<const RlgcRow> rows, const std::vector<std::string>& comments)
{
    std::vector<std::array<std::string, 13>> cells;
    std::array<std::size_t, 13> width{};
    std::array<std::string, 13> header;
    for (std::size_t j = 0; j < kColumns.size(); ++j) {
        header[j] = std::string(kColumns[j].key) + "[" + std::string(kColumns[j].unit) + "]";
        width[j] = header[j].size();
    }
    for (const RlgcRow& row : rows) {
        const std::array<double, 13> v = values(row);
        auto& line = cells.emplace_back();
        for (std::size_t j = 0; j < v.size(); ++j) {
            line[j] = formatShortest(v[j]);
            width[j] = std::max(width[j], line[j].size());
        }
    }
    std::string text = commentLines("#", comments);
    const auto appendRow = [&](const std::array<std::string, 13>& row) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0)
                text += "  ";
            text.append(width[j] - row[j].size(), ' ');
            text += row[j];
        }
        text += '\n';
    };
    appendRow(header);
    for (const auto& row : cells)
        appendRow(row);
    return text;
}

std::string jsonLines(std::span<const RlgcRow> rows)
{
    std::string text;
    for (const RlgcRow& row : rows) {
        const std::array<double, 13> v = values(row);
        JsonObject object;
        for (std::size_t j = 0; j < v.size(); ++j)
            object.number(kColumns[j].key, v[j]);
        if (!row.warning.empty())
            object.text("warning", row.warning);
        text += object.str();
        text += '\n';
    }
    return text;
}

std::string csvTable(std::span<const RlgcRow> rows)
{
    std::string text;
    for (std::size_t j = 0; j < kColumns.size(); ++j) {
        if (j > 0)
            text += ',';
        text += kColumns[j].key;
        text += '_';
        text += kColumns[j].csvUnit;
    }
    text += ",warning\n";
    for (const RlgcRow& row : rows) {
        const std::array<double, 13> v = values(row);
        for (std::size_t j = 0; j < v.size(); ++j) {
            if (j > 0)
                text += ',';
            appendShortest(text, v[j]);
        }
        text += ',';
        text += csvField(row.warning);
        text += '\n';
    }
    return text;
}

}  // namespace

TableText rlgcTable(std::span<const RlgcRow> rows, TableFormat format, const std::vector<std::string>& comments)
{
    TableText out;
    std::vector<double> frequencies;
    for (const RlgcRow& row : rows) {
        frequencies.push_back(row.frequency);
        for (double v : values(row))
            if (!std::isfinite(v)) {
                out.error = std::string(kExportValuesText);
                return out;
            }
    }
    if (!increasingFrequencies(frequencies)) {
        out.error = std::string(kExportFrequenciesText);
        return out;
    }
    switch (format) {
    case TableFormat::Text: out.text = textTable(rows, comments); break;
    case TableFormat::JsonLines: out.text = jsonLines(rows); break;
    case TableFormat::Csv: out.text = csvTable(rows); break;
    }
    return out;
}
