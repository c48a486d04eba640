#include "gui/app/PictureButton.h"

#include <QHash>
#include <QIcon>
#include <QToolButton>

namespace tesk {

namespace {

// The style's full icon decodes every size it has of a picture (up to
// 128 pixels) at once; these buttons only ever show the small one, so that
// is the only one decoded, once for the whole program.
QIcon StandardIcon(QStyle::StandardPixmap picture, const QStyle* style)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(picture);
    if (found == icons.end()) {
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
    button->setIcon(StandardIcon(picture, button->style()));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
