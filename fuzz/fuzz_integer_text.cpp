// The settings dialog's parseInteger32 on arbitrary text. The independent
// reading is the C library's strtoll, given only texts that the grammar
// allows, so that its own extras (tabs, a sign before hex, "0x" inside a hex
// number) never come into play.

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "IntegerText.h"
#include "Require.h"

namespace {

constexpr std::int32_t kUntouched = -12345;

// Whether the text is a number by the grammar, and its value unless that
// lies beyond 64 bits.
struct Reading {
    bool grammatical = false;
    std::optional<long long> value;
};

Reading readWithStrtoll(std::string_view text, std::string_view digitSet, int base, bool signAllowed)
{
    Reading reading;
    const bool hasSign = signAllowed && (text.starts_with('+') || text.starts_with('-'));
    const std::string_view digits = text.substr(hasSign ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of(digitSet) != std::string_view::npos)
        return reading;
    reading.grammatical = true;
    const std::string copy(text);
    errno = 0;
    const long long value = std::strtoll(copy.c_str(), nullptr, base);
    if (errno != ERANGE)
        reading.value = value;
    return reading;
}

Reading independentReading(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    text.remove_prefix(first);
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"})
        if (text.starts_with(prefix))
            return readWithStrtoll(text.substr(prefix.size()), "0123456789abcdefABCDEF", 16, false);
    return readWithStrtoll(text, "0123456789", 10, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reading reading = independentReading(text);
    const bool fits = reading.value && *reading.value >= std::numeric_limits<std::int32_t>::min() &&
                      *reading.value <= std::numeric_limits<std::int32_t>::max();

    std::int32_t value = kUntouched;
    if (!parseInteger32(text, value)) {
        require(value == kUntouched, "a rejected text leaves the value untouched");
        require(!(reading.grammatical && fits), "a number that fits 32 bits is accepted");
        return 0;
    }
    require(reading.grammatical, "only a number by the grammar is accepted");
    require(fits && *reading.value == value, "the value is the text's own, within 32 bits");
    return 0;
}
