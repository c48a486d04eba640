#include "gui/launch/LaunchCommands.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "gui/settings/ConfigCommands.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/BareContext.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;
using testing::Trigger;

// A game directory with an executable ulvex2.exe, an existing config.cfg and
// the given program settings.
struct LaunchWorld {
    explicit LaunchWorld(const std::string& settings = {})
    {
        world.StoreGameDirectory("[tesk]\r\n" + settings);
        world.Write(world.inGame("baseu2/config.cfg"), "");
        world.Write(world.inGame("ulvex2.exe"), "#!/bin/sh\n");
        chmod(world.inGame("ulvex2.exe").c_str(), 0755);
    }
    TestWorld world;
    FakeDesktop desktop;
};

TEST(LaunchCommandsTest, RunWithSaveFilesSavesBothFilesStartsTheBatchFileAndCloses)
{
    LaunchWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    w.desktop.confirmAnswers.push_back(true);
    window.findChild<QAbstractButton*>("btnRun")->click();

    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")), w.world.gameDir() + "/ulvex2.exe  +exec config.cfg\r\n");
    EXPECT_NE(ReadFileBytes(w.world.inGame("baseu2/config.cfg")).find("//Player Info"), std::string::npos);
    // The program the batch file names, with the rest of its line, no shell.
    ASSERT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_EQ(w.desktop.starts[0].program.toStdString(), w.world.inGame("ulvex2.exe"));
    EXPECT_EQ(w.desktop.starts[0].arguments, (QStringList{"+exec", "config.cfg"}));
    EXPECT_EQ(w.desktop.starts[0].workingDirectory.toStdString(), w.world.gameDir());
    // "Close on Exit": the window closed, writing its closing keys.
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(w.world.Stored(kMinimizeOnClosingKey), "false");
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

TEST(LaunchCommandsTest, RunWithoutSavingStartsTheGameDirectlyAndMinimizes)
{
    LaunchWorld w("saveAllOnRun=false\r\nCloseOnExit=false\r\nminimize=true\r\n");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    std::filesystem::remove(w.world.iniPath());
    QTest::mouseClick(testing::Find<QAbstractButton>(window, "btnRun"), Qt::LeftButton);

    ASSERT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_EQ(w.desktop.starts[0].program.toStdString(), w.world.inGame("ulvex2.exe"));
    EXPECT_EQ(w.desktop.starts[0].arguments, (QStringList{"+exec", "config.cfg"}));
    EXPECT_EQ(ReadFileBytes(w.world.inGame("baseu2/config.cfg")), "");
    EXPECT_TRUE(window.isMinimized());
    // The six launch keys, "minimize" spelled as Run spells it.
    EXPECT_EQ(w.world.Stored(kConfigFileKey), w.world.inGame("baseu2/config.cfg"));
    EXPECT_EQ(w.world.Stored(kBatchFileKey), w.world.inGame("tesk.bat"));
    EXPECT_EQ(w.world.Stored(kSaveAllOnRunKey), "false");
    EXPECT_EQ(w.world.Stored(kCloseOnExitKey), "false");
    EXPECT_EQ(w.world.Stored(kRunServerKey), "false");
    EXPECT_NE(ReadFileBytes(w.world.iniPath()).find("minimize=true"), std::string::npos);
    window.hide();
}

TEST(LaunchCommandsTest, AFailedStartIsSaidAndNothingClosesOrIsWritten)
{
    LaunchWorld w("CloseOnExit=true\r\nminimize=true\r\n");
    std::filesystem::remove(w.world.inGame("ulvex2.exe"));
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    w.desktop.confirmAnswers = {true, true, true};
    const std::string game = w.world.inGame("ulvex2.exe");
    const QString runner = "\nA runner such as wine can be set with \"Game Runner...\" in the file menu.";
    const auto run = [&] {
        const std::string stored = ReadFileBytes(w.world.iniPath());
        window.findChild<QAbstractButton*>("btnRun")->click();
        EXPECT_EQ(ReadFileBytes(w.world.iniPath()), stored);
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.isMinimized());
        return w.desktop.errors.takeLast();
    };
    // Through the batch file (the default) and directly: the same messages.
    const QString batch = QString::fromStdString("Failed to execute " + w.world.inGame("tesk.bat") + "\n");
    EXPECT_EQ(run(), batch + QString::fromStdString(game + " does not exist."));
    w.world.Write(game, "MZ");
    EXPECT_EQ(run(), batch + QString::fromStdString(game + " is not an executable file.") + runner);
    // Directly, executable, but the system refuses it (a Windows program, say).
    window.model().SetChecked("cbxSaveFilesonRun", false);
    chmod(game.c_str(), 0755);
    w.desktop.startSucceeds = false;
    EXPECT_EQ(run(), QString::fromStdString("Failed to execute ulvex2.exe +exec config.cfg\nThe system cannot run "
                                            + game + ".")
                         + runner);
    EXPECT_TRUE(w.desktop.errors.isEmpty());
    window.hide();
}

