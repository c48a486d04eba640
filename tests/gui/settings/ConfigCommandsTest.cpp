#include "gui/settings/ConfigCommands.h"
#include "core/text/IniFile.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>
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

const char kQuestion[] = "You are about to save over your original config file. Are you sure you want to do this? ";

std::string StoredConfigFile(const TestWorld& world) { return world.Stored(kConfigFileKey); }

// A world whose config.cfg exists and is the window's config file.
struct ConfigWorld {
    ConfigWorld()
    {
        world.StoreGameDirectory();
        world.Write(world.inGame("baseu2/config.cfg"), "set name \"Ann\"\r\n");
    }
    TestWorld world;
    FakeDesktop desktop;
};

TEST(ConfigCommandsTest, StartUpReadsTheConfigFileNamedInProgramSettings)
{
    ConfigWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    EXPECT_EQ(window.model().Text("txtPlayer"), "Ann");
    EXPECT_TRUE(window.startupProblems().isEmpty()) << window.startupProblems().join("\n").toStdString();
}

TEST(ConfigCommandsTest, SaveConfigAsksBeforeReplacingConfigCfgInAnyLetterCase)
{
    ConfigWorld w;
    const std::string path = w.world.inGame("baseu2/Config.Cfg");
    std::filesystem::rename(w.world.inGame("baseu2/config.cfg"), path);
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.model().SetText("txtConfigFile", path);

    // No: the file stays, the player is told, and the path is still recorded.
    std::filesystem::remove(w.world.iniPath());
    w.desktop.confirmAnswers.push_back(false);
    Trigger(window, "SaveConfig1");
    EXPECT_EQ(w.desktop.confirmations, QStringList{kQuestion});
    EXPECT_EQ(w.desktop.messages, QStringList{"Saving Canceled"});
    EXPECT_EQ(ReadFileBytes(path), "set name \"Ann\"\r\n");
    EXPECT_FALSE(testing::StatusText(window).contains("Saved"));
    EXPECT_EQ(StoredConfigFile(w.world), path);

    // Yes: the whole file is written.
    w.desktop.confirmAnswers.push_back(true);
    QTest::mouseClick(testing::Find<QAbstractButton>(window, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(ReadFileBytes(path).substr(0, 32), "//Player Info\r\nset name \"Player\"");
    EXPECT_EQ(testing::StatusText(window), "Config file Saved (1 key is bound twice)");
    EXPECT_TRUE(w.desktop.errors.isEmpty());
}

TEST(ConfigCommandsTest, SaveConfigToAnotherNameAsksNothing)
{
    ConfigWorld w;
    const std::string path = w.world.inGame("baseu2/mine.cfg");
    w.world.Write(path, "");
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.model().SetText("txtConfigFile", path);
    Trigger(window, "SaveConfig1");
    EXPECT_TRUE(w.desktop.confirmations.isEmpty());
    EXPECT_NE(ReadFileBytes(path).find("//              Veyrand\r\n"), std::string::npos);
    EXPECT_EQ(testing::StatusText(window), "Config file Saved");
}

TEST(ConfigCommandsTest, SaveConfigFailuresKeepTheOldFileAndTheProgramSettings)
{
    ConfigWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    const std::string storedBefore = ReadFileBytes(w.world.iniPath());

    // A file that is not there: nothing is written anywhere.
    window.model().SetText("txtConfigFile", w.world.inGame("baseu2/missing.cfg"));
    Trigger(window, "SaveConfig1");
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_TRUE(w.desktop.errors[0].contains(QString::fromStdString(w.world.inGame("baseu2/missing.cfg"))));
    EXPECT_FALSE(std::filesystem::exists(w.world.inGame("baseu2/missing.cfg")));
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), storedBefore);

    // A read-only file: "Cannot create file", the old bytes stay, no status.
    const std::string path = w.world.inGame("baseu2/config.cfg");
    window.model().SetText("txtConfigFile", path);
    chmod(path.c_str(), 0444);
    w.desktop.confirmAnswers.push_back(true);
    Trigger(window, "SaveConfig1");
    ASSERT_EQ(w.desktop.errors.size(), 2);
    EXPECT_EQ(w.desktop.errors[1].toStdString(), "Cannot create file " + path);
    EXPECT_EQ(ReadFileBytes(path), "set name \"Ann\"\r\n");
    EXPECT_EQ(testing::StatusText(window), "");
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), storedBefore);
}

TEST(ConfigCommandsTest, SaveConfigAsWritesTheChosenFileOrChangesNothing)
{
    ConfigWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    const std::string before = window.model().Text("txtConfigFile");

    w.desktop.saveAnswers.push_back(std::nullopt);
    Trigger(window, "SaveConfigAs1");
    ASSERT_EQ(w.desktop.saveRequests.size(), 1u);
    EXPECT_EQ(w.desktop.saveRequests[0].filter, "Config Files (*.cfg)|*.cfg");
    EXPECT_EQ(w.desktop.saveRequests[0].initialDirectory.toStdString(), w.world.inGame("baseu2"));
    EXPECT_EQ(window.model().Text("txtConfigFile"), before);
    EXPECT_EQ(StoredConfigFile(w.world), before);

    const std::string chosen = w.world.inGame("baseu2/duel.cfg");
    w.desktop.saveAnswers.push_back(QString::fromStdString(chosen));
    Trigger(window, "SaveConfigAs1");
    EXPECT_EQ(window.model().Text("txtConfigFile"), chosen);
    EXPECT_EQ(StoredConfigFile(w.world), chosen);
    EXPECT_EQ(ReadFileBytes(chosen).substr(0, 15), "//Player Info\r\n");
    EXPECT_EQ(testing::StatusText(window), "");

    // Choosing a new config.cfg elsewhere and answering No leaves it empty.
    const std::string other = w.world.inWork("config.cfg");
    w.desktop.saveAnswers.push_back(QString::fromStdString(other));
    w.desktop.confirmAnswers.push_back(false);
    Trigger(window, "SaveConfigAs1");
    EXPECT_EQ(ReadFileBytes(other), "");
    EXPECT_EQ(StoredConfigFile(w.world), other);
}

