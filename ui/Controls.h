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

void PlaceControl(QWidget& control, const QRect& nominal);

// A control of type TControl named `name` (its object name), showing `text`
// (the title of a group box), at `nominal` within `parent`.
template <class TControl>
TControl* NewControl(QWidget* parent, const char* name, const QString& text, const QRect& nominal)
{
    auto* control = new TControl(parent);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QGroupBox, TControl>)
        control->setTitle(text);
    else
        control->setText(text);
    PlaceControl(*control, nominal);
    return control;
}

// A label whose size follows its text; SetLabelText keeps it so.
QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft);
void SetLabelText(QLabel& label, const QString& text);

// A label whose text came out wider than on the form would run under the box
// it names; it moves left instead, by the least that keeps a small gap.
void KeepLeftOf(QLabel& label, const QWidget& box);
