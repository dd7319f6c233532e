#include "Report.h"

#include <algorithm>

#include "Json.h"
#include "NumberText.h"

namespace {

void addNumber(JsonObject& object, std::string_view key, const Number& value)
{
    if (const long long* whole = std::get_if<long long>(&value))
        object.integer(key, *whole);
    else
        object.number(key, std::get<double>(value));
}

}  // namespace

std::string humanText(const Report& report, int decimals)
{
    std::size_t labelWidth = 0;
    for (const Quantity& q : report.results)
        labelWidth = std::max(labelWidth, q.label.size());

    std::string text;
    for (const Quantity& q : report.results) {
        text += q.label;
        text.append(labelWidth - q.label.size(), ' ');
        text += " = ";
        if (const long long* whole = std::get_if<long long>(&q.value))
            text += std::to_string(*whole);
        else
            text += formatFixed(std::get<double>(q.value), decimals);
        if (q.unit == Unit::Ohm)
            text += " ohm";
        text += '\n';
    }
    return text;
}

void addToJson(JsonObject& object, const Report& report)
{
    for (const auto& [key, value] : report.inputs)
        addNumber(object, key, value);
    if (!report.error.empty()) {
        object.text("error", report.error);
        return;
    }
    for (const Quantity& q : report.results)
        addNumber(object, q.key, q.value);
    if (report.status)
        object.text("status", *report.status);
}
