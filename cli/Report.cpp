#include "Report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

// Two significant digits: "3.4e-13".
std::string exponentForm(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1).ptr;
    return std::string(buffer, end);
}

std::string measureText(double value, Unit unit, int decimals)
{
    switch (unit) {
    case Unit::Ohm:
        return formatFixed(value, decimals) + " ohm";
    case Unit::Percent: {
        std::string text = value < 0 ? "-" : "+";
        return text.append(formatFixed(std::fabs(value) * 100, decimals)).append(" %");
    }
    case Unit::RelativeError:
        return exponentForm(value);
    case Unit::None:
        break;
    }
    return formatFixed(value, decimals);
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
            text += measureText(std::get<double>(q.value), q.unit, decimals);
        text += '\n';
    }
    return text;
}

void addToJson(JsonObject& object, const Report& report)
{
    for (const auto& [key, value] : report.inputs)
        addNumber(object, key, value);
    if (!report.method.empty())
        object.text("method", report.method);
    if (!report.error.empty()) {
        object.text("error", report.error);
        return;
    }
    for (const Quantity& q : report.results)
        addNumber(object, q.key, q.value);
    if (!report.warning.empty())
        object.text("warning", report.warning);
}
