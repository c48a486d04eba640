// Tesk and the game both write config.cfg: the game when it exits. Here the
// second writer is the test, between two steps, or a stub game.

#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::Find;
using testing::ReadFileBytes;
using testing::StatusText;
using testing::TestWorld;
using testing::Trigger;

struct SharedWorld {
    explicit SharedWorld(const std::string& settings = "CloseOnExit=false\r\nsaveAllOnRun=false\r\n")
    {
        world.StoreGameDirectory("[tesk]\r\n" + settings);
        world.Write(Config(), Named("Ann"));
    }
    std::string Config() const { return world.inGame("baseu2/config.cfg"); }
    static std::string Named(const std::string& name) { return "set name \"" + name + "\"\r\n"; }
    // Written as most programs write it: a new file renamed over the old one.
    void GameWrites(const std::string& name) const
    {
        world.Write(Config() + ".new", Named(name));
        std::filesystem::rename(Config() + ".new", Config());
    }
    std::unique_ptr<TfrmTeskMain> Open() { return testing::OpenActiveMainWindow(desktop, world); }

    TestWorld world;
    FakeDesktop desktop;
};

void TypeInto(QWidget& window, const char* field, const QString& text)
{
    auto* edit = Find<QLineEdit>(window, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

TEST(SharedConfigTest, ReplacingAFileAnotherProgramChangedAsksFirst)
{
    SharedWorld w("CloseOnExit=false\r\nsaveAllOnRun=true\r\n");
    w.world.Write(w.world.inGame("ulvex2.exe"), "");
    auto window = w.Open();
    const std::string batch = ReadFileBytes(w.world.inGame("tesk.bat"));

    // Going back writes nothing, neither the config file nor, for Run, the
    // batch file, and starts nothing.
    w.GameWrites("Bob");
    w.desktop.changedFileChoices = {ChangedFileChoice::GoBack, ChangedFileChoice::GoBack};
    Trigger(*window, "SaveConfig1");
    QTest::mouseClick(Find<QAbstractButton>(*window, "btnRun"), Qt::LeftButton);
    ASSERT_EQ(w.desktop.changedFileQuestions.size(), 2);
    EXPECT_TRUE(w.desktop.changedFileQuestions[0].startsWith(QString::fromStdString(w.Config()) + " has changed"));
    EXPECT_EQ(ReadFileBytes(w.Config()), SharedWorld::Named("Bob"));
    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")), batch);
    EXPECT_TRUE(w.desktop.starts.empty());

    // Taking the file's settings reads it as Load Config does, and writes nothing.
    w.desktop.changedFileChoices = {ChangedFileChoice::TakeFile};
    Trigger(*window, "SaveConfig1");
    EXPECT_EQ(window->model().Text("txtPlayer"), "Bob");
    EXPECT_EQ(ReadFileBytes(w.Config()), SharedWorld::Named("Bob"));
    EXPECT_EQ(StatusText(*window), "Read " + QString::fromStdString(w.Config()) + " again; nothing was saved.");

    // Writing Tesk's over it, from the close question's save.
    TypeInto(*window, "txtPlayer", "Cy");
    w.GameWrites("Dee");
    w.desktop.saveChoices = {SaveChoice::Save};
    w.desktop.changedFileChoices = {ChangedFileChoice::KeepTesks};
    w.desktop.confirmAnswers = {true};
    EXPECT_TRUE(window->close());
    EXPECT_NE(ReadFileBytes(w.Config()).find(SharedWorld::Named("Cy")), std::string::npos);

    // The batch file is asked about the same way.
    window = w.Open();
    w.world.Write(w.world.inGame("tesk.bat"), "ulvex2.exe +set game other\r\n");
    w.desktop.confirmAnswers = {true};
    w.desktop.changedFileChoices = {ChangedFileChoice::GoBack};
    Trigger(*window, "SaveAll1");
    EXPECT_EQ(w.desktop.changedFileQuestions.last(),
              QString::fromStdString(w.world.inGame("tesk.bat"))
                  + " has changed since Tesk last read or saved it: another program wrote it, such as the game when it "
                    "exits. Take the file's start options into Tesk, write Tesk's over it, or go back?");
    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")), "ulvex2.exe +set game other\r\n");
    window->hide();
}

TEST(SharedConfigTest, AChangedFileIsReadAgainOrThePlayerChooses)
{
    SharedWorld w;
    auto window = w.Open();
    // Nothing unsaved: read again at once, and said so.
    w.GameWrites("Bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->model().Text("txtPlayer") == "Bob"; }, 5000));
    EXPECT_EQ(StatusText(*window),
              QString::fromStdString(w.Config()) + " was changed by another program and has been read again.");

    // Unsaved changes: the player keeps Tesk's, asked once about that change.
    TypeInto(*window, "txtPlayer", "Cy");
    w.desktop.changedFileChoices = {ChangedFileChoice::KeepTesks};
    w.GameWrites("Dee");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.desktop.changedFileQuestions.isEmpty(); }, 5000));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window.get());
    QTest::qWait(200);
    EXPECT_EQ(w.desktop.changedFileQuestions.size(), 1);
    EXPECT_EQ(window->model().Text("txtPlayer"), "Cy");

    // ...or takes the file's, here noticed when the window becomes active.
    w.desktop.changedFileChoices = {ChangedFileChoice::TakeFile};
    w.GameWrites("Eve");
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->model().Text("txtPlayer") == "Eve"; }, 5000));
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
    window->hide();
}

TEST(SharedConfigTest, TheGameTeskStartedRewritesTheFileWhenItExits)
{
    SharedWorld w;
    const std::string game = w.world.inGame("ulvex2.exe");
    w.world.Write(game, "#!/bin/sh\nsleep 1\nprintf 'set name \"Gus\"\\r\\n' > '" + w.Config() + ".new'\nmv '"
                            + w.Config() + ".new' '" + w.Config() + "'\n");
    ::chmod(game.c_str(), 0755);
    w.desktop.realStarts = true;
    auto window = w.Open();
    QTest::mouseClick(Find<QAbstractButton>(*window, "btnRun"), Qt::LeftButton);
    EXPECT_EQ(StatusText(*window), "Ulvex 2 is running; it writes its config file again when it exits.");

    // Saving while it runs warns; declined, nothing is written.
    w.desktop.confirmAnswers = {false};
    Trigger(*window, "SaveConfig1");
    ASSERT_EQ(w.desktop.confirmations.size(), 1);
    EXPECT_EQ(w.desktop.confirmations[0], "Ulvex 2 is still running. When it exits it writes "
                                              + QString::fromStdString(w.Config())
                                              + " again, over what Tesk saves now. Save all the same?");
    EXPECT_EQ(ReadFileBytes(w.Config()), SharedWorld::Named("Ann"));

    // When it has exited, its file is read again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->model().Text("txtPlayer") == "Gus"; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return StatusText(*window).contains("read again"); }, 5000));
    window->hide();
}

} // namespace
} // namespace tesk
