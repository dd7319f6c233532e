#include "cases/CalculatorText.h"

#include <algorithm>

#include "SolverTexts.h"

namespace {

// How a row's text stands in what the calculator gives.
enum class Match {
    Whole,   // the text and nothing else
    Start,   // the start of the text, as the zero pivot's "Gij" of "Gij11 =0"
    Prefix,  // the text, then another of the calculator's texts
};

// A plain sentence after a text a user cannot act on. Each starts with what
// joins it to that text.
struct Note {
    std::string_view english;
    std::string_view japanese;
};

constexpr Note kSingular{
    " - The linear system became singular: the shape is beyond the five-charge calculator's reach.",
    " - 連立方程式が特異になりました：この形状は５電荷の計算で扱える範囲を超えています。"};
constexpr Note kBrokeDown{
    " - The five-charge calculation broke down: the shape is beyond the calculator's reach.",
    " - ５電荷の計算が破綻しました：この形状は計算で扱える範囲を超えています。"};
// It follows the solve's English text, which ends at its colon, or the
// Japanese one, which goes on with the count.
constexpr Note kNoImprovement{
    " no trial step improved the solution; try a wider --width (or Ze and Zo are beyond the calculator's reach)",
    " - 改善する試行ステップがありませんでした：--width を広げて下さい（または Ze と Zo が計算できる範囲外です）。"};
// The five-charge solve's count-over text says nothing of what to change; the
// converged solve's names the limit but not the option.
constexpr Note kCountOver{" - raise --limit, or widen --width, to let the solve go on",
                          " - --limit を大きくするか、--width を広げて下さい。"};
constexpr Note kSetUp{" - The calculator was set up wrongly: this is a fault of duvane-calc, not of the input.",
                      " - 計算の設定が正しくありません：入力ではなく duvane-calc の不具合です。"};

// The texts are the calculator's own, matched as they are: they carry no
// value to be read out of them.
struct KnownText {
    std::string_view text;
    Match match;
    std::string_view english;  // the English form of a text the calculator has only in Japanese
    const Note* note;          // null: the text speaks for itself
};

constexpr KnownText kKnownTexts[] = {
    // The shape solve's texts for a step that found no better shape.
    {kNoImprovementText.english, Match::Whole, "", &kNoImprovement},
    {kNoImprovementText.japanese, Match::Start, "", &kNoImprovement},
    {kCountOverText.english, Match::Whole, "", &kCountOver},
    {kCountOverText.japanese, Match::Whole, "", &kCountOver},
    {kConvergedCountOverStart, Match::Start, "", &kCountOver},
    // The shape solve puts these before the text of the step that failed.
    {kShapeSolvePrefix, Match::Prefix, "", nullptr},
    {kFailedOnTrialsPrefix.english, Match::Prefix, "", nullptr},
    {kFailedOnDerivativesPrefix.japanese, Match::Prefix, "", nullptr},
    {kFailedOnTrialsPrefix.japanese, Match::Prefix, "", nullptr},
    // The checks of the shape.
    {kCoreRadiusTooLargeText.japanese, Match::Whole, kCoreRadiusTooLargeText.english, nullptr},
    {kCoresTooCloseText.japanese, Match::Whole, kCoresTooCloseText.english, nullptr},
    {kShieldTooSmallText.japanese, Match::Whole, kShieldTooSmallText.english, nullptr},
    // A zero pivot, of the charges' system or of the Newton step's.
    {kZeroPivotStart, Match::Start, "", &kSingular},
    {kStepDivisionByZeroText, Match::Whole, "", &kSingular},
    {kPotentialDivisionByZeroText, Match::Whole, "", &kBrokeDown},
    {kEvenDivisionByZeroText, Match::Whole, "", &kBrokeDown},
    {kOddCapacitanceZeroText, Match::Whole, "", &kBrokeDown},
    {kOddCapacitanceInvalidText, Match::Whole, "", &kBrokeDown},
    {kOddImpedanceInvalidText, Match::Whole, "", &kBrokeDown},
    {kEvenCapacitanceZeroText, Match::Whole, "", &kBrokeDown},
    {kEvenCapacitanceInvalidText, Match::Whole, "", &kBrokeDown},
    {kEvenImpedanceInvalidText, Match::Whole, "", &kBrokeDown},
    {kChargeCountInvalidText, Match::Whole, "", &kSetUp},
    {kOrderTooSmallText, Match::Whole, "", &kSetUp},
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
    std::string shown(english && !known->english.empty() ? known->english : calculatorText);
    if (known->note != nullptr)
        shown += english ? known->note->english : known->note->japanese;
    return shown;
}
