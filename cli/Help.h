#pragma once

#include <string>
#include <string_view>

// What duvane-calc says about its command line.

// The forms of the command line; shown after an argument error and at the
// head of the help.
extern const std::string_view kUsage;

// The usage, then the modes, every option of the table, and the rest.
std::string helpText();
