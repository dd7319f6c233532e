#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/Report.h"

// Tables of cases as spreadsheets read CSV: fields separated by commas, one
// row per line, a header row naming the columns.

// A field: as it is, or in double quotes, its quotes doubled, where it holds
// a comma, a quote or a line break; a byte that is no part of valid UTF-8
// becomes U+FFFD, as in JSON.
std::string csvField(std::string_view text);

struct CsvColumn {
    std::string_view key;  // as JSON names the field
    Unit unit;
    LengthBasis per = LengthBasis::Metre;  // of a per-length unit
};

// The columns of a table of cases that have the fields of `layout` (see
// CaseRunner::layout): "line" first when `numbered`, then those fields, then
// "warning" and "error".
std::vector<CsvColumn> csvColumns(const Report& layout, bool numbered);

// The header row: each column's key, with its unit after an underscore where
// it has one, "/" read as "per": ze_ohm, c_even_pF_per_m, alpha_diff_dB_per_100ft,
// ze_deviation_ratio.
std::string csvHeader(const std::vector<CsvColumn>& columns);

// One row: each field of the report under its column, the other columns
// empty. Numbers carry full precision, as in JSON.
std::string csvRow(const std::vector<CsvColumn>& columns, const Report& report, long long line);

// The row of a batch line that could not be read: its number and the problem.
std::string csvUnreadableRow(const std::vector<CsvColumn>& columns, long long line, std::string_view problem);
