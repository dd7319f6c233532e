#pragma once

#include <charconv>
#include <string>
#include <utility>

// A test name built from a row's inputs, so that a red CTest line says which
// case broke: row 3 with {"sd", 0.5}, {"dd", 10} gives "3_sd0p5_dd10". The
// row number keeps names unique where a table repeats an input.
inline std::string caseName(std::size_t row, std::initializer_list<std::pair<const char*, double>> inputs)
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
