#include "gui/base/PictureButton.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QToolButton>

namespace tesk {
namespace {

// The style's picture, made once for every button that shows it. On a
// screen at 100 % its small picture is all the button shows; a scaled screen
// takes the whole icon, which the style makes by reading every size it has.
QIcon StyleIcon(QStyle::StandardPixmap picture)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(picture);
    if (found == icons.end()) {
        const QStyle* style = QApplication::style();
        const QPixmap small = qApp->devicePixelRatio() > 1 ? QPixmap() : style->standardPixmap(picture);
        found = icons.insert(picture, small.isNull() ? style->standardIcon(picture) : QIcon(small));
    }
    return *found;
}

} // namespace

QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(StyleIcon(picture));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