TEST(LaunchCommandsTest, ARunnerSetInItsDialogStartsTheGame)
{
    LaunchWorld w("saveAllOnRun=false\r\nCloseOnExit=false\r\n");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    w.desktop.onDialog = [](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmRunner");
        auto* field = dialog.findChild<QLineEdit*>("edtRunner");
        dialog.show();
        field->setFocus();
        QTest::keyClicks(field, "env  -u X");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
        return dialog.result();
    };
    Trigger(window, "GameRunner1");
    EXPECT_EQ(w.world.Stored(kRunnerKey), "env  -u X");

    window.findChild<QAbstractButton*>("btnRun")->click();
    ASSERT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_TRUE(w.desktop.starts[0].program.endsWith("/env"));
    EXPECT_EQ(w.desktop.starts[0].arguments,
              (QStringList{"-u", "X", QString::fromStdString(w.world.inGame("ulvex2.exe")), "+exec", "config.cfg"}));
    EXPECT_EQ(w.desktop.starts[0].workingDirectory.toStdString(), w.world.gameDir());

    window.hide();
}

TEST(LaunchCommandsTest, TheEnvironmentIsRefusedByItsBadLineThenKeptAndAppliedToEveryStart)
{
    LaunchWorld w("saveAllOnRun=false\r\nCloseOnExit=false\r\n");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    QString note;
    w.desktop.onDialog = [&](QDialog& dialog) {
        auto* environment = dialog.findChild<QPlainTextEdit*>("mmoEnvironment");
        dialog.show();
        environment->setFocus();
        QTest::keyClicks(environment, "WINEDEBUG=-all");
        QTest::keyClick(environment, Qt::Key_Return);
        QTest::keyClicks(environment, "DXVK HUD=fps");
        auto* ok = dialog.findChild<QPushButton*>("btnOk");
        QTest::mouseClick(ok, Qt::LeftButton);
        // Refused: the dialog stays, saying which line.
        EXPECT_TRUE(dialog.isVisible());
        note = dialog.findChild<QLabel*>("lblEnvironmentNote")->text();
        QTest::keyClick(environment, Qt::Key_Home);
        QTest::keyClicks(environment, "PREFIX=~/games ");
        QTest::keyClick(environment, Qt::Key_Delete);
        QTest::keyClick(environment, Qt::Key_Delete);
        QTest::keyClick(environment, Qt::Key_Delete);
        QTest::keyClick(environment, Qt::Key_Delete);
        QTest::keyClick(environment, Qt::Key_Delete);
        QTest::mouseClick(ok, Qt::LeftButton);
        return dialog.result();
    };
    Trigger(window, "GameRunner1");
    EXPECT_EQ(note,
              "Line 2 of the environment, \"DXVK HUD=fps\", is not NAME=value with a name of letters, digits "
              "and underscores.");
    EXPECT_EQ(w.world.Stored(kEnvironmentKey), "WINEDEBUG=-all\\nPREFIX=~/games HUD=fps");

    // The dialog shows the lines as kept.
    w.desktop.onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("mmoEnvironment")->toPlainText(),
                  "WINEDEBUG=-all\nPREFIX=~/games HUD=fps");
        return int(QDialog::Rejected);
    };
    Trigger(window, "GameRunner1");

    const std::string prefix = JoinPath(HomeDirectory(), "games HUD=fps");
    w.desktop.onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("mmoEnvironment")->toPlainText().toStdString(),
                  "WINEDEBUG=-all\nPREFIX=" + prefix);
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edtGameLog")->text().toStdString(), w.world.gameLog());
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCopyCommand"), Qt::LeftButton);
        return int(QDialog::Rejected);
    };
    Trigger(window, "ShowCommandLine1");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "cd " + w.world.gameDir() + " && env WINEDEBUG=-all 'PREFIX=" + prefix + "' "
                  + w.world.inGame("ulvex2.exe") + " +exec config.cfg");

    window.findChild<QAbstractButton*>("btnRun")->click();
    ASSERT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_EQ(w.desktop.starts[0].environment,
              (std::vector<EnvironmentVariable>{{"WINEDEBUG", "-all"}, {"PREFIX", prefix}}));
    EXPECT_EQ(w.desktop.starts[0].logPath, w.world.gameLog());
    window.hide();
}

