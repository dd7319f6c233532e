#include "Version.h"

#include <iterator>

#include <QMouseEvent>
#include <QPainter>

#include "CellText.h"
#include "Colours.h"
#include "Fonts.h"

TFormVersion* FormVersion = nullptr;

namespace {

const QColor kNavy(0, 0, 128);

// The heights of these texts are cell heights (ascent plus descent) while Qt
// sizes a font by its em, so the em is scaled by the face's own proportions.
int pixelSizeForCellHeight(QFont font, int cellHeight)
{
    constexpr int reference = 100;
    font.setPixelSize(reference);
    return qRound(cellHeight * reference / QFontMetricsF(font).height());
}

struct AboutText {
    QString text;
    QPoint topLeft;
    int cellHeight;
    QFont::Weight weight;
    bool italic;
    QColor colour;
};

} // namespace

TFormVersion::TFormVersion(QWidget* owner)
    : FixedDialog(owner, QStringLiteral("FormVersion"), QSize(342, 133))
{
    setWindowTitle(QStringLiteral("about ") + GetProductName());
}

QString TFormVersion::GetProductName() const
{
    return QStringLiteral("Duvane");
}

QString TFormVersion::GetVersionText() const
{
    return QStringLiteral("v1.00");
}

void TFormVersion::paintEvent(QPaintEvent*)
{
    FormPaint();
}

void TFormVersion::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick();
}

void TFormVersion::FormPaint()
{
    QFont face = font();
    face.setFamily(QString::fromUtf8(kFontGothic));
    setWindowTitle(QStringLiteral("about ") + GetProductName());

    QPainter painter(this);
    painter.setPen(QPen(kNavy, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPoint zigzag[] = {{35, 80}, {80, 50}, {80, 80}, {135, 39}, {115, 39}};
    painter.drawPolyline(zigzag, std::size(zigzag));
    painter.drawLine(QPoint(135, 39), QPoint(130, 58));

    const AboutText texts[] = {
        {QStringLiteral("Harrow "), {20, 20}, 20, QFont::Bold, true, kNavy},
        {QStringLiteral("by Qol and Harrow Works"), {130, 90}, 16, QFont::Bold, false, Qt::black},
        {QStringLiteral("info@duvane.example "), {190, 110}, 14, QFont::Normal, false, Qt::black},
        {GetProductName() + QLatin1Char(' ') + GetVersionText(), {170, 20}, 16, QFont::Normal, false,
         Qt::black},
    };
    const QColor background = menuColour(palette());
    for (const AboutText& text : texts) {
        face.setWeight(text.weight);
        face.setItalic(text.italic);
        face.setPixelSize(pixelSizeForCellHeight(face, text.cellHeight));
        painter.setFont(face);
        painter.setPen(text.colour);
        // The face's own rounding could make its cell a pixel taller.
        drawTextInCell(painter, text.text, text.topLeft, text.cellHeight, background);
    }
}

void TFormVersion::FormClick()
{
    close();
}
