#pragma once

#include <string>
#include <string_view>

#include "output/Utf8.h"

// `text` in double quotes, as messages show what was given. Quotes,
// backslashes, control characters and bytes that are no part of valid UTF-8
// are escaped (\n, \r, \t, else \xHH), so that no value can end the quotes
// early, break the message's line or spoil the encoding of what it is written
// into; valid UTF-8 stays as it is.
inline std::string inQuotes(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text[0];
        const auto byte = static_cast<unsigned char>(c);
        std::size_t length = 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F || (length = validUtf8Length(text)) == 0) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
                length = 1;
            } else {
                out += text.substr(0, length);
            }
        }
        text.remove_prefix(length);
    }
    return out + '"';
}
