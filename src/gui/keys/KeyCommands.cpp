#include "gui/keys/KeyCommands.h"

#include "core/keys/KeyConflicts.h"
#include "core/settings/SettingsModel.h"
#include "gui/base/CommandContext.h"
#include "gui/keys/KeyCapture.h"

namespace tesk {

void KeyCommands::onKeyFieldDoubleClicked(const std::string& id)
{
    SettingsModel& model = context_.model();
    const std::string key =
        CaptureKey(context_.desktop(), &context_.window(), std::string(model.Def(id).captureName), model.Text(id),
                   [&model, &id](const std::string& pressed) { return ActionsBoundTo(model, pressed, id); });
    model.SetText(id, key);
    context_.Refresh();
}

} // namespace tesk
