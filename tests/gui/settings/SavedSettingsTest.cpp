#include "core/settings/SettingsModel.h"
#include "core/text/IniFile.h"
#include "gui/app/TfrmTeskMain.h"
#include "gui/auxwin/TfrmEdit.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;
using testing::Trigger;

template <typename T = QWidget>
T* Find(QWidget& window, const char* name)
{
    testing::ShowEveryPage(window);
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Key presses that carry any character, as a keyboard layout gives them.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void ClickButton(TfrmTeskMain& window, const char* name)
{
    QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
}

// A world whose config file is round.cfg (no overwrite question) holding `config`.
struct SavedWorld {
    explicit SavedWorld(const std::string& config)
    {
        world.StoreGameDirectory("[tesk]\r\nconfigfile=" + configPath() + "\r\n");
        world.Write(configPath(), config);
    }
    std::string configPath() const { return world.inGame("baseu2/round.cfg"); }
    std::unique_ptr<TfrmTeskMain> Open()
    {
        auto window = std::make_unique<TfrmTeskMain>(desktop, world.iniPath());
        window->show();
        window->Timer1Timer();
        return window;
    }
    TestWorld world;
    FakeDesktop desktop;
};

TEST(SavedSettingsTest, AFailedReadChangesNothing)
{
    SavedWorld w("set name \"Ann\"\r\nbind F1 \"cmd help\"\r\nset scr_conspeed \"5\"\r\n");
    auto window = w.Open();
    SettingsModel& model = window->model();
    ASSERT_EQ(model.Text("txtHelp"), "F1");
    const std::string iniBefore = ReadFileBytes(w.world.iniPath());

    // The fault as players met it: a number with a point stopped the reading
    // after the name, and the next save lost the bindings.
    const std::string bad = w.world.inGame("baseu2/bad.cfg");
    w.world.Write(bad, "set name \"Cy\"\r\nset scr_conspeed \"3.5\"\r\n");
    w.desktop.openAnswers.push_back(QString::fromStdString(bad));
    ClickButton(*window, "btnLoadConfigFile");
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_EQ(w.desktop.errors[0].toStdString(),
              "Error reading " + bad + ": \"set scr_conspeed\" has the value '3.5', which is not a whole number");
    EXPECT_EQ(Find<QLineEdit>(*window, "txtPlayer")->text(), "Ann");
    EXPECT_EQ(Find<QLineEdit>(*window, "txtConfigFile")->text().toStdString(), w.configPath());
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), iniBefore);
    ClickButton(*window, "SpeedButton1");
    EXPECT_NE(ReadFileBytes(w.configPath()).find("bind F1 \"cmd help\"\r\n"), std::string::npos);

    // Load Batch on what is no file keeps its field and tesk.ini too.
    w.desktop.openAnswers.push_back(QString::fromStdString(w.world.inGame("baseu2")));
    ClickButton(*window, "btnLoadBatchFile");
    EXPECT_EQ(model.Text("txtBatchFile"), w.world.inGame("tesk.bat"));
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), iniBefore);

    // The text editor's read-back of a file it broke changes nothing either.
    ClickButton(*window, "btnEditConfig");
    auto* editor = window->findChild<TfrmEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->mmoFile()->selectAll();
    QTest::keyClicks(editor->mmoFile(), "set s_volume \"loud\"");
    w.desktop.confirmAnswers.push_back(true);
    editor->close();
    EXPECT_EQ(w.desktop.errors.size(), 3);
    EXPECT_EQ(model.Text("txtHelp"), "F1");
    window.reset();

    // Started on that file, the window says so and shows its first state.
    w.desktop.errors.clear();
    window = w.Open();
    const QStringList problems = window->startupProblems();
    ASSERT_EQ(problems.size(), 1) << problems.join("\n").toStdString();
    EXPECT_TRUE(problems[0].contains(QString::fromStdString(w.configPath())) && problems[0].contains("loud"));
    QApplication::processEvents();
    EXPECT_EQ(w.desktop.errors, problems);
    for (const char* id : {"txtPlayer", "txtHelp", "txtConsoleSpeed"})
        EXPECT_EQ(window->model().Text(id), SettingsModel().Text(id)) << id;
}

