// The calculator's texts as duvane-calc shows them.

#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "cases/CalculatorText.h"
#include "SolverTexts.h"

namespace {

struct TextCase {
    const char* name;
    std::string text;  // as the calculator gives it
    bool english;
    std::string shown;
};

class ShownText : public testing::TestWithParam<TextCase> {};

TEST_P(ShownText, IsTheTextInTheChosenLanguage)
{
    EXPECT_EQ(shownText(GetParam().text, GetParam().english), GetParam().shown);
}

const std::string kRadiusTooLarge = std::string(kCoreRadiusTooLargeText.japanese);
const std::string kTooClose = std::string(kCoresTooCloseText.japanese);
const std::string kShieldTooSmall = std::string(kShieldTooSmallText.japanese);

// Texts the calculator has only in Japanese: English with --english.
INSTANTIATE_TEST_SUITE_P(
    EnglishThatIsJapanese, ShownText,
    testing::Values(
        TextCase{"RadiusTooLarge", kRadiusTooLarge, true, std::string(kCoreRadiusTooLargeText.english)},
        TextCase{"TooClose", kTooClose, true, std::string(kCoresTooCloseText.english)},
        TextCase{"ShieldTooSmall", kShieldTooSmall, true,
                 std::string(kShieldTooSmallText.english)},
        TextCase{"AtTheStart", std::string(kShapeSolvePrefix) + kTooClose, true,
                 std::string(kShapeSolvePrefix) + std::string(kCoresTooCloseText.english)},
        TextCase{"InATrial", std::string(kFailedOnTrialsPrefix.english) + kShieldTooSmall, true,
                 std::string(kFailedOnTrialsPrefix.english) + std::string(kShieldTooSmallText.english)},
        // Without --english they stay as the calculator gives them.
        TextCase{"RadiusTooLargeInJapanese", kRadiusTooLarge, false, kRadiusTooLarge},
        TextCase{"TooCloseInJapanese", kTooClose, false, kTooClose},
        TextCase{"ShieldTooSmallInJapanese", kShieldTooSmall, false, kShieldTooSmall},
        TextCase{"InATrialInJapanese", std::string(kFailedOnTrialsPrefix.japanese) + kShieldTooSmall, false, std::string(kFailedOnTrialsPrefix.japanese) + kShieldTooSmall}),
    CaseName());

const std::string kSingular =
    " - The linear system became singular: the shape is beyond the five-charge calculator's reach.";
const std::string kSingularJapanese = " - 連立方程式が特異になりました：この形状は５電荷の計算で扱える範囲を超えています。";
const std::string kBrokeDown = " - The five-charge calculation broke down: the shape is beyond the calculator's reach.";
const std::string kBrokeDownJapanese = " - ５電荷の計算が破綻しました：この形状は計算で扱える範囲を超えています。";
const std::string kSetUp = " - The calculator was set up wrongly: this is a fault of duvane-calc, not of the input.";
const std::string kSetUpJapanese = " - 計算の設定が正しくありません：入力ではなく duvane-calc の不具合です。";

// The calculator's internal texts keep their words and gain a plain sentence.
INSTANTIATE_TEST_SUITE_P(
    MessagesAUserCannotActOn, ShownText,
    testing::Values(
        TextCase{"ZeroPivot", zeroPivotText(1), true, zeroPivotText(1) + kSingular},
        TextCase{"ZeroPivotInJapanese", zeroPivotText(4), false, zeroPivotText(4) + kSingularJapanese},
        TextCase{"SingularNewtonStep", std::string(kStepDivisionByZeroText), true,
                 std::string(kStepDivisionByZeroText) + kSingular},
        TextCase{"ChargeOnMatchingPoint", std::string(kPotentialDivisionByZeroText), true, std::string(kPotentialDivisionByZeroText) + kBrokeDown},
        TextCase{"ShieldPotentialOne", std::string(kEvenDivisionByZeroText), false,
                 std::string(kEvenDivisionByZeroText) + kBrokeDownJapanese},
        TextCase{"OddCapacitanceZero", std::string(kOddCapacitanceZeroText), true,
                 std::string(kOddCapacitanceZeroText) + kBrokeDown},
        TextCase{"OddCapacitanceInvalid", std::string(kOddCapacitanceInvalidText), true,
                 std::string(kOddCapacitanceInvalidText) + kBrokeDown},
        TextCase{"OddImpedanceInvalid", std::string(kOddImpedanceInvalidText), true,
                 std::string(kOddImpedanceInvalidText) + kBrokeDown},
        TextCase{"EvenCapacitanceZero", std::string(kEvenCapacitanceZeroText), true,
                 std::string(kEvenCapacitanceZeroText) + kBrokeDown},
        TextCase{"EvenCapacitanceInvalid", std::string(kEvenCapacitanceInvalidText), false,
                 std::string(kEvenCapacitanceInvalidText) + kBrokeDownJapanese},
        TextCase{"EvenImpedanceInvalid", std::string(kEvenImpedanceInvalidText), true,
                 std::string(kEvenImpedanceInvalidText) + kBrokeDown},
        TextCase{"ChargeCount", std::string(kChargeCountInvalidText), true, std::string(kChargeCountInvalidText) + kSetUp},
        TextCase{"EliminationOrder", std::string(kOrderTooSmallText), false,
                 std::string(kOrderTooSmallText) + kSetUpJapanese},
        TextCase{"AtTheStart", std::string(kShapeSolvePrefix) + std::string(kOddCapacitanceInvalidText), true,
                 std::string(kShapeSolvePrefix) + std::string(kOddCapacitanceInvalidText) + kBrokeDown},
        TextCase{"InAGradient", std::string(kFailedOnDerivativesPrefix.english) + zeroPivotText(3), true,
                 std::string(kFailedOnDerivativesPrefix.english) + zeroPivotText(3) + kSingular},
        TextCase{"InAGradientInJapanese", std::string(kFailedOnDerivativesPrefix.japanese) + zeroPivotText(3), false,
                 std::string(kFailedOnDerivativesPrefix.japanese) + zeroPivotText(3) + kSingularJapanese},
        TextCase{"InATrialInJapanese", std::string(kFailedOnTrialsPrefix.japanese) + std::string(kPotentialDivisionByZeroText), false,
                 std::string(kFailedOnTrialsPrefix.japanese) + std::string(kPotentialDivisionByZeroText) + kBrokeDownJapanese}),
    CaseName());

// The solve's text for a step that found no better shape has nothing after its
// colon in English; in Japanese it has the count.
INSTANTIATE_TEST_SUITE_P(
    CalculationFailedWithoutWords, ShownText,
    testing::Values(TextCase{"English", std::string(kNoImprovementText.english), true,
                             std::string(kNoImprovementText.english) + " no trial step improved the solution; try a wider --width (or Ze and "
                             "Zo are beyond the calculator's reach)"},
                    TextCase{"Japanese", std::string(kNoImprovementText.japanese) + "361", false,
                             std::string(kNoImprovementText.japanese) + "361 - 改善する試行ステップがありませんでした：--width "
                             "を広げて下さい（または Ze と Zo が計算できる範囲外です）。"}),
    CaseName());

const std::string kCountOver = " - raise --limit, or widen --width, to let the solve go on";

// A count over says which options let the solve go on, after either solve's text.
INSTANTIATE_TEST_SUITE_P(
    CountOver, ShownText,
    testing::Values(TextCase{"FiveCharge", std::string(kCountOverText.english), true, std::string(kCountOverText.english) + kCountOver},
                    TextCase{"FiveChargeInJapanese", std::string(kCountOverText.japanese), false,
                             std::string(kCountOverText.japanese) + " - --limit を大きくするか、--width を広げて下さい。"},
                    TextCase{"Converged", std::string(kConvergedCountOverStart) + " the limit is 7 and the width was not reached",
                             true, std::string(kConvergedCountOverStart) + " the limit is 7 and the width was not reached" + kCountOver},
                    TextCase{"ConvergedWithoutTheLimit", std::string(kConvergedCountOverStart), true, std::string(kConvergedCountOverStart)}),
    CaseName());

// Only the calculator's texts as a whole are its texts.
INSTANTIATE_TEST_SUITE_P(
    OtherTexts, ShownText,
    testing::Values(TextCase{"English", std::string(kSdAboveLimitText), true, std::string(kSdAboveLimitText)},
                    TextCase{"EnglishBehindAPrefix", std::string(kShapeSolvePrefix) + std::string(kDdNotAboveTwoText), true,
                             std::string(kShapeSolvePrefix) + std::string(kDdNotAboveTwoText)},
                    TextCase{"KnownTextWithMore", kTooClose + "!", true, kTooClose + "!"},
                    TextCase{"KnownTextInside", "x" + kTooClose, true, "x" + kTooClose},
                    TextCase{"InternalTextWithMore", std::string(kChargeCountInvalidText) + "!", true, std::string(kChargeCountInvalidText) + "!"},
                    TextCase{"Empty", "", true, ""}),
    CaseName());

}  // namespace
