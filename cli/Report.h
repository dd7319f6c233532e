#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class JsonObject;

// A number of a report: a measure, or a whole number (a count, a limit),
// which is kept and written as an integer.
using Number = std::variant<double, long long>;

// How a measure is shown to people; JSON always carries the full number. A
// percent is a ratio in JSON (0.01) and a signed percentage in text (+1.000 %);
// a relative error is shown with two digits in exponent form (3.4e-13), as
// fixed decimals would show 0.
enum class Unit { Ohm, None, Percent, RelativeError };

// One result of a case.
struct Quantity {
    std::string_view key;    // JSON name
    std::string_view label;  // name shown to people
    Number value;
    Unit unit;
};

// Outcome of one case.
struct Report {
    // JSON names and values of the case and of the settings that shaped it.
    std::vector<std::pair<std::string_view, Number>> inputs;
    std::string_view method;            // named in JSON when not the default
    std::vector<Quantity> results;  // empty when the case failed
    std::string error;              // why the case failed; empty on success
    std::string warning;            // a problem beside the results
};

// One aligned "label = value" line per result, measures with `decimals`
// digits after the point.
std::string humanText(const Report& report, int decimals);

// Adds the inputs, the method, then the results and warning, or the error.
void addToJson(JsonObject& object, const Report& report);