// Draws window states at random, leaving out only what the config reader's
// own rules cannot bring back; each exclusion names its rule.
class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    void Fill(SettingsModel& model)
    {
        for (const SettingDef& def : SettingTable())
            if (def.id == "cbxStartServer" || (def.page != Page::Lower && def.page != Page::GamesAliases
                                               && !kStartOptions.contains(def.id)))
                Draw(model, def);
        // A key is found by the first line binding its command, and the
        // mouse's by the first such line holding "MOUSE".
        model.SetText("txtMoveForward", "UPARROW");
        if (!model.Text("txtMouseForward").empty())
            model.SetText("txtMouseForward", "MOUSE" + Key());
        // No video type is read, and only the "sw_mode" line.
        model.SetChecked("rbSoftware", true);
        model.SelectItem("cboVidMode", Between(0, 9));
        // A limit below 1 turns its box off.
        model.SetText("edtTimeLimit", std::to_string(Between(1, 999)));
        // The batch file carries the game type only for a server.
        if (!model.Checked("cbxStartServer"))
            model.SetChecked("rbDeathMatch", true);
    }

private:
    // Start options and file fields are no part of the config file.
    static inline const std::set<std::string_view> kStartOptions = {
        "rbStartNewGame", "rbLoadSavedGame", "rbConnectToServer", "cboClientStartMap", "cboSaveGames",
        "cboServerList", "cboServerStartMap"};

    void Draw(SettingsModel& model, const SettingDef& def)
    {
        switch (def.kind) {
        case SettingKind::Text: model.SetText(def.id, Text(40)); return;
        case SettingKind::Key: model.SetText(def.id, Between(0, 3) == 0 ? std::string() : Key()); return;
        case SettingKind::MaskedDecimal:
            model.SetText(def.id, std::to_string(Between(0, 9)) + "." + std::to_string(Between(0, 999)));
            return;
        // Within the range, to which a number read back is clamped.
        case SettingKind::Spin:
            model.SetText(def.id, std::to_string(def.minimum == def.maximum ? Between(-99999, 99999)
                                                                             : Between(def.minimum, def.maximum)));
            return;
        case SettingKind::Check: model.SetChecked(def.id, Between(0, 1) == 1); return;
        case SettingKind::Radio:
            if (Between(0, 2) == 0)
                model.SetChecked(def.id, true);
            return;
        case SettingKind::Combo:
            // Model and skin share one line, of which 64 bytes are read.
            if (const int item = Between(-1, static_cast<int>(model.Items(def.id).size()) - 1); item >= 0)
                model.SelectItem(def.id, item);
            else
                model.SetText(def.id, Text(25));
            return;
        case SettingKind::TrackBar: model.SetPosition(def.id, Between(def.minimum, def.maximum)); return;
        }
    }

    // No double quote (a value ends at its closing quote), no "/" (the skin
    // line is split there), at most 40 bytes (64 are read after a key).
    std::string Text(int longest)
    {
        std::string text;
        for (int i = Between(0, longest); i > 0; --i) {
            const char byte = static_cast<char>(Between(0x20, 0xFF));
            text += byte == '"' || byte == '/' ? 'q' : byte;
        }
        return text;
    }

    // One word: a key is the second blank-separated word of its line.
    std::string Key()
    {
        std::string key = "K" + Text(11);
        std::replace(key.begin(), key.end(), ' ', '_');
        return key;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937 random_;
};

