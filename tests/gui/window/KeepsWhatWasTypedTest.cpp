// The window as a player drives it, with real key presses, clicks and focus
// moves: nothing typed or read is lost or changed on the way to the files.

#include "core/text/IniFile.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::Find;
using testing::ReadFileBytes;
using testing::TestWorld;
using testing::Trigger;

const std::string kOriginal = "set name \"Ann\"\r\nset skin \"male/cypher\"\r\nset bob_pitch \"0.005\"\r\n";

// A game with the model "male" (skins grunt and cypher), an executable, a
// config.cfg, a map list and the given program settings.
struct World {
    explicit World(const std::string& settings = {}, const std::string& config = kOriginal)
    {
        world.StoreGameDirectory("[tesk]\r\n" + settings);
        world.Write(world.inGame("baseu2/players/male/grunt.pcx"), "");
        world.Write(world.inGame("baseu2/players/male/cypher.pcx"), "");
        world.Write(world.inGame("ulvex2.exe"), "#!/bin/sh\n");
        chmod(world.inGame("ulvex2.exe").c_str(), 0755);
        world.Write(Config(), config);
        world.Write(world.inWork("maps.lst"), "base1\r\nexMap My Map\r\n");
    }
    std::string Config() const { return world.inGame("baseu2/config.cfg"); }

    // The main window, shown and active, so that focus moves as for a player.
    std::unique_ptr<TfrmTeskMain> Open() { return testing::OpenActiveMainWindow(desktop, world); }

    TestWorld world;
    FakeDesktop desktop;
};

// Shows the page that holds the widget, as clicking its tab does.
template <typename T = QWidget>
T* Reveal(QWidget& window, const char* name)
{
    T* widget = Find<T>(window, name);
    auto* pages = Find<QTabWidget>(window, "PageControl1");
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(widget))
            pages->setCurrentIndex(i);
    return widget;
}

// Clicks into an edit field, an editable drop-down's included.
void ClickInto(QWidget* widget)
{
    auto* combo = qobject_cast<QComboBox*>(widget);
    QTest::mouseClick(combo ? combo->lineEdit() : widget, Qt::LeftButton);
    EXPECT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
}

// Clicks into the field, replaces its text by typing and stays there.
void TypeInto(QWidget* widget, const QString& text)
{
    ClickInto(widget);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, text);
}

// Save Config over config.cfg, its question answered Yes; the file it wrote.
std::string SaveConfig(QWidget& window, World& w)
{
    w.desktop.confirmAnswers.push_back(true);
    Trigger(window, "SaveConfig1");
    return ReadFileBytes(w.Config());
}

