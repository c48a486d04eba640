#pragma once

#include <QString>

namespace tesk {

// Gives a widget its control name, as every widget carries it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace tesk
