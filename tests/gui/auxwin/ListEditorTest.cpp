#include "core/launch/CommandLine.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;
using Lines = std::vector<std::string>;

// What one use of a list editor showed, and whether its close box closed it.
struct Visit {
    QDialog* dialog = nullptr;
    QString caption;
    QString memoName;
    QString loadedText;
    bool closed = false;
};

class ListEditorTest : public ::testing::Test {
protected:
    ListEditorTest() { world.StoreGameDirectory(); }
    ~ListEditorTest() override
    {
        if (window)
            window->hide();
    }

    void Start()
    {
        window = testing::OpenMainWindow(desktop, world);
        testing::DropStartupReport(desktop);
    }

    // Clicks the button; the editor opens (loading its file), `edit` works on
    // the memo and the player clicks the close box.
    Visit Use(const char* button, const std::function<void(QPlainTextEdit&)>& edit = {})
    {
        Visit visit;
        desktop.onDialog = [&visit, &edit](QDialog& dialog) {
            dialog.show();
            auto* memo = dialog.findChild<QPlainTextEdit*>();
            visit = {&dialog, dialog.windowTitle(), memo->objectName(), memo->toPlainText()};
            if (edit)
                edit(*memo);
            visit.closed = dialog.close();
            return dialog.result();
        };
        window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        return visit;
    }

    const Lines& Items(const char* combo) { return window->model().Items(combo); }
    int Shown(const char* combo) { return window->findChild<QComboBox*>(QString::fromLatin1(combo))->count(); }

    TestWorld world;
    FakeDesktop desktop;
    std::unique_ptr<TfrmTeskMain> window;
};

void AddLine(QPlainTextEdit& memo, const char* line)
{
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, QString::fromLatin1(line));
}

