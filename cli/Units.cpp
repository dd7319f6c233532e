#include "Units.h"

#include <charconv>
#include <cmath>

#include "NumberText.h"

namespace {

struct LengthUnit {
    std::string_view name;
    double mm;  // millimetres in one unit
};

// Longest names first, so that "mm" is not read as "m" after a number "4.2m".
constexpr LengthUnit kLengthUnits[] = {
    {"mil", 0.0254}, {"mm", 1}, {"um", 0.001}, {"µm", 0.001}, {"in", 25.4}, {"m", 1000},
};

}  // namespace

std::string parseLength(std::string_view text, double& mm)
{
    std::string_view number = text;
    double scale = 1;
    for (const LengthUnit& unit : kLengthUnits) {
        if (text.ends_with(unit.name)) {
            number = text.substr(0, text.size() - unit.name.size());
            scale = unit.mm;
            break;
        }
    }
    double value = 0;
    if (!parseNumber(number, value))
        return "not a length (a number with mm, um, m, in or mil; a bare number is mm)";
    const double inMm = value * scale;
    if (!(inMm > 0 && std::isfinite(inMm)))
        return "must be a positive length";
    mm = inMm;
    return {};
}

double awgDiameterMm(int n)
{
    return 0.127 * std::pow(92.0, (36.0 - n) / 39.0);
}

std::string parseAwg(std::string_view text, double& mm)
{
    constexpr std::string_view kProblem = "must be an AWG size from 0000 (or 4/0) to 40";
    int n = 0;
    if (text.size() >= 2 && text.find_first_not_of('0') == std::string_view::npos) {
        n = 1 - static_cast<int>(text.size());  // "00" is size -1, "0000" size -3
    } else if (text.size() == 3 && text.substr(1) == "/0" && text[0] >= '2' && text[0] <= '4') {
        n = 1 - (text[0] - '0');
    } else {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size() || text[0] == '-')
            return std::string(kProblem);
    }
    if (n < -3 || n > 40)
        return std::string(kProblem);
    mm = awgDiameterMm(n);
    return {};
}
