#include "cases/Caveats.h"

#include <cmath>

#include "NumberText.h"
#include "SolverTexts.h"

namespace {

// "-22.7 %": the deviation as the text output shows it.
std::string percent(double ratio)
{
    std::string text = ratio < 0 ? "-" : "+";
    return text.append(formatFixed(std::fabs(ratio) * 100, 1)).append(" %");
}

std::string ohm(double value)
{
    return formatSignificant(value, kTextDigits).append(" ohm");
}

}  // namespace

std::string accuracyWarning(const FiveChargeDeviation& deviation, double scale, bool english)
{
    if (deviation.wideGaps)
        return {};
    const ConvergedImpedance& converged = deviation.converged;
    if (converged.status == ConvergedStatus::GapTooNarrow) {
        const ShapeGaps gaps = shapeGaps(deviation.sd, deviation.dd);
        const std::string least = formatSignificant(kMinConductorGap, kTextDigits);
        const std::string core = formatSignificant(gaps.core, kTextDigits);
        const std::string shield = formatSignificant(gaps.shield, kTextDigits);
        return english ? "a gap is narrower than the converged solver's " + least + " r (core to core " + core +
                             " r, core to shield " + shield +
                             " r): the five-charge figure cannot be checked and may be far off"
                       : "隙間が " + least + " r より狭く（内部導体間 " + core + " r、内部導体とシールド間 " + shield +
                             " r）、５電荷法の値を収束解で確かめられません：精度不明";
    }
    if (!deviation.known())
        return english ? "the five-charge figure cannot be checked: " + converged.error
                       : std::string("収束解が得られず、５電荷法の値を確かめられません：精度不明");
    if (!deviation.notable())
        return {};
    const bool zoLarger = std::fabs(deviation.zo) >= std::fabs(deviation.ze);
    const std::string mode = zoLarger ? "Zo" : "Ze";
    const double off = zoLarger ? deviation.zo : deviation.ze;
    const std::string size = formatFixed(std::fabs(off) * 100, 1) + " %";
    const std::string reference = ohm((zoLarger ? converged.zo : converged.ze) * scale);
    const std::string both = "Ze " + percent(deviation.ze) + (english ? ", " : "、") + "Zo " + percent(deviation.zo);
    return english ? "the five-charge " + mode + " is " + size + (off < 0 ? " low" : " high") +
                         " against the converged " + reference + " (" + both +
                         "): --method converged gives the exact figure"
                   : "５電荷法の " + mode + " は収束解 " + reference + " より " + size + (off < 0 ? " 低い" : " 高い") +
                         "値です（" + both + "）：--method converged で正確な値が得られます";
}

std::string erWarning(double er, bool english)
{
    const std::string given = "Er " + formatSignificant(er, kTextDigits);
    const std::string most = formatSignificant(kMaxCableEr, kTextDigits);
    if (er < 1)
        return given + (english ? " is below 1, which no material has: the velocity factor above 1 is not physical"
                                : " は 1 未満です（そのような材料はありません）：速度係数が 1 を超えます");
    if (er > kMaxCableEr)
        return english ? given + " is above any cable dielectric (at most about " + most + ")"
                       : given + " はケーブルの誘電体の範囲（約 " + most + " まで）を超えています";
    return {};
}
