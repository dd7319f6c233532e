#include "designer/LossChart.h"

#include <algorithm>

#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include "designer/SeriesStyle.h"
#include "NumberText.h"

namespace {

constexpr double kHzToMHz = 1e-6;

QString frequencyText(double hz)
{
    return hz >= 1e9 ? QString::fromStdString(formatSignificant(hz / 1e9, 3)) + QStringLiteral(" GHz")
                     : QString::fromStdString(formatSignificant(hz / 1e6, 3)) + QStringLiteral(" MHz");
}

}  // namespace

// The chart given at construction: setChart would release the view's own
// default chart without deleting it.
LossChart::LossChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("lossChart"));
    QChart* chart = this->chart();
    setRenderHint(QPainter::Antialiasing);
    x_ = new QLogValueAxis;
    x_->setBase(10);
    x_->setLabelFormat(QStringLiteral("%g"));
    x_->setTitleText(tr("周波数 (MHz)"));
    x_->setRange(kLossChartLowest * kHzToMHz, kLossChartHighest * kHzToMHz);
    x_->setMinorTickCount(8);
    chart->addAxis(x_, Qt::AlignBottom);
    y_ = addAxis(*chart, Qt::AlignLeft, tr("損失 (dB/m)"));
    diff_ = addLine(*chart, tr("差動"), kDiffColour, x_, y_);
    diffConductor_ = addLine(*chart, tr("差動 導体"), kDiffColour, x_, y_, Qt::DashLine);
    diffDielectric_ = addLine(*chart, tr("差動 誘電体"), kDiffColour, x_, y_, Qt::DotLine);
    common_ = addLine(*chart, tr("同相"), kCommonColour, x_, y_);
    present_ = addLine(*chart, tr("計算周波数"), kMarkColour, x_, y_, Qt::DashLine);
    styleChart(*chart);
    clear(QString());
}

void LossChart::setCurve(const std::vector<LossPoint>& curve, double frequency)
{
    QList<QPointF> diff, conductor, dielectric, common;
    double highest = 0, from = 0, to = 0;
    for (const LossPoint& point : curve) {
        if (!point.loss.error.empty())
            continue;
        const double x = point.frequency * kHzToMHz;
        diff.append({x, point.loss.differential.total});
        conductor.append({x, point.loss.differential.conductor});
        dielectric.append({x, point.loss.differential.dielectric});
        common.append({x, point.loss.common.total});
        highest = std::max({highest, point.loss.differential.total, point.loss.common.total});
        from = from == 0 ? point.frequency : from;
        to = point.frequency;
    }
    diff_->replace(diff);
    diffConductor_->replace(conductor);
    diffDielectric_->replace(dielectric);
    common_->replace(common);
    y_->setRange(0, highest > 0 ? highest * 1.05 : 1);
    y_->applyNiceNumbers();
    present_->replace({QPointF(frequency * kHzToMHz, 0), QPointF(frequency * kHzToMHz, y_->max())});
    if (diff.isEmpty())
        chart()->setTitle(tr("この範囲では損失を計算できません"));
    else if (from > kLossChartLowest || to < kLossChartHighest)
        chart()->setTitle(tr("損失が計算できるのは %1 〜 %2").arg(frequencyText(from), frequencyText(to)));
    else
        chart()->setTitle(QString());
}

void LossChart::clear(const QString& why)
{
    for (QLineSeries* series : {diff_, diffConductor_, diffDielectric_, common_, present_})
        series->clear();
    chart()->setTitle(why);
}

int LossChart::curvePoints() const
{
    return static_cast<int>(diff_->count());
}
