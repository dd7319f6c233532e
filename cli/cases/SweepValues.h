#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The values one input takes in a sweep: a list "3,4,6,8", or a range
// "start:stop:step" that includes stop when the steps reach it within
// rounding ("0.1:0.9:0.05" ends at 0.9, not at 0.8999999999999999), each
// value the decimal it stands for (0.3, not 0.30000000000000004).

// Reads one value of the input (a number, a length with its unit, ...).
// Returns the problem, or the empty text when `value` was written.
using ValueReader = std::function<std::string(std::string_view text, double& value)>;

// No sweep may run away with the machine.
inline constexpr std::size_t kMaxSweepValues = 1'000'000;

// What a count above its limit says: "would make N WHAT, more than the limit
// of LIMIT", N in full below 10^18, else "about" it to two digits.
std::string overLimit(long double count, std::size_t limit, std::string_view what);

// Fills `values` from `text`, at most `limit` of them; returns the problem,
// or the empty text.
std::string sweepValues(std::string_view text, const ValueReader& read, std::vector<double>& values,
                        std::size_t limit = kMaxSweepValues);
