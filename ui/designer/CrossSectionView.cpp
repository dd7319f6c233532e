#include "designer/CrossSectionView.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include "field/FoilGeometry.h"
#include "NumberText.h"

namespace {

// Room round the drawing for the dimension lines and their texts, px.
constexpr double kSideMargin = 14;
constexpr double kTopMargin = 40;
constexpr double kBottomMargin = 34;
constexpr double kTick = 4;
constexpr int kOutlineSteps = 48;  // points along each piece of a foil's outline

QString mm(double metres)
{
    return QString::fromStdString(formatSignificant(metres * 1e3, 4)) + QStringLiteral(" mm");
}

// The shield's inner outline in metres, about the shield's centre, y up.
QPainterPath outlineOf(const PairDesign& design)
{
    QPainterPath path;
    if (design.shield == ShieldKind::Round) {
        const double radius = design.shieldOf() / 2;
        path.addEllipse(QPointF(0, 0), radius, radius);
        return path;
    }
    const FoilGeometry g = foilGeometry(crossSectionOf(design), false);
    if (g.hull.empty()) {
        const double radius = g.unit, half = g.halfLength * g.unit;
        path.addRoundedRect(QRectF(-half - radius, -radius, 2 * (half + radius), 2 * radius), radius, radius);
        return path;
    }
    bool first = true;
    for (const OutlinePiece& piece : g.hull) {
        for (int i = 0; i <= kOutlineSteps; ++i) {
            const Complex z = piece.at(piece.length() * i / kOutlineSteps) * g.unit;
            if (first)
                path.moveTo(z.real(), z.imag());
            else
                path.lineTo(z.real(), z.imag());
            first = false;
        }
    }
    path.closeSubpath();
    return path;
}

// A dimension line between two x at height y (px), its text centred above
// (or below) it.
void horizontalDimension(QPainter& painter, double x1, double x2, double y, const QString& text, bool textAbove)
{
    painter.drawLine(QPointF(x1, y), QPointF(x2, y));
    for (const double x : {x1, x2})
        painter.drawLine(QPointF(x, y - kTick), QPointF(x, y + kTick));
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double baseline = textAbove ? y - kTick - 2 : y + kTick + metrics.ascent() + 1;
    painter.drawText(QPointF((x1 + x2) / 2 - width / 2, baseline), text);
}

}  // namespace

void paintPair(QPainter& painter, const QRectF& area, const PairDesign& design)
{
    const CrossSectionColours colours;
    const QPainterPath outline = outlineOf(design);
    const QRectF extent = outline.boundingRect();
    const QRectF room = area.adjusted(kSideMargin, kTopMargin, -kSideMargin, -kBottomMargin);
    if (room.width() <= 0 || room.height() <= 0 || extent.isEmpty())
        return;
    const double scale = std::min(room.width() / extent.width(), room.height() / extent.height());
    // Metres about the shield's centre to pixels, y up; the outline's middle
    // in the middle of the room.
    QTransform toPixels;
    toPixels.translate(room.center().x(), room.center().y());
    toPixels.scale(scale, -scale);
    toPixels.translate(-extent.center().x(), -extent.center().y());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shown = toPixels.map(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(design.fillerEr > 1 ? colours.filler : colours.air);
    painter.drawPath(shown);

    const double s = design.spacingOf();
    const auto circle = [&](double x, double y, double diameter, const QColor& fill) {
        const QPointF centre = toPixels.map(QPointF(x, y));
        painter.setBrush(fill);
        painter.drawEllipse(centre, diameter / 2 * scale, diameter / 2 * scale);
    };
    for (const double x : {s / 2, -s / 2}) {
        painter.setPen(QPen(colours.shield, 1));
        circle(x, 0, design.sleeve(), design.sleeve() > design.coreDiameter ? colours.sleeve : colours.metal);
        painter.setPen(Qt::NoPen);
        circle(x, 0, design.coreDiameter, colours.metal);
    }
    if (design.shield == ShieldKind::Foil && design.drainDiameter > 0) {
        const FoilGeometry g = foilGeometry(crossSectionOf(design), false);
        painter.setPen(QPen(colours.shield, 1));
        circle(g.drain.centre.real() * g.unit, g.drain.centre.imag() * g.unit, design.drainDiameter, colours.metal);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.shield, design.shield == ShieldKind::Round ? 3 : 2));
    painter.drawPath(shown);

    // The marks: S between the centres above the drawing, the shield's
    // width below it, d and Di (and a foil's clearance) in the corner.
    painter.setPen(QPen(colours.dimension, 1));
    const QRectF box = shown.boundingRect();
    const QPointF right = toPixels.map(QPointF(s / 2, 0)), left = toPixels.map(QPointF(-s / 2, 0));
    const double sLine = box.top() - 10;
    for (const QPointF& centre : {left, right})
        painter.drawLine(centre, QPointF(centre.x(), sLine - kTick));
    horizontalDimension(painter, left.x(), right.x(), sLine, QStringLiteral("S ") + mm(s), true);
    const QString width = design.shield == ShieldKind::Round
                              ? QStringLiteral("D ") + mm(design.shieldOf())
                              : QCoreApplication::translate("CrossSectionView", "幅 %1").arg(mm(extent.width()));
    horizontalDimension(painter, box.left(), box.right(), box.bottom() + 10, width, false);
    QString corner = QStringLiteral("d %1\nDi %2").arg(mm(design.coreDiameter), mm(design.sleeve()));
    if (design.shield == ShieldKind::Foil)
        corner += QCoreApplication::translate("CrossSectionView", "\nすき間 %1").arg(mm(design.clearance));
    if (design.shield == ShieldKind::Foil && design.drainDiameter > 0)
        corner += QCoreApplication::translate("CrossSectionView", "\nドレイン %1").arg(mm(design.drainDiameter));
    painter.drawText(area.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, corner);
    painter.restore();
}

CrossSectionView::CrossSectionView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("crossSection"));
    setMinimumSize(240, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CrossSectionView::setDesign(const PairDesign& design)
{
    design_ = design;
    current_ = true;
    update();
}

void CrossSectionView::setCurrent(bool current)
{
    current_ = current;
    update();
}

QSize CrossSectionView::sizeHint() const
{
    return {360, 260};
}

void CrossSectionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!design_)
        return;
    painter.setOpacity(current_ ? 1.0 : 0.35);
    paintPair(painter, rect(), *design_);
}
