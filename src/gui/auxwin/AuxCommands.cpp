#include "gui/auxwin/AuxCommands.h"

#include "core/settings/SettingsModel.h"
#include "gui/auxwin/ListEditor.h"
#include "gui/auxwin/TfrmEdit.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/launch/LaunchCommands.h"
#include "gui/settings/ConfigCommands.h"

namespace tesk {
namespace {

template <typename Editor>
void ShowListEditor(const CommandContext& context, QPointer<Editor>& editor)
{
    if (!editor)
        editor = new Editor(context);
    editor->FormActivate();
    context.desktop().ExecDialog(*editor);
}

} // namespace

void AuxCommands::btnMapListClick() { ShowListEditor(context_, mapList_); }

void AuxCommands::btnServerListClick() { ShowListEditor(context_, serverList_); }

void AuxCommands::btnEditConfigClick()
{
    TfrmEdit::Open(context_, context_.model().Text("txtConfigFile"), kEditingConfigFile,
                   [this](const std::string& path) { ReadSavedConfigBack(path); });
}

void AuxCommands::ReadSavedConfigBack(const std::string& path)
{
    // Reading the file replaces every setting it holds.
    if (config_.HasUnsavedChanges()
        && !context_.desktop().Confirm(&context_.window(),
                                       QStringLiteral("The config file was saved. Read it into the window and "
                                                      "lose the settings changed there since the last save?")))
        return;
    config_.ReadConfigInto(path);
}

void AuxCommands::btnEditBatchClick()
{
    TfrmEdit::Open(context_, context_.model().Text("txtBatchFile"), kEditingBatchFile,
                   [this](const std::string& path) { launch_.ReadBatchInto(path); });
}

} // namespace tesk
