#include "Info.h"

#include <algorithm>

#include <QLine>
#include <QPainter>
#include <QPushButton>

#include "CellText.h"
#include "Colours.h"

TFormInfo* FormInfo = nullptr;

namespace {

constexpr int kOutlineWidth = 2;

// The ellipse inside the rectangle left..right, top..bottom whose right and
// bottom edges lie outside it. Qt strokes on the path's centre, so the path
// is drawn half a pen inside to keep the whole outline within the rectangle.
QRect ellipseWithin(int left, int top, int right, int bottom)
{
    constexpr int inset = kOutlineWidth / 2;
    return QRect(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset);
}

// A line from its first point up to, not including, its second; Qt would
// draw the second point too. Every line of the picture is horizontal or
// vertical.
QLine lineUpTo(QPoint from, QPoint to)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    return QLine(from, to - step);
}

struct PictureLabel {
    const char* text;
    QPoint topLeft;
    QColor background;
    bool italic;
};

} // namespace

void paintCrossSection(QPainter& painter, QSize clientSize, const QPalette& palette,
                       const QFont& windowFont)
{
    const int cx = clientSize.width() / 2;
    const int cy = clientSize.height() / 2 - 10;
    const int H = clientSize.height() - 50;
    const int W = std::min(clientSize.width() - 40, H);
    const QColor windowColour = palette.color(QPalette::Base);

    painter.setPen(QPen(Qt::black, kOutlineWidth, Qt::SolidLine));
    painter.setBrush(windowColour);
    const QRect outlines[] = {
        ellipseWithin(cx - W / 2, cy - H / 2, cx + W / 2, cy + H / 2),             // shield, D
        ellipseWithin(cx - 3 * W / 8, cy - H / 8, cx - W / 8, cy + H / 8),         // left conductor
        ellipseWithin(cx + W / 8, cy - H / 8, cx + 3 * W / 8, cy + H / 8),         // right conductor
    };
    for (const QRect& outline : outlines)
        painter.drawEllipse(outline);

    painter.setPen(QPen(QColor(0, 0, 255), 1));
    const QLine lines[] = {
        // centre mark
        {cx, cy - 5, cx, cy + 6},
        // d: extension lines and dimension line under the left conductor
        {cx - 3 * W / 8 - 1, cy, cx - 3 * W / 8 - 1, cy + H / 8 + 10},
        {cx - W / 8 - 1, cy, cx - W / 8 - 1, cy + H / 8 + 10},
        {cx - 3 * W / 8 - 1, cy + H / 8 + 5, cx - W / 8 - 1, cy + H / 8 + 5},
        // centre line through both conductors
        {cx - W / 2 - 5, cy, cx + W / 2 + 5, cy},
        // S: dimension line and extension lines through the conductors' centres
        {cx - W / 4, cy - H / 5, cx + W / 4, cy - H / 5},
        {cx - W / 4, cy - H / 5 - 5, cx - W / 4, cy + 5},
        {cx + W / 4, cy - H / 5 - 5, cx + W / 4, cy + 5},
        // D: extension lines and dimension line below the shield
        {cx - W / 2, cy, cx - W / 2, cy + H / 2 + 30},
        {cx + W / 2 - 1, cy, cx + W / 2 - 1, cy + H / 2 + 30},
        {cx - W / 2 - 1, cy + H / 2 + 25, cx + W / 2 - 1, cy + H / 2 + 25},
    };
    for (const QLine& line : lines)
        painter.drawLine(lineUpTo(line.p1(), line.p2()));

    const PictureLabel labels[] = {
        {"S", {cx - 7, cy - H / 5 - 25}, windowColour, false},
        {"d", {cx - W / 4 - 7, cy + H / 8 + 8}, windowColour, false},
        {"D", {cx - 7, cy + H / 2}, menuColour(palette), false},
        {"Er", {cx + 10, cy + H / 4}, windowColour, true},
    };
    // The picture is laid out for characters 24 pixels high; S and D stand
    // just above their dimension lines.
    constexpr int labelHeight = 24;
    QFont labelFont = windowFont;
    labelFont.setPixelSize(labelHeight);
    painter.setPen(palette.color(QPalette::WindowText));
    for (const PictureLabel& label : labels) {
        labelFont.setItalic(label.italic);
        painter.setFont(labelFont);
        drawTextInCell(painter, QString::fromLatin1(label.text), label.topLeft, labelHeight, label.background);
    }
}

TFormInfo::TFormInfo(QWidget* owner)
    : FixedDialog(owner, QStringLiteral("FormInfo"), QSize(452, 383)),
      Button1(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("Shape Parameter of Coax Cable"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(368, 12, 73, 29);
    connect(Button1, &QPushButton::clicked, this, &TFormInfo::Button1Click);
}

void TFormInfo::paintEvent(QPaintEvent*)
{
    FormPaint();
}

void TFormInfo::FormPaint()
{
    QPainter painter(this);
    paintCrossSection(painter, size(), palette(), font());
}

void TFormInfo::Button1Click()
{
    close();
}
