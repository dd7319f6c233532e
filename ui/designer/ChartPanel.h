#pragma once

#include <QWidget>

#include "commands/DesignSolve.h"

class ImpedanceChart;
class LossChart;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QTabWidget;

// The two charts in their tabs, the impedance chart's settings (the
// dimension it moves, how far either side, the targets' tolerance) and the
// button that saves the chart shown as PNG.
class ChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    DesignDimension dimension() const;
    double span() const;       // relative, either side of the present value
    double tolerance() const;  // ohm, either side of a target

    ImpedanceChart* impedanceChart() const { return impedance_; }
    LossChart* lossChart() const { return loss_; }
    QChartView* shownChart() const;

signals:
    // The dimension or its span changed: the sweep is to be run again.
    void sweepChanged();
    void toleranceChanged();
    void saveAsked();

private:
    QComboBox* dimension_;
    QDoubleSpinBox* span_;
    QDoubleSpinBox* tolerance_;
    QPushButton* save_;
    QTabWidget* tabs_;
    ImpedanceChart* impedance_;
    LossChart* loss_;
};
