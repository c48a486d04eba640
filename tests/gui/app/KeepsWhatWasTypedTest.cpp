// The window as a player drives it, with real key presses, clicks and focus
// moves: nothing typed is lost or changed on the way to the files.

#include "gui/app/TfrmTeskMain.h"
#include "gui/auxwin/TfrmEdit.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::Find;
using testing::ReadFileBytes;
using testing::TestWorld;

const std::string kOriginal = "set name \"Ann\"\r\nset skin \"male/cypher\"\r\nset bob_pitch \"0.005\"\r\n";

// A game with the model "male" (skins grunt and cypher), an executable, a
// config.cfg, a map list and the given program settings.
struct World {
    explicit World(const std::string& settings = {})
    {
        world.StoreGameDirectory("[tesk]\r\n" + settings);
        world.MakeDirectory(world.inGame("baseu2/players/male"));
        world.Write(world.inGame("baseu2/players/male/grunt.pcx"), "");
        world.Write(world.inGame("baseu2/players/male/cypher.pcx"), "");
        world.Write(world.inGame("ulvex2.exe"), "#!/bin/sh\n");
        chmod(world.inGame("ulvex2.exe").c_str(), 0755);
        world.Write(Config(), kOriginal);
        world.Write(world.inWork("maps.lst"), "base1\r\nexMap My Map\r\n");
    }
    std::string Config() const { return world.inGame("baseu2/config.cfg"); }
    std::string Batch() const { return world.inGame("tesk.bat"); }

