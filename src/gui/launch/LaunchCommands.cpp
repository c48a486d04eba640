#include "gui/launch/LaunchCommands.h"

#include "core/app/ProgramSettings.h"
#include "core/keys/KeyConflicts.h"
#include "core/launch/BatchFile.h"
#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/launch/Launch.h"
#include "core/launch/LaunchEnvironment.h"
#include "core/launch/LaunchPlan.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/FileWatch.h"
#include "gui/base/Text.h"
#include "gui/launch/GameWatch.h"
#include "gui/launch/LaunchDialogs.h"
#include "gui/settings/ConfigCommands.h"

#include <QStringList>
#include <QWidget>

namespace tesk {
namespace {

const QString kBatchFilter = QStringLiteral("Batch Files (*.bat)|*.bat");

} // namespace

bool LaunchCommands::WriteBatchAfterAsking(const std::string& path, const std::string& directory)
{
    switch (
        AskBeforeReplacing(context_.desktop(), &context_.window(), batchFile_, path, QStringLiteral("start options"))) {
    case ChangedFileChoice::TakeFile:
        ReadBatchInto(path);
        context_.Refresh();
        context_.SetStatusText(QStringLiteral("Read %1 again; nothing was saved.").arg(PathToQ(path)));
        return false;
    case ChangedFileChoice::GoBack: return false;
    case ChangedFileChoice::KeepTesks: break;
    }
    WriteBatchFile(path, directory, BuildCommandLine(context_.model()));
    batchFile_.Stamp(path);
    context_.SetStatusText(QStringLiteral("Batch file Saved"));
    return true;
}

void LaunchCommands::SaveBatch1Click()
{
    const std::string batchFile = context_.model().Text("txtBatchFile");
    WriteBatchAfterAsking(batchFile, BatchDirectory(batchFile, context_.dataDirectory()));
}

void LaunchCommands::SpeedButton3Click()
{
    context_.RunCommand([this] { SaveBatch1Click(); });
}

void LaunchCommands::SaveBatchAs1Click()
{
    const auto chosen = context_.desktop().ChooseFileToSave(
        &context_.window(), {QString(), PathToQ(context_.model().Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const std::string path = PathFromQ(*chosen);
    context_.model().SetText("txtBatchFile", path);
    context_.Refresh();
    WriteBatchAfterAsking(path, context_.model().Text("txtU2Dir"));
    context_.programSettings().Write(kBatchFileKey, path);
}

void LaunchCommands::SaveAll1Click() { SaveAll(); }

bool LaunchCommands::SaveAll()
{
    const SaveOutcome config = config_.SaveConfig();
    if (config == SaveOutcome::WentBack)
        return false;
    const std::string batchFile = context_.model().Text("txtBatchFile");
    if (!WriteBatchAfterAsking(batchFile, BatchDirectory(batchFile, context_.dataDirectory())))
        return false;
    context_.SetStatusText(config == SaveOutcome::Saved
                               ? ToQ("Config and Batch files Saved" + BoundTwiceNote(context_.model()))
                               : QStringLiteral("Batch file Saved; the config file was not saved"));
    return true;
}

void LaunchCommands::OpenBatch1Click()
{
    const auto chosen = context_.desktop().ChooseFileToOpen(
        &context_.window(), {QString(), PathToQ(context_.model().Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(PathFromQ(*chosen), context_.dataDirectory());
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    // A file that cannot be read changes nothing, its path included.
    ReadBatchFile(context_.model(), context_.tokenList(), DriveAndDirectory(parts), parts.name);
    batchFile_.Stamp(full);
    context_.model().SetText("txtBatchFile", full);
    context_.Refresh();
    context_.programSettings().Write(kLoadedBatchFileKey, full);
}

void LaunchCommands::ReadBatchInto(const std::string& path)
{
    ReadBatchFile(context_.model(), context_.tokenList(), DirectoryPart(path), FileNamePart(path));
    batchFile_.Stamp(path);
}

LaunchPlan LaunchCommands::PlanUpcomingStart() const
{
    const std::string& dataDirectory = context_.dataDirectory();
    return PlanLaunch(context_.model(), context_.programSettings(), UpcomingBatchLine(context_.model(), dataDirectory),
                      dataDirectory);
}

bool LaunchCommands::StartGame()
{
    const SettingsModel& model = context_.model();
    Desktop& desktop = context_.desktop();
    // Run starts the line it has just saved, as the batch file holds it.
    const LaunchResult result = LaunchGame(
        model, context_.programSettings(), [&] { return ReadBatchLine(model.Text("txtBatchFile")); },
        [&desktop](const ProgramStart& start, const std::string& logPath) { return desktop.StartGame(start, logPath); },
        context_.dataDirectory());
    if (!result.process) {
        desktop.ShowError(&context_.window(), MessageToQ(result.failure));
        return false;
    }
    WatchGame(*result.process, result.plan.logPath);
    return true;
}

void LaunchCommands::WatchGame(GameProcessId process, const std::string& logPath)
{
    QWidget* window = &context_.window();
    Desktop* desktop = &context_.desktop();
    watch_ = new GameWatch(
        process,
        [window, desktop, logPath](const GameExit& exit, std::chrono::milliseconds ran) {
            GameReportDialog report(
                exit, ran, logPath, [desktop, logPath] { desktop->OpenFile(PathToQ(logPath)); }, window);
            desktop->ExecDialog(report);
        },
        window);
    // The game writes its config file as it exits: Tesk looks at it then.
    QObject::connect(watch_, &GameWatch::ended, window, [this] {
        context_.SetStatusText(QStringLiteral("Ulvex 2 has exited."));
        config_.CheckFileOnDisk();
    });
}

bool LaunchCommands::GameRunning() const { return watch_ && watch_->running(); }

void LaunchCommands::btnRunClick()
{
    const bool runBatchFile = context_.model().Checked("cbxSaveFilesonRun");
    if (runBatchFile && !SaveAll())
        return;
    if (!StartGame())
        return;
    AfterGameStarted();
}

void LaunchCommands::AfterGameStarted()
{
    const SettingsModel& model = context_.model();
    const bool unsaved = config_.HasUnsavedChanges();
    if (model.Checked("cbxCloseOnRun") && !unsaved) {
        context_.window().close();
        return;
    }
    if (model.Checked("cbxMinimize"))
        context_.window().showMinimized();
    const QString running = QStringLiteral("Ulvex 2 is running; it writes its config file again when it exits.");
    context_.SetStatusText(unsaved ? QStringLiteral("Settings not saved. ") + running : running);
    WriteLaunchKeys(kMinimizeKey);
}

void LaunchCommands::onGameRunnerTriggered()
{
    ProgramSettings& settings = context_.programSettings();
    GameRunnerDialog dialog(settings.Read(kRunnerKey), StoredEnvironmentLines(settings), &context_.window());
    if (context_.desktop().ExecDialog(dialog) != QDialog::Accepted)
        return;
    settings.Write(kRunnerKey, dialog.runner());
    settings.Write(kEnvironmentKey, EncodeEnvironment(dialog.environment()));
}

void LaunchCommands::onShowCommandLineTriggered()
{
    CommandLineDialog dialog(PlanUpcomingStart(), &context_.window());
    context_.desktop().ExecDialog(dialog);
}

std::string LaunchCommands::RunCommandText() const { return CommandText(PlanUpcomingStart().start); }

void LaunchCommands::WriteLaunchKeys(const FlagKey& minimizeKey)
{
    const SettingsModel& model = context_.model();
    ProgramSettings& settings = context_.programSettings();
    settings.Write(kConfigFileKey, model.Text("txtConfigFile"));
    settings.Write(kBatchFileKey, model.Text("txtBatchFile"));
    settings.Write(kSaveAllOnRunKey, model.Checked("cbxSaveFilesonRun"));
    settings.Write(kCloseOnExitKey, model.Checked("cbxCloseOnRun"));
    settings.Write(minimizeKey, model.Checked("cbxMinimize"));
    settings.Write(kRunServerKey, model.Checked("cbxStartServer"));
}

} // namespace tesk
