#include "gui/window/StartupSequence.h"

#include "core/app/GameDirectoryLists.h"
#include "core/app/GameFinder.h"
#include "core/app/ProgramSettings.h"
#include "core/launch/LaunchPlan.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Resources.h"
#include "gui/base/Text.h"
#include "gui/launch/LaunchCommands.h"
#include "gui/profiles/ProfileCommands.h"
#include "gui/settings/ConfigCommands.h"
#include "gui/settings/PlayerModelLists.h"
#include "gui/window/GameInstallsDialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <exception>
#include <vector>

namespace tesk {
namespace {

constexpr int kSplashMilliseconds = 2750;

} // namespace

StartupSequence::StartupSequence(CommandContext& context, QMainWindow& window, Commands commands)
    : QObject(&window), context_(context), window_(window), commands_(commands)
{
}

void StartupSequence::Run()
{
    BuildSplash();
    SettingsModel& model = context_.model();
    ProgramSettings& settings = context_.programSettings();

    EnterDataDirectory();
    RunStep([&] { settings.Write(kStartupDirectoryKey, context_.dataDirectory()); });
    std::string gameDirectory;
    RunStep([&] { gameDirectory = ReadProgramSettings(); });
    RunStep([this] { commands_.playerModels.FillModelList(); });
    RunStep([&] { commands_.playerModels.FillSkinList(model.Text("cboModel")); });
    RunStep([this] { commands_.config.ReadStartupConfig(); });
    if (!model.Text("txtBatchFile").empty())
        RunStep([&] { commands_.launch.ReadBatchInto(model.Text("txtBatchFile")); });
    RunStep([&] { settings.Write(kConfigFileKey, model.Text("txtConfigFile")); });
    RunStep([this] { commands_.profiles.LoadGlobalProfile(); });
    FillLists(gameDirectory);
    context_.Refresh();
    commands_.config.MarkSaved();

    timer1_ = new QTimer(&window_);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(kSplashMilliseconds);
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_->start();
}

void StartupSequence::BuildSplash()
{
    auto* splash = new QWidget(&window_);
    splash->setObjectName(QStringLiteral("pnlSplash"));
    splash->setAutoFillBackground(true);
    QPalette palette = splash->palette();
    palette.setColor(QPalette::Window, Qt::black);
    splash->setPalette(palette);
    pnlSplash_ = splash;
    PlaceSplash();

    auto* logo = new QLabel(splash);
    logo->setObjectName(QStringLiteral("splashLogo"));
    logo->setScaledContents(true);
    logo->setPixmap(LogoPicture());
    logo->setGeometry((splash->width() - 371) / 2, 17, 371, 428);
    splash->raise();
}

void StartupSequence::PlaceSplash()
{
    if (!pnlSplash_)
        return;
    const int top = window_.menuBar()->sizeHint().height();
    pnlSplash_->setGeometry(0, top, window_.width(), window_.height() - top);
}

// A data directory that cannot be used leaves Tesk working where it was
// started, which it keeps then for the whole run.
void StartupSequence::EnterDataDirectory()
{
    std::string directory;
    RunStep([&] { directory = tesk::EnterDataDirectory(); });
    context_.SetDataDirectory(directory.empty() ? CurrentDirectory() : directory);
}

std::string StartupSequence::ReadProgramSettings()
{
    SettingsModel& model = context_.model();
    ProgramSettings& settings = context_.programSettings();
    std::string gameDirectory = settings.ReadOr(kGameDirectoryKey, "");
    if (!gameDirectory.empty()) {
        model.SetText("txtU2Dir", gameDirectory);
    } else {
        // When tesk.ini cannot be written, the directory just picked is
        // still the one the rest of start-up works in.
        const std::string picked = ChooseGameDirectory();
        RunStep([&] { settings.Write(kGameDirectoryKey, picked); });
        gameDirectory = settings.ReadOr(kGameDirectoryKey, picked);
    }
    ReadLowerAreaSettings(settings, gameDirectory, model);
    RunStep([&] { settings.Write(kBatchFileKey, model.Text("txtBatchFile")); });
    context_.Refresh();
    return gameDirectory;
}

void StartupSequence::FillLists(const std::string& gameDirectory)
{
    SettingsModel& model = context_.model();
    // Start-up stored the data directory first; it is the same place when
    // that write failed.
    const std::string profileDirectory =
        context_.programSettings().ReadOr(kStartupDirectoryKey, context_.dataDirectory());
    RunStep([&] { commands_.profiles.ShowGames(ListGames(profileDirectory)); });
    RunStep([&] {
        std::vector<std::string> maps = ReadMapNames(JoinPath(profileDirectory, "maps.lst"));
        model.SetItems("cboClientStartMap", maps);
        model.SetItems("cboServerStartMap", std::move(maps));
    });
    RunStep([&] { model.SetItems("cboSaveGames", ListSavedGames(gameDirectory)); });
    RunStep(
        [&] { model.SetItems("cboServerList", ReadListEntries(JoinPath(context_.dataDirectory(), "servers.txt"))); });
}

void StartupSequence::Timer1Timer()
{
    timer1_->stop();
    if (pnlSplash_) {
        pnlSplash_->hide();
        pnlSplash_->deleteLater();
    }
}

void StartupSequence::btnU2DirClick() { context_.programSettings().Write(kGameDirectoryKey, ChooseGameDirectory()); }

std::string StartupSequence::ChooseGameDirectory()
{
    const std::string initial = context_.programSettings().Read(kGameDirectoryKey);
    // The installs found in the usual places come first; with none, or
    // "Browse...", the file dialog.
    if (const std::vector<FoundGame> found = FindGameInstalls(UserGameSearch()); !found.empty()) {
        GameInstallsDialog installs(found, &window_);
        const int result = context_.desktop().ExecDialog(installs);
        if (result == QDialog::Accepted) {
            context_.model().SetText("txtU2Dir", installs.chosen());
            context_.Refresh();
            return installs.chosen();
        }
        if (result != GameInstallsDialog::kBrowse)
            return initial;
    }
    const auto chosen = context_.desktop().ChooseFileToOpen(
        &window_, {QStringLiteral("Ulvex2 Location"), PathToQ(initial), QStringLiteral("Ulvex2.exe|ulvex2.exe")});
    if (!chosen)
        return initial;
    context_.model().SetText("txtU2Dir", DriveAndDirectory(SplitPath(PathFromQ(*chosen), context_.dataDirectory())));
    context_.Refresh();
    return context_.model().Text("txtU2Dir");
}

void StartupSequence::RunStep(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        const QString problem = MessageToQ(error.what());
        if (!problems_.contains(problem))
            problems_.append(problem);
    }
}

void StartupSequence::ReportProblems()
{
    if (problemsReported_ || problems_.isEmpty())
        return;
    problemsReported_ = true;
    context_.desktop().ShowError(&window_, problems_.join(QStringLiteral("\n\n")));
}

} // namespace tesk
