#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "output/Csv.h"
#include "output/Report.h"

// How the cases of a run are written: one JSON object per line, or CSV
// rows under a header.
enum class Format { JsonLines, Csv };

class CaseOutput {
public:
    // `layout` holds every field a case of the run can have (see
    // CaseRunner::layout); `numbered`: each case starts with the number of
    // its input line. A CSV header is written with the first row, or by
    // finish().
    CaseOutput(std::ostream& out, Format format, const Report& layout, bool numbered);

    // A batch whose header names its columns: the table's fields, before any
    // row is written.
    void relayout(const Report& layout);
    // Writes the CSV header of a table that got no row.
    void finish();

    // Each returns whether the output took the case.
    bool write(const Report& report, long long line = 0);
    // A batch line that could not be read: the line as read, and the problem.
    bool writeUnreadable(long long line, std::string_view input, std::string_view problem);

private:
    std::ostream& out_;
    Format format_;
    bool numbered_;
    void writeHeader();

    std::vector<CsvColumn> columns_;  // with CSV
    bool headerWritten_ = false;
};
