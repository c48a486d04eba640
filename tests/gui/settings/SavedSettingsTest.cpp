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

#include <memory>
#include <random>
#include <set>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;

void Trigger(TfrmTeskMain& window, const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

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
    const QString error = w.desktop.errors[0];
    EXPECT_TRUE(error.contains(QString::fromStdString(bad)) && error.contains("set scr_conspeed")
                && error.contains("3.5"))
        << error.toStdString();
    EXPECT_EQ(Find<QLineEdit>(*window, "txtPlayer")->text(), "Ann");
    EXPECT_EQ(Find<QLineEdit>(*window, "txtConfigFile")->text().toStdString(), w.configPath());
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), iniBefore);
    ClickButton(*window, "SpeedButton1");
    const std::string saved = ReadFileBytes(w.configPath());
    EXPECT_NE(saved.find("set name \"Ann\"\r\n"), std::string::npos);
    EXPECT_NE(saved.find("bind F1 \"cmd help\"\r\n"), std::string::npos);
    EXPECT_NE(saved.find("set scr_conspeed \"5\"\r\n"), std::string::npos);

    // Load Batch on what is no file keeps its field and tesk.ini too.
    const std::string batchBefore = model.Text("txtBatchFile");
    w.desktop.openAnswers.push_back(QString::fromStdString(w.world.inGame("baseu2")));
    ClickButton(*window, "btnLoadBatchFile");
    EXPECT_EQ(w.desktop.errors.size(), 2);
    EXPECT_EQ(model.Text("txtBatchFile"), batchBefore);
    EXPECT_EQ(ReadFileBytes(w.world.iniPath()), iniBefore);

    // The text editor's read-back of a file it broke changes nothing either.
    ClickButton(*window, "btnEditConfig");
    auto* editor = window->findChild<TfrmEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->mmoFile()->selectAll();
    QTest::keyClicks(editor->mmoFile(), "set name \"Zed\"");
    QTest::keyClick(editor->mmoFile(), Qt::Key_Return);
    QTest::keyClicks(editor->mmoFile(), "set s_volume \"loud\"");
    w.desktop.confirmAnswers.push_back(true);
    editor->close();
    EXPECT_EQ(w.desktop.errors.size(), 3);
    EXPECT_EQ(model.Text("txtPlayer"), "Ann");
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
    const SettingsModel initial;
    for (const char* id : {"txtPlayer", "txtHelp", "txtConsoleSpeed"})
        EXPECT_EQ(window->model().Text(id), initial.Text(id)) << id;
    EXPECT_EQ(window->model().Position("barVolume"), initial.Position("barVolume"));
}

// Draws window states at random, leaving out only what the config reader's
// own rules cannot bring back; each exclusion names its rule.
class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    void Fill(SettingsModel& model)
    {
        for (const SettingDef& def : SettingTable())
            if (Drawn(def))
                Draw(model, def);
        // The reader finds a key as the second blank-separated word of the
        // first line holding its command, and MOUSE*"+forward" matches the
        // first line holding "MOUSE" before "+forward": the mouse's key holds
        // MOUSE, the move-forward key does not and is set whenever the mouse's is.
        if (model.Text("txtMoveForward").empty() || Upper(model.Text("txtMoveForward")).find("MOUSE") != std::string::npos)
            model.SetText("txtMoveForward", "UPARROW");
        if (!model.Text("txtMouseForward").empty())
            model.SetText("txtMouseForward", "MOUSE" + Key());
        // The reader reads no video type and only the "sw_mode" line.
        model.SetChecked("rbSoftware", true);
        model.SelectItem("cboVidMode", Between(0, static_cast<int>(model.Items("cboVidMode").size()) - 1));
        // A limit below 1 turns its box off.
        if (model.Number("edtTimeLimit") < 1)
            model.SetText("edtTimeLimit", "1");
        // The batch file carries the game type only for a server.
        if (!model.Checked("cbxStartServer"))
            model.SetChecked("rbDeathMatch", true);
    }

