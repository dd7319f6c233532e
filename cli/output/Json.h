#pragma once

#include <string>
#include <string_view>

// Builds one JSON object on one line. Numbers are written in the shortest form
// that reads back to the same double, integers in plain digits, whatever their
// size; text is escaped so that the result is valid JSON whatever bytes it is
// given.
class JsonObject {
public:
    JsonObject& number(std::string_view key, double value);
    JsonObject& integer(std::string_view key, long long value);
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& object(std::string_view key, const JsonObject& value);

    // The object so far, closed.
    std::string str() const;

private:
    void appendKey(std::string_view key);

    std::string text_ = "{";
};

