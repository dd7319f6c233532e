// parseNumber and formatFixed on arbitrary text. The C library's strtod, in
// the "C" locale this program never leaves, is the independent reading: it
// takes the same grammar once the characters are limited to the grammar's
// own, and rounds correctly, as from_chars does.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "NumberText.h"
#include "Require.h"

namespace {

constexpr double kUntouched = -7.25;

struct Reading {
    bool grammatical = false;  // the text is a number by the grammar
    double value = 0;          // strtod's value when grammatical
    bool inRange = false;      // neither overflows nor underflows a double
};

// Tabs, "inf", "nan" and hex are outside this set, and strtod takes nothing
// else beyond the grammar: with its end after the last non-blank, the text is
// a number exactly when the grammar says so.
Reading readWithStrtod(const std::string& text)
{
    Reading reading;
    if (text.find_first_not_of(" +-.0123456789eE") != std::string::npos ||
        text.find_first_not_of(' ') == std::string::npos)
        return reading;
    const char* const begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    reading.value = std::strtod(begin, &end);
    const bool overflowOrUnderflow = errno == ERANGE;
    reading.grammatical = end != begin && text.find_first_not_of(' ', end - begin) == std::string::npos;
    const double magnitude = std::fabs(reading.value);
    reading.inRange = !overflowOrUnderflow && (magnitude == 0 || (magnitude >= DBL_MIN && magnitude <= DBL_MAX));
    return reading;
}

// Digits, a point, exactly `decimals` digits; a minus sign only before a
// digit other than 0.
bool isFixedPointText(std::string_view text, int decimals)
{
    constexpr std::string_view kDigits = "0123456789";
    const bool negative = text.starts_with('-');
    const std::string_view body = text.substr(negative ? 1 : 0);
    const std::size_t point = body.find('.');
    if (point == std::string_view::npos || point == 0 || body.size() - point - 1 != static_cast<std::size_t>(decimals))
        return false;
    if (body.substr(0, point).find_first_not_of(kDigits) != std::string_view::npos ||
        body.substr(point + 1).find_first_not_of(kDigits) != std::string_view::npos)
        return false;
    return !negative || body.find_first_not_of("0.") != std::string_view::npos;
}

void checkFormatting(double value)
{
    const double ulp = std::nextafter(std::fabs(value), std::numeric_limits<double>::infinity()) - std::fabs(value);
    for (int decimals = 1; decimals <= 5; ++decimals) {
        const std::string text = formatFixed(value, decimals);
        require(isFixedPointText(text, decimals), "formatFixed gives plain fixed-point text");
        double back = kUntouched;
        require(parseNumber(text, back), "parseNumber reads what formatFixed wrote");
        // Rounded to the last decimal, then to a double on the way back.
        const double halfUnit = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-12);
        require(std::fabs(back - value) <= halfUnit + ulp,
                "formatFixed reads back within half a unit of its last decimal");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Reading reading = readWithStrtod(text);

    double value = kUntouched;
    if (!parseNumber(text, value)) {
        require(value == kUntouched, "a rejected text leaves the value untouched");
        require(!(reading.grammatical && reading.inRange), "a number in range is accepted");
        return 0;
    }
    require(std::isfinite(value), "an accepted text gives a finite value");
    require(reading.grammatical, "only a number by the grammar is accepted");
    require(value == reading.value, "the value is the correctly rounded one");
    checkFormatting(value);
    return 0;
}
