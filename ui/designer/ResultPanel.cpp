#include "designer/Named.h"
#include "designer/ResultPanel.h"

#include <cmath>
#include <span>

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "AccuracyNote.h"
#include "commands/FiveChargeDeviation.h"
#include "designer/PairFigures.h"
#include "NumberText.h"

namespace {

// One figure: its label's name and the key duvane-calc lists it by.
struct Figure {
    const char* name;
    const char* key;
};

struct ResultLine {
    const char* caption;
    const char* unit;
    int digits;        // after the point, or significant ones where `significant`
    bool significant;  // for figures that span decades
    Figure first;
    Figure second;  // name null for a line of one figure
};

struct ResultSection {
    const char* name;  // the group's
    const char* title;
    const char* firstColumn;  // null for sections of single figures
    const char* secondColumn;
    std::span<const ResultLine> lines;
};

// Three decimals for ohms, as duvane-calc shows them; the bound says how far
// each may be off besides its rounding.
const ResultLine kImpedances[] = {
    {"Ze", "Ω", 3, false, {"resultZe", "ze"}, {}},
    {"Zo", "Ω", 3, false, {"resultZo", "zo"}, {}},
    {"Zdiff", "Ω", 3, false, {"resultZdiff", "zdiff"}, {}},
    {"Zcm", "Ω", 3, false, {"resultZcm", "zcm"}, {}},
    {QT_TRANSLATE_NOOP("ResultPanel", "誤差限界"), QT_TRANSLATE_NOOP("ResultPanel", "(相対、Z・C・L・遅延)"), 2, true,
     {"resultErrorBound", "error_bound"}, {}},
};

const ResultLine kModes[] = {
    {QT_TRANSLATE_NOOP("ResultPanel", "実効比誘電率"), "", 4, false, {"resultEffectiveErEven", "eps_eff_even"},
     {"resultEffectiveErOdd", "eps_eff_odd"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "速度係数"), "", 4, false, {"resultVelocityFactorEven", "vf_even"},
     {"resultVelocityFactorOdd", "vf_odd"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "遅延"), "ns/m", 4, false, {"resultDelayEven", "delay_even"},
     {"resultDelayOdd", "delay_odd"}},
    {"C", "pF/m", 3, false, {"resultCEven", "c_even"}, {"resultCOdd", "c_odd"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "C (真空)"), "pF/m", 3, false, {"resultC0Even", "c0_even"},
     {"resultC0Odd", "c0_odd"}},
    {"L", "nH/m", 3, false, {"resultLEven", "l_even"}, {"resultLOdd", "l_odd"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "スキュー (偶 − 奇)"), "ps/m", 2, false, {"resultSkew", "skew"}, {}},
};

const ResultLine kMatrices[] = {
    {"C", "pF/m", 3, false, {"resultC11", "c11"}, {"resultC12", "c12"}},
    {"L", "nH/m", 3, false, {"resultL11", "l11"}, {"resultL12", "l12"}},
};

const ResultLine kLoss[] = {
    {QT_TRANSLATE_NOOP("ResultPanel", "合計"), "dB/m", 4, true, {"resultLossDiff", "alpha_diff"},
     {"resultLossCm", "alpha_cm"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "導体"), "dB/m", 4, true, {"resultLossDiffConductor", "alpha_c_diff"},
     {"resultLossCmConductor", "alpha_c_cm"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "誘電体"), "dB/m", 4, true, {"resultLossDiffDielectric", "alpha_d_diff"},
     {"resultLossCmDielectric", "alpha_d_cm"}},
    {QT_TRANSLATE_NOOP("ResultPanel", "表皮深さ"), "µm", 4, true, {"resultSkinDepth", "skin_depth"}, {}},
};

const ResultSection kSections[] = {
    {"impedanceGroup", QT_TRANSLATE_NOOP("ResultPanel", "インピーダンス"), nullptr, nullptr, kImpedances},
    {"modeGroup", QT_TRANSLATE_NOOP("ResultPanel", "モード (1 本あたり)"), QT_TRANSLATE_NOOP("ResultPanel", "偶モード"),
     QT_TRANSLATE_NOOP("ResultPanel", "奇モード"), kModes},
    {"matrixGroup", QT_TRANSLATE_NOOP("ResultPanel", "行列 (Maxwell)"), "11", "12", kMatrices},
    {"lossGroup", QT_TRANSLATE_NOOP("ResultPanel", "損失"), QT_TRANSLATE_NOOP("ResultPanel", "差動"),
     QT_TRANSLATE_NOOP("ResultPanel", "同相"), kLoss},
};

QString tr(const char* text)
{
    return QCoreApplication::translate("ResultPanel", text);
}

const QString kNone = QStringLiteral("—");
const QMargins kGroupMargins(6, 4, 6, 4);

QString valueText(const ResultLine& line, std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return kNone;
    const std::string number = line.significant ? formatSignificant(*value, line.digits) : formatFixed(*value, line.digits);
    const QString unit = tr(line.unit);
    return unit.isEmpty() ? QString::fromStdString(number) : QString::fromStdString(number) + QLatin1Char(' ') + unit;
}

// The five-charge figure against the converged one, as the main window
// reports it: the converged solution of the designer's own solve stands in
// for the homogeneous solver's.
FiveChargeDeviation deviationOf(const FiveChargeFigures& five, const PairModes& modes)
{
    const double rootEr = std::sqrt(five.er);
    FiveChargeDeviation deviation;
    deviation.sd = five.sd;
    deviation.dd = five.dd;
    deviation.converged.status = ConvergedStatus::Solved;
    deviation.converged.ze = modes.even.z * rootEr;
    deviation.converged.zo = modes.odd.z * rootEr;
    deviation.converged.errorBound = modes.impedanceBound;
    deviation.ze = five.impedances.ze / modes.even.z - 1;
    deviation.zo = five.impedances.zo / modes.odd.z - 1;
    return deviation;
}

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("designResults"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    for (const ResultSection& section : kSections) {
        auto* group = named(new QGroupBox(tr(section.title)), QString::fromLatin1(section.name));
        auto* grid = new QGridLayout(group);
        grid->setContentsMargins(kGroupMargins);
        grid->setVerticalSpacing(1);
        grid->setColumnStretch(0, 1);
        int row = 0;
        Line heading{tr(section.title), {}};
        if (section.firstColumn != nullptr) {
            for (const auto& [column, title] : {std::pair{1, section.firstColumn}, {2, section.secondColumn}}) {
                auto* label = named(new QLabel(tr(title)), QStringLiteral("%1Column%2").arg(section.name).arg(column));
                grid->addWidget(label, row, column, Qt::AlignRight);
                heading.values.push_back(label);
            }
            ++row;
        }
        lines_.push_back(heading);
        for (const ResultLine& line : section.lines) {
            const QString caption = tr(line.caption);
            grid->addWidget(named(new QLabel(caption), QString::fromLatin1(line.first.name) + QStringLiteral("Label")), row, 0);
            Line shown{caption, {}};
            for (const auto& [column, figure] : {std::pair{1, line.first}, {2, line.second}}) {
                if (figure.name == nullptr)
                    continue;
                QLabel* value = addValue(figure.name);
                // A line's one figure takes both columns of a two-column section.
                const int span = section.firstColumn != nullptr && line.second.name == nullptr ? 2 : 1;
                grid->addWidget(value, row, column, 1, span);
                figures_.push_back(value);
                shown.values.push_back(value);
            }
            lines_.push_back(shown);
            ++row;
        }
        if (section.lines.data() == std::data(kLoss)) {
            lossNote_ = addValue("lossNote", Qt::AlignLeft);
            lossNote_->setWordWrap(true);
            grid->addWidget(lossNote_, row, 0, 1, 3);
        }
        column->addWidget(group);
    }

    auto* five = named(new QGroupBox(tr("5電荷法 (一様な誘電体の円形シールド)")), QStringLiteral("fiveChargeGroup"));
    auto* grid = new QGridLayout(five);
    grid->setContentsMargins(kGroupMargins);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 1);
    fiveChargeZe_ = addValue("resultFiveChargeZe");
    fiveChargeZo_ = addValue("resultFiveChargeZo");
    fiveChargeNote_ = addValue("fiveChargeNote", Qt::AlignLeft);
    fiveChargeNote_->setWordWrap(true);
    for (const auto& [row, caption, value] : {std::tuple{0, QStringLiteral("Ze"), fiveChargeZe_},
                                              {1, QStringLiteral("Zo"), fiveChargeZo_}}) {
        grid->addWidget(named(new QLabel(caption), value->objectName() + QStringLiteral("Label")), row, 0);
        grid->addWidget(value, row, 1);
        lines_.push_back({tr("5電荷法 %1").arg(caption), {value}});
        figures_.push_back(value);
    }
    grid->addWidget(fiveChargeNote_, 2, 0, 1, 2);
    column->addWidget(five);
    column->addStretch(1);
    setCurrent(false);
}

