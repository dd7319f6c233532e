#include "output/Report.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"
#include "output/Json.h"

namespace {

std::string measureText(double value, Unit unit, LengthBasis per, int decimals)
{
    switch (unit) {
    case Unit::Percent: {
        std::string text = value < 0 ? "-" : "+";
        return text.append(formatFixed(std::fabs(value) * 100, decimals)).append(" %");
    }
    case Unit::RelativeError:
        return formatExponent(value, 1);
    default:
        break;
    }
    std::string text = formatFixed(value, decimals);
    if (const std::string symbol = unitSymbol(unit, per); !symbol.empty())
        text.append(" ").append(symbol);
    return text;
}

}  // namespace

std::string Report::warningText() const
{
    std::string text;
    for (const Warning& warning : warnings)
        text.append(text.empty() ? "" : "; ").append(warning.text);
    return text;
}

bool Report::failed() const
{
    return !error.empty() || std::ranges::any_of(warnings, &Warning::fails);
}

std::string humanText(const Report& report, int decimals)
{
    std::string text;
    const auto& results = report.results;
    for (auto group = results.begin(); group != results.end();) {
        const auto end = std::find_if(group, results.end(), [&](const Quantity& q) { return q.group != group->group; });
        std::size_t labelWidth = 0;
        for (auto q = group; q != end; ++q)
            labelWidth = std::max(labelWidth, q->label.size());
        if (group != results.begin())
            text += '\n';
        for (auto q = group; q != end; ++q) {
            text += q->label;
            text.append(labelWidth - q->label.size(), ' ');
            text += " = ";
            if (const long long* whole = std::get_if<long long>(&q->value))
                text += std::to_string(*whole);
            else
                text += measureText(writtenValue(report, *q), q->unit, report.per, decimals);
            text += '\n';
        }
        group = end;
    }
    return text;
}

std::vector<std::string_view> shownAsZero(const Report& report, int decimals)
{
    std::vector<std::string_view> labels;
    for (const Quantity& q : report.results) {
        const double* value = std::get_if<double>(&q.value);
        if (value == nullptr || *value == 0 || q.unit == Unit::Percent || q.unit == Unit::RelativeError)
            continue;
        if (formatFixed(writtenValue(report, q), decimals).find_first_not_of("0.") == std::string::npos)
            labels.push_back(q.label);
    }
    return labels;
}

void addToJson(JsonObject& object, const Report& report)
{
    visitFields(report, [&](std::string_view key, Unit, const FieldValue& value) {
        if (const auto* whole = std::get_if<long long>(&value))
            object.integer(key, *whole);
        else if (const auto* measure = std::get_if<double>(&value))
            object.number(key, *measure);
        else
            object.text(key, std::get<std::string_view>(value));
    });
}
