#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cases/Inputs.h"
#include "commandline/Options.h"

// The options of duvane-calc, one row each. Reading the command line,
// checking the mode and the help go by these rows, so an option is added by
// adding its row. An option that gives an input of the case takes the modes,
// the value's name and its reader from the input's row.
struct OptionRow {
    std::string_view name;        // with its leading "--"
    std::string_view shortName;   // a one-letter form, "-h"; empty: none
    std::string_view valueName;   // the value as the help names it; empty: the option takes no value
    std::span<const Mode> modes;  // the modes that accept it
    std::string_view help;        // what it does, for --help; the help adds which modes accept it
    std::optional<Input> input;   // the input the option gives, if any

    // For an option that gives no input: stores the value (empty for an
    // option without one) in `options`, and returns what is wrong with it
    // (the caller names the option and quotes the value), or the empty text.
    std::string (*set)(std::string_view value, Options& options) = nullptr;

    // Every option is given once at most, so that no value silently wins over
    // another; --sweep is given once per input it sweeps.
    bool repeatable = false;
};

std::span<const OptionRow> optionTable();

// The row of the option called `name` (with its "--", or its short form), or null.
const OptionRow* findOption(std::string_view name);

// Stores the option's value in `options`; returns what is wrong with it, or
// the empty text.
std::string applyOption(const OptionRow& option, std::string_view value, Options& options);
