#include "gui/launch/LaunchCommands.h"

#include "core/app/ProgramSettings.h"
#include "core/keys/KeyConflicts.h"
#include "core/launch/BatchFile.h"
#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/launch/Launch.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"
#include "gui/launch/LaunchDialogs.h"
#include "gui/settings/ConfigCommands.h"

#include <QStringList>
#include <QWidget>

namespace tesk {
namespace {

const QString kBatchFilter = QStringLiteral("Batch Files (*.bat)|*.bat");

QStringList ToQList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list.append(PathToQ(item));
    return list;
}

} // namespace

void LaunchCommands::SaveBatch1Click()
{
    const std::string batchFile = context_.model().Text("txtBatchFile");
    WriteBatchFile(batchFile, BatchDirectory(batchFile), BuildCommandLine(context_.model()));
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
    config_.SaveConfig1Click();
    SaveBatch1Click();
    context_.SetStatusText(ToQ("Config and Batch files Saved" + BoundTwiceNote(context_.model())));
}

void LaunchCommands::OpenBatch1Click()
{
    const auto chosen = context_.desktop().ChooseFileToOpen(
        &context_.window(), {QString(), PathToQ(context_.model().Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(PathFromQ(*chosen));
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

ProgramStart LaunchCommands::PlanStart(const std::optional<std::string>& batchLine) const
{
    return PlanGameStart(context_.model(), batchLine, context_.programSettings().Read(kRunnerKey));
}

std::optional<std::string> LaunchCommands::UpcomingBatchLine() const
{
    const SettingsModel& model = context_.model();
    if (!model.Checked("cbxSaveFilesonRun"))
        return std::nullopt;
    return BatchLine(BatchDirectory(model.Text("txtBatchFile")), BuildCommandLine(model));
}

bool LaunchCommands::StartGame(bool runBatchFile)
{
    const SettingsModel& model = context_.model();
    std::optional<std::string> problem;
    ProgramStart start;
    try {
        start = PlanStart(runBatchFile ? std::optional(ReadBatchLine(model.Text("txtBatchFile"))) : std::nullopt);
        problem = StartProblem(start);
    } catch (const std::exception& error) {
        problem = error.what();
    }
    if (!problem
        && !context_.desktop().StartProgram(PathToQ(start.program), ToQList(start.arguments),
                                            PathToQ(start.workingDirectory)))
        problem = "The system cannot run " + start.program + ".";
    if (!problem)
        return true;
    std::string text = FailureText(model, runBatchFile) + "\n" + *problem;
    // A game the system cannot execute is most likely the Windows program
    // itself, started without a compatibility tool.
    if (start.program == start.game && FileExists(start.game))
        text += "\nA runner such as wine can be set with \"Game Runner...\" in the file menu.";
    context_.desktop().ShowError(&context_.window(), MessageToQ(text));
    return false;
}

void LaunchCommands::btnRunClick()
{
    const bool runBatchFile = context_.model().Checked("cbxSaveFilesonRun");
    if (runBatchFile)
        SaveAll1Click();
    if (!StartGame(runBatchFile))
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
    GameRunnerDialog dialog(settings.Read(kRunnerKey), &context_.window());
    if (context_.desktop().ExecDialog(dialog) == QDialog::Accepted)
        settings.Write(kRunnerKey, dialog.runner());
}

void LaunchCommands::onShowCommandLineTriggered()
{
    const std::optional<std::string> batchLine = UpcomingBatchLine();
    CommandLineDialog dialog(PlanStart(batchLine), batchLine.value_or(std::string()), &context_.window());
    context_.desktop().ExecDialog(dialog);
}

std::string LaunchCommands::RunCommandText() const { return CommandText(PlanStart(UpcomingBatchLine())); }

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
