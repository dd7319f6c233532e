#include "designer/Named.h"
#include "designer/ChartPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "designer/DesignPanel.h"
#include "designer/ImpedanceChart.h"
#include "designer/LossChart.h"

namespace {

constexpr DesignDimension kChartDimensions[] = {DesignDimension::ShieldDiameter, DesignDimension::Spacing,
                                                DesignDimension::SleeveDiameter, DesignDimension::CoreDiameter};
// Di moves with the contacts the window starts with; D and S do not.
constexpr int kInitialDimension = 2;
constexpr double kInitialSpanPercent = 20;
constexpr double kInitialTolerance = 5;  // ohm

}  // namespace

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent),
      dimension_(new QComboBox),
      span_(new QDoubleSpinBox),
      tolerance_(new QDoubleSpinBox),
      save_(new QPushButton(tr("PNG で保存"))),
      tabs_(new QTabWidget),
      impedance_(new ImpedanceChart),
      loss_(new LossChart)
{
    setObjectName(QStringLiteral("chartPanel"));
    dimension_->setObjectName(QStringLiteral("chartDimension"));
    for (const DesignDimension dimension : kChartDimensions)
        dimension_->addItem(dimensionName(dimension), static_cast<int>(dimension));
    dimension_->setCurrentIndex(kInitialDimension);
    span_->setObjectName(QStringLiteral("chartSpan"));
    span_->setRange(1, 90);
    span_->setDecimals(0);
    span_->setSuffix(QStringLiteral(" %"));
    span_->setPrefix(QStringLiteral("± "));
    span_->setValue(kInitialSpanPercent);
    tolerance_->setObjectName(QStringLiteral("chartTolerance"));
    tolerance_->setRange(0, 100);
    tolerance_->setDecimals(1);
    tolerance_->setPrefix(QStringLiteral("± "));
    tolerance_->setSuffix(QStringLiteral(" Ω"));
    tolerance_->setValue(kInitialTolerance);
    save_->setObjectName(QStringLiteral("saveChartButton"));

    auto* settings = new QHBoxLayout;
    settings->addWidget(named(new QLabel(tr("横軸")), QStringLiteral("chartDimensionLabel")));
    settings->addWidget(dimension_);
    settings->addWidget(span_);
    settings->addSpacing(8);
    settings->addWidget(named(new QLabel(tr("目標の許容")), QStringLiteral("chartToleranceLabel")));
    settings->addWidget(tolerance_);
    settings->addStretch(1);
    settings->addWidget(save_);
    tabs_->setObjectName(QStringLiteral("chartTabs"));
    tabs_->addTab(impedance_, tr("インピーダンス"));
    tabs_->addTab(loss_, tr("損失"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(settings);
    column->addWidget(tabs_, 1);

    connect(dimension_, &QComboBox::currentIndexChanged, this, &ChartPanel::sweepChanged);
    connect(span_, &QDoubleSpinBox::valueChanged, this, &ChartPanel::sweepChanged);
    connect(tolerance_, &QDoubleSpinBox::valueChanged, this, &ChartPanel::toleranceChanged);
    connect(save_, &QPushButton::clicked, this, &ChartPanel::saveAsked);
}

DesignDimension ChartPanel::dimension() const
{
    return static_cast<DesignDimension>(dimension_->currentData().toInt());
}

double ChartPanel::span() const
{
    return span_->value() / 100;
}

double ChartPanel::tolerance() const
{
    return tolerance_->value();
}

QChartView* ChartPanel::shownChart() const
{
    return qobject_cast<QChartView*>(tabs_->currentWidget());
}
