// The main window's side of the game profiles.

#include "gui/app/TfrmTeskMain.h"

namespace tesk {

// The profile lists are not there yet: the global profile shows no entries.
void TfrmTeskMain::StartupLoadGlobalProfile() {}

} // namespace tesk
