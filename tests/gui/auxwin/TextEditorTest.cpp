#include "gui/auxwin/TfrmEdit.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
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

const QString kSaveQuestion = QStringLiteral("Do you want to save any changes you may have made?");

class TextEditorTest : public ::testing::Test {
protected:
    TextEditorTest()
    {
        world.StoreGameDirectory();
        world.Write(ConfigPath(), "set name \"Ann\"\r\n");
        world.Write(BatchPath(), world.gameDir() + "/ulvex2.exe +map base1\r\n");
        window = testing::OpenMainWindow(desktop, world);
    }
    ~TextEditorTest() override { window->hide(); }

    std::string ConfigPath() const { return world.inGame("baseu2/config.cfg"); }
    std::string BatchPath() const { return world.inGame("tesk.bat"); }

    // Clicks an edit button; the editor it opened, or nullptr.
    TfrmEdit* Open(const char* button)
    {
        const QList<TfrmEdit*> before = window->findChildren<TfrmEdit*>();
        window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        for (TfrmEdit* editor : window->findChildren<TfrmEdit*>())
            if (!before.contains(editor))
                return editor;
        return nullptr;
    }

    // Replaces the editor's text as a player does: select all, then type.
    static void Retype(TfrmEdit& editor, const std::string& text)
    {
        editor.mmoFile()->selectAll();
        QTest::keyClicks(editor.mmoFile(), QString::fromStdString(text));
    }

    // The player changed something in the window that is not saved.
    void ChangePlayerInWindow()
    {
        window->model().SetText("txtPlayer", "Bob");
        window->Refresh();
    }

    std::string Player() { return window->model().Text("txtPlayer"); }

    TestWorld world;
    FakeDesktop desktop;
    std::unique_ptr<TfrmTeskMain> window;
};

TEST_F(TextEditorTest, OpenAndCloseWithoutTypingAsksNothingAndLeavesTheWindowAsItWas)
{
    ChangePlayerInWindow();
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), "Editing Config File");
    EXPECT_EQ(editor->mmoFile()->objectName(), "mmoFile");
    EXPECT_EQ(editor->mmoFile()->toPlainText(), "set name \"Ann\"");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isModal());
    EXPECT_FALSE(editor->changed());
    // Moving about and selecting change nothing.
    QTest::keyClick(editor->mmoFile(), Qt::Key_End);
    QTest::keyClick(editor->mmoFile(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_FALSE(editor->changed());

    EXPECT_TRUE(editor->close());
    EXPECT_TRUE(desktop.confirmations.isEmpty());
    EXPECT_EQ(Player(), "Bob");
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n");
    // Only hidden: it stays with the main window.
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(window->findChildren<TfrmEdit*>().size(), 1);
}

TEST_F(TextEditorTest, OneTypedCharacterAnsweredNoLeavesTheFileAndTheWindow)
{
    ChangePlayerInWindow();
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor->mmoFile(), "x");
    EXPECT_TRUE(editor->changed());
    desktop.confirmAnswers.push_back(false);
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(desktop.confirmations, QStringList{kSaveQuestion});
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n");
    EXPECT_EQ(Player(), "Bob");
}

TEST_F(TextEditorTest, EveryEditThatChangesTheTextAsks)
{
    const std::pair<const char*, std::function<void(QPlainTextEdit&)>> edits[] = {
        {"Delete key", [](QPlainTextEdit& memo) { QTest::keyClick(&memo, Qt::Key_Delete); }},
        {"Backspace",
         [](QPlainTextEdit& memo) {
             memo.moveCursor(QTextCursor::End);
             QTest::keyClick(&memo, Qt::Key_Backspace);
         }},
        {"Enter", [](QPlainTextEdit& memo) { QTest::keyClick(&memo, Qt::Key_Return); }},
        {"paste",
         [](QPlainTextEdit& memo) {
             QApplication::clipboard()->setText(QStringLiteral("bind x \"+attack\"\n"));
             memo.paste();
         }},
        {"context menu",
         [](QPlainTextEdit& memo) {
             memo.selectAll();
             std::unique_ptr<QMenu> menu(memo.createStandardContextMenu());
             auto* remove = menu->findChild<QAction*>(QStringLiteral("edit-delete"));
             ASSERT_NE(remove, nullptr);
             remove->trigger();
         }},
    };
    int asked = 0;
    for (const auto& [name, edit] : edits) {
        TfrmEdit* editor = Open("btnEditConfig");
        ASSERT_NE(editor, nullptr);
        edit(*editor->mmoFile());
        EXPECT_TRUE(editor->changed()) << name;
        desktop.confirmAnswers.push_back(false);
        editor->close();
        EXPECT_EQ(desktop.confirmations.size(), ++asked) << name;
    }
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n");

    // Saving what the Delete key did.
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor->mmoFile(), Qt::Key_Delete);
    desktop.confirmAnswers.push_back(true);
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "et name \"Ann\"\r\n");
}

