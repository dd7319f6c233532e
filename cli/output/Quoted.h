#pragma once

#include <string>
#include <string_view>

// `text` in double quotes, as messages show what was given. Quotes,
// backslashes and control characters are escaped (\n, \r, \t, else \xHH), so
// that no value can end the quotes early or break the message's line; other
// text, UTF-8 included, stays as it is.
inline std::string inQuotes(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}
