#include "output/Json.h"

#include <cmath>

#include "NumberText.h"
#include "output/Utf8.h"

namespace {

// A JSON object is built by appending to one text, so that no number or
// key of a batch's many cases costs a string of its own.
void appendJsonNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    appendShortest(out, value);
}

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        std::size_t length = 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else if ((length = validUtf8Length(text)) != 0) {
                out += text.substr(0, length);
            } else {
                out += kReplacementCharacter;
                length = 1;
            }
        }
        text.remove_prefix(length);
    }
    out += '"';
}

}  // namespace

JsonObject& JsonObject::number(std::string_view key, double value)
{
    appendKey(key);
    appendJsonNumber(text_, value);
    return *this;
}

JsonObject& JsonObject::integer(std::string_view key, long long value)
{
    appendKey(key);
    text_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view value)
{
    appendKey(key);
    appendJsonString(text_, value);
    return *this;
}

JsonObject& JsonObject::object(std::string_view key, const JsonObject& value)
{
    appendKey(key);
    text_ += value.str();
    return *this;
}

std::string JsonObject::str() const
{
    return text_ + "}";
}

void JsonObject::appendKey(std::string_view key)
{
    if (text_.size() > 1)
        text_ += ',';
    appendJsonString(text_, key);
    text_ += ':';
}
