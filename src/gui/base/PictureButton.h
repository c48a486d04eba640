#pragma once

#include <QStyle>

class QString;
class QToolButton;

namespace tesk {

// A small flat button showing one of the style's standard pictures; its tip
// and accessible name say what it does.
QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip);

} // namespace tesk
