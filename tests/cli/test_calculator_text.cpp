// The calculator's texts as duvane-calc shows them.

#include <gtest/gtest.h>

#include <string>

#include "CalculatorText.h"
#include "CaseName.h"

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

// Only the calculator's texts as a whole are its texts.
INSTANTIATE_TEST_SUITE_P(
    OtherTexts, ShownText,
    testing::Values(TextCase{"English", "Error : SD > 0.9", true, "Error : SD > 0.9"},
                    TextCase{"EnglishBehindAPrefix", "zCalcSDDd():Error : Dd <= 2", true,
                             "zCalcSDDd():Error : Dd <= 2"},
                    TextCase{"KnownTextWithMore", kTooClose + "!", true, kTooClose + "!"},
                    TextCase{"KnownTextInside", "x" + kTooClose, true, "x" + kTooClose},
                    TextCase{"Empty", "", true, ""}),
    CaseName());

}  // namespace
