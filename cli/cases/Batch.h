#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "cases/Inputs.h"

class CaseOutput;
class CaseRunner;

// Reads one case per line from `in` and writes each to `output`; a line that
// cannot be read (or is longer than kMaxLineBytes) or a case that fails
// gives its error, and the run goes on. Each line gives the numbers the
// operands would, the rest of each case being `fixed`, as the options give
// it; or, after a first line of words (a CSV file's header), the inputs its
// columns name, by their keys (D,S,d,er) or duvane-calc's own CSV columns
// (D_mm, freq_Hz). A line with semicolons is a spreadsheet's export: its
// fields are separated by them, and a comma in a field is a decimal comma.
// Stops once the output fails, leaving that to the caller. Returns the exit
// status: 0 when reading did not fail, 1 when it did, 2 for a header that
// names what the mode does not take or leaves out what it needs.
int runBatch(CaseRunner& runner, const CaseInput& fixed, std::istream& in, CaseOutput& output,
             std::ostream& err);

// The number texts of a case line, separated by commas or blanks. An empty
// text between two commas (or after a last one) is kept, so that it is
// reported rather than skipped.
std::vector<std::string_view> splitCaseLine(std::string_view line);

inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
