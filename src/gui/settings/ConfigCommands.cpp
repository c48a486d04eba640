#include "gui/settings/ConfigCommands.h"

#include "core/app/ProgramSettings.h"
#include "core/keys/KeyConflicts.h"
#include "core/settings/ConfigReader.h"
#include "core/settings/ConfigWriter.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

namespace tesk {
namespace {

const QString kConfigFilter = QStringLiteral("Config Files (*.cfg)|*.cfg");

bool IsOriginalConfig(const std::string& fileName) { return AsciiUpper(fileName) == "CONFIG.CFG"; }

} // namespace

ConfigCommands::ConfigCommands(const CommandContext& context) : context_(context) { MarkSaved(); }

bool ConfigCommands::HasUnsavedChanges() const { return BuildSettingLines(context_.model()) != savedLines_; }

void ConfigCommands::MarkSaved() { savedLines_ = BuildSettingLines(context_.model()); }

bool ConfigCommands::WriteAfterAsking(const std::string& directory, const std::string& fileName)
{
    Desktop& desktop = context_.desktop();
    QWidget* window = &context_.window();
    if (IsOriginalConfig(fileName)
        && !desktop.Confirm(window, QStringLiteral("You are about to save over your original config "
                                                   "file. Are you sure you want to do this? "))) {
        desktop.ShowMessage(window, QStringLiteral("Saving Canceled"));
        return false;
    }
    WriteConfigFile(context_.model(), context_.tokenList(), directory, fileName, context_.dataDirectory());
    MarkSaved();
    return true;
}

void ConfigCommands::SaveConfig1Click()
{
    const std::string path = context_.model().Text("txtConfigFile");
    const PathParts parts = SplitPath(path, context_.dataDirectory());
    CheckConfigFileExists(path, context_.dataDirectory());
    if (WriteAfterAsking(DriveAndDirectory(parts), parts.name))
        context_.SetStatusText(ToQ("Config file Saved" + BoundTwiceNote(context_.model())));
    context_.programSettings().Write(kConfigFileKey, path);
}

void ConfigCommands::SaveConfigAs1Click()
{
    const auto chosen = context_.desktop().ChooseFileToSave(
        &context_.window(), {QString(), PathToQ(JoinPath(context_.model().Text("txtU2Dir"), "baseu2")), kConfigFilter});
    if (!chosen)
        return;
    const std::string path = PathFromQ(*chosen);
    if (!FileExists(path))
        WriteFileAtomically(path, "", "Cannot create file %s");
    const PathParts parts = SplitPath(path, context_.dataDirectory());
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    context_.model().SetText("txtConfigFile", full);
    context_.Refresh();
    WriteAfterAsking(DriveAndDirectory(parts), parts.name);
    context_.programSettings().Write(kConfigFileKey, full);
}

void ConfigCommands::OpenConfig1Click()
{
    const auto chosen = context_.desktop().ChooseFileToOpen(
        &context_.window(), {QString(), PathToQ(JoinPath(context_.model().Text("txtU2Dir"), "baseu2")), kConfigFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(PathFromQ(*chosen), context_.dataDirectory());
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    // A file that cannot be read changes nothing, its path included.
    ReadConfigFile(context_.model(), context_.tokenList(), DriveAndDirectory(parts), parts.name);
    context_.model().SetText("txtConfigFile", full);
    context_.Refresh();
    MarkSaved();
    context_.programSettings().Write(kConfigFileKey, full);
}

void ConfigCommands::New1Click()
{
    ReadConfigFile(context_.model(), context_.tokenList(), std::string(kNewFileDirectory), std::string(kNewFileName));
    context_.tokenList().clear();
    MarkSaved();
}

void ConfigCommands::SpeedButton1Click()
{
    context_.RunCommand([this] { SaveConfig1Click(); });
}

void ConfigCommands::ReadConfigInto(const std::string& path)
{
    const PathParts parts = SplitPath(path, context_.dataDirectory());
    ReadConfigFile(context_.model(), context_.tokenList(), DriveAndDirectory(parts), parts.name);
    MarkSaved();
}

void ConfigCommands::ReadStartupConfig()
{
    const std::string configFile = context_.model().Text("txtConfigFile");
    if (!configFile.empty()) {
        ReadConfigInto(configFile);
        return;
    }
    const std::string game = context_.programSettings().Read(kGameDirectoryKey);
    ReadConfigFile(context_.model(), context_.tokenList(), JoinPath(game, "baseu2"), "config.cfg");
}

} // namespace tesk
