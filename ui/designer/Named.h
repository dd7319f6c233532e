#pragma once

#include <QString>

// Every control of the designer window carries an objectName, so that tests
// and tools find it: `widget`, named.
template <class Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}
