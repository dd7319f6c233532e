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
enum class Group { Main, Shape, Found, PerLength };

// One input or result of a case.
struct Quantity {
    std::string_view key;    // JSON name
    std::string_view label;  // name shown to people; empty for an input
    Number value;
    Unit unit;
    Group group = Group::Main;
};

// A caveat beside a case's results, said on standard error and in the
// "warning" field. One that fails (the trace not written, no comparison)
// makes the run's exit status 1; a note on accuracy or a doubtful input
// does not.
struct Warning {
    std::string text;
    bool fails = false;
};

// Outcome of one case.
struct Report {
    // The case's inputs and the settings that shaped it.
    std::vector<Quantity> inputs;
    std::string_view method;  // named in JSON when not the default
    // What was calculated: all of it on success, none where the case failed
    // at its start, the rest where a part of it (the loss) could not be had.
    std::vector<Quantity> results;
    std::string error;  // why the case, or a part of it, failed; empty on success
    std::vector<Warning> warnings;
    // What the per-length results are given per when written; they are held
    // per metre.
    LengthBasis per = LengthBasis::Metre;

    // The warnings' texts in one field, "; " between them.
    std::string warningText() const;
    // The case gives the run a failing exit status.
    bool failed() const;
};

// One aligned "label = value" line per result, measures with `decimals`
// digits after the point.
std::string humanText(const Report& report, int decimals);

// A measure as it is written: per the report's length basis where it is per
// length.
inline double writtenValue(const Report& report, const Quantity& q)
{
    const double value = std::get<double>(q.value);
    return isPerLength(q.unit) ? value * metresPer(report.per) : value;
}

// A number or a text of a report, as JSON and CSV write it.
using FieldValue = std::variant<double, long long, std::string_view>;

// Calls visit(key, unit, value) for each field of the report in the order
// JSON and CSV write them: the inputs, the method, the results, the warning
// and the error.
template <class Visit>
void visitFields(const Report& report, Visit&& visit)
{
    const auto visitNumber = [&](const Quantity& q) {
        if (std::holds_alternative<double>(q.value))
            visit(q.key, q.unit, FieldValue(writtenValue(report, q)));
        else
            visit(q.key, q.unit, FieldValue(std::get<long long>(q.value)));
    };
    for (const Quantity& q : report.inputs)
        visitNumber(q);
    if (!report.method.empty())
        visit(std::string_view("method"), Unit::None, FieldValue(report.method));
    for (const Quantity& q : report.results)
        visitNumber(q);
    if (!report.warnings.empty()) {
        const std::string warning = report.warningText();
        visit(std::string_view("warning"), Unit::None, FieldValue(std::string_view(warning)));
    }
    if (!report.error.empty())
        visit(std::string_view("error"), Unit::None, FieldValue(std::string_view(report.error)));
}

// The labels of the results that are not zero but show as zero with
// `decimals` digits, as "Zo = 0.000 ohm" did for a nearly touching shape.
std::vector<std::string_view> shownAsZero(const Report& report, int decimals);

// Adds the fields of the report.
void addToJson(JsonObject& object, const Report& report);
