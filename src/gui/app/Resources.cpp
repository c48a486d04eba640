#include "gui/app/Resources.h"

#include <QPixmap>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace tesk {

void InitResources() { RegisterResources(); }

const QPixmap& LogoPicture()
{
    static const QPixmap logo(QStringLiteral(":/tesk/logo.png"));
    return logo;
}

} // namespace tesk
