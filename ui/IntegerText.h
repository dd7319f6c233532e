#pragma once

#include <cstdint>
#include <string_view>

// The settings dialog's integer grammar: leading spaces, then either an
// optional sign and decimal digits, or hexadecimal digits introduced by "$",
// "x", "X", "0x" or "0X"; the digits run to the end of the text, and the value
// fits 32 signed bits. Nothing else is a number: no trailing blanks, no
// decimal point, no exponent. `value` is written only on success.
bool parseInteger32(std::string_view text, std::int32_t& value);
