// The key capture of the main window's key fields.

#include "core/settings/SettingsModel.h"
#include "gui/app/TfrmTeskMain.h"
#include "gui/keys/KeyCapture.h"

namespace tesk {

void TfrmTeskMain::KeyFieldDblClick(const std::string& id)
{
    const std::string key = CaptureKey(desktop(), this, std::string(model().Def(id).captureName), model().Text(id));
    model().SetText(id, key);
    Refresh();
}

} // namespace tesk
