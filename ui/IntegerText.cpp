#include "IntegerText.h"

#include <array>
#include <limits>

namespace {

// Value of a digit in the given base, or -1.
int digitValue(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

bool parseInteger32(std::string_view text, std::int32_t& value)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    text.remove_prefix(first);

    int base = 10;
    bool negative = false;
    constexpr std::array<std::string_view, 5> hexPrefixes{"0x", "0X", "$", "x", "X"};
    for (std::string_view prefix : hexPrefixes) {
        if (startsWith(text, prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    if (base == 10 && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;

    // One past the largest magnitude, so that the loop can stop early.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude >= limit)
            return false;
    }
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
        return false;
    value = static_cast<std::int32_t>(result);
    return true;
}
