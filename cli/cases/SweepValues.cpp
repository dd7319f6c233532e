#include "cases/SweepValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

#include "output/Quoted.h"

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string readPart(std::string_view text, const char* what, const ValueReader& read, double& value)
{
    if (std::string problem = read(text, value); !problem.empty())
        return std::string(what) + " " + inQuotes(text) + ": " + problem;
    return {};
}

// `value` as the decimal it stands for: start + i step gives
// 0.30000000000000004 for 0.1 + 0.2, which a table should show as 0.3. The
// decimal is taken nine digits below the step's first, far below any step a
// sweep can make, and division by a power of ten rounds it correctly.
double nearestDecimal(double value, double step)
{
    const double scale = std::pow(10.0, 9 - std::floor(std::log10(std::fabs(step))));
    const double scaled = value * scale;
    constexpr double kExact = 9007199254740992.0;  // 2^53: beyond it every double is a whole number
    // Adding 0 turns a -0, which a table would show as such, into 0.
    return std::fabs(scaled) < kExact ? std::round(scaled) / scale + 0.0 : value;
}

std::string rangeValues(std::string_view start, std::string_view stop, std::string_view step, const ValueReader& read,
                        std::vector<double>& values, std::size_t limit)
{
    double first = 0, last = 0, increment = 0;
    for (auto [text, what, value] : {std::tuple{start, "start", &first}, {stop, "stop", &last}, {step, "step", &increment}})
        if (std::string problem = readPart(text, what, read, *value); !problem.empty())
            return problem;
    if (increment == 0)
        return "the step is 0";
    // In long double, so that a range of far more steps than a double holds
    // (0:1:1e-320) is still counted.
    const long double steps = (static_cast<long double>(last) - first) / increment;
    if (!(steps >= 0))
        return "the step does not lead from start to stop";
    // Within rounding of a whole number of steps, stop itself is the last value.
    const long double rounding = 1e-9L * std::max(1.0L, steps);
    const long double whole = std::floor(steps + rounding);
    if (whole + 1 > limit)
        return overLimit(whole + 1, limit, "values");
    std::vector<double> range;
    for (double i = 0; i <= whole; ++i)
        range.push_back(nearestDecimal(first + i * increment, increment));  // multiplied, so errors do not add up
    if (std::fabs(steps - whole) <= rounding)
        range.back() = last;
    values = std::move(range);
    return {};
}

}  // namespace

std::string sweepValues(std::string_view text, const ValueReader& read, std::vector<double>& values, std::size_t limit)
{
    if (text.find(':') != std::string_view::npos) {
        const std::vector<std::string_view> parts = split(text, ':');
        if (parts.size() != 3)
            return "a range is start:stop:step";
        return rangeValues(parts[0], parts[1], parts[2], read, values, limit);
    }
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() > limit)
        return overLimit(static_cast<long double>(parts.size()), limit, "values");
    std::vector<double> list(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (std::string problem = readPart(parts[i], "value", read, list[i]); !problem.empty())
            return problem;
    values = std::move(list);
    return {};
}

std::string overLimit(long double count, std::size_t limit, std::string_view what)
{
    std::string shown;
    if (count < 1e18L) {
        shown = std::to_string(static_cast<unsigned long long>(count));
    } else {
        char digits[64];
        const auto end = std::to_chars(digits, digits + sizeof digits, count, std::chars_format::scientific, 1).ptr;
        shown = "about " + std::string(digits, end);
    }
    return "would make " + shown + " " + std::string(what) + ", more than the limit of " + std::to_string(limit);
}