TEST(SavedSettingsTest, WhatWasSavedComesBackAfterARestart)
{
    SavedWorld w("//Player Info\r\n");
    // Frag limit switched off by a click stays off.
    auto window = w.Open();
    Find<QTabWidget>(*window, "PageControl1")->setCurrentWidget(Find(*window, "TabSheet6"));
    auto* fragLimit = Find<QCheckBox>(*window, "cbxFragLimit");
    QTest::mouseClick(fragLimit, Qt::LeftButton, {}, QPoint(6, fragLimit->height() / 2));
    ASSERT_FALSE(window->model().Checked("cbxFragLimit"));
    ClickButton(*window, "SpeedButton1");
    EXPECT_NE(ReadFileBytes(w.configPath()).find("Set FragLimit \"0\"\r\nSet TimeLimit \"20\"\r\n"), std::string::npos);
    window->close();
    window = w.Open();
    EXPECT_FALSE(Find<QCheckBox>(*window, "cbxFragLimit")->isChecked());

    // Save All, a new window on the same files, Save Config: the same bytes.
    for (unsigned seed = 1; seed <= 30; ++seed) {
        RandomSettings(seed).Fill(window->model());
        window->Refresh();
        Trigger(*window, "SaveAll1");
        const std::string first = ReadFileBytes(w.configPath());
        window->close();
        window = w.Open();
        Trigger(*window, "SaveConfig1");
        ASSERT_EQ(ReadFileBytes(w.configPath()), first) << "seed " << seed;
    }
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

TEST(SavedSettingsTest, EveryByteComesBackAsItWas)
{
    SavedWorld w("set name \"J\xF6rg\"\r\nbind \xE9 \"score\"\r\n");
    w.world.Write(w.world.inWork("maps.lst"), "base1\r\ncaf\xE9 Le Caf\xE9\r\n");
    // A folder whose name the system spells in UTF-8, picked in a dialog.
    const std::string mine = w.world.inGame("baseu2/spiel-\xC3\xBC/mine.cfg");
    w.world.Write(mine, ReadFileBytes(w.configPath()));
    auto window = w.Open();
    w.desktop.openAnswers.push_back(QString::fromUtf8(mine.c_str()));
    ClickButton(*window, "btnLoadConfigFile");
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
    EXPECT_EQ(Find<QLineEdit>(*window, "txtConfigFile")->text(), QString::fromUtf8(mine.c_str()));
    EXPECT_EQ(IniFile::Load(w.world.iniPath()).ReadString("tesk", "configfile", ""), mine);
    EXPECT_EQ(Find<QLineEdit>(*window, "txtPlayer")->text(), QStringLiteral("J\u00F6rg"));

    // Saved untouched, every byte is as it was.
    ClickButton(*window, "SpeedButton1");
    const std::string saved = ReadFileBytes(mine);
    EXPECT_NE(saved.find("set name \"J\xF6rg\"\r\n"), std::string::npos);
    EXPECT_NE(saved.find("bind \xE9 \"score\"\r\n"), std::string::npos);

    // Typed: one byte for a Latin-1 character, "?" for any other.
    auto* player = Find<QLineEdit>(*window, "txtPlayer");
    player->selectAll();
    Type(player, QStringLiteral("Zo\u00EB \u20AC\u03A9"));
    ClickButton(*window, "SpeedButton1");
    EXPECT_NE(ReadFileBytes(mine).find("set name \"Zo\xEB ??\"\r\n"), std::string::npos);

    // A map picked from the list goes into the batch file as its bytes.
    auto* maps = Find<QComboBox>(*window, "cboClientStartMap");
    EXPECT_EQ(maps->itemText(1), QStringLiteral("caf\u00E9"));
    window->model().SelectItem("cboClientStartMap", 0);
    window->Refresh();
    QTest::keyClick(maps, Qt::Key_Down);
    ASSERT_EQ(window->model().SelectedIndex("cboClientStartMap"), 1);
    ClickButton(*window, "SpeedButton3");
    EXPECT_NE(ReadFileBytes(w.world.inGame("tesk.bat")).find(" +map caf\xE9 "), std::string::npos);

    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
