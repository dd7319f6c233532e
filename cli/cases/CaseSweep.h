#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cases/Inputs.h"

// Sweeps of a case's inputs: every combination of the swept inputs' values.

// One swept input and its values, in order.
struct SweptInput {
    Input input;
    std::vector<double> values;  // never empty

    bool operator==(const SweptInput&) const = default;
};

// Reads "NAME=VALUES": an input's key, then a list "3,4,6,8" or a range
// "start:stop:step" of its values, each read as the input reads it (a length
// with its unit, an AWG size, ...). Returns the problem, or the empty text.
std::string readSweep(std::string_view text, SweptInput& sweep);

// No run may sweep more cases than this.
inline constexpr std::size_t kMaxSweepCases = 10'000'000;

// The number of cases the sweeps make together; a long double holds the
// product of any sweeps' counts without overflow, exactly below 2^64.
long double sweepCaseCount(const std::vector<SweptInput>& sweeps);

// `input` with each swept input at its first value: a case of the sweep, to
// check what all of them are given.
CaseInput withSweeps(CaseInput input, const std::vector<SweptInput>& sweeps);

// The same for a table's layout: a stranded AWG size where the sizes swept
// have one, so that the table has the strands' columns.
CaseInput sweptLayoutInput(CaseInput input, const std::vector<SweptInput>& sweeps);

// Calls `each` with `fixed` completed by every combination of the sweeps'
// values, the first sweep varying slowest, the last fastest, until `each`
// returns false.
void forEachSweptCase(const CaseInput& fixed, const std::vector<SweptInput>& sweeps,
                      const std::function<bool(const CaseInput&)>& each);
