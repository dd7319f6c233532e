#pragma once

#include <QColor>
#include <QPalette>

// The colour of inactive fields: read-only result boxes and the label
// backgrounds of the help drawings. Qt paints disabled fields with the
// disabled Base colour, so that is what a user reads as "inactive".
inline QColor menuColour(const QPalette& palette)
{
    return palette.color(QPalette::Disabled, QPalette::Base);
}
