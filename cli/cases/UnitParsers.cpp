#include "cases/UnitParsers.h"

#include <charconv>
#include <cmath>
#include <span>

#include "NumberText.h"
#include "output/Quoted.h"

namespace {

struct UnitScale {
    std::string_view name;
    double scale;  // of one unit, in the quantity's base unit
};

// Longest names first, so that "mm" is not read as "m" after a number "4.2m".
// A micrometre is written with the micro sign (U+00B5) or, as many keyboards
// give it, the Greek mu (U+03BC).
constexpr UnitScale kLengthUnits[] = {
    {"mil", 0.0254}, {"mm", 1}, {"um", 0.001}, {"µm", 0.001}, {"μm", 0.001}, {"in", 25.4}, {"m", 1000},
};

constexpr UnitScale kFrequencyUnits[] = {{"GHz", 1e9}, {"MHz", 1e6}, {"kHz", 1e3}, {"Hz", 1}};

struct Measure {
    std::span<const UnitScale> units;  // a bare number is in the base unit
    std::string_view notOfIt;          // the problem of a text that is no such quantity
    std::string_view notPositive;
    std::string_view unitChoice;       // the units, for a message on another one
    bool signedValue = false;          // a displacement: any finite value
};

constexpr Measure kLength{kLengthUnits, "not a length - write a number with mm, um, m, in or mil; a bare number is mm",
                          "must be a positive length", "mm, um, m, in or mil"};
constexpr Measure kFrequency{kFrequencyUnits,
                             "not a frequency - write a number with Hz, kHz, MHz or GHz; a bare number is Hz",
                             "must be a positive frequency", "Hz, kHz, MHz or GHz"};
constexpr Measure kDisplacement{kLengthUnits,
                                "not a length - write a number with mm, um, m, in or mil; a bare number is mm",
                                "must be a finite length", "mm, um, m, in or mil", true};

bool isLetter(char c)
{
    // Every byte of a multi-byte UTF-8 character counts, so that "µm" is one word.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

// "4.2cm": a number, then a word that is no unit of the measure.
std::string unknownUnit(std::string_view text, const Measure& measure)
{
    std::size_t start = text.size();
    while (start > 0 && isLetter(text[start - 1]))
        --start;
    double number = 0;
    if (start == text.size() || !parseNumber(text.substr(0, start), number))
        return {};
    return "unknown unit " + inQuotes(text.substr(start)) + " - use " + std::string(measure.unitChoice);
}

std::string parseMeasure(std::string_view text, const Measure& measure, double& value)
{
    // Blanks after the unit go, as they do around a number; blanks between
    // the number and its unit are the number's.
    const std::string_view given = text.substr(0, text.find_last_not_of(' ') + 1);
    std::string_view number = given;
    double scale = 1;
    for (const UnitScale& unit : measure.units) {
        if (given.ends_with(unit.name)) {
            number = given.substr(0, given.size() - unit.name.size());
            scale = unit.scale;
            break;
        }
    }
    double read = 0;
    switch (parseNumberText(number, read)) {
    case NumberParse::Ok: break;
    case NumberParse::OutOfRange: return "out of range";
    case NumberParse::NotANumber: {
        std::string problem = unknownUnit(given, measure);
        return problem.empty() ? std::string(measure.notOfIt) : problem;
    }
    }
    if (!(read > 0 || measure.signedValue))
        return std::string(measure.notPositive);
    // A positive number whose unit takes it beyond a double: 1e308m, 1e-322um.
    const double scaled = read * scale;
    if (!std::isfinite(scaled) || (scaled == 0 && read != 0))
        return "out of range";
    value = scaled;
    return {};
}

}  // namespace

std::string parseLength(std::string_view text, double& mm)
{
    return parseMeasure(text, kLength, mm);
}

std::string parseSignedLength(std::string_view text, double& mm)
{
    return parseMeasure(text, kDisplacement, mm);
}

std::string parseFrequency(std::string_view text, double& hz)
{
    return parseMeasure(text, kFrequency, hz);
}

double awgDiameterMm(int n)
{
    return 0.127 * std::pow(92.0, (36.0 - n) / 39.0);
}

std::string parseZeroOr(std::string (*parse)(std::string_view text, double& value), std::string_view text,
                        double& value, std::string_view zeroMeans)
{
    double number = 0;
    if (parseNumberText(text, number) == NumberParse::Ok && number == 0) {
        value = 0;
        return {};
    }
    std::string problem = parse(text, value);
    if (problem.empty() || problem == "out of range")
        return problem;
    return problem.append(", or 0").append(zeroMeans);
}

std::string parseAwgSize(std::string_view text, int& size)
{
    constexpr std::string_view kProblem = "must be an AWG size from 0000 (or 4/0) to 40";
    int n = 0;
    if (text.size() >= 2 && text.find_first_not_of('0') == std::string_view::npos) {
        n = 1 - static_cast<int>(text.size());  // "00" is size -1, "0000" size -3
    } else if (text.size() == 3 && text.substr(1) == "/0" && text[0] >= '1' && text[0] <= '4') {
        n = 1 - (text[0] - '0');
    } else {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size() || text[0] == '-')
            return std::string(kProblem);
    }
    if (n < kThickestAwg || n > kThinnestAwg)
        return std::string(kProblem);
    size = n;
    return {};
}
