#include "cases/Dimensions.h"

#include "cases/UnitParsers.h"

namespace {

constexpr std::string_view kEitherWay = "give S/D and D/d, or the dimensions --D, --S and --d (or --awg)";
constexpr std::string_view kAllDimensions = "the shape by dimensions needs --D, --S and --d (or --awg)";

bool hasWire(const CaseInput& given)
{
    return given.has(Input::WireDiameter) || given.has(Input::Awg);
}

}  // namespace

bool byDimensions(const CaseInput& given)
{
    return given.has(Input::ShieldDiameter) || given.has(Input::Spacing);
}

std::string wireProblem(const CaseInput& given)
{
    if (given.has(Input::WireDiameter) && given.has(Input::Awg))
        return "--d and --awg both give the wire's diameter: give one";
    return {};
}

std::string dimensionProblem(const CaseInput& given)
{
    if (!byDimensions(given))
        return {};
    if (given.has(Input::Sd) || given.has(Input::Dd))
        return "ratios and dimensions mixed: " + std::string(kEitherWay);
    if (!given.has(Input::ShieldDiameter))
        return "D is missing: " + std::string(kAllDimensions);
    if (!given.has(Input::Spacing))
        return "S is missing: " + std::string(kAllDimensions);
    if (!hasWire(given))
        return "d is missing: " + std::string(kAllDimensions);
    return {};
}

double wireDiameterMm(const CaseInput& input)
{
    if (input.has(Input::WireDiameter))
        return input[Input::WireDiameter];
    if (input.has(Input::Awg))
        return awgDiameterMm(static_cast<int>(input[Input::Awg]));
    return 0;
}

CableShape geometryFromRatios(double sd, double dd, double wireMm)
{
    const double shieldMm = dd * wireMm;
    return {.sd = sd, .dd = dd, .wireMm = wireMm, .shieldMm = shieldMm, .spacingMm = sd * shieldMm};
}

CableShape geometryOf(const CaseInput& input)
{
    const double wireMm = wireDiameterMm(input);
    if (!byDimensions(input))
        return geometryFromRatios(input[Input::Sd], input[Input::Dd], wireMm);
    const double shieldMm = input[Input::ShieldDiameter];
    const double spacingMm = input[Input::Spacing];
    return {.sd = spacingMm / shieldMm,
            .dd = shieldMm / wireMm,
            .wireMm = wireMm,
            .shieldMm = shieldMm,
            .spacingMm = spacingMm};
}
