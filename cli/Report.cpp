#include "Report.h"

#include <algorithm>

#include "Json.h"
#include "NumberText.h"

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
    if (!report.error.empty()) {
        object.text("error", report.error);
        return;
    }
    for (const Quantity& q : report.results)
        object.number(q.key, q.value);
    if (report.status)
        object.text("status", *report.status);
}
