#include "TextChecks.h"

#include <algorithm>
#include <array>
#include <string>

#include "SolverTexts.h"

namespace {

constexpr std::array<std::string_view, 6> kShapeTexts{
    kSdNotPositiveText,           kSdAboveLimitText,          kDdNotAboveTwoText,
    kCoreRadiusTooLargeText.japanese, kCoresTooCloseText.japanese, kShieldTooSmallText.japanese,
};

// Where the five-charge model breaks down, near the ends of the valid range.
constexpr std::array<std::string_view, 9> kModelTexts{
    kChargeCountInvalidText,      kOddCapacitanceZeroText,   kOddCapacitanceInvalidText,
    kOddImpedanceInvalidText,     kEvenCapacitanceZeroText,  kEvenCapacitanceInvalidText,
    kEvenImpedanceInvalidText,    kEvenDivisionByZeroText,   kPotentialDivisionByZeroText,
};

// The calculator solves for its five charges, the inverse solver for its two
// step components.
constexpr int kCharges = 5;
constexpr int kStepComponents = 2;

bool isOneOf(std::string_view text, const auto& table)
{
    return std::ranges::find(table, text) != table.end();
}

// The linear solver's zero-pivot text for a system of `order` unknowns.
bool isZeroPivotText(std::string_view text, int order)
{
    for (int k = 0; k < order; ++k)
        if (text == zeroPivotText(k))
            return true;
    return false;
}

bool startsWithCalculatorText(std::string_view text, std::string_view prefix)
{
    return text.starts_with(prefix) && isCalculatorText(text.substr(prefix.size()));
}

}  // namespace

bool isShapeText(std::string_view text)
{
    return isOneOf(text, kShapeTexts);
}

bool isCalculatorText(std::string_view text)
{
    return isShapeText(text) || isOneOf(text, kModelTexts) || isZeroPivotText(text, kCharges);
}

bool isImpedancesText(std::string_view text, bool english)
{
    return isCalculatorText(text) || text == kErNotPositiveText.in(english) || text == kBeyondReachText.in(english);
}

bool isInverseText(std::string_view text, bool english, long long count)
{
    // Requests refused before the solve starts.
    if (text == kErNotPositiveText.in(english) || text == kZeNotAboveZoText.in(english) ||
        text == kTargetsNotPositiveText.in(english))
        return true;
    if (text == kCountOverText.in(english))
        return true;
    // The Newton step's own solve reports without a prefix.
    if (isZeroPivotText(text, kStepComponents) || text == kStepDivisionByZeroText)
        return true;
    if (text == noImprovementText(english, count))
        return true;
    // The calculator failed at the start estimate, on the gradient, or on every
    // trial of a step.
    return startsWithCalculatorText(text, kShapeSolvePrefix) ||
           startsWithCalculatorText(text, kFailedOnDerivativesPrefix.in(english)) ||
           startsWithCalculatorText(text, kFailedOnTrialsPrefix.in(english));
}
