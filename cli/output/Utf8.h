#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whatever bytes it was given, everything duvane-calc writes is valid UTF-8:
// each output shows a byte that is no part of a valid sequence in its own way
// (JSON and CSV as U+FFFD, a message as \xHH), and all go by this one test.

// The length of the valid UTF-8 sequence `text` starts with: 1 to 4, or 0
// when its first byte starts none (a stray continuation byte, an overlong
// form, a surrogate, a code point above U+10FFFF, a sequence cut short).
std::size_t validUtf8Length(std::string_view text);

// U+FFFD, which stands for a byte that is no part of valid UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\uFFFD";

// `text` with every such byte replaced by U+FFFD.
std::string withValidUtf8(std::string_view text);
