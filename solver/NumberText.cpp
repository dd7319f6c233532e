#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of a run of digits starting at pos.
std::size_t digitRun(std::string_view text, std::size_t pos)
{
    std::size_t end = pos;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - pos;
}

}  // namespace

bool parseNumber(std::string_view text, double& value)
{
    return parseNumberText(text, value) == NumberParse::Ok;
}

NumberParse parseNumberText(std::string_view text, double& value)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return NumberParse::NotANumber;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    // Check the grammar ourselves: from_chars alone would take "inf" and "nan".
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-')
        ++pos;
    const std::size_t intDigits = digitRun(text, pos);
    pos += intDigits;
    std::size_t fracDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fracDigits = digitRun(text, pos);
        pos += fracDigits;
    }
    if (intDigits + fracDigits == 0)
        return NumberParse::NotANumber;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t expDigits = digitRun(text, pos);
        if (expDigits == 0)
            return NumberParse::NotANumber;
        pos += expDigits;
    }
    if (pos != text.size())
        return NumberParse::NotANumber;

    // from_chars takes neither a leading '+' nor a bare trailing '.' the same
    // way everywhere, so hand it the sign-free part.
    const bool negative = text[0] == '-';
    const std::string_view body = text.substr(text[0] == '+' || negative ? 1 : 0);
    double parsed = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (ec == std::errc::result_out_of_range)
        return NumberParse::OutOfRange;
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(parsed))
        return NumberParse::NotANumber;
    value = negative ? -parsed : parsed;
    return NumberParse::Ok;
}

std::string formatFixed(double value, int decimals)
{
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return {};
    std::string text(buffer, end);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string formatSignificant(double value, int digits)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    return std::string(buffer, end);
}

std::string formatShortest(double value)
{
    std::string text;
    appendShortest(text, value);
    return text;
}

void appendShortest(std::string& text, double value)
{
    constexpr double kPlainFrom = 1e-6, kPlainBelow = 1e21;
    if (value == 0) {
        text += '0';
        return;
    }
    const double size = std::fabs(value);
    const auto form = size >= kPlainFrom && size < kPlainBelow ? std::chars_format::fixed : std::chars_format::scientific;
    char buffer[48];  // 1e-6 takes at most 6 zeros and 17 digits after the point
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, form).ptr;
    text.append(buffer, end);
}

std::string formatExponent(double value, int digits)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits).ptr;
    return std::string(buffer, end);
}