void Click(QWidget& window, const char* button)
{
    QTest::mouseClick(Find<QAbstractButton>(window, button), Qt::LeftButton);
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(KeepsWhatWasTypedTest, MovingTheFocusChangesNothingAndTearDownIsSafe)
{
    World w;
    auto window = w.Open();
    // Into Model and out again, by click and by Tab: the skin stays.
    ClickInto(Find(*window, "cboModel"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ClickInto(Find(*window, "cboModel"));
    ClickInto(Find(*window, "txtPlayer"));
    EXPECT_TRUE(Holds(SaveConfig(*window, w), "set skin \"male/cypher\"\r\n"));

    // A typed entry's text selects nothing, whether or not the focus left the
    // field before saving; a spin field's typed number is taken as leaving
    // the field takes it.
    TypeInto(Reveal(*window, "cboSndQuality"), "High");
    const std::string typedAndStayed = SaveConfig(*window, w);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(SaveConfig(*window, w), typedAndStayed);
    EXPECT_TRUE(Holds(typedAndStayed, "set s_khz \"11\"\r\n"));
    TypeInto(Reveal(*window, "txtfov"), "500");
    EXPECT_TRUE(Holds(SaveConfig(*window, w), "set fov \"180\"\r\n"));
    TypeInto(Reveal(*window, "cboVidMode"), "4 - 800 x 600");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ClickInto(Find(*window, "txtSndDelay"));
    EXPECT_FALSE(Holds(SaveConfig(*window, w), "_mode"));

    // Picking in the open list selects.
    auto* map = Reveal<QComboBox>(*window, "cboClientStartMap");
    ClickInto(map);
    map->showPopup();
    map->view()->setCurrentIndex(map->model()->index(1, 0));
    QTest::keyClick(map->view(), Qt::Key_Return);
    Trigger(*window, "SaveBatch1");
    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")),
              w.world.gameDir() + "/ulvex2.exe  +map exMap +exec config.cfg\r\n");

    // A typed blank empties one place of a masked decimal and skips the point.
    auto* pitch = Reveal<QLineEdit>(*window, "txtWalkPitch");
    ClickInto(pitch);
    QTest::keyClick(pitch, Qt::Key_Home);
    QTest::keyClicks(pitch, " ");
    EXPECT_EQ(pitch->displayText(), "_.005");
    QTest::keyClicks(pitch, "7 ");
    EXPECT_EQ(window->model().Text("txtWalkPitch"), " .7 5");

    // Destroying the shown window with the focus in a spin box, in an
    // editable drop-down, or with an editor open, is safe.
    TypeInto(Reveal(*window, "txtfov"), "500");
    window = w.Open();
    Click(*window, "btnEditConfig");
    QApplication::setActiveWindow(window.get());
    TypeInto(Reveal(*window, "cboModel"), "male");
    window.reset();
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

// Every question FakeDesktop gets must have its answer queued, so a close
// that asks nothing is seen by an answer left over or by a test failure.
TEST(KeepsWhatWasTypedTest, UnsavedChangesAreNeverDroppedSilently)
{
    // Run under "Close on Exit" stays open ("Minimize On Run" ticked but disabled).
    World w("saveAllOnRun=false\r\nminimize=true\r\n");
    auto window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    Click(*window, "btnRun");
    EXPECT_TRUE(window->isVisible() && window->isMinimized());
    EXPECT_TRUE(testing::StatusText(*window).startsWith("Settings not saved. "));
    EXPECT_EQ(w.desktop.starts.size(), 1u);

    // Typing and typing back is no change (the editor's read-back question
    // is the text editor's test).
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    TypeInto(Find(*window, "txtPlayer"), "Ann");
    EXPECT_TRUE(window->close());

    // Staying, and a cancelled save, keep the window open and the file as it was.
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    w.desktop.saveChoices = {SaveChoice::Stay, SaveChoice::Save};
    w.desktop.confirmAnswers = {false};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(ReadFileBytes(w.Config()), kOriginal);
    // Saving from the question writes the change and closes.
    w.desktop.saveChoices = {SaveChoice::Save};
    w.desktop.confirmAnswers = {true};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Holds(ReadFileBytes(w.Config()), "set name \"Bob\"\r\n"));

    // New and Load Config ask first too, naming the file; staying keeps
    // what was typed and opens no file dialog.
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Cy");
    w.desktop.saveChoices = {SaveChoice::Stay, SaveChoice::Stay};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    Trigger(*window, "OpenConfig1");
    EXPECT_EQ(w.desktop.saveQuestions.last(), "The settings have changed. Save them to "
                                                  + QString::fromStdString(w.Config())
                                                  + " before another config file is loaded?");
    EXPECT_EQ(window->model().Text("txtPlayer"), "Cy");
    EXPECT_TRUE(w.desktop.openRequests.empty());
    // Dropped, the pages show the defaults, which the file does not hold: closing asks.
    w.desktop.saveChoices = {SaveChoice::Discard};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->model().Text("txtPlayer"), "Player");
    w.desktop.saveChoices = {SaveChoice::Stay};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(w.desktop.saveQuestions.last().endsWith(" before closing?"));
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Dee");
    w.desktop.saveChoices = {SaveChoice::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Holds(ReadFileBytes(w.Config()), "set name \"Bob\"\r\n"));
    EXPECT_TRUE(w.desktop.saveChoices.empty() && w.desktop.confirmAnswers.empty());
}

// The console cannot read a double quote inside a quoted value: the fields
// written between quotes refuse it as typed or pasted, and say why.
TEST(KeepsWhatWasTypedTest, ADoubleQuoteIsRefusedAsItIsTypedOrPasted)
{
    World w;
    auto window = w.Open();
    auto* player = Reveal<QLineEdit>(*window, "txtPlayer");
    TypeInto(player, "Ann \"Hammer\"");
    EXPECT_EQ(player->text(), "Ann Hammer");
    EXPECT_EQ(QToolTip::text(), "A double quote cannot be used here: the game would end the text at it.");
    QGuiApplication::clipboard()->setText("\"Hammer\"");
    QTest::keyClick(player, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(player->text(), "Ann Hammer");
    auto* skin = Reveal<QComboBox>(*window, "cboSkin");
    TypeInto(skin, "gr\"unt");
    EXPECT_EQ(skin->currentText(), "grunt");

    w.desktop.confirmAnswers = {true};
    Trigger(*window, "SaveConfig1");
    EXPECT_TRUE(Holds(ReadFileBytes(w.Config()), "set name \"Ann Hammer\"\r\n"));
}

// Draws a window state at random, leaving out only what the config reader's
// own rules cannot bring back; each exclusion names its rule.
void FillAtRandom(SettingsModel& model, unsigned seed)
{
    std::mt19937 random(seed);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // No double quote (a value ends at its closing quote), no "/" (the skin
    // line is split there), at most 40 bytes (64 are read after a key). A key
    // is one word, "K" and `blank` for blanks: the second word of its line.
    const auto text = [&](int longest, char blank = ' ') {
        std::string text;
        for (int i = between(0, longest); i > 0; --i)
            text += static_cast<char>(between(0x20, 0xFF));
        std::replace_if(
            text.begin(), text.end(), [](char byte) { return byte == '"' || byte == '/'; }, 'q');
        std::replace(text.begin(), text.end(), ' ', blank);
        return text;
    };
    // Start options and file fields are no part of the config file.
    static const std::set<std::string_view> startOptions = {"rbStartNewGame",    "rbLoadSavedGame", "rbConnectToServer",
                                                            "cboClientStartMap", "cboSaveGames",    "cboServerList",
                                                            "cboServerStartMap"};
    for (const SettingDef& def : SettingTable()) {
        if (def.id != "cbxStartServer"
            && (def.page == Page::Lower || def.page == Page::GamesAliases || startOptions.contains(def.id)))
            continue;
        switch (def.kind) {
        case SettingKind::Text: model.SetText(def.id, text(40)); break;
        case SettingKind::Key: model.SetText(def.id, between(0, 3) == 0 ? std::string() : "K" + text(11, '_')); break;
        case SettingKind::MaskedDecimal:
            model.SetText(def.id, std::to_string(between(0, 9)) + "." + std::to_string(between(0, 999)));
            break;
        // Within the range, to which a number read back is clamped.
        case SettingKind::Spin:
            model.SetText(def.id, std::to_string(def.minimum == def.maximum ? between(-99999, 99999)
                                                                            : between(def.minimum, def.maximum)));
            break;
        case SettingKind::Check: model.SetChecked(def.id, between(0, 1) == 1); break;
        case SettingKind::Radio:
            model.SetChecked(def.id, between(0, 2) == 0);
            break; // false changes no radio
        // Model and skin share one line, of which 64 bytes are read.
        case SettingKind::Combo:
            if (const int item = between(-1, static_cast<int>(model.Items(def.id).size()) - 1); item >= 0)
                model.SelectItem(def.id, item);
            else
                model.SetText(def.id, text(25));
            break;
        case SettingKind::TrackBar: model.SetPosition(def.id, between(def.minimum, def.maximum)); break;
        }
    }
    // A key is found by the first line binding its command, and the mouse's
    // by the first such line holding "MOUSE"; no video type is read, only the
    // "sw_mode" line; a limit below 1 turns its box off; the batch file
    // carries the game type only for a server.
    model.SetText("txtMoveForward", "UPARROW");
    if (!model.Text("txtMouseForward").empty())
        model.SetText("txtMouseForward", "MOUSEK" + text(11, '_'));
    model.SetChecked("rbSoftware", true);
    model.SelectItem("cboVidMode", between(0, 9));
    model.SetText("edtTimeLimit", std::to_string(between(1, 999)));
    if (!model.Checked("cbxStartServer"))
        model.SetChecked("rbDeathMatch", true);
}

// Save All, a new window on the same files, Save Config: the same bytes.
TEST(KeepsWhatWasTypedTest, WhatWasSavedComesBackAfterARestart)
{
    World w;
    auto window = w.Open();
    for (unsigned seed = 1; seed <= 30; ++seed) {
        FillAtRandom(window->model(), seed);
        window->Refresh();
        w.desktop.confirmAnswers.push_back(true);
        Trigger(*window, "SaveAll1");
        const std::string first = ReadFileBytes(w.Config());
        window->close();
        window = w.Open();
        ASSERT_EQ(SaveConfig(*window, w), first) << "seed " << seed;
    }
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

TEST(KeepsWhatWasTypedTest, EveryByteComesBackAsItWasAndAFailedReadChangesNothing)
{
    World w({}, "set name \"J\xF6rg\"\r\nbind \xE9 \"score\"\r\n");
    w.world.Write(w.world.inWork("maps.lst"), "base1\r\ncaf\xE9 Le Caf\xE9\r\n");
    // A folder whose name the system spells in UTF-8, picked in a dialog.
    const std::string mine = w.world.inGame("baseu2/spiel-\xC3\xBC/mine.cfg");
    w.world.Write(mine, ReadFileBytes(w.Config()));
    auto window = w.Open();
    w.desktop.openAnswers.push_back(QString::fromUtf8(mine.c_str()));
    Click(*window, "btnLoadConfigFile");
    EXPECT_EQ(w.world.Stored(kConfigFileKey), mine);
    EXPECT_EQ(Find<QLineEdit>(*window, "txtPlayer")->text(), QStringLiteral("J\u00F6rg"));

    // Saved untouched, every byte is as it was; typed, one byte for a Latin-1
    // character, "?" for any other.
    Trigger(*window, "SaveConfig1");
    EXPECT_TRUE(Holds(ReadFileBytes(mine), "bind \xE9 \"score\"\r\n"));
    auto* player = Find<QLineEdit>(*window, "txtPlayer");
    player->selectAll();
    for (const QChar character : QStringLiteral("Zo\u00EB \u20AC\u03A9"))
        QTest::sendKeyEvent(QTest::Click, player, Qt::Key_unknown, QString(character), Qt::NoModifier);
    Trigger(*window, "SaveConfig1");
    EXPECT_TRUE(Holds(ReadFileBytes(mine), "set name \"Zo\xEB ??\"\r\n"));

    // A map picked from the list goes into the batch file as its bytes.
    window->model().SelectItem("cboClientStartMap", 0);
    window->Refresh();
    QTest::keyClick(Find(*window, "cboClientStartMap"), Qt::Key_Down);
    Trigger(*window, "SaveBatch1");
    EXPECT_TRUE(Holds(ReadFileBytes(w.world.inGame("tesk.bat")), " +map caf\xE9 "));
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();

    // Load Batch on what is no file keeps its field and tesk.ini.
    const std::string ini = ReadFileBytes(w.world.iniPath());
    w.desktop.openAnswers.push_back(QString::fromStdString(w.world.inGame("baseu2")));
    Click(*window, "btnLoadBatchFile");
    EXPECT_EQ(window->model().Text("txtBatchFile"), w.world.inGame("tesk.bat"));
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), ini);
}

// A first start whose tesk.ini cannot be written works on in the game
// directory just picked.
TEST(KeepsWhatWasTypedTest, AnUnwritableProgramSettingsFileKeepsThePickedGame)
{
    TestWorld world;
    world.Write(world.iniPath(), "[tesk]\r\n");
    ASSERT_EQ(::chmod(world.iniPath().c_str(), 0444), 0);
    world.MakeDirectory(world.inGame("baseu2/save/save0"));
    FakeDesktop desktop;
    desktop.openAnswers.emplace_back(QString::fromStdString(world.inGame("ulvex2.exe")));
    TfrmTeskMain window(desktop, world.iniPath());
    EXPECT_TRUE(std::filesystem::exists(world.inGame("tesk.bat")));
    EXPECT_EQ(window.model().Items("cboSaveGames"), std::vector<std::string>{"save0"});
}

} // namespace
} // namespace tesk
