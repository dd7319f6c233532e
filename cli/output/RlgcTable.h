#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

// The per-length matrices over frequency as a table: aligned text (with
// "# " comment lines), JSON lines (one object a frequency) or CSV (a header
// row, then a row a frequency). Keys freq, r11, r12, r22, l11, ... c22; units
// Hz, ohm/m, nH/m, S/m, pF/m; C and G in the Maxwell form. CSV's header puts
// each column's unit after its key, as duvane-calc's CSV does: r11_ohm_per_m.
// Every number is the shortest text that reads back to the same double. A
// row's warning is its JSON object's "warning" (where it has one) and the
// CSV's last column; the text form leaves it to standard error.

// SI per metre: ohm/m, H/m, S/m, F/m; upper triangles (11, 12, 22).
struct RlgcRow {
    double frequency = 0;  // Hz
    std::array<double, 3> r{}, l{}, g{}, c{};
    std::string warning;  // a caveat of this frequency, for JSON and CSV; empty: none
};

enum class TableFormat { Text, JsonLines, Csv };

struct TableText {
    std::string error;  // empty when the table could be written
    std::string text;
};

// `comments` go into the text form only: JSON lines and CSV have no place
// for them.
TableText rlgcTable(std::span<const RlgcRow> rows, TableFormat format, const std::vector<std::string>& comments);
