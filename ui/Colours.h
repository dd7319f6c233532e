#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// The colour of inactive fields: read-only result boxes and the label
// backgrounds of the help drawings. Qt paints disabled fields with the
// disabled Base colour, so that is what a user reads as "inactive".
inline QColor menuColour(const QPalette& palette)
{
    return palette.color(QPalette::Disabled, QPalette::Base);
}

// The background of an input the designer window cannot read, until it can.
inline QColor invalidFieldColour()
{
    return QColor(255, 214, 214);
}

// Paints an input box's background, where its text goes.
inline void setFieldColour(QWidget& box, const QColor& colour)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, colour);
    box.setPalette(palette);
}
