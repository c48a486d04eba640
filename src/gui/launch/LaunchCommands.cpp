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

void LaunchCommands::SaveBatch1Click()
{
    const std::string batchFile = context_.model().Text("txtBatchFile");
    WriteBatchFile(batchFile, BatchDirectory(batchFile, context_.dataDirectory()), BuildCommandLine(context_.model()));
    context_.SetStatusText(QStringLiteral("Batch file Saved"));
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
    WriteBatchFile(path, context_.model().Text("txtU2Dir"), BuildCommandLine(context_.model()));
    context_.SetStatusText(QStringLiteral("Batch file Saved"));
    context_.programSettings().Write(kBatchFileKey, path);
}

void LaunchCommands::SaveAll1Click()
{
    const bool configSaved = config_.SaveConfig();
    SaveBatch1Click();
    context_.SetStatusText(configSaved ? ToQ("Config and Batch files Saved" + BoundTwiceNote(context_.model()))
                                       : QStringLiteral("Batch file Saved; the config file was not saved"));
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
    context_.model().SetText("txtBatchFile", full);
    context_.Refresh();
    context_.programSettings().Write(kLoadedBatchFileKey, full);
}

void LaunchCommands::ReadBatchInto(const std::string& path)
{
    ReadBatchFile(context_.model(), context_.tokenList(), DirectoryPart(path), FileNamePart(path));
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
}

bool LaunchCommands::GameRunning() const { return watch_ && watch_->running(); }

void LaunchCommands::btnRunClick()
{
    const bool runBatchFile = context_.model().Checked("cbxSaveFilesonRun");
    if (runBatchFile)
        SaveAll1Click();
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
    if (unsaved)
        context_.SetStatusText(QStringLiteral("Settings not saved"));
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