// The sample lines the memo starts with are no maps: left as they are, they
// are not saved, and a line the player typed or changed is.
TEST_F(ListEditorTest, FirstUseSavesNoUntouchedSampleLine)
{
    Start();
    const Visit first = Use("btnMapList");
    EXPECT_EQ(first.caption, "Map List");
    EXPECT_EQ(first.memoName, "mmoMapList");
    EXPECT_EQ(first.loadedText, "Type Here to Add Maps.\nexample:\nexMap \"My Map\"");
    EXPECT_TRUE(first.closed);
    EXPECT_EQ(ReadFileBytes(world.inWork("maps.lst")), "");
    EXPECT_TRUE(Items("cboClientStartMap").empty());
    EXPECT_TRUE(Items("cboServerStartMap").empty());
    EXPECT_EQ(Shown("cboClientStartMap"), 0);
    EXPECT_EQ(Shown("cboServerStartMap"), 0);

    // The editor is made once; without the file its memo keeps the last text.
    std::filesystem::remove(world.inWork("maps.lst"));
    const Visit second = Use("btnMapList", [](QPlainTextEdit& memo) {
        AddLine(memo, "base2");
        QTest::keyClick(&memo, Qt::Key_Up);
        QTest::keyClick(&memo, Qt::Key_End);
        QTest::keyClicks(&memo, " 2");
    });
    EXPECT_EQ(second.dialog, first.dialog);
    EXPECT_EQ(second.loadedText, first.loadedText);
    EXPECT_EQ(ReadFileBytes(world.inWork("maps.lst")), "exMap \"My Map\" 2\r\nbase2\r\n");
    EXPECT_EQ(Items("cboClientStartMap"), (Lines{"exMap", "base2"}));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

TEST_F(ListEditorTest, AMapWithADescriptionIsOfferedAndPassedOnByItsName)
{
    world.Write(world.inWork("maps.lst"), "exMap My Map\r\nbase1\r\n");
    Start();
    SettingsModel& model = window->model();
    EXPECT_EQ(Items("cboClientStartMap"), (Lines{"exMap", "base1"}));
    model.SelectItem("cboClientStartMap", 1);

    // The chosen map is still offered after the refill, so it stays chosen.
    const Visit visit = Use("btnMapList");
    EXPECT_EQ(visit.loadedText, "exMap My Map\nbase1");
    EXPECT_EQ(Items("cboClientStartMap"), (Lines{"exMap", "base1"}));
    EXPECT_EQ(Items("cboServerStartMap"), (Lines{"exMap", "base1"}));
    EXPECT_EQ(model.SelectedIndex("cboClientStartMap"), 1);
    EXPECT_EQ(model.SelectedIndex("cboServerStartMap"), -1);

    model.SetChecked("rbStartNewGame", true);
    model.SelectItem("cboClientStartMap", 0);
    const std::string line = BuildCommandLine(model);
    EXPECT_NE(line.find(" +map exMap"), std::string::npos) << line;
    EXPECT_EQ(line.find("My Map"), std::string::npos) << line;
}

TEST_F(ListEditorTest, AnEmptyMemoGivesAnEmptyFileAndNoChoices)
{
    world.Write(world.inWork("maps.lst"), "base1\r\nbase2\r\n");
    world.Write(world.inWork("servers.txt"), "192.0.2.7:27910\r\n");
    Start();
    Use("btnMapList", [](QPlainTextEdit& memo) { memo.clear(); });
    // Leaving with the keyboard's Escape saves as the close box does.
    Use("btnServerList", [](QPlainTextEdit& memo) {
        memo.clear();
        QTest::keyClick(&memo, Qt::Key_Escape);
        EXPECT_FALSE(memo.window()->isVisible());
    });
    EXPECT_EQ(ReadFileBytes(world.inWork("maps.lst")), "");
    EXPECT_EQ(ReadFileBytes(world.inWork("servers.txt")), "");
    EXPECT_TRUE(Items("cboClientStartMap").empty());
    EXPECT_TRUE(Items("cboServerStartMap").empty());
    EXPECT_TRUE(Items("cboServerList").empty());
    EXPECT_EQ(Shown("cboServerList"), 0);
}

TEST_F(ListEditorTest, AServerAddedLastIsTheLastChoice)
{
    Start();
    const Visit first = Use("btnServerList", [](QPlainTextEdit& memo) { AddLine(memo, "frag.example:27910"); });
    EXPECT_EQ(first.caption, "Server List");
    EXPECT_EQ(first.memoName, "mmoServerList");
    EXPECT_EQ(first.loadedText, "Type Here to Add Servers.\nexample:\n192.0.2.10:27910");
    EXPECT_EQ(Items("cboServerList"), Lines{"frag.example:27910"});

    // A file changed elsewhere replaces the memo's text; whole lines are offered.
    world.Write(world.inWork("servers.txt"), "192.0.2.7:27910 home\n");
    window->model().SelectItem("cboServerList", 0);
    const Visit second = Use("btnServerList", [](QPlainTextEdit& memo) { AddLine(memo, "192.0.2.8:27910"); });
    EXPECT_EQ(second.loadedText, "192.0.2.7:27910 home");
    EXPECT_EQ(Items("cboServerList"), (Lines{"192.0.2.7:27910 home", "192.0.2.8:27910"}));
    EXPECT_EQ(window->model().SelectedIndex("cboServerList"), -1);
    EXPECT_EQ(ReadFileBytes(world.inWork("servers.txt")), "192.0.2.7:27910 home\r\n192.0.2.8:27910\r\n");
}

TEST_F(ListEditorTest, AListThatCannotBeWrittenKeepsTheEditorOpenAndTheOldFile)
{
    world.Write(world.inWork("maps.lst"), "base1\r\n");
    chmod(world.inWork("maps.lst").c_str(), 0444);
    Start();
    // After the error the player chooses to go on editing.
    desktop.confirmAnswers = {false};
    bool stayedOpen = false;
    const Visit visit = Use("btnMapList", [&](QPlainTextEdit& memo) {
        memo.setPlainText("q2dm1");
        auto* dialog = static_cast<QDialog*>(memo.window());
        EXPECT_FALSE(dialog->close());
        stayedOpen = dialog->isVisible();
        // Nothing changed on disk or in the window.
        EXPECT_EQ(ReadFileBytes(world.inWork("maps.lst")), "base1\r\n");
        EXPECT_EQ(Items("cboClientStartMap"), Lines{"base1"});
        EXPECT_EQ(memo.toPlainText(), "q2dm1");
        // Once the file can be written, closing saves.
        chmod(world.inWork("maps.lst").c_str(), 0644);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors[0].toStdString(), "Cannot create file " + world.inWork("maps.lst"));
    EXPECT_TRUE(visit.closed);
    EXPECT_EQ(Items("cboServerStartMap"), Lines{"q2dm1"});

    // A working directory that takes no new file: the server list is not created.
    chmod(world.workDir().c_str(), 0555);
    desktop.confirmAnswers = {false};
    const Visit servers = Use("btnServerList");
    EXPECT_FALSE(servers.closed);
    EXPECT_TRUE(servers.dialog->isVisible());
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_TRUE(desktop.errors.last().contains(QString::fromStdString(world.inWork("servers.txt"))));
    EXPECT_FALSE(std::filesystem::exists(world.inWork("servers.txt")));
    chmod(world.workDir().c_str(), 0755);
    servers.dialog->close();
    EXPECT_FALSE(servers.dialog->isVisible());
    EXPECT_TRUE(std::filesystem::exists(world.inWork("servers.txt")));

    // Or the player closes without saving, and nothing changes.
    chmod(world.inWork("maps.lst").c_str(), 0444);
    desktop.confirmAnswers = {true};
    EXPECT_TRUE(Use("btnMapList", [](QPlainTextEdit& memo) { AddLine(memo, "base2"); }).closed);
    EXPECT_EQ(desktop.confirmations.last().toStdString(),
              "Close the Map List without saving? " + world.inWork("maps.lst") + " stays as it was.");
    EXPECT_EQ(ReadFileBytes(world.inWork("maps.lst")), "q2dm1\r\n");
    EXPECT_EQ(Items("cboClientStartMap"), Lines{"q2dm1"});
}

TEST_F(ListEditorTest, AListThatCannotBeReadOpensNoEditor)
{
    world.Write(world.inWork("maps.lst"), "base1\r\n");
    Start();
    std::filesystem::remove(world.inWork("maps.lst"));
    world.MakeDirectory(world.inWork("maps.lst"));
    // No dialog is answered: one that opened would fail the test.
    window->findChild<QAbstractButton*>("btnMapList")->click();
    EXPECT_EQ(desktop.errors.join("\n").toStdString(), "Cannot open file " + world.inWork("maps.lst"));
    EXPECT_TRUE(std::filesystem::is_directory(world.inWork("maps.lst")));
    EXPECT_EQ(Items("cboClientStartMap"), Lines{"base1"});
}

// The lists live in the data directory start-up found, wherever the
// process works afterwards.
TEST_F(ListEditorTest, TheListsStayInTheDataDirectoryWhateverTheWorkingDirectory)
{
    Start();
    testing::TempDir elsewhere;
    std::filesystem::current_path(elsewhere.path());
    Use("btnServerList", [](QPlainTextEdit& memo) {
        memo.clear();
        QTest::keyClicks(&memo, "192.0.2.7:27910");
    });
    EXPECT_EQ(ReadFileBytes(world.inWork("servers.txt")), "192.0.2.7:27910\r\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "servers.txt"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
