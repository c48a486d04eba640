#include "gui/app/PictureButton.h"

#include <QApplication>
#include <QIcon>
#include <QToolButton>

namespace tesk {

QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    // The style's whole icon: a picture for every size and screen scale.
    button->setIcon(QApplication::style()->standardIcon(picture));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
