#include "designer/SeriesStyle.h"

#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include "Fonts.h"

QValueAxis* addAxis(QChart& chart, Qt::Alignment alignment, const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    chart.addAxis(axis, alignment);
    return axis;
}

QLineSeries* addLine(QChart& chart, const QString& name, const QColor& colour, QAbstractAxis* x, QAbstractAxis* y,
                     Qt::PenStyle style)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2, style));
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

void styleChart(QChart& chart)
{
    const QFont font = windowFontOf(kFontPGothic);
    chart.setTitleFont(font);
    chart.legend()->setFont(font);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(4, 4, 4, 4));
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
}
