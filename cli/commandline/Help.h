#pragma once

#include <string>
#include <string_view>

// What duvane-calc says about its command line.

// The forms of the command line, at the head of the help.
extern const std::string_view kUsage;

// After an argument error: the problem, then one line of usage and the hint
// to the help, short enough that the problem stays in sight.
extern const std::string_view kUsageLine;
extern const std::string_view kHelpHint;

// The usage, then the modes, every option of the table, and the rest.
std::string helpText();

// The options of the table as the items of the manual page's OPTIONS
// section, in roff, so that the page and --help cannot drift apart.
std::string manualOptionItems();
