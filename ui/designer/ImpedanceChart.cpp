#include "designer/ImpedanceChart.h"

#include <algorithm>
#include <cmath>

#include <QAreaSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include "designer/DesignPanel.h"
#include "designer/SeriesStyle.h"

namespace {

constexpr double kMetresToMm = 1e3;

// Room above and below the curves: a twentieth of their span, and at least
// half an ohm, so that a flat curve does not fill the chart.
std::pair<double, double> padded(double low, double high)
{
    const double pad = std::max(0.05 * (high - low), 0.5);
    return {low - pad, high + pad};
}

}  // namespace

// The chart given at construction: setChart would release the view's own
// default chart without deleting it.
ImpedanceChart::ImpedanceChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("impedanceChart"));
    QChart* chart = this->chart();
    setRenderHint(QPainter::Antialiasing);
    x_ = addAxis(*chart, Qt::AlignBottom, QString());
    yDiff_ = addAxis(*chart, Qt::AlignLeft, QStringLiteral("Zdiff (Ω)"));
    yCommon_ = addAxis(*chart, Qt::AlignRight, QStringLiteral("Zcm (Ω)"));
    diffTarget_ = addTarget(kDiffColour, yDiff_);
    commonTarget_ = addTarget(kCommonColour, yCommon_);
    zDiff_ = addLine(*chart, QStringLiteral("Zdiff"), kDiffColour, x_, yDiff_);
    zCommon_ = addLine(*chart, QStringLiteral("Zcm"), kCommonColour, x_, yCommon_);
    present_ = addLine(*chart, tr("現在の値"), kMarkColour, x_, yDiff_, Qt::DashLine);
    styleChart(*chart);
    clear(QString());
}

ImpedanceChart::Target ImpedanceChart::addTarget(const QColor& colour, QValueAxis* axis)
{
    QChart& chart = *this->chart();
    Target target{};
    target.upper = new QLineSeries(this);
    target.lower = new QLineSeries(this);
    target.band = new QAreaSeries(target.upper, target.lower);
    QColor fill = colour;
    fill.setAlpha(40);
    target.band->setBrush(fill);
    target.band->setPen(Qt::NoPen);
    target.band->setName(tr("許容範囲"));
    chart.addSeries(target.band);
    target.band->attachAxis(x_);
    target.band->attachAxis(axis);
    chart.legend()->markers(target.band).front()->setVisible(false);
    target.line = addLine(chart, tr("目標"), colour, x_, axis, Qt::DashLine);
    chart.legend()->markers(target.line).front()->setVisible(false);
    return target;
}

void ImpedanceChart::setSweep(const SweepPlan& plan, const std::vector<SweepPoint>& points, double present)
{
    QList<QPointF> diff, common;
    for (const SweepPoint& point : points) {
        if (point.zDiff)
            diff.append({point.value * kMetresToMm, *point.zDiff});
        if (point.zCommon)
            common.append({point.value * kMetresToMm, *point.zCommon});
    }
    zDiff_->replace(diff);
    zCommon_->replace(common);
    x_->setRange(plan.low * kMetresToMm, plan.high * kMetresToMm);
    x_->setTitleText(tr("%1 (mm)").arg(dimensionName(plan.dimension)));
    present_->replace({QPointF(present * kMetresToMm, 0), QPointF(present * kMetresToMm, 0)});
    chart()->setTitle(QString());
    fitAxes();
}

void ImpedanceChart::clear(const QString& why)
{
    for (QLineSeries* series : {zDiff_, zCommon_, present_})
        series->clear();
    chart()->setTitle(why);
    fitAxes();
}

void ImpedanceChart::setTargets(std::optional<double> zDiff, std::optional<double> zCommon, double tolerance)
{
    diffTarget_.ohms = zDiff;
    commonTarget_.ohms = zCommon;
    tolerance_ = tolerance;
    fitAxes();
}

int ImpedanceChart::curvePoints() const
{
    return static_cast<int>(zDiff_->count());
}

void ImpedanceChart::fitAxes()
{
    const auto fit = [this](QValueAxis* axis, const QLineSeries* curve, const Target& target) {
        double low = INFINITY, high = -INFINITY;
        for (const QPointF& point : curve->points()) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        if (target.ohms) {
            low = std::min(low, *target.ohms - tolerance_);
            high = std::max(high, *target.ohms + tolerance_);
        }
        if (std::isfinite(low)) {
            const auto [from, to] = padded(low, high);
            axis->setRange(from, to);
        }
    };
    fit(yDiff_, zDiff_, diffTarget_);
    fit(yCommon_, zCommon_, commonTarget_);
    if (zDiff_->count() > 0)
        for (QValueAxis* axis : {yDiff_, yCommon_})
            axis->applyNiceNumbers();
    placeTargets();
    if (present_->count() == 2) {
        const double x = present_->at(0).x();
        present_->replace({QPointF(x, yDiff_->min()), QPointF(x, yDiff_->max())});
    }
}

void ImpedanceChart::placeTargets()
{
    const double from = x_->min(), to = x_->max();
    for (Target* target : {&diffTarget_, &commonTarget_}) {
        if (!target->ohms || zDiff_->count() == 0) {
            for (QLineSeries* series : {target->line, target->upper, target->lower})
                series->clear();
            continue;
        }
        const double t = *target->ohms;
        target->line->replace({QPointF(from, t), QPointF(to, t)});
        target->upper->replace({QPointF(from, t + tolerance_), QPointF(to, t + tolerance_)});
        target->lower->replace({QPointF(from, t - tolerance_), QPointF(to, t - tolerance_)});
    }
}
