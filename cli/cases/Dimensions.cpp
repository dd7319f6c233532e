#include "cases/Dimensions.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cases/UnitParsers.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

constexpr std::string_view kEitherWay = "give S/D and D/d, or the dimensions --D, --S and --d (or --awg)";
constexpr std::string_view kAllDimensions = "the shape by dimensions needs --D, --S and --d (or --awg)";

// A shape check in dimensions: {D}, {S}, {d} and {2d} stand for the lengths
// in mm. The English texts of the checks already say what touches; the
// Japanese ones name only the radius or offset.
struct DimensionNote {
    std::string_view calculatorText;
    Bilingual note;
};

// The calculator's checks, S/D <= 0.9, D/d > 2, S/D D/d > 1 and
// D/d (1 - S/D) > 1, are S <= 0.9 D, D > 2 d, S > d and S + d < D.
constexpr DimensionNote kDimensionNotes[] = {
    {kSdAboveLimitText,
     {" - S ({S} mm) must be at most 0.9 D (D = {D} mm)", " - S（{S} mm）は 0.9 D（D = {D} mm）以下にして下さい"}},
    {kDdNotAboveTwoText,
     {" - the shield (D {D} mm) must be wider than two cores (2 d = {2d} mm)",
      " - シールド（D {D} mm）は導体２本分（2 d = {2d} mm）より太くして下さい"}},
    {kCoresTooCloseText.japanese,
     {" - S ({S} mm) must be more than d ({d} mm)",
      " - 導体どうしが接するか重なっています：S（{S} mm）は d（{d} mm）より大きくして下さい"}},
    {kShieldTooSmallText.japanese,
     {" - S + d ({S} mm + {d} mm) must be less than D ({D} mm)",
      " - 導体がシールドに接しています：S + d（{S} mm + {d} mm）は D（{D} mm）より小さくして下さい"}},
};

}  // namespace

bool hasWire(const CaseInput& given)
{
    return given.has(Input::WireDiameter) || given.has(Input::Awg);
}

std::optional<AwgWire> givenAwgWire(const CaseInput& input)
{
    if (input.has(Input::WireDiameter) || !input.has(Input::Awg))
        return std::nullopt;
    return awgWireOf(input[Input::Awg]);
}

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
    if (const std::optional<AwgWire> wire = givenAwgWire(input))
        return fieldDiameterMm(*wire);
    return input.has(Input::WireDiameter) ? input[Input::WireDiameter] : 0;
}

double wireOuterDiameterMm(const CaseInput& input)
{
    if (const std::optional<AwgWire> wire = givenAwgWire(input))
        return outerDiameterMm(*wire);
    return wireDiameterMm(input);
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

std::string dimensionNote(const CaseInput& input, std::string_view calculatorText, bool english)
{
    if (!byDimensions(input))
        return {};
    const auto* row = std::ranges::find(kDimensionNotes, calculatorText, &DimensionNote::calculatorText);
    if (row == std::ranges::end(kDimensionNotes))
        return {};
    const CableShape shape = geometryOf(input);
    // Doubling is exact, so 2 d is shown as exactly as d.
    const std::pair<std::string_view, double> lengths[] = {
        {"{D}", shape.shieldMm}, {"{S}", shape.spacingMm}, {"{d}", shape.wireMm}, {"{2d}", 2 * shape.wireMm}};
    std::string note(row->note.in(english));
    for (const auto& [mark, mm] : lengths)
        for (std::size_t at = note.find(mark); at != std::string::npos; at = note.find(mark, at))
            note.replace(at, mark.size(), formatShortest(mm));
    return note;
}
