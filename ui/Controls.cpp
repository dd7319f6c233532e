#include "Controls.h"

#include <QPushButton>

namespace {

// What the control needs to show its text unclipped. Push buttons report a
// generous style minimum (80 pixels wide whatever the text), so their need
// is measured from the text itself.
QSize neededSize(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        constexpr int margin = 6;
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return text + QSize(2 * margin, margin);
    }
    return control.minimumSizeHint();
}

} // namespace

void placeControl(QWidget& control, const QRect& nominal)
{
    const QSize needed = neededSize(control);
    control.setGeometry(QRect(nominal.topLeft(), nominal.size().expandedTo(needed)));
}

QLabel* newLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(topLeft);
    setLabelText(*label, text);
    return label;
}

void setLabelText(QLabel& label, const QString& text)
{
    label.setText(text);
    label.adjustSize();
}

void keepLeftOf(QLabel& label, const QWidget& box)
{
    constexpr int gap = 3;
    const int overrun = label.geometry().right() + gap - box.x() + 1;
    if (overrun > 0)
        label.move(label.x() - overrun, label.y());
}
