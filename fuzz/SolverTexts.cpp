#include "SolverTexts.h"

#include <algorithm>
#include <array>
#include <string>

#include "commands/Impedances.h"

namespace {

constexpr std::array<std::string_view, 6> kShapeTexts{
    "Error : SD <= 0",          "Error : SD > 0.9",           "Error : Dd <= 2",
    "内部導体半径が大きすぎます", "内部導体オフセットが小さすぎます", "外部導体半径が小さすぎます",
};

// Where the five-charge model breaks down, near the ends of the valid range.
constexpr std::array<std::string_view, 9> kModelTexts{
    "Qnum Invalid",
    "capO = 0 in zCalcOddModeZC...",
    "capO invalid in zCalcOddModeZC...",
    "Zo invalid in zCalcOddModeZC...",
    "capE = 0 in zCalcEvenModeZC...",
    "capE invalid in zCalcEvenModeZC...",
    "Ze invalid in zCalcEvenModeZC...",
    "div by 0 in zCalcEvenModeZC...",
    "div by 0 in mCalcG()...",
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
    for (int k = 0; k < order; ++k) {
        const std::string index = std::to_string(k);
        if (text == "Gij" + index + index + " =0")
            return true;
    }
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
    return isCalculatorText(text) || text == erNotPositiveText(english) || text == beyondReachText(english);
}

bool isInverseText(std::string_view text, bool english, long long count)
{
    const auto inLanguage = [english](std::string_view englishText, std::string_view japaneseText) {
        return english ? englishText : japaneseText;
    };
    // Requests refused before the solve starts.
    if (text == erNotPositiveText(english) ||
        text == inLanguage("Ze must be larger than Zo", "Ze は Zo より大きくして下さい") ||
        text == inLanguage("Ze and Zo must be positive finite numbers", "Ze と Zo は正の有限値にして下さい"))
        return true;
    if (text == inLanguage("Calculation Count Over", "計算回数オーバーです"))
        return true;
    // The Newton step's own solve reports without a prefix.
    if (isZeroPivotText(text, kStepComponents) || text == "div by 0 in mCalcDeltaSDDd()")
        return true;
    // No trial along the step did better: the Japanese text adds the count.
    if (english ? text == "Calculation Failed:" : text == "計算不能です４：計算回数=" + std::to_string(count))
        return true;
    // The calculator failed at the start estimate, on the gradient, or on every
    // trial of a step.
    return startsWithCalculatorText(text, "zCalcSDDd():") ||
           startsWithCalculatorText(text, inLanguage("Calculation Failed:", "計算不能です１：")) ||
           startsWithCalculatorText(text, inLanguage("Calculation Failed:", "計算不能です３："));
}
