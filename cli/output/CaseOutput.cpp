#include "output/CaseOutput.h"

#include <ostream>
#include <utility>

#include "output/Json.h"

CaseOutput::CaseOutput(std::ostream& out, Format format, const Report& layout, bool numbered)
    : out_(out), format_(format), numbered_(numbered)
{
    relayout(layout);
}

void CaseOutput::relayout(const Report& layout)
{
    if (format_ == Format::Csv)
        columns_ = csvColumns(layout, numbered_);
}

void CaseOutput::writeHeader()
{
    if (format_ == Format::Csv && !std::exchange(headerWritten_, true))
        out_ << csvHeader(columns_);
}

void CaseOutput::finish()
{
    writeHeader();
}

bool CaseOutput::write(const Report& report, long long line)
{
    writeHeader();
    if (format_ == Format::Csv) {
        out_ << csvRow(columns_, report, line);
    } else {
        JsonObject object;
        if (numbered_)
            object.integer("line", line);
        addToJson(object, report);
        out_ << object.str() << '\n';
    }
    return static_cast<bool>(out_);
}

bool CaseOutput::writeUnreadable(long long line, std::string_view input, std::string_view problem)
{
    writeHeader();
    if (format_ == Format::Csv)
        out_ << csvUnreadableRow(columns_, line, problem);
    else
        out_ << JsonObject().integer("line", line).text("input", input).text("error", problem).str() << '\n';
    return static_cast<bool>(out_);
}
