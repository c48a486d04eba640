// The key capture of the main window's key fields.

#include "gui/app/TfrmTeskMain.h"

namespace tesk {

// The key-capture dialog is not there yet: a double-click leaves the field as it is.
void TfrmTeskMain::KeyFieldDblClick(const std::string& /*id*/) {}

} // namespace tesk
