#include "gui/settings/PlayerModelLists.h"

#include "core/app/GameDirectoryLists.h"
#include "core/settings/SettingsModel.h"
#include "gui/base/CommandContext.h"

namespace tesk {

void PlayerModelLists::FillModelList()
{
    SettingsModel& model = context_.model();
    model.SetItems("cboModel", ListPlayerModels(model.Text("txtU2Dir")));
    context_.Refresh();
}

void PlayerModelLists::FillSkinList(const std::string& modelName)
{
    SettingsModel& model = context_.model();
    model.SetItems("cboSkin", ListPlayerSkins(model.Text("txtU2Dir"), modelName));
    context_.Refresh();
}

void PlayerModelLists::cboModelEnter() { FillModelList(); }

void PlayerModelLists::cboModelChange()
{
    context_.model().SetText("cboSkin", "");
    FillSkinList(context_.model().Text("cboModel"));
}

void PlayerModelLists::cboSkinEnter() { FillSkinList(context_.model().Text("cboModel")); }

} // namespace tesk
