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

bool ConfigCommands::MayDropUnsavedChanges(const QString& when)
{
    if (!HasUnsavedChanges())
        return true;
    const QString question = QStringLiteral("The settings have changed. Save them to %1 %2?")
                                 .arg(PathToQ(context_.model().Text("txtConfigFile")), when);
    switch (context_.desktop().AskToSave(&context_.window(), question)) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Stay: return false;
    case SaveChoice::Save: break;
    }
    // A save that failed or was cancelled leaves the changes unsaved.
    context_.RunCommand([this] { SaveConfig(); });
    return !HasUnsavedChanges();
}

bool ConfigCommands::WriteAfterAsking(const std::string& directory, const std::string& fileName)
{
    Desktop& desktop = context_.desktop();
    QWidget* window = &context_.window();
    if (IsOriginalConfig(fileName) && FileExists(JoinPath(directory, fileName))
        && !desktop.Confirm(window, QStringLiteral("You are about to save over your original config "
                                                   "file. Are you sure you want to do this? "))) {
        desktop.ShowMessage(window, QStringLiteral("Saving Canceled"));
        return false;
    }
    WriteConfigFile(context_.model(), context_.tokenList(), directory, fileName, context_.dataDirectory());
    MarkSaved();
    return true;
}

void ConfigCommands::SaveConfig1Click() { SaveConfig(); }

bool ConfigCommands::SaveConfig()
{
    const std::string path = context_.model().Text("txtConfigFile");
    const PathParts parts = SplitPath(path, context_.dataDirectory());
    // The game's folder without a config file yet is where the first save
    // creates it; any other missing file needs Save Config As.
    if (!DirectoryExists(DriveAndDirectory(parts)) || !IsOriginalConfig(parts.name))
        CheckConfigFileExists(path, context_.dataDirectory());
    const bool written = WriteAfterAsking(DriveAndDirectory(parts), parts.name);
    if (written)
        context_.SetStatusText(ToQ("Config file Saved" + BoundTwiceNote(context_.model())));
    context_.programSettings().Write(kConfigFileKey, path);
    return written;
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
    if (!MayDropUnsavedChanges(QStringLiteral("before another config file is loaded")))
        return;
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
    if (!MayDropUnsavedChanges(QStringLiteral("before New resets them")))
        return;
    ReadConfigFile(context_.model(), context_.tokenList(), std::string(kNewFileDirectory), std::string(kNewFileName));
    context_.tokenList().clear();
    // The config file still holds what it held: unless the defaults happen to
    // equal it, the pages now hold unsaved changes.
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
    std::string configFile = context_.model().Text("txtConfigFile");
    if (configFile.empty())
        configFile = JoinPath(JoinPath(context_.programSettings().Read(kGameDirectoryKey), "baseu2"), "config.cfg");
    const PathParts parts = SplitPath(configFile, context_.dataDirectory());
    const std::string directory = DriveAndDirectory(parts);
    // A game that was never started has no config file yet: the pages show
    // the game's defaults, and the first save creates the file.
    if (DirectoryExists(directory) && !FileExists(JoinPath(directory, parts.name))) {
        ApplyNewSettings(context_.model());
        context_.tokenList().clear();
        context_.SetStatusText(QStringLiteral("No config file exists yet: the pages show the game's defaults."));
        return;
    }
    if (!DirectoryExists(directory) && EqualIgnoringCase(FileNamePart(directory), "baseu2"))
        throw Error(DirectoryPart(directory) + " does not look like the game's directory: it has no baseu2 folder.");
    ReadConfigFile(context_.model(), context_.tokenList(), directory, parts.name);
}

} // namespace tesk
