#include "AccuracyNote.h"

#include <cmath>

#include "commands/FiveChargeDeviation.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

QString gapsText(double sd, double dd)
{
    const ShapeGaps gaps = shapeGaps(sd, dd);
    return QStringLiteral("内部導体間 %1 r、内部導体とシールド間 %2 r（r は内部導体の半径）")
        .arg(QString::fromStdString(formatSignificant(gaps.core, kTextDigits)),
             QString::fromStdString(formatSignificant(gaps.shield, kTextDigits)));
}

} // namespace

QString percent(double ratio)
{
    const QString digits = QString::fromStdString(formatFixed(std::fabs(ratio) * 100, 2));
    return (ratio < 0 ? QStringLiteral("−") : QStringLiteral("+")) + digits + QStringLiteral(" %");
}

QString AccuracyNote::impedanceStatus() const
{
    return word.isEmpty() ? QString() : word + QStringLiteral(": ") + detail;
}

QString AccuracyNote::shapeStatus(const QString& countText) const
{
    return word.isEmpty() ? countText : countText + QLatin1Char(' ') + word;
}

AccuracyNote accuracyNote(const FiveChargeDeviation& deviation, double sd, double dd, double er, int decimals)
{
    const ConvergedImpedance& converged = deviation.converged;
    if (converged.status == ConvergedStatus::GapTooNarrow)
        return {QStringLiteral("精度不明"), QStringLiteral("隙間が狭すぎます"),
                QStringLiteral("隙間が %1 r より狭く、収束解で確かめられません\n")
                        .arg(QString::fromStdString(formatSignificant(kMinConductorGap, kTextDigits))) +
                    gapsText(sd, dd)};
    if (!deviation.known())
        return {QStringLiteral("精度不明"), QStringLiteral("収束解が得られません"),
                QString::fromStdString(converged.error)};
    if (!deviation.notable())
        return {};

    const bool zoLarger = std::fabs(deviation.zo) >= std::fabs(deviation.ze);
    const double rootEr = std::sqrt(er);
    const auto ohms = [&](double air) { return QString::fromStdString(formatFixed(air / rootEr, decimals)); };
    return {QStringLiteral("精度注意"),
            (zoLarger ? QStringLiteral("Zo ") : QStringLiteral("Ze ")) + percent(zoLarger ? deviation.zo : deviation.ze),
            QStringLiteral("5電荷法の誤差: Ze %1, Zo %2\n収束解: Ze = %3 Ω, Zo = %4 Ω")
                .arg(percent(deviation.ze), percent(deviation.zo), ohms(converged.ze), ohms(converged.zo))};
}
