// The main window's batch file and launch commands: Save Batch, Save Batch
// As, Save All, Load Batch and Run, and the reading of the batch file at
// start-up.

#include "core/launch/BatchFile.h"
#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/launch/Launch.h"
#include "core/text/Paths.h"
#include "gui/app/Desktop.h"
#include "gui/app/TfrmTeskMain.h"
#include "gui/app/Text.h"

#include <QStringList>

namespace tesk {
namespace {

const QString kBatchFilter = QStringLiteral("Batch Files (*.bat)|*.bat");

QStringList ToQList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list.append(ToQ(item));
    return list;
}

} // namespace

void TfrmTeskMain::SaveBatch1Click()
{
    const std::string batchFile = model_.Text("txtBatchFile");
    WriteBatchFile(batchFile, BatchDirectory(batchFile), BuildCommandLine(model_));
    SetStatusText(QStringLiteral("Batch file Saved"));
}

void TfrmTeskMain::SpeedButton3Click() { RunCommand([this] { SaveBatch1Click(); }); }

void TfrmTeskMain::SaveBatchAs1Click()
{
    const auto chosen = desktop_.ChooseFileToSave(this, {QString(), ToQ(model_.Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const std::string path = FromQ(*chosen);
    model_.SetText("txtBatchFile", path);
    Refresh();
    WriteBatchFile(path, model_.Text("txtU2Dir"), BuildCommandLine(model_));
    SetStatusText(QStringLiteral("Batch file Saved"));
    settings_.WriteString("tesk", "batchfile", path);
}

void TfrmTeskMain::SaveAll1Click()
{
    SaveConfig1Click();
    SaveBatch1Click();
    SetStatusText(QStringLiteral("Config and Batch files Saved"));
}

void TfrmTeskMain::OpenBatch1Click()
{
    const auto chosen = desktop_.ChooseFileToOpen(this, {QString(), ToQ(model_.Text("txtU2Dir")), kBatchFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(FromQ(*chosen));
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    model_.SetText("txtBatchFile", full);
    Refresh();
    ReadBatchFile(model_, tokens_, DriveAndDirectory(parts), parts.name);
    settings_.WriteString("tesk", "Batchfile", full);
}

void TfrmTeskMain::ReadBatchInto(const std::string& path)
{
    ReadBatchFile(model_, tokens_, DirectoryPart(path), FileNamePart(path));
}

void TfrmTeskMain::StartupReadBatchFile()
{
    if (!model_.Text("txtBatchFile").empty())
        RunStartupStep([this] { ReadBatchInto(model_.Text("txtBatchFile")); });
}

void TfrmTeskMain::btnRunClick()
{
    const bool runBatchFile = model_.Checked("cbxSaveFilesonRun");
    if (runBatchFile)
        SaveAll1Click();
    const ProgramStart start = PlanGameStart(model_, runBatchFile);
    if (!CanStart(start)
        || !desktop_.StartProgram(ToQ(start.program), ToQList(start.arguments), ToQ(start.workingDirectory))) {
        desktop_.ShowError(this, ToQ(FailureText(model_, runBatchFile)));
        return;
    }
    if (model_.Checked("cbxCloseOnRun")) {
        close();
        return;
    }
    if (model_.Checked("cbxMinimize"))
        showMinimized();
    WriteLaunchKeys("minimize");
}

} // namespace tesk