TEST(LaunchCommandsTest, TheCommandLineWindowAndTheRunTooltipShowWhatRunStarts)
{
    LaunchWorld w("CloseOnExit=false\r\n");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    auto* btnRun = window.findChild<QAbstractButton*>("btnRun");
    const auto tooltip = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), btnRun->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(btnRun, &help);
        EXPECT_TRUE(btnRun->toolTip().endsWith("\nShortcut: F5"));
        return btnRun->toolTip().section('\n', 0, 0).toStdString();
    };
    const std::string game = w.world.inGame("ulvex2.exe");
    // One line that works from any directory: it changes into the game's first.
    const std::string cd = "cd " + w.world.gameDir() + " && ";
    EXPECT_EQ(tooltip(), cd + game + " +exec config.cfg");
    window.model().SetItems("cboClientStartMap", {"e1m1", "my map"});
    window.model().SelectItem("cboClientStartMap", 1);
    EXPECT_EQ(tooltip(), cd + game + " +map my map +exec config.cfg");

    QString shownCommand;
    w.desktop.onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmCommandLine");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edtProgram")->text().toStdString(), game);
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("mmoArguments")->toPlainText(), "+map\nmy\nmap\n+exec\nconfig.cfg");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edtWorkingDirectory")->text().toStdString(), w.world.gameDir());
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edtBatchLine")->text().toStdString(),
                  game + "  +map my map +exec config.cfg");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCopyCommand"), Qt::LeftButton);
        shownCommand = QGuiApplication::clipboard()->text();
        return int(QDialog::Rejected);
    };
    Trigger(window, "ShowCommandLine1");
    EXPECT_EQ(shownCommand.toStdString(), tooltip());

    // Run starts exactly that.
    w.desktop.confirmAnswers.push_back(true);
    btnRun->click();
    ASSERT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_EQ(w.desktop.starts[0].program.toStdString(), game);
    EXPECT_EQ(w.desktop.starts[0].arguments.join(' '), "+map my map +exec config.cfg");
    window.hide();
}

TEST(LaunchCommandsTest, SaveAllSavesTheBatchFileEvenWhenTheConfigQuestionIsAnsweredNo)
{
    LaunchWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    w.desktop.confirmAnswers.push_back(false);
    Trigger(window, "SaveAll1");
    EXPECT_EQ(w.desktop.messages, QStringList{"Saving Canceled"});
    EXPECT_EQ(ReadFileBytes(w.world.inGame("baseu2/config.cfg")), "");
    EXPECT_TRUE(std::filesystem::exists(w.world.inGame("tesk.bat")));
    EXPECT_EQ(testing::StatusText(window), "Batch file Saved; the config file was not saved");
}

