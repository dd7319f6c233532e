// The calculator's texts as duvane-calc shows them.

#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "cases/CalculatorText.h"

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

const std::string kRadiusTooLarge = "内部導体半径が大きすぎます";
const std::string kTooClose = "内部導体オフセットが小さすぎます";
const std::string kShieldTooSmall = "外部導体半径が小さすぎます";

// Texts the calculator has only in Japanese: English with --english.
INSTANTIATE_TEST_SUITE_P(
    EnglishThatIsJapanese, ShownText,
    testing::Values(
        TextCase{"RadiusTooLarge", kRadiusTooLarge, true, "inner conductor radius too large"},
        TextCase{"TooClose", kTooClose, true, "inner conductors too close (they touch or overlap)"},
        TextCase{"ShieldTooSmall", kShieldTooSmall, true,
                 "outer conductor radius too small (an inner conductor touches the shield)"},
        TextCase{"AtTheStart", "zCalcSDDd():" + kTooClose, true,
                 "zCalcSDDd():inner conductors too close (they touch or overlap)"},
        TextCase{"InATrial", "Calculation Failed:" + kShieldTooSmall, true,
                 "Calculation Failed:outer conductor radius too small (an inner conductor touches the shield)"},
        // Without --english they stay as the calculator gives them.
        TextCase{"RadiusTooLargeInJapanese", kRadiusTooLarge, false, kRadiusTooLarge},
        TextCase{"TooCloseInJapanese", kTooClose, false, kTooClose},
        TextCase{"ShieldTooSmallInJapanese", kShieldTooSmall, false, kShieldTooSmall},
        TextCase{"InATrialInJapanese", "計算不能です３：" + kShieldTooSmall, false, "計算不能です３：" + kShieldTooSmall}),
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
        TextCase{"ZeroPivot", "Gij11 =0", true, "Gij11 =0" + kSingular},
        TextCase{"ZeroPivotInJapanese", "Gij44 =0", false, "Gij44 =0" + kSingularJapanese},
        TextCase{"SingularNewtonStep", "div by 0 in mCalcDeltaSDDd()", true,
                 "div by 0 in mCalcDeltaSDDd()" + kSingular},
        TextCase{"ChargeOnMatchingPoint", "div by 0 in mCalcG()...", true, "div by 0 in mCalcG()..." + kBrokeDown},
        TextCase{"ShieldPotentialOne", "div by 0 in zCalcEvenModeZC...", false,
                 "div by 0 in zCalcEvenModeZC..." + kBrokeDownJapanese},
        TextCase{"OddCapacitanceZero", "capO = 0 in zCalcOddModeZC...", true,
                 "capO = 0 in zCalcOddModeZC..." + kBrokeDown},
        TextCase{"OddCapacitanceInvalid", "capO invalid in zCalcOddModeZC...", true,
                 "capO invalid in zCalcOddModeZC..." + kBrokeDown},
        TextCase{"OddImpedanceInvalid", "Zo invalid in zCalcOddModeZC...", true,
                 "Zo invalid in zCalcOddModeZC..." + kBrokeDown},
        TextCase{"EvenCapacitanceZero", "capE = 0 in zCalcEvenModeZC...", true,
                 "capE = 0 in zCalcEvenModeZC..." + kBrokeDown},
        TextCase{"EvenCapacitanceInvalid", "capE invalid in zCalcEvenModeZC...", false,
                 "capE invalid in zCalcEvenModeZC..." + kBrokeDownJapanese},
        TextCase{"EvenImpedanceInvalid", "Ze invalid in zCalcEvenModeZC...", true,
                 "Ze invalid in zCalcEvenModeZC..." + kBrokeDown},
        TextCase{"ChargeCount", "Qnum Invalid", true, "Qnum Invalid" + kSetUp},
        TextCase{"EliminationOrder", "order too small in zDoGaussCalc()", false,
                 "order too small in zDoGaussCalc()" + kSetUpJapanese},
        TextCase{"AtTheStart", "zCalcSDDd():capO invalid in zCalcOddModeZC...", true,
                 "zCalcSDDd():capO invalid in zCalcOddModeZC..." + kBrokeDown},
        TextCase{"InAGradient", "Calculation Failed:Gij33 =0", true, "Calculation Failed:Gij33 =0" + kSingular},
        TextCase{"InAGradientInJapanese", "計算不能です１：Gij33 =0", false,
                 "計算不能です１：Gij33 =0" + kSingularJapanese},
        TextCase{"InATrialInJapanese", "計算不能です３：div by 0 in mCalcG()...", false,
                 "計算不能です３：div by 0 in mCalcG()..." + kBrokeDownJapanese}),
    CaseName());

// The solve's text for a step that found no better shape has nothing after its
// colon in English; in Japanese it has the count.
INSTANTIATE_TEST_SUITE_P(
    CalculationFailedWithoutWords, ShownText,
    testing::Values(TextCase{"English", "Calculation Failed:", true,
                             "Calculation Failed: no trial step improved the solution; try a wider --width (or Ze and "
                             "Zo are beyond the calculator's reach)"},
                    TextCase{"Japanese", "計算不能です４：計算回数=361", false,
                             "計算不能です４：計算回数=361 - 改善する試行ステップがありませんでした：--width "
                             "を広げて下さい（または Ze と Zo が計算できる範囲外です）。"}),
    CaseName());

const std::string kCountOver = " - raise --limit, or widen --width, to let the solve go on";

// A count over says which options let the solve go on, after either solve's text.
INSTANTIATE_TEST_SUITE_P(
    CountOver, ShownText,
    testing::Values(TextCase{"FiveCharge", "Calculation Count Over", true, "Calculation Count Over" + kCountOver},
                    TextCase{"FiveChargeInJapanese", "計算回数オーバーです", false,
                             "計算回数オーバーです - --limit を大きくするか、--width を広げて下さい。"},
                    TextCase{"Converged", "Calculation count over: the limit is 7 and the width was not reached",
                             true, "Calculation count over: the limit is 7 and the width was not reached" + kCountOver},
                    TextCase{"ConvergedWithoutTheLimit", "Calculation count over:", true, "Calculation count over:"}),
    CaseName());

// Only the calculator's texts as a whole are its texts.
INSTANTIATE_TEST_SUITE_P(
    OtherTexts, ShownText,
    testing::Values(TextCase{"English", "Error : SD > 0.9", true, "Error : SD > 0.9"},
                    TextCase{"EnglishBehindAPrefix", "zCalcSDDd():Error : Dd <= 2", true,
                             "zCalcSDDd():Error : Dd <= 2"},
                    TextCase{"KnownTextWithMore", kTooClose + "!", true, kTooClose + "!"},
                    TextCase{"KnownTextInside", "x" + kTooClose, true, "x" + kTooClose},
                    TextCase{"InternalTextWithMore", "Qnum Invalid!", true, "Qnum Invalid!"},
                    TextCase{"Empty", "", true, ""}),
    CaseName());

}  // namespace
