#pragma once

#include <type_traits>

#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>

// Building the windows' controls at absolute positions, as the forms lay
// them out. The positions are kept; where the substituted font needs more
// room than the nominal size, the control grows by the least it needs, so
// that no text is clipped.

void placeControl(QWidget& control, const QRect& nominal);

// A control of type Control named `name` (its object name), showing `text`
// (the title of a group box), at `nominal` within `parent`.
template <class Control>
Control* newControl(QWidget* parent, const char* name, const QString& text, const QRect& nominal)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QGroupBox, Control>)
        control->setTitle(text);
    else
        control->setText(text);
    placeControl(*control, nominal);
    return control;
}

// A label whose size follows its text; setLabelText keeps it so.
QLabel* newLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft);
void setLabelText(QLabel& label, const QString& text);

// A label whose text came out wider than on the form would run under the box
// it names; it moves left instead, by the least that keeps a small gap.
void keepLeftOf(QLabel& label, const QWidget& box);
