#include "gui/app/PictureButton.h"

#include "gui/app/LazyIcons.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QToolButton>

namespace tesk {

namespace {

// The style's small picture, decoded once for the whole program. The
// style's full icon would decode every size it has of a picture (up to 128
// pixels) although these buttons only ever show the small one.
QIcon SmallPicture(QStyle::StandardPixmap picture)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(picture);
    if (found == icons.end()) {
        const QStyle* style = QApplication::style();
        const QPixmap small = style->standardPixmap(picture);
        found = icons.insert(picture, small.isNull() ? style->standardIcon(picture) : QIcon(small));
    }
    return *found;
}

} // namespace

QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    // Loaded when first drawn: the buttons the splash covers at start-up
    // cost nothing until they are seen.
    button->setIcon(LazyIcon([picture] { return SmallPicture(picture); }));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
