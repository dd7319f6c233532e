#pragma once

#include <QChart>
#include <QColor>
#include <QFont>

class QAbstractAxis;
class QLineSeries;
class QValueAxis;

// What the designer's two charts share: the colours of the modes, the way a
// curve and an axis are added, and the window's font throughout.

inline const QColor kDiffColour{20, 80, 200};
inline const QColor kCommonColour{20, 150, 60};
inline const QColor kMarkColour{110, 110, 110};

QValueAxis* addAxis(QChart& chart, Qt::Alignment alignment, const QString& title);

QLineSeries* addLine(QChart& chart, const QString& name, const QColor& colour, QAbstractAxis* x, QAbstractAxis* y,
                     Qt::PenStyle style = Qt::SolidLine);

// The window's font for the title, the legend and every axis.
void styleChart(QChart& chart);
