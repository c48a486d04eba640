// The main window's config file commands: Save Config, Save Config As, Load
// Config and New, and the reading of the config file at start-up.

#include "core/app/GameDirectoryLists.h"
#include "core/settings/ConfigReader.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "gui/app/Desktop.h"
#include "gui/app/TfrmTeskMain.h"
#include "gui/app/Text.h"

namespace tesk {
namespace {

const QString kConfigFilter = QStringLiteral("Config Files (*.cfg)|*.cfg");

bool IsOriginalConfig(const std::string& fileName)
{
    std::string upper(fileName);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper == "CONFIG.CFG";
}

// Writes the config file, first asking before the game's own config.cfg is
// replaced. False when the player said No.
bool WriteAfterAsking(TfrmTeskMain& window, const PathParts& parts)
{
    if (IsOriginalConfig(parts.name)
        && !window.desktop().Confirm(&window, QStringLiteral("You are about to save over your original config "
                                                             "file. Are you sure you want to do this? "))) {
        window.desktop().ShowMessage(&window, QStringLiteral("Saving Canceled"));
        return false;
    }
    WriteConfigFile(window.model(), window.tokenList(), DriveAndDirectory(parts), parts.name, CurrentDirectory());
    return true;
}

} // namespace

void TfrmTeskMain::SaveConfig1Click()
{
    const std::string path = model_.Text("txtConfigFile");
    const PathParts parts = SplitPath(path);
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    if (!DirectoryExists(DriveAndDirectory(parts)) || !FileExists(full))
        throw Error("The config file " + full + " does not exist. Use \"Save Config As..\" to create a new one.");
    if (WriteAfterAsking(*this, parts))
        SetStatusText(QStringLiteral("Config file Saved"));
    settings_.WriteString("tesk", "configfile", path);
}

void TfrmTeskMain::SaveConfigAs1Click()
{
    const auto chosen = desktop_.ChooseFileToSave(
        this, {QString(), ToQ(JoinPath(model_.Text("txtU2Dir"), "baseu2")), kConfigFilter});
    if (!chosen)
        return;
    const std::string path = FromQ(*chosen);
    if (!FileExists(path))
        WriteFileAtomically(path, "", "Cannot create file %s");
    const PathParts parts = SplitPath(path);
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    model_.SetText("txtConfigFile", full);
    Refresh();
    WriteAfterAsking(*this, parts);
    settings_.WriteString("tesk", "configfile", full);
}

void TfrmTeskMain::OpenConfig1Click()
{
    const auto chosen = desktop_.ChooseFileToOpen(
        this, {QString(), ToQ(JoinPath(model_.Text("txtU2Dir"), "baseu2")), kConfigFilter});
    if (!chosen)
        return;
    const PathParts parts = SplitPath(FromQ(*chosen));
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    model_.SetText("txtConfigFile", full);
    Refresh();
    ReadConfigFile(model_, tokens_, DriveAndDirectory(parts), parts.name);
    settings_.WriteString("tesk", "configfile", full);
}

void TfrmTeskMain::New1Click()
{
    ReadConfigFile(model_, tokens_, std::string(kNewFileDirectory), std::string(kNewFileName));
    tokens_.clear();
}

void TfrmTeskMain::SpeedButton1Click() { RunCommand([this] { SaveConfig1Click(); }); }

void TfrmTeskMain::ReadConfigInto(const std::string& path)
{
    const PathParts parts = SplitPath(path);
    ReadConfigFile(model_, tokens_, DriveAndDirectory(parts), parts.name);
}

void TfrmTeskMain::StartupReadConfigFile()
{
    RunStartupStep([this] {
        if (!model_.Text("txtConfigFile").empty()) {
            ReadConfigInto(model_.Text("txtConfigFile"));
            return;
        }
        const std::string game = settings_.ReadString("ulvex2", "path", DefaultGameDirectory());
        ReadConfigFile(model_, tokens_, JoinPath(game, "baseu2"), "config.cfg");
    });
}

} // namespace tesk
