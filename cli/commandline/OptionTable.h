#pragma once

#include <span>
#include <string>
#include <string_view>

#include "commandline/Options.h"

// The options of duvane-calc, one row each. Reading the command line,
// checking the mode and the help go by these rows, so an option is added by
// adding its row.
struct OptionRow {
    std::string_view name;        // with its leading "--"
    std::string_view shortName;   // a one-letter form, "-h"; empty: none
    std::string_view valueName;   // the value as the help names it; empty: the option takes no value
    std::span<const Mode> modes;  // the modes that accept it
    std::string_view help;        // what it does, for --help; the help adds which modes accept it

    // Stores the value (empty for an option without one) in `options`.
    // Returns what is wrong with the value, worded to follow the option's
    // name, or the empty text.
    std::string (*set)(std::string_view value, Options& options);
};

std::span<const OptionRow> optionTable();

// The row of the option called `name` (with its "--", or its short form), or null.
const OptionRow* findOption(std::string_view name);