private:
    // The start options and the file fields are no part of the config file.
    static bool Drawn(const SettingDef& def)
    {
        static const std::set<std::string_view> startOptions = {
            "rbStartNewGame", "rbLoadSavedGame", "rbConnectToServer", "cboClientStartMap", "cboSaveGames",
            "cboServerList", "cboServerStartMap"};
        if (def.id == "cbxStartServer")
            return true;
        return def.page != Page::Lower && def.page != Page::GamesAliases && !startOptions.contains(def.id);
    }

    void Draw(SettingsModel& model, const SettingDef& def)
    {
        switch (def.kind) {
        case SettingKind::Text: model.SetText(def.id, Text(0)); return;
        case SettingKind::Key: model.SetText(def.id, Between(0, 3) == 0 ? std::string() : Key()); return;
        case SettingKind::MaskedDecimal: model.SetText(def.id, Masked(def.mask)); return;
        case SettingKind::Spin: model.SetText(def.id, std::to_string(Number(def))); return;
        case SettingKind::Check: model.SetChecked(def.id, Between(0, 1) == 1); return;
        case SettingKind::Radio:
            if (Between(0, 2) == 0)
                model.SetChecked(def.id, true);
            return;
        case SettingKind::Combo: Combo(model, def); return;
        case SettingKind::TrackBar: model.SetPosition(def.id, Between(def.minimum, def.maximum)); return;
        }
    }

    // No double quote (a value ends at its closing quote), no "/" (the skin
    // line is split there), at most 40 bytes (64 are read after a key).
    std::string Text(int shortest)
    {
        std::string text;
        for (int i = Between(shortest, 40); i > 0; --i) {
            char byte = static_cast<char>(Between(0x20, 0xFF));
            if (byte == '"' || byte == '/' || byte == 0x7F)
                byte = 'q';
            text += byte;
        }
        return text;
    }

    // No blank: a key name is one word.
    std::string Key()
    {
        std::string key = Text(1);
        for (char& c : key)
            if (c == ' ')
                c = '_';
        return key.substr(0, 12);
    }

    std::string Masked(std::string_view mask)
    {
        std::string text(mask);
        for (char& c : text)
            if (c == '9')
                c = Between(0, 4) == 0 ? ' ' : static_cast<char>('0' + Between(0, 9));
        return text;
    }

    // Within the range, which a number read back is clamped to; a field read
    // as text is never empty (an empty value counts as missing).
    long long Number(const SettingDef& def)
    {
        return def.minimum == def.maximum ? Between(-99999, 99999) : Between(def.minimum, def.maximum);
    }

    // Model and skin share one line: 25 bytes each keep it within 64.
    void Combo(SettingsModel& model, const SettingDef& def)
    {
        const int count = static_cast<int>(model.Items(def.id).size());
        const int choice = Between(-1, count - 1);
        if (choice >= 0)
            model.SelectItem(def.id, choice);
        else
            model.SetText(def.id, Text(0).substr(0, 25));
    }

    static std::string Upper(std::string text)
    {
        for (char& c : text)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return text;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937 random_;
};

TEST(SavedSettingsTest, WhatWasSavedComesBackAfterARestart)
{
    SavedWorld w("//Player Info\r\n");
    // Frag limit switched off by a click stays off.
    auto window = w.Open();
    auto* pages = Find<QTabWidget>(*window, "PageControl1");
    pages->setCurrentWidget(Find(*window, "TabSheet6"));
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
    const std::string folder = w.world.inGame("baseu2/spiel-\xC3\xBC");
    const std::string mine = folder + "/mine.cfg";
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
    std::string saved = ReadFileBytes(mine);
    EXPECT_NE(saved.find("set name \"J\xF6rg\"\r\n"), std::string::npos);
    EXPECT_NE(saved.find("bind \xE9 \"score\"\r\n"), std::string::npos);

    // Typed: one byte for a Latin-1 character, "?" for any other.
    auto* player = Find<QLineEdit>(*window, "txtPlayer");
    player->selectAll();
    Type(player, QStringLiteral("Zo\u00EB \u20AC\u03A9"));
    ClickButton(*window, "SpeedButton1");
    saved = ReadFileBytes(mine);
    EXPECT_NE(saved.find("set name \"Zo\xEB ??\"\r\n"), std::string::npos);

    // A map picked from the list goes into the batch file as its bytes.
    auto* maps = Find<QComboBox>(*window, "cboClientStartMap");
    EXPECT_EQ(maps->itemText(1), QStringLiteral("caf\u00E9"));
    window->model().SelectItem("cboClientStartMap", 0);
    window->Refresh();
    QTest::keyClick(maps, Qt::Key_Down);
    ASSERT_EQ(window->model().SelectedIndex("cboClientStartMap"), 1);
    ClickButton(*window, "SpeedButton3");
    EXPECT_NE(ReadFileBytes(w.world.inGame("tesk.bat")).find(" +map caf\xE9 "), std::string::npos);

    // The text editor shows and keeps the bytes too.
    ClickButton(*window, "btnEditConfig");
    auto* editor = window->findChild<TfrmEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->mmoFile()->toPlainText().contains(QStringLiteral("Zo\u00EB ??")));
    editor->close();
    EXPECT_EQ(ReadFileBytes(mine), saved);
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
