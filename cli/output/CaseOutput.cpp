#include "output/CaseOutput.h"

#include <ostream>

#include "output/Json.h"

CaseOutput::CaseOutput(std::ostream& out, Format format, const Report& layout, bool numbered)
    : out_(out), format_(format), numbered_(numbered)
{
    if (format_ != Format::Csv)
        return;
    columns_ = csvColumns(layout, numbered);
    out_ << csvHeader(columns_);
}

bool CaseOutput::write(const Report& report, long long line)
{
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
    if (format_ == Format::Csv)
        out_ << csvUnreadableRow(columns_, line, problem);
    else
        out_ << JsonObject().integer("line", line).text("input", input).text("error", problem).str() << '\n';
    return static_cast<bool>(out_);
}
