#include "CellText.h"

#include <QPainter>

void drawTextInCell(QPainter& painter, const QString& text, QPoint topLeft, int cellHeight,
                    const QColor& background)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), cellHeight)), background);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
}
