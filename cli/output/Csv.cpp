#include "output/Csv.h"

#include <cmath>

#include "NumberText.h"
#include "output/Utf8.h"

namespace {

constexpr std::string_view kLine = "line";
constexpr std::string_view kWarning = "warning";
constexpr std::string_view kError = "error";

std::string fieldText(const FieldValue& value)
{
    if (const auto* whole = std::get_if<long long>(&value))
        return std::to_string(*whole);
    if (const auto* measure = std::get_if<double>(&value))
        return std::isfinite(*measure) ? formatShortest(*measure) : std::string();
    return csvField(std::get<std::string_view>(value));
}

// Fills a row column by column: a field goes under the column of its key,
// the columns it passes stay empty. The report's fields come in the order
// of the columns, so one pass places them all.
class RowWriter {
public:
    explicit RowWriter(const std::vector<CsvColumn>& columns) : columns_(columns) {}

    void put(std::string_view key, const std::string& text)
    {
        std::size_t at = next_;
        while (at < columns_.size() && columns_[at].key != key)
            ++at;
        if (at == columns_.size())
            return;  // no column for it: "line" outside a batch
        while (next_ < at)
            skip();
        if (next_ > 0)
            row_ += ',';
        row_ += text;
        ++next_;
    }

    std::string finished()
    {
        while (next_ < columns_.size())
            skip();
        return row_ + '\n';
    }

private:
    void skip()
    {
        if (next_ > 0)
            row_ += ',';
        ++next_;
    }

    const std::vector<CsvColumn>& columns_;
    std::size_t next_ = 0;
    std::string row_;
};

}  // namespace

std::string csvField(std::string_view text)
{
    const std::string valid = withValidUtf8(text);
    if (valid.find_first_of(",\"\r\n") == std::string::npos)
        return valid;
    std::string quoted = "\"";
    for (const char c : valid) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::vector<CsvColumn> csvColumns(const Report& layout, bool numbered)
{
    std::vector<CsvColumn> columns;
    if (numbered)
        columns.push_back({kLine, Unit::None});
    visitFields(layout,
                [&](std::string_view key, Unit unit, const FieldValue&) { columns.push_back({key, unit, layout.per}); });
    columns.push_back({kWarning, Unit::None});
    columns.push_back({kError, Unit::None});
    return columns;
}

std::string csvHeader(const std::vector<CsvColumn>& columns)
{
    std::string header;
    for (const CsvColumn& column : columns) {
        if (!header.empty())
            header += ',';
        header += column.key;
        // A percent is a ratio in JSON and CSV alike; the column says so.
        const std::string symbol = column.unit == Unit::Percent ? "ratio" : unitSymbol(column.unit, column.per);
        if (symbol.empty())
            continue;
        header += '_';
        for (const char c : symbol)
            header += c == '/' ? std::string_view("_per_") : std::string_view(&c, 1);
    }
    return header + '\n';
}

std::string csvRow(const std::vector<CsvColumn>& columns, const Report& report, long long line)
{
    RowWriter row(columns);
    row.put(kLine, std::to_string(line));
    visitFields(report, [&](std::string_view key, Unit, const FieldValue& value) { row.put(key, fieldText(value)); });
    return row.finished();
}

std::string csvUnreadableRow(const std::vector<CsvColumn>& columns, long long line, std::string_view problem)
{
    RowWriter row(columns);
    row.put(kLine, std::to_string(line));
    row.put(kError, csvField(problem));
    return row.finished();
}
