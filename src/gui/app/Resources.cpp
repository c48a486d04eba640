#include "gui/app/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace tesk {

void InitResources() { RegisterResources(); }

} // namespace tesk
