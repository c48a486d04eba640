#include "gui/launch/LaunchCommands.h"

#include "core/launch/BatchFile.h"
#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/launch/Launch.h"
#include "core/app/ProgramSettings.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"
#include "gui/app/CommandContext.h"
#include "gui/app/Desktop.h"
#include "gui/app/Text.h"
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

void LaunchCommands::SpeedButton3Click() { context_.RunCommand([this] { SaveBatch1Click(); }); }

void LaunchCommands::SaveBatchAs1Click()
{
    const auto chosen = context_.desktop().ChooseFileToSave(&context_.window(), {QString(), PathToQ(context_.model().Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const std::string path = PathFromQ(*chosen);
    context_.model().SetText("txtBatchFile", path);
    context_.Refresh();
    WriteBatchFile(path, context_.model().Text("txtU2Dir"), BuildCommandLine(context_.model()));
    context_.SetStatusText(QStringLiteral("Batch file Saved"));
    context_.programSettings().WriteString("tesk", "batchfile", path);
}

void LaunchCommands::SaveAll1Click()
{
    config_.SaveConfig1Click();
    SaveBatch1Click();
    context_.SetStatusText(QStringLiteral("Config and Batch files Saved"));
}

void LaunchCommands::OpenBatch1Click()
{
    const auto chosen = context_.desktop().ChooseFileToOpen(&context_.window(), {QString(), PathToQ(context_.model().Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(PathFromQ(*chosen));
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    // A file that cannot be read changes nothing, its path included.
    ReadBatchFile(context_.model(), context_.tokenList(), DriveAndDirectory(parts), parts.name);
    context_.model().SetText("txtBatchFile", full);
    context_.Refresh();
    context_.programSettings().WriteString("tesk", "Batchfile", full);
}

void LaunchCommands::ReadBatchInto(const std::string& path)
{
    ReadBatchFile(context_.model(), context_.tokenList(), DirectoryPart(path), FileNamePart(path));
}

void LaunchCommands::btnRunClick()
{
    const bool runBatchFile = context_.model().Checked("cbxSaveFilesonRun");
    if (runBatchFile)
        SaveAll1Click();
    const ProgramStart start = PlanGameStart(context_.model(), runBatchFile);
    if (!CanStart(start)
        || !context_.desktop().StartProgram(PathToQ(start.program), ToQList(start.arguments), PathToQ(start.workingDirectory))) {
        context_.desktop().ShowError(&context_.window(), MessageToQ(FailureText(context_.model(), runBatchFile)));
        return;
    }
    if (context_.model().Checked("cbxCloseOnRun")) {
        context_.window().close();
        return;
    }
    if (context_.model().Checked("cbxMinimize"))
        context_.window().showMinimized();
    WriteLaunchKeys("minimize");
}

void LaunchCommands::WriteLaunchKeys(const char* minimizeKey)
{
    const SettingsModel& model = context_.model();
    ProgramSettings& settings = context_.programSettings();
    settings.WriteString("tesk", "configfile", model.Text("txtConfigFile"));
    settings.WriteString("tesk", "batchfile", model.Text("txtBatchFile"));
    settings.WriteBool("tesk", "saveAllOnRun", model.Checked("cbxSaveFilesonRun"));
    settings.WriteBool("tesk", "CloseOnExit", model.Checked("cbxCloseOnRun"));
    settings.WriteBool("tesk", minimizeKey, model.Checked("cbxMinimize"));
    settings.WriteBool("tesk", "RunServer", model.Checked("cbxStartServer"));
}

} // namespace tesk
