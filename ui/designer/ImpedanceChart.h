#pragma once

#include <optional>
#include <vector>

#include <QChartView>

#include "designer/ImpedanceSweep.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

// Zdiff (left axis) and Zcm (right axis) against one dimension, with the
// dimension's present value marked and each target drawn with its
// tolerance band.
class ImpedanceChart : public QChartView {
    Q_OBJECT
public:
    explicit ImpedanceChart(QWidget* parent = nullptr);

    // The points solved so far of a sweep about `present` (metres).
    void setSweep(const SweepPlan& plan, const std::vector<SweepPoint>& points, double present);
    // No curve, and why.
    void clear(const QString& why);
    // Targets in ohms; the band is +- tolerance about each.
    void setTargets(std::optional<double> zDiff, std::optional<double> zCommon, double tolerance);

    // The points drawn of each curve.
    int curvePoints() const;

private:
    struct Target {
        QLineSeries* line;
        QLineSeries* upper;
        QLineSeries* lower;
        QAreaSeries* band;
        std::optional<double> ohms;
    };

    Target addTarget(const QColor& colour, QValueAxis* axis);
    void placeTargets();
    void fitAxes();

    QValueAxis* x_;
    QValueAxis* yDiff_;
    QValueAxis* yCommon_;
    QLineSeries* zDiff_;
    QLineSeries* zCommon_;
    QLineSeries* present_;
    Target diffTarget_;
    Target commonTarget_;
    double tolerance_ = 0;
};
