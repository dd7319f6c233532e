#include "cases/Inputs.h"

#include <algorithm>
#include <optional>

#include "cases/AwgWire.h"
#include "cases/Dielectrics.h"
#include "cases/UnitParsers.h"
#include "Materials.h"
#include "NumberText.h"

namespace {

// The modes that take an impedance case.
constexpr Mode kImpedanceOnly[] = {Mode::Impedance, Mode::Sensitivity, Mode::Tolerance, Mode::Model};
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
    return readNumberThat(
        text, [](double read) { return read >= 0 && read <= kMaxLossTangent; },
        "must be from 0 to 0.1 - the loss formulas hold for a low-loss dielectric", value);
}

// A target of the shape solve: no cable has an impedance at or below 0.
std::string readImpedance(std::string_view text, double& value)
{
    return readNumberThat(text, [](double read) { return read > 0; }, "must be a positive number of ohms", value);
}

std::string readConductivity(std::string_view text, double& value)
{
    return readNumberThat(
        text, [](double read) { return read >= kLeastConductivity && read <= kMostConductivity; },
        "must be from 1e5 to 1e8 S/m - the conductivity of a metal (copper 5.8e7)", value);
}

// A length, or "touch": the contact that fixes it.
std::string readLengthOrTouch(std::string_view text, double& value)
{
    if (text == "touch") {
        value = kTouch;
        return {};
    }
    std::string problem = parseLength(text, value);
    return problem.empty() || problem == "out of range" ? problem : problem + ", or touch";
}

// A length that may be nothing at all: a foil drawn tight.
std::string readLengthOrZero(std::string_view text, double& value)
{
    return parseZeroOr(parseLength, text, value, "");
}

std::string readDielectric(std::string_view text, double& value)
{
    if (const std::optional<double> material = materialCode(text)) {
        value = *material;
        return {};
    }
    if (std::string problem = readNumberThat(text, [](double read) { return read >= 1; }, "", value);
        problem.empty())
        return {};
    return "neither an Er of 1 or more nor a material - name one of " + materialNames();
}

// A length of cable, in metres.
std::string readCableLength(std::string_view text, double& value)
{
    double mm = 0;
    std::string problem = parseLength(text, mm);
    if (problem.empty())
        value = mm / 1e3;
    return problem;
}

std::string readAwgWire(std::string_view text, double& value)
{
    AwgWire wire;
    std::string problem = parseAwgWire(text, wire);
    if (problem.empty())
        value = awgCode(wire);
    return problem;
}

// In the order of Input.
constexpr InputInfo kInputs[] = {
    {Input::Sd, "sd", "SD", "NUMBER", Unit::None, kImpedanceOnly, readNumber},
    {Input::Dd, "dd", "DD", "NUMBER", Unit::None, kImpedanceOnly, readNumber},
    {Input::Ze, "ze", "ZE", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zo, "zo", "ZO", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zdiff, "zdiff", "", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::Zcm, "zcm", "", "OHM", Unit::Ohm, kShapeOnly, readImpedance},
    {Input::ShieldDiameter, "D", "", "LENGTH", Unit::Millimetre, kModes, readLengthOrTouch},
    {Input::Awg, "awg", "", "SIZE", Unit::None, kModes, readAwgWire},
    {Input::WireDiameter, "d", "", "LENGTH", Unit::Millimetre, kModes, parseLength},
    {Input::Sleeve, "sleeve", "", "LENGTH", Unit::Millimetre, kModes, parseLength},
    {Input::Spacing, "S", "", "LENGTH", Unit::Millimetre, kModes, readLengthOrTouch},
    {Input::Clearance, "clearance", "", "LENGTH", Unit::Millimetre, kModes, readLengthOrZero},
    {Input::Drain, "drain", "", "LENGTH", Unit::Millimetre, kModes, parseLength},
    {Input::Er, "er", "ER", "NUMBER", Unit::None, kModes, readNumber},
    {Input::ErSleeve, "er_sleeve", "", "ER", Unit::None, kModes, readDielectric},
    {Input::ErFill, "er_fill", "", "ER", Unit::None, kModes, readDielectric},
    {Input::WireDiameter2, "d2", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseLength},
    {Input::Sleeve2, "sleeve2", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseLength},
    {Input::ErSleeve2, "er_sleeve2", "", "ER", Unit::None, kImpedanceOnly, readDielectric},
    {Input::OffsetX, "offset_x", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::OffsetY, "offset_y", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::PairOffsetX, "pair_offset_x", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::PairOffsetY, "pair_offset_y", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::SleeveOffsetX, "sleeve_offset_x", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::SleeveOffsetY, "sleeve_offset_y", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseSignedLength},
    {Input::Frequency, "freq", "", "FREQ", Unit::Hertz, kImpedanceOnly, parseFrequency},
    {Input::Length, "length", "", "LENGTH", Unit::Metre, kImpedanceOnly, readCableLength},
    {Input::LossTangent, "tand", "", "TAN", Unit::None, kImpedanceOnly, readLossTangent},
    {Input::TandSleeve, "tand_sleeve", "", "TAN", Unit::None, kImpedanceOnly, readLossTangent},
    {Input::TandFill, "tand_fill", "", "TAN", Unit::None, kImpedanceOnly, readLossTangent},
    {Input::Conductivity, "sigma", "", "S/M", Unit::SiemensPerMetre, kImpedanceOnly, readConductivity},
    {Input::FoilSigma, "foil_sigma", "", "S/M", Unit::SiemensPerMetre, kImpedanceOnly, readConductivity},
    {Input::FoilThickness, "foil_thickness", "", "LENGTH", Unit::Millimetre, kImpedanceOnly, parseLength},
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
