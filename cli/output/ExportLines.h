#pragma once

#include <span>
#include <string>
#include <string_view>

// What the model writers share: comment lines, and the check of a frequency
// list.

// Each comment as lines that start with `marker` and a blank; a line break
// inside a comment starts another line.
std::string commentLines(std::string_view marker, std::span<const std::string> comments);

// Finite, at least 0 and strictly increasing.
bool increasingFrequencies(std::span<const double> frequencies);
