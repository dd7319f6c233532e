#include "Report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Json.h"
#include "NumberText.h"

namespace {

// Two significant digits: "3.4e-13".
std::string exponentForm(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1).ptr;
    return std::string(buffer, end);
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
        if (q.unit == Unit::Count)
            text += std::to_string(static_cast<long long>(q.value));
        else if (q.unit == Unit::RelativeError)
            text += exponentForm(q.value);
        else if (q.unit == Unit::Percent)
            text.append(q.value < 0 ? "-" : "+").append(formatFixed(std::fabs(q.value) * 100, decimals)).append(" %");
        else
            text += formatFixed(q.value, decimals);
        if (q.unit == Unit::Ohm)
            text += " ohm";
        text += '\n';
    }
    return text;
}

void addToJson(JsonObject& object, const Report& report)
{
    for (const auto& [key, value] : report.inputs)
        object.number(key, value);
    if (!report.method.empty())
        object.text("method", report.method);
    if (!report.error.empty()) {
        object.text("error", report.error);
        return;
    }
    for (const Quantity& q : report.results)
        object.number(q.key, q.value);
    if (report.status)
        object.text("status", *report.status);
    if (!report.warning.empty())
        object.text("warning", report.warning);
}
