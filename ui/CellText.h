#pragma once

class QColor;
class QPainter;
class QPoint;
class QString;

// Draws `text` in the painter's font and pen, its top left corner at
// `topLeft`, transparently on a background of one character cell as the
// picture is laid out: `cellHeight` tall and the text's advance wide. The
// substituted face's own cell can be taller, and a background that tall
// would cover what the picture draws just below the text.
void drawTextInCell(QPainter& painter, const QString& text, QPoint topLeft, int cellHeight,
                    const QColor& background);