    // The main window, shown and active, so that focus moves as for a player.
    std::unique_ptr<TfrmTeskMain> Open()
    {
        auto window = testing::OpenMainWindow(desktop, world);
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

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

void Trigger(QWidget& window, const char* action) { Find<QAction>(window, action)->trigger(); }

// Save Config over config.cfg, its question answered Yes; the file it wrote.
std::string SaveConfig(QWidget& window, World& w)
{
    w.desktop.confirmAnswers.push_back(true);
    Trigger(window, "SaveConfig1");
    return ReadFileBytes(w.Config());
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(KeepsWhatWasTypedTest, MovingTheFocusNeverChangesASetting)
{
    World w;
    auto window = w.Open();
    SettingsModel& model = window->model();
    ASSERT_EQ(model.Text("cboSkin"), "cypher");

    // Into Model and out again, by click and by Tab: the skin stays.
    ClickInto(Find(*window, "cboModel"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ClickInto(Find(*window, "cboModel"));
    ClickInto(Find(*window, "txtPlayer"));
    EXPECT_EQ(model.Text("cboSkin"), "cypher");
    EXPECT_EQ(Find<QComboBox>(*window, "cboSkin")->currentText(), "cypher");
    EXPECT_TRUE(Holds(SaveConfig(*window, w), "set skin \"male/cypher\"\r\n"));

    // A typed entry's text selects nothing, whether or not the focus left the
    // field before saving.
    TypeInto(Reveal(*window, "cboSndQuality"), "High");
    const std::string typedAndStayed = SaveConfig(*window, w);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const std::string typedAndLeft = SaveConfig(*window, w);
    EXPECT_EQ(typedAndStayed, typedAndLeft);
    EXPECT_TRUE(Holds(typedAndLeft, "set s_khz \"11\"\r\n"));
    EXPECT_EQ(model.SelectedIndex("cboSndQuality"), -1);
    // A spin field's typed number is taken as leaving the field takes it.
    TypeInto(Reveal(*window, "txtfov"), "500");
    EXPECT_TRUE(Holds(SaveConfig(*window, w), "set fov \"180\"\r\n"));
    TypeInto(Reveal(*window, "cboVidMode"), "4 - 800 x 600");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ClickInto(Find(*window, "txtSndDelay"));
    EXPECT_FALSE(Holds(SaveConfig(*window, w), "_mode"));
    EXPECT_EQ(model.Text("cboSndQuality"), "High");

    TypeInto(Reveal(*window, "cboClientStartMap"), "exMap");
    ClickInto(Find(*window, "edtTimeOut"));
    Trigger(*window, "SaveBatch1");
    EXPECT_EQ(ReadFileBytes(w.Batch()), w.world.gameDir() + "/ulvex2.exe  +exec config.cfg\r\n");

    // Picking selects: the arrow keys on the closed list, and the keyboard
    // in the open one.
    auto* quality = Reveal<QComboBox>(*window, "cboSndQuality");
    ClickInto(quality);
    QTest::keyClick(quality, Qt::Key_Down);
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "High");
    EXPECT_TRUE(Holds(SaveConfig(*window, w), "set s_khz \"22\"\r\n"));

    auto* map = Reveal<QComboBox>(*window, "cboClientStartMap");
    ClickInto(map);
    map->showPopup();
    QAbstractItemView* list = map->view();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(model.SelectedText("cboClientStartMap"), "exMap");
    Trigger(*window, "SaveBatch1");
    EXPECT_EQ(ReadFileBytes(w.Batch()), w.world.gameDir() + "/ulvex2.exe  +map exMap +exec config.cfg\r\n");
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
    window->hide();
}

TEST(KeepsWhatWasTypedTest, UnsavedChangesAreNeverDroppedSilently)
{
    World w;
    auto window = w.Open();
    // Typing and typing back is no change; looking at the config file in the
    // editor reads nothing back.
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    TypeInto(Find(*window, "txtPlayer"), "Ann");
    auto* editor = [&] {
        Find<QAbstractButton>(*window, "btnEditConfig")->click();
        return window->findChild<TfrmEdit*>();
    }();
    ASSERT_NE(editor, nullptr);
    editor->close();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(w.desktop.saveQuestions.isEmpty());

    // Closing with a change asks; staying, and a cancelled or failed save,
    // keep the window open and the file as it was.
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    w.desktop.saveChoices = {SaveChoice::Stay, SaveChoice::Save, SaveChoice::Save};
    EXPECT_FALSE(window->close());
    w.desktop.confirmAnswers.push_back(false);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(w.desktop.messages, QStringList{"Saving Canceled"});
    chmod(w.Config().c_str(), 0444);
    w.desktop.confirmAnswers.push_back(true);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(w.desktop.errors.size(), 1);
    chmod(w.Config().c_str(), 0644);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReadFileBytes(w.Config()), kOriginal);
    EXPECT_EQ(w.desktop.saveQuestions.size(), 3);

    // The editor saved the file while the window holds a change: asked, and
    // No keeps the window's change.
    Find<QAbstractButton>(*window, "btnEditConfig")->click();
    editor = window->findChildren<TfrmEdit*>().last();
    QTest::keyClicks(editor->mmoFile(), "// ");
    w.desktop.confirmAnswers = {true, false};
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(w.desktop.confirmations.size(), 4);
    EXPECT_EQ(window->model().Text("txtPlayer"), "Bob");

    // Saving from the question writes the file and closes.
    w.desktop.saveChoices = {SaveChoice::Save};
    w.desktop.confirmAnswers.push_back(true);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Holds(ReadFileBytes(w.Config()), "set name \"Bob\"\r\n"));

    // New resets what counts as saved.
    window = w.Open();
    const std::string saved = ReadFileBytes(w.Config());
    TypeInto(Find(*window, "txtPlayer"), "Cy");
    Trigger(*window, "New1");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(w.desktop.saveQuestions.size(), 4);

    // Discarding closes and leaves the file.
    window = w.Open();
    TypeInto(Find(*window, "txtPlayer"), "Dee");
    w.desktop.saveChoices = {SaveChoice::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadFileBytes(w.Config()), saved);
    EXPECT_EQ(w.desktop.saveQuestions.size(), 5);
}

TEST(KeepsWhatWasTypedTest, RunWithCloseOnExitStaysOpenOverUnsavedSettings)
{
    // "Minimize On Run" is ticked but stays disabled under "Close on Exit".
    World w("saveAllOnRun=false\r\nminimize=true\r\n");
    auto window = w.Open();
    auto* run = Find<QAbstractButton>(*window, "btnRun");
    TypeInto(Find(*window, "txtPlayer"), "Bob");
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_EQ(w.desktop.starts.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(window->statusText(), "Settings not saved");

    // Saving on Run, with the question over config.cfg answered No: the
    // window stays too.
    window->showNormal();
    QTest::mouseClick(Find(*window, "cbxSaveFilesonRun"), Qt::LeftButton, {}, QPoint(6, 6));
    w.desktop.confirmAnswers.push_back(false);
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_EQ(w.desktop.starts.size(), 2u);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(window->statusText(), "Settings not saved");
    EXPECT_EQ(ReadFileBytes(w.Config()), kOriginal);

    // Saved: Run closes.
    window->showNormal();
    w.desktop.confirmAnswers.push_back(true);
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(w.desktop.saveQuestions.isEmpty());
}

TEST(KeepsWhatWasTypedTest, SpinArrowsBlanksAndTearDownWithTheFocusInAField)
{
    World w;
    auto window = w.Open();
    SettingsModel& model = window->model();

    // Arrows on a field without limits stop at the ends of the number range.
    auto* timeOut = Reveal<QAbstractSpinBox>(*window, "edtTimeOut");
    TypeInto(timeOut, "9223372036854775807");
    QTest::keyClick(timeOut, Qt::Key_Up);
    QTest::keyClick(timeOut, Qt::Key_PageUp);
    EXPECT_EQ(model.Text("edtTimeOut"), "9223372036854775807");
    TypeInto(timeOut, "-9223372036854775806");
    QTest::keyClick(timeOut, Qt::Key_Down);
    EXPECT_EQ(model.Text("edtTimeOut"), "-9223372036854775808");
    QTest::keyClick(timeOut, Qt::Key_Up);
    EXPECT_EQ(model.Text("edtTimeOut"), "-9223372036854775803");

    // A typed blank empties one place of a masked decimal and moves on.
    auto* pitch = Reveal<QLineEdit>(*window, "txtWalkPitch");
    ClickInto(pitch);
    QTest::keyClick(pitch, Qt::Key_Home);
    QTest::keyClicks(pitch, " ");
    EXPECT_EQ(model.Text("txtWalkPitch"), " .005");
    EXPECT_EQ(pitch->displayText(), "_.005");
    QTest::keyClicks(pitch, "7 ");
    EXPECT_EQ(model.Text("txtWalkPitch"), " .7 5");
    QTest::keyClick(pitch, Qt::Key_End);
    QTest::keyClick(pitch, Qt::Key_Left);
    QTest::keyClicks(pitch, " ");
    EXPECT_EQ(model.Text("txtWalkPitch"), " .7  ");
    EXPECT_EQ(pitch->cursorPosition(), 5);
    QTest::keyClick(pitch, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pitch, " ");
    EXPECT_EQ(model.Text("txtWalkPitch"), " .   ");

    // Destroying the shown window with the focus in a spin box, in an
    // editable drop-down, or with an editor open, is safe.
    TypeInto(Reveal(*window, "txtfov"), "500");
    window.reset();
    window = w.Open();
    Find<QAbstractButton>(*window, "btnEditConfig")->click();
    QApplication::setActiveWindow(window.get());
    TypeInto(Reveal(*window, "cboModel"), "male");
    window.reset();
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