QLabel* ResultPanel::addValue(const char* name, Qt::Alignment alignment)
{
    auto* value = new QLabel(kNone);
    value->setObjectName(QString::fromLatin1(name));
    value->setAlignment(alignment | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    values_.push_back(value);
    return value;
}

void ResultPanel::show(const PairFigures& figures)
{
    std::size_t next = 0;
    for (const ResultSection& section : kSections)
        for (const ResultLine& line : section.lines)
            for (const Figure& figure : {line.first, line.second})
                if (figure.name != nullptr)
                    figures_[next++]->setText(valueText(line, figures.value(figure.key)));

    lossNote_->setText(figures.loss.error.empty()
                           ? QString()
                           : tr("この周波数の損失は計算できません: %1").arg(QString::fromStdString(figures.loss.error)));
    if (!figures.fiveCharge) {
        fiveChargeZe_->setText(kNone);
        fiveChargeZo_->setText(kNone);
        fiveChargeNote_->setText(tr("被覆と充填の誘電体が異なるかフォイルのため、5電荷法は使えません"));
        fiveChargeNote_->setToolTip(QString());
    } else if (const FiveChargeFigures& five = *figures.fiveCharge; !five.impedances.error.empty()) {
        fiveChargeZe_->setText(kNone);
        fiveChargeZo_->setText(kNone);
        fiveChargeNote_->setText(tr("5電荷法では計算できません: %1").arg(QString::fromStdString(five.impedances.error)));
        fiveChargeNote_->setToolTip(QString());
    } else {
        const FiveChargeDeviation deviation = deviationOf(five, figures.modes);
        const auto ohms = [](double z, double ratio) {
            return QString::fromStdString(formatFixed(z, 3)) + QStringLiteral(" Ω (") + percent(ratio) +
                   QLatin1Char(')');
        };
        fiveChargeZe_->setText(ohms(five.impedances.ze, deviation.ze));
        fiveChargeZo_->setText(ohms(five.impedances.zo, deviation.zo));
        const AccuracyNote note = accuracyNote(deviation, five.sd, five.dd, five.er, 3);
        fiveChargeNote_->setText(note.word.isEmpty() ? tr("収束解との差は %1 % 以内です")
                                                          .arg(QString::fromStdString(formatShortest(kNotableDeviation * 100)))
                                                    : note.impedanceStatus());
        fiveChargeNote_->setToolTip(note.toolTip);
    }
}

void ResultPanel::setCurrent(bool current)
{
    current_ = current;
    for (QLabel* value : values_)
        value->setEnabled(current);
}

QString ResultPanel::plainText() const
{
    QStringList text;
    for (const Line& line : lines_) {
        QStringList cells{line.caption};
        for (const QLabel* value : line.values)
            cells << value->text();
        text << cells.join(QLatin1Char('\t'));
    }
    return text.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
