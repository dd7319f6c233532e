#include "CalculatorText.h"

#include <algorithm>

namespace {

// How a row's text stands in what the calculator gives.
enum class Match {
    Whole,   // the text and nothing else
    Prefix,  // the text, then another of the calculator's texts
};

// The texts are the calculator's own, matched as they are: they carry no
// value to be read out of them.
struct KnownText {
    std::string_view text;
    Match match;
    std::string_view english;  // the English form of a text the calculator has only in Japanese
};

constexpr KnownText kKnownTexts[] = {
    // The shape solve puts these before the text of the step that failed.
    {"zCalcSDDd():", Match::Prefix, ""},
    {"Calculation Failed:", Match::Prefix, ""},
    {"計算不能です１：", Match::Prefix, ""},
    {"計算不能です３：", Match::Prefix, ""},
    // The checks of the shape.
    {"内部導体半径が大きすぎます", Match::Whole, "inner conductor radius too large"},
    {"内部導体オフセットが小さすぎます", Match::Whole, "inner conductors too close (they touch or overlap)"},
    {"外部導体半径が小さすぎます", Match::Whole,
     "outer conductor radius too small (an inner conductor touches the shield)"},
};

bool matches(const KnownText& known, std::string_view text)
{
    if (known.match == Match::Whole)
        return text == known.text;
    return text.size() > known.text.size() && text.starts_with(known.text);
}

}  // namespace

std::string shownText(std::string_view calculatorText, bool english)
{
    const auto* known =
        std::ranges::find_if(kKnownTexts, [&](const KnownText& k) { return matches(k, calculatorText); });
    if (known == std::ranges::end(kKnownTexts))
        return std::string(calculatorText);
    if (known->match == Match::Prefix)
        return std::string(known->text) + shownText(calculatorText.substr(known->text.size()), english);
    return std::string(english && !known->english.empty() ? known->english : known->text);
}
