// The main window's doors to the map list, server list and text editors.

#include "gui/app/TfrmTeskMain.h"

namespace tesk {

// The editors are not there yet: their buttons do nothing.
void TfrmTeskMain::btnMapListClick() {}
void TfrmTeskMain::btnServerListClick() {}
void TfrmTeskMain::btnEditConfigClick() {}
void TfrmTeskMain::btnEditBatchClick() {}

} // namespace tesk
