#include "gui/app/PictureButton.h"

#include <QToolButton>

namespace tesk {

QToolButton* NewPictureButton(const char* name, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(button->style()->standardIcon(picture));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace tesk
