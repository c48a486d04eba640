#include "gui/base/Resources.h"

#include "gui/base/ProjectInfo.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace tesk {

void InitResources() { RegisterResources(); }

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tesk"));
    QApplication::setDesktopFileName(QString::fromLatin1(kTeskAppId));
    InitResources();
    QApplication::setWindowIcon(QIcon(IconPicture()));
}

const QPixmap& LogoPicture()
{
    static const QPixmap logo(QStringLiteral(":/tesk/logo.png"));
    return logo;
}

QPixmap LogoPicture(int width, int height)
{
    return LogoPicture().scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap IconPicture() { return QPixmap(QStringLiteral(":/tesk/icon.png")); }

} // namespace tesk
