#include "cases/Inputs.h"

#include <algorithm>

#include "cases/UnitParsers.h"
#include "NumberText.h"

namespace {

constexpr Mode kImpedanceOnly[] = {Mode::Impedance};
constexpr Mode kShapeOnly[] = {Mode::Shape};

std::string readNumber(std::string_view text, double& value)
{
    switch (parseNumberText(text, value)) {
    case NumberParse::Ok: return {};
    case NumberParse::OutOfRange: return "out of range";
    case NumberParse::NotANumber: break;
    }
    return "not a number";
}

// A number that `accepts` takes; `requirement` says what it takes.
std::string readNumberThat(std::string_view text, bool (*accepts)(double), std::string_view requirement,
                           double& value)
{
    double read = 0;
    if (std::string problem = readNumber(text, read); !problem.empty())
        return problem;
    if (!accepts(read))
        return std::string(requirement);
    value = read;
    return {};
}

std::string readLossTangent(std::string_view text, double& value)
{
    return readNumberThat(text, [](double read) { return read >= 0; }, "must be zero or positive", value);
}

// A target of the shape solve: no cable has an impedance at or below 0.
std::string readImpedance(std::string_view text, double& value)
{
    return readNumberThat(text, [](double read) { return read > 0; }, "must be a positive number of ohms", value);
}

std::string readConductivity(std::string_view text, double& value)
{
    return readNumberThat(text, [](double read) { return read > 0; }, "must be a positive number of S/m", value);
}

std::string readAwgSize(std::string_view text, double& value)
{
    int size = 0;
    std::string problem = parseAwgSize(text, size);
    if (problem.empty())
        value = size;
    return problem;
}

// In the order of Input.
constexpr InputInfo kInputs[] = {
    {Input::Sd, "sd", "SD", "", "NUMBER", Unit::None, kImpedanceOnly, readNumber},
    {Input::Dd, "dd", "DD", "", "NUMBER", Unit::None, kImpedanceOnly, readNumber},
    {Input::Ze, "ze", "ZE", "--ze", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zo, "zo", "ZO", "--zo", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zdiff, "zdiff", "", "--zdiff", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zcm, "zcm", "", "--zcm", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::ShieldDiameter, "D", "", "--D", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseLength},
    {Input::Awg, "awg", "", "--awg", "SIZE", Unit::None, kModes, readAwgSize},
    {Input::WireDiameter, "d", "", "--d", "LENGTH", Unit::Millimetre, kModes, parseLength},
    {Input::Spacing, "S", "", "--S", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseLength},
    {Input::Er, "er", "ER", "--er", "NUMBER", Unit::None, kModes, readNumber},
    {Input::Frequency, "freq", "", "--freq", "FREQ", Unit::Hertz, kImpedanceOnly, parseFrequency},
    {Input::LossTangent, "tand", "", "--tand", "TAN", Unit::None, kImpedanceOnly, readLossTangent},
    {Input::Conductivity, "sigma", "", "--sigma", "S/M", Unit::SiemensPerMetre, kImpedanceOnly, readConductivity},
};

constexpr bool inInputOrder()
{
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        if (static_cast<std::size_t>(kInputs[i].input) != i)
            return false;
    return std::size(kInputs) == kInputCount;
}
static_assert(inInputOrder(), "one row per input, in the order of Input");

}  // namespace

const InputInfo& inputInfo(Input input)
{
    return kInputs[static_cast<std::size_t>(input)];
}

std::string readInput(Input input, std::string_view text, double& value)
{
    return readDecimal(inputInfo(input).read, text, value);
}

std::string readDecimal(NumberReader read, std::string_view text, double& value)
{
    std::string problem = read(text, value);
    if (problem.empty() || text.find(',') == std::string_view::npos)
        return problem;
    std::string pointed(text);
    std::ranges::replace(pointed, ',', '.');
    double unused = 0;
    if (!read(pointed, unused).empty())
        return problem;
    return "\",\" is no decimal point - write " + pointed;
}
