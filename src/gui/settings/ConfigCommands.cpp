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
#include "gui/base/FileWatch.h"
#include "gui/base/Text.h"

#include <QWidget>

namespace tesk {
namespace {

const QString kConfigFilter = QStringLiteral("Config Files (*.cfg)|*.cfg");

bool IsOriginalConfig(const std::string& fileName) { return AsciiUpper(fileName) == "CONFIG.CFG"; }

} // namespace

ConfigCommands::ConfigCommands(const CommandContext& context)
    : context_(context), watch_(new FileWatch(&context.window()))
{
    MarkSaved();
    QObject::connect(watch_, &FileWatch::changed, watch_, [this] { CheckFileOnDisk(); });
}

void ConfigCommands::Stamp(const std::string& path)
{
    file_.Stamp(path);
    watch_->SetPath(PathToQ(path));
}

void ConfigCommands::ReadAndStamp(const std::string& directory, const std::string& fileName)
{
    ReadConfigFile(context_.model(), context_.tokenList(), directory, fileName);
    MarkSaved();
    Stamp(JoinPath(directory, fileName));
}

void ConfigCommands::CheckFileOnDisk()
{
    const std::string path = file_.path();
    const std::optional<FileStamp> change = file_.ChangeOf(path);
    if (checking_ || !change)
        return;
    checking_ = true;
    // Asked once about each change, whatever the answer or the reading.
    file_.SetAside(*change);
    const bool take = !HasUnsavedChanges()
                      || context_.desktop().AskAboutChangedFile(
                             &context_.window(),
                             QStringLiteral("%1 was changed by another program, such as the game when it exits. Take "
                                            "the file's settings into Tesk, losing the changes made here, or keep "
                                            "Tesk's?")
                                 .arg(PathToQ(path)),
                             false)
                             == ChangedFileChoice::TakeFile;
    context_.RunCommand([&] {
        if (!take) {
            context_.SetStatusText(QStringLiteral("Kept Tesk's settings; %1 holds other ones.").arg(PathToQ(path)));
            return;
        }
        const PathParts parts = SplitPath(path, context_.dataDirectory());
        ReadAndStamp(DriveAndDirectory(parts), parts.name);
        context_.Refresh();
        context_.SetStatusText(
            QStringLiteral("%1 was changed by another program and has been read again.").arg(PathToQ(path)));
    });
    checking_ = false;
}

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

SaveOutcome ConfigCommands::WriteAfterAsking(const std::string& directory, const std::string& fileName)
{
    Desktop& desktop = context_.desktop();
    QWidget* window = &context_.window();
    const std::string path = JoinPath(directory, fileName);
    if (IsOriginalConfig(fileName) && gameRunning_ && gameRunning_()
        && !desktop.Confirm(window, QStringLiteral("Ulvex 2 is still running. When it exits it writes %1 again, over "
                                                   "what Tesk saves now. Save all the same?")
                                        .arg(PathToQ(path))))
        return SaveOutcome::WentBack;
    switch (AskBeforeReplacing(desktop, window, file_, path, QStringLiteral("settings"))) {
    case ChangedFileChoice::TakeFile:
        ReadAndStamp(directory, fileName);
        context_.Refresh();
        context_.SetStatusText(QStringLiteral("Read %1 again; nothing was saved.").arg(PathToQ(path)));
        return SaveOutcome::WentBack;
    case ChangedFileChoice::GoBack: return SaveOutcome::WentBack;
    case ChangedFileChoice::KeepTesks: break;
    }
    if (IsOriginalConfig(fileName) && FileExists(path)
        && !desktop.Confirm(window, QStringLiteral("You are about to save over your original config "
                                                   "file. Are you sure you want to do this? "))) {
        desktop.ShowMessage(window, QStringLiteral("Saving Canceled"));
        return SaveOutcome::Declined;
    }
    WriteConfigFile(context_.model(), context_.tokenList(), directory, fileName, context_.dataDirectory());
    MarkSaved();
    Stamp(path);
    return SaveOutcome::Saved;
}

void ConfigCommands::SaveConfig1Click() { SaveConfig(); }

SaveOutcome ConfigCommands::SaveConfig()
{
    const std::string path = context_.model().Text("txtConfigFile");
    const PathParts parts = SplitPath(path, context_.dataDirectory());
    // The game's folder without a config file yet is where the first save
    // creates it; any other missing file needs Save Config As.
    if (!DirectoryExists(DriveAndDirectory(parts)) || !IsOriginalConfig(parts.name))
        CheckConfigFileExists(path, context_.dataDirectory());
    const SaveOutcome outcome = WriteAfterAsking(DriveAndDirectory(parts), parts.name);
    if (outcome == SaveOutcome::Saved)
        context_.SetStatusText(ToQ("Config file Saved" + BoundTwiceNote(context_.model())));
    context_.programSettings().Write(kConfigFileKey, path);
    return outcome;
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
    ReadAndStamp(DriveAndDirectory(parts), parts.name);
    context_.model().SetText("txtConfigFile", full);
    context_.Refresh();
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
    ReadAndStamp(DriveAndDirectory(parts), parts.name);
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
        // When the game creates the file later, it is read then.
        Stamp(JoinPath(directory, parts.name));
        context_.SetStatusText(QStringLiteral("No config file exists yet: the pages show the game's defaults."));
        return;
    }
    if (!DirectoryExists(directory) && EqualIgnoringCase(FileNamePart(directory), "baseu2"))
        throw Error(DirectoryPart(directory) + " does not look like the game's directory: it has no baseu2 folder.");
    ReadAndStamp(directory, parts.name);
}

} // namespace tesk
