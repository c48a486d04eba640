#include "gui/app/PictureButton.h"

#include <QHash>
#include <QIcon>
#include <QToolButton>

namespace tesk {

namespace {

// Looking a standard picture up in the icon theme is slow, and the window
// shows each one several times: each is looked up once.
QIcon StandardIcon(QStyle::StandardPixmap picture, const QStyle* style)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(picture);
    if (found == icons.end())
        found = icons.insert(picture, style->standardIcon(picture));
    return *found;
}

} // namespace

QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(StandardIcon(picture, button->style()));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
