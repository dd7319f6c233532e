#pragma once

#include <vector>

#include <QChartView>

#include "designer/PairFigures.h"

class QLineSeries;
class QLogValueAxis;
class QValueAxis;

// The loss against frequency, 1 MHz to 20 GHz on a log axis: each mode's
// total, and the differential mode's conductor and dielectric parts, with
// the case's frequency marked. Where the loss does not hold (a skin depth
// too large for the rule, above the line's single-mode limit) there is no
// point; the title says over which span it holds.
class LossChart : public QChartView {
    Q_OBJECT
public:
    explicit LossChart(QWidget* parent = nullptr);

    void setCurve(const std::vector<LossPoint>& curve, double frequency);
    // No curve, and why.
    void clear(const QString& why);

    int curvePoints() const;

private:
    QLogValueAxis* x_;
    QValueAxis* y_;
    QLineSeries* diff_;
    QLineSeries* diffConductor_;
    QLineSeries* diffDielectric_;
    QLineSeries* common_;
    QLineSeries* present_;
};
