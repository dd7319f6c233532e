#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "cases/Inputs.h"

class CaseOutput;
class CaseRunner;

// Reads one case per line from `in` and writes each to `output`; a line that
// cannot be read or a case that fails gives its error, and the run goes on.
// Each line gives the numbers the operands would, the rest of each case
// being `fixed`, as the options give it. A first line of words, a CSV
// file's header, is skipped. Stops once the output fails, leaving that to
// the caller. Returns the exit status: 0 when reading did not fail, 1 when
// it did.
int runBatch(CaseRunner& runner, const CaseInput& fixed, std::istream& in, CaseOutput& output,
             std::ostream& err);

// The number texts of a case line, separated by commas or blanks. An empty
// text between two commas (or after a last one) is kept, so that it is
// reported rather than skipped.
std::vector<std::string_view> splitCaseLine(std::string_view line);