TEST_F(TextEditorTest, SavingKeepsEveryLineAndEndsEachWithCrLf)
{
    world.Write(ConfigPath(), "set name \"Ann\"\n\n// kept\r\rbind x y\n\n");
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->mmoFile()->toPlainText(), "set name \"Ann\"\n\n// kept\n\nbind x y\n");
    editor->mmoFile()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor->mmoFile(), "bind z w");
    desktop.confirmAnswers.push_back(true);
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n\r\n// kept\r\n\r\nbind x y\r\nbind z w\r\n");
}

TEST_F(TextEditorTest, ABatchLineEditedToConnectChoosesTheServer)
{
    EXPECT_FALSE(window->model().Checked("rbConnectToServer"));
    TfrmEdit* editor = Open("btnEditBatch");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), "Editing Batch File");
    const std::string line = world.gameDir() + "/ulvex2.exe +connect 192.0.2.10:27910";
    Retype(*editor, line);
    desktop.confirmAnswers.push_back(true);
    EXPECT_TRUE(editor->close());

    EXPECT_EQ(ReadFileBytes(BatchPath()), line + "\r\n");
    EXPECT_TRUE(window->model().Checked("rbConnectToServer"));
    EXPECT_TRUE(window->findChild<QRadioButton*>("rbConnectToServer")->isChecked());
    EXPECT_EQ(window->findChild<QComboBox*>("cboServerList")->currentText(), "192.0.2.10:27910");
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

TEST_F(TextEditorTest, TwoEditorsOnOneFileTheLastClosedWins)
{
    TfrmEdit* first = Open("btnEditConfig");
    TfrmEdit* second = Open("btnEditConfig");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->isVisible());
    Retype(*first, "set name \"First\"");
    Retype(*second, "set name \"Second\"");
    desktop.confirmAnswers = {true, true};

    EXPECT_TRUE(second->close());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Second\"\r\n");
    EXPECT_EQ(Player(), "Second");
    EXPECT_TRUE(first->close());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"First\"\r\n");
    EXPECT_EQ(Player(), "First");
}

TEST_F(TextEditorTest, AFileThatCannotBeReadOpensNoEditor)
{
    const std::string missing = world.inGame("baseu2/missing.cfg");
    window->model().SetText("txtConfigFile", missing);
    EXPECT_EQ(Open("btnEditConfig"), nullptr);
    EXPECT_EQ(desktop.errors, QStringList{QString::fromStdString("Cannot open file " + missing)});
    EXPECT_FALSE(std::filesystem::exists(missing));

    window->model().SetText("txtBatchFile", world.gameDir());
    EXPECT_EQ(Open("btnEditBatch"), nullptr);
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_EQ(desktop.errors.last().toStdString(), "Cannot open file " + world.gameDir());
}

TEST_F(TextEditorTest, AFileThatCannotBeWrittenKeepsTheEditorOpenAndReadsNothingBack)
{
    chmod(ConfigPath().c_str(), 0444);
    ChangePlayerInWindow();
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    Retype(*editor, "set name \"Cy\"");
    desktop.confirmAnswers.push_back(true);
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(desktop.errors, QStringList{QString::fromStdString("Cannot create file " + ConfigPath())});
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n");
    EXPECT_EQ(Player(), "Bob");

    // The text is still there to be saved once the file can be written;
    // reading it back would lose the window's change, so that is asked.
    chmod(ConfigPath().c_str(), 0644);
    desktop.confirmAnswers = {true, true};
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Cy\"\r\n");
    EXPECT_EQ(desktop.confirmations.size(), 3);
    EXPECT_TRUE(desktop.confirmations.last().startsWith("The config file was saved."));
    EXPECT_EQ(Player(), "Cy");
}

TEST_F(TextEditorTest, ClosingTheProgramOffersToSaveAnOpenEditorFirst)
{
    TfrmEdit* editor = Open("btnEditConfig");
    ASSERT_NE(editor, nullptr);
    Retype(*editor, "set name \"Dee\"");
    chmod(ConfigPath().c_str(), 0444);
    desktop.confirmAnswers.push_back(true);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Ann\"\r\n");

    chmod(ConfigPath().c_str(), 0644);
    desktop.confirmAnswers.push_back(true);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(ReadFileBytes(ConfigPath()), "set name \"Dee\"\r\n");
    EXPECT_EQ(desktop.confirmations.size(), 2);
}

} // namespace
} // namespace tesk
