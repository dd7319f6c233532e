#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "output/Unit.h"

class JsonObject;

// A number of a report: a measure, or a whole number (a count, a limit),
// which is kept and written as an integer.
using Number = std::variant<double, long long>;

// Text puts a blank line between groups of results and aligns each group on
// its own, so that the impedances keep their column whatever follows them.
enum class Group { Main, Shape, PerLength };

// One input or result of a case.
struct Quantity {
    std::string_view key;    // JSON name
    std::string_view label;  // name shown to people; empty for an input
    Number value;
    Unit unit;
    Group group = Group::Main;
};

// Outcome of one case.
struct Report {
    // The case's inputs and the settings that shaped it.
    std::vector<Quantity> inputs;
    std::string_view method;        // named in JSON when not the default
    std::vector<Quantity> results;  // empty when the case failed
    std::string error;              // why the case failed; empty on success
    std::string warning;            // a problem beside the results
};

// One aligned "label = value" line per result, measures with `decimals`
// digits after the point.
std::string humanText(const Report& report, int decimals);

// A number or a text of a report, as JSON and CSV write it.
using FieldValue = std::variant<double, long long, std::string_view>;

// Calls visit(key, unit, value) for each field of the report in the order
// JSON and CSV write them: the inputs, the method, then the results and the
// warning, or the error.
template <class Visit>
void visitFields(const Report& report, Visit&& visit)
{
    const auto visitNumber = [&](const Quantity& q) {
        std::visit([&](auto value) { visit(q.key, q.unit, FieldValue(value)); }, q.value);
    };
    for (const Quantity& q : report.inputs)
        visitNumber(q);
    if (!report.method.empty())
        visit(std::string_view("method"), Unit::None, FieldValue(report.method));
    if (!report.error.empty()) {
        visit(std::string_view("error"), Unit::None, FieldValue(std::string_view(report.error)));
        return;
    }
    for (const Quantity& q : report.results)
        visitNumber(q);
    if (!report.warning.empty())
        visit(std::string_view("warning"), Unit::None, FieldValue(std::string_view(report.warning)));
}

// Adds the fields of the report.
void addToJson(JsonObject& object, const Report& report);
