#pragma once

// The colour of note texts (the hint line, the notes of the dialogs), taken
// from the palette so that it reads in light and dark themes alike.

#include <QColor>
#include <QPalette>

namespace tesk {

// Navy on a light window, a light blue on a dark one.
inline QColor NoteTextColor(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(150, 185, 255) : QColor(Qt::darkBlue);
}

} // namespace tesk