TEST(ConfigCommandsTest, LoadConfigReadsTheFileAndRecordsItOnlyWhenItWasRead)
{
    ConfigWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    const std::string good = w.world.inGame("baseu2/other.cfg");
    w.world.Write(good, "set name \"Bob\"\r\nset fov \"75\"\r\n");
    w.desktop.openAnswers.push_back(QString::fromStdString(good));
    Trigger(window, "OpenConfig1");
    EXPECT_EQ(w.desktop.openRequests.back().filter, "Config Files (*.cfg)|*.cfg");
    EXPECT_EQ(window.model().Text("txtPlayer"), "Bob");
    EXPECT_EQ(window.model().Text("txtfov"), "75");
    EXPECT_EQ(StoredConfigFile(w.world), good);

    // A value that is not a number stops the reading with an error naming the
    // file, the key and the value; nothing changes: not the settings read
    // before it, not the field's path, not tesk.ini.
    const std::string bad = w.world.inGame("baseu2/bad.cfg");
    w.world.Write(bad, "set name \"Cy\"\r\nset s_volume \"loud\"\r\n");
    w.desktop.openAnswers.push_back(QString::fromStdString(bad));
    window.findChild<QAbstractButton*>("btnLoadConfigFile")->click();
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_TRUE(w.desktop.errors[0].contains(QString::fromStdString(bad)));
    EXPECT_TRUE(w.desktop.errors[0].contains("loud"));
    EXPECT_TRUE(w.desktop.errors[0].contains("set s_volume"));
    EXPECT_EQ(window.model().Text("txtPlayer"), "Bob");
    EXPECT_EQ(window.model().Text("txtConfigFile"), good);
    EXPECT_EQ(StoredConfigFile(w.world), good);

    w.desktop.openAnswers.push_back(std::nullopt);
    Trigger(window, "OpenConfig1");
    EXPECT_EQ(window.model().Text("txtConfigFile"), good);
}

TEST(ConfigCommandsTest, NewResetsTheSettingsButNotTheFilesOrTheModel)
{
    ConfigWorld w;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    SettingsModel& model = window.model();
    model.SetText("cboModel", "female");
    model.SetText("txtfov", "30");
    model.SetText("txtToggleMenu", "");
    const std::string configFile = model.Text("txtConfigFile");
    w.desktop.saveChoices = {SaveChoice::Discard};
    Trigger(window, "New1");
    EXPECT_EQ(model.Text("txtPlayer"), "Player");
    EXPECT_EQ(model.Text("txtfov"), "90");
    EXPECT_EQ(model.Text("txtToggleMenu"), "ESCAPE");
    EXPECT_EQ(model.Text("cboModel"), "female");
    EXPECT_EQ(model.Text("txtConfigFile"), configFile);
    EXPECT_TRUE(window.tokenList().empty());
}

// A game that was never started has a baseu2 folder without config.cfg.
TEST(ConfigCommandsTest, AStartWithoutAConfigFileShowsTheDefaultsAndTheFirstSaveCreatesIt)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    auto window = testing::OpenMainWindow(desktop, world);
    QApplication::processEvents();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
    EXPECT_EQ(testing::StatusText(*window), "No config file exists yet: the pages show the game's defaults.");
    EXPECT_EQ(testing::Find<QLineEdit>(*window, "txtSndDelay")->displayText(), "0.2");
    EXPECT_EQ(testing::Find<QLineEdit>(*window, "txtWalkPitch")->displayText(), "0.005");
    // Nothing is unsaved: closing untouched asks nothing.
    EXPECT_TRUE(window->close());

    // Save Config creates the file, without the question about replacing it.
    window = testing::OpenMainWindow(desktop, world);
    Trigger(*window, "SaveConfig1");
    EXPECT_TRUE(desktop.confirmations.isEmpty());
    EXPECT_TRUE(testing::StatusText(*window).startsWith("Config file Saved"));
    const std::string written = ReadFileBytes(world.inGame("baseu2/config.cfg"));
    EXPECT_NE(written.find("set s_mixahead \"0.2\"\r\n"), std::string::npos);
    EXPECT_NE(written.find("set name \"Player\"\r\n"), std::string::npos);

    // Load Config of a missing file is still an error naming it.
    const std::string missing = world.inGame("baseu2/gone.cfg");
    desktop.openAnswers.push_back(QString::fromStdString(missing));
    Trigger(*window, "OpenConfig1");
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains(QString::fromStdString(missing)));
}

} // namespace
} // namespace tesk
