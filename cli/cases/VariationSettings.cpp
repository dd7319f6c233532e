#include "cases/VariationSettings.h"

#include <algorithm>

#include "cases/Dimensions.h"
#include "cases/UnitParsers.h"
#include "NumberText.h"
#include "output/Quoted.h"

namespace {

constexpr Input kVariable[] = {Input::Sd,          Input::Dd,        Input::ShieldDiameter, Input::WireDiameter,
                               Input::Sleeve,      Input::Spacing,   Input::Er,             Input::ErSleeve,
                               Input::ErFill,      Input::WireDiameter2, Input::Sleeve2,    Input::ErSleeve2,
                               Input::OffsetX,     Input::OffsetY,   Input::PairOffsetX,    Input::PairOffsetY,
                               Input::SleeveOffsetX, Input::SleeveOffsetY};

// Offsets default to 0: a tolerance needs no nominal for them.
constexpr Input kOffsets[] = {Input::OffsetX,     Input::OffsetY,       Input::PairOffsetX,
                              Input::PairOffsetY, Input::SleeveOffsetX, Input::SleeveOffsetY};

constexpr std::string_view kOffsetName = "offset";

// A spread in the input's unit: a length for a length, a plain number otherwise.
std::string readSpread(Input input, std::string_view text, double& value)
{
    if (inputInfo(input).unit == Unit::Millimetre)
        return parseLength(text, value);
    if (!parseNumber(text, value) || !(value > 0))
        return "must be a positive number";
    return {};
}

std::string variableNames()
{
    std::string names(kOffsetName);
    for (const Input input : kVariable)
        names.append(", ").append(inputInfo(input).key);
    return names;
}

}  // namespace

std::string variationProblem(bool tolerance, const CaseInput& input, const VariationSettings& settings)
{
    if (!hasWire(input))
        return "the field solver needs the cross-section's size: give --D, --S and --d (or --awg), or S/D and D/d "
               "with --d";
    if (!tolerance)
        return {};
    if (settings.tolerances.empty())
        return "give at least one tolerance: --tol NAME=SIGMA (normal) or --tol NAME=+-HALF (uniform)";
    for (const InputTolerance& t : settings.tolerances) {
        const bool offset = std::ranges::find(kOffsets, t.input) != std::ranges::end(kOffsets);
        const std::string name(inputInfo(t.input).key);
        if (t.input == Input::WireDiameter && input.has(Input::Awg))
            continue;
        if (!offset && !input.has(t.input))
            return "--tol " + name + ": the case does not give " + name + " - give its nominal value";
        if (input.has(t.input) && input[t.input] == kTouch)
            return "--tol " + name + ": " + name + " is set by a contact (touch): toleranced, the contact is gone - "
                   "give its length, or a tolerance of the sleeve";
    }
    if (settings.scd21Max && input.has(Input::Frequency) && input[Input::Frequency] != settings.scd21Max->frequency)
        return "--scd21-max and --freq name two frequencies: the conversion is taken at one, give one";
    return {};
}

bool isVariable(Input input)
{
    return std::ranges::find(kVariable, input) != std::ranges::end(kVariable);
}

std::string readTolerance(std::string_view text, VariationSettings& settings)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return "not NAME=SIGMA or NAME=+-HALF - write it as D=0.01mm or er_fill=+-0.05";
    const std::string_view name = text.substr(0, equals);
    std::string_view spread = text.substr(equals + 1);
    bool uniform = false;
    for (const std::string_view sign : {std::string_view("+-"), std::string_view("±")}) {
        if (spread.starts_with(sign)) {
            spread.remove_prefix(sign.size());
            uniform = true;
        }
    }
    std::vector<Input> inputs;
    if (name == kOffsetName) {
        inputs = {Input::OffsetX, Input::OffsetY};
    } else {
        const auto* found = std::ranges::find_if(kVariable, [&](Input i) { return inputInfo(i).key == name; });
        if (found == std::ranges::end(kVariable))
            return "no input that varies is called " + inQuotes(name) + " - name one of " + variableNames();
        inputs = {*found};
    }
    double value = 0;
    if (std::string problem = readSpread(inputs[0], spread, value); !problem.empty())
        return "spread " + inQuotes(spread) + ": " + problem;
    for (const Input input : inputs) {
        if (std::ranges::find(settings.tolerances, input, &InputTolerance::input) != settings.tolerances.end())
            return std::string(name) + " has a tolerance already";
        settings.tolerances.push_back({input, value, uniform});
    }
    return {};
}

std::string readZdiffWindow(std::string_view text, VariationSettings& settings)
{
    const std::size_t colon = text.find(':');
    ZdiffWindow window;
    if (colon == std::string_view::npos || !parseNumber(text.substr(0, colon), window.low) ||
        !parseNumber(text.substr(colon + 1), window.high) || !(window.low < window.high))
        return "must be LOW:HIGH in ohm, LOW below HIGH (95:105)";
    settings.zdiffWindow = window;
    return {};
}

std::string readSkewMax(std::string_view text, VariationSettings& settings)
{
    std::string_view number = text;
    for (const std::string_view unit : {std::string_view("ps/m"), std::string_view("ps")})
        if (number.ends_with(unit)) {
            number.remove_suffix(unit.size());
            break;
        }
    double ps = 0;
    if (!parseNumber(number, ps) || !(ps >= 0))
        return "must be a skew of 0 or more in ps/m (5ps/m)";
    settings.skewMax = ps * 1e-12;
    return {};
}

std::string readScd21Max(std::string_view text, VariationSettings& settings)
{
    const std::size_t at = text.find('@');
    std::string_view level = text.substr(0, at);
    if (level.ends_with("dB"))
        level.remove_suffix(2);
    ConversionLimit limit;
    if (at == std::string_view::npos || !parseNumber(level, limit.decibels))
        return "must be LEVEL@FREQ, a level in dB at a frequency (-30dB@10GHz)";
    if (std::string problem = parseFrequency(text.substr(at + 1), limit.frequency); !problem.empty())
        return "frequency " + inQuotes(text.substr(at + 1)) + ": " + problem;
    settings.scd21Max = limit;
    return {};
}
