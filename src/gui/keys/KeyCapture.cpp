#include "gui/keys/KeyCapture.h"

#include "core/keys/KeyNames.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"
#include "gui/keys/TfrmBind.h"

#include <utility>

namespace tesk {

std::string CaptureKey(Desktop& desktop, QWidget* parent, const std::string& name, const std::string& currentKey,
                       KeyUsers users)
{
    TfrmBind frmBind(parent);
    frmBind.SetKeyUsers(std::move(users));
    frmBind.SetPreviousKey(currentKey);
    frmBind.setWindowTitle(ToQ(KeyCaptureTitle(name)));
    desktop.ExecDialog(frmBind);
    return frmBind.result();
}

} // namespace tesk