TEST(LaunchCommandsTest, SaveBatchNamesItsOwnDirectoryAndSaveBatchAsTheGameDirectory)
{
    LaunchWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    const std::string elsewhere = w.world.inWork("start.bat");
    window.model().SetText("txtBatchFile", elsewhere);
    QTest::mouseClick(testing::Find<QAbstractButton>(window, "SpeedButton3"), Qt::LeftButton);
    EXPECT_EQ(ReadFileBytes(elsewhere), w.world.workDir() + "/ulvex2.exe  +exec config.cfg\r\n");
    EXPECT_EQ(testing::StatusText(window), "Batch file Saved");

    const std::string chosen = w.world.inWork("other.bat");
    w.desktop.saveAnswers.push_back(QString::fromStdString(chosen));
    Trigger(window, "SaveBatchAs1");
    EXPECT_EQ(w.desktop.saveRequests.back().filter, "Batch Files (*.bat)|*.bat");
    EXPECT_EQ(w.desktop.saveRequests.back().initialDirectory.toStdString(), w.world.gameDir());
    EXPECT_EQ(ReadFileBytes(chosen), w.world.gameDir() + "/ulvex2.exe  +exec config.cfg\r\n");
    EXPECT_EQ(window.model().Text("txtBatchFile"), chosen);
    EXPECT_EQ(w.world.Stored(kBatchFileKey), chosen);

    // A batch file that cannot be written: the error names it, no status text.
    window.SetStatusText({});
    window.model().SetText("txtBatchFile", w.world.inWork("no/such/dir/x.bat"));
    QTest::mouseClick(testing::Find<QAbstractButton>(window, "SpeedButton3"), Qt::LeftButton);
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_EQ(w.desktop.errors[0].toStdString(), "Cannot create file " + w.world.inWork("no/such/dir/x.bat"));
    EXPECT_EQ(testing::StatusText(window), "");
}

TEST(LaunchCommandsTest, BatchFileRestoresTheStartOptionsAtStartUpAndOnLoad)
{
    LaunchWorld w;
    w.world.Write(w.world.inGame("tesk.bat"), w.world.gameDir() + "/ulvex2.exe  +map exMap +set game mymod\r\n");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    SettingsModel& model = window.model();
    EXPECT_EQ(model.Text("cboClientStartMap"), "exMap");
    EXPECT_EQ(model.SelectedIndex("cboClientStartMap"), -1);
    EXPECT_TRUE(model.Checked("cbxStartWithGame"));
    EXPECT_EQ(model.Text("txtCurrentGame"), "mymod");

    const std::string other = w.world.inWork("server.bat");
    w.world.Write(other, "x +connect 192.0.2.7:27910\r\n");
    w.desktop.openAnswers.push_back(QString::fromStdString(other));
    Trigger(window, "OpenBatch1");
    EXPECT_EQ(w.desktop.openRequests.back().filter, "Batch Files (*.bat)|*.bat");
    EXPECT_TRUE(model.Checked("rbConnectToServer"));
    EXPECT_EQ(model.Text("cboServerList"), "192.0.2.7:27910");
    EXPECT_EQ(model.Text("txtBatchFile"), other);
    EXPECT_EQ(w.world.Stored(kBatchFileKey), other);
}

TEST(LaunchCommandsTest, AMissingBatchFileIsCreatedAtStartUp)
{
    LaunchWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")), w.world.gameDir() + "/ulvex2.exe\r\n");
    EXPECT_TRUE(window.startupProblems().isEmpty());
}

// The commands need no main window: a model and a bare widget will do.
TEST(LaunchCommandsTest, SaveAllOnABareWindowStopsAtAMissingConfigFile)
{
    TestWorld world;
    testing::BareContext bare(world.iniPath());
    ConfigCommands config(bare.context);
    LaunchCommands launch(bare.context, config);
    bare.model.SetText("txtConfigFile", world.inGame("baseu2/missing.cfg"));
    bare.model.SetText("txtBatchFile", world.inGame("tesk.bat"));
    bare.model.SetText("txtU2Dir", world.gameDir());

    bare.context.RunCommand([&] { launch.SaveAll1Click(); });
    ASSERT_EQ(bare.desktop.errors.size(), 1);
    EXPECT_NE(bare.desktop.errors[0].toStdString().find("missing.cfg does not exist"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(world.inGame("tesk.bat")));
    EXPECT_TRUE(bare.status.isEmpty());
    EXPECT_EQ(bare.refreshes, 1);

    world.Write(world.inGame("baseu2/missing.cfg"), "");
    bare.context.RunCommand([&] { launch.SaveAll1Click(); });
    EXPECT_EQ(ReadFileBytes(world.inGame("tesk.bat")), world.gameDir() + "/ulvex2.exe  +exec missing.cfg\r\n");
    EXPECT_EQ(bare.status, "Config and Batch files Saved (1 key is bound twice)");
}

} // namespace
} // namespace tesk
