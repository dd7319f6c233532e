#pragma once

#include <charconv>
#include <string>
#include <utility>

#include <gtest/gtest.h>

// Names for the rows of parameterised tests, so that a failing CTest line
// says which case broke. Names are letters, digits and underscores, and
// unique within an instantiation.

// After the case's own `name` field.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

// After the row's inputs, for tables without names: row 3 with {"sd", 0.5},
// {"dd", 10} gives "3_sd0p5_dd10". The row number keeps names unique where a
// table repeats an input.
inline std::string nameFromInputs(std::size_t row, std::initializer_list<std::pair<const char*, double>> inputs)
{
    std::string name = std::to_string(row);
    for (const auto& [label, value] : inputs) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        name += '_';
        name += label;
        for (const char* c = digits; c != end; ++c)
            name += *c == '.' ? 'p' : *c == '-' ? 'm' : *c == '+' ? 'P' : *c;
    }
    return name;
}
