#include "GamesPageFixture.h"

#include "core/text/IniFile.h"
#include "gui/keys/TfrmBind.h"
#include "gui/profiles/EntryEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <sys/stat.h>

namespace tesk {
namespace {

using testing::Find;
using testing::GamesPageFixture;
using testing::Ini;

const std::string kProfile = Ini({
    "[NumberOfSections]",
    "Aliases=3",
    "Bindings=4",
    "Settings=3",
    "[Alias1]",
    "DescriptiveName=Rocket jump",
    "AliasName=rj",
    "[Alias2]",
    "DescriptiveName=Strafe",
    "AliasName=st",
    "Description=aside",
    "AliasLines=5",
    "Aline1=a",
    "Aline2=b",
    "Aline3=c",
    "Aline4=d",
    "Aline5=e",
    "[Alias3]",
    "AliasName=nameless",
    "[Bind1]",
    "BindKey=K1",
    "BindValue=B1",
    "Checked=true",
    "[Bind2]",
    "BindKey=K2",
    "BindValue=B2",
    "[Bind3]",
    "BindKey=K3",
    "BindValue=B3",
    "Checked=true",
    "[Bind4]",
    "BindKey=K4",
    "BindValue=B4",
    "[Setting1]",
    "Setting=fov",
    "SettingValue=90",
    "Checked=true",
    "[Setting2]",
    "Setting=gamma",
    "SettingValue=1",
    "[Setting3]",
    "Setting=name",
    "SettingValue=Ann",
    "Checked=true",
});

class EntryEditorsTest : public GamesPageFixture {
protected:
    void SetUp() override
    {
        WriteProfile("Global Aliases", kProfile);
        Start();
    }

    std::string Value(const char* section, const char* key) const
    {
        return IniFile::Load(ProfileFile("Global Aliases")).ReadString(section, key, "<missing>");
    }

    // The context the window handed over: txtLineNumber, txtNumberOfLines,
    // the "new" flag and txtCurrentGame.
    static QStringList Hidden(QDialog& dialog)
    {
        auto* editor = qobject_cast<EntryEditor*>(&dialog);
        EXPECT_NE(editor, nullptr) << dialog.objectName().toStdString();
        if (!editor)
            return {};
        const EntryEditorContext& context = editor->Context();
        return {QString::number(context.lineNumber), QString::number(context.numberOfLines),
                context.isNew ? QStringLiteral("true") : QStringLiteral("false"),
                QString::fromStdString(context.profileName)};
    }

    static void Press(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(testing::Find<QPushButton>(dialog, button), Qt::LeftButton);
    }
};

TEST_F(EntryEditorsTest, TheAliasEditorStoresOnOkOnly)
{
    Answer([](QDialog& dialog) {
        EXPECT_EQ(Hidden(dialog), (QStringList{"1", "3", "false", "Global Aliases"}));
        EXPECT_EQ(testing::Find<QPlainTextEdit>(dialog, "mmoAlias")->toPlainText(), "a\nb\nc\nd\ne");
        testing::Find<QLineEdit>(dialog, "txtDescriptiveName")->setText("Side step");
        testing::Find<QPlainTextEdit>(dialog, "mmoAlias")->setPlainText("x\ny\n");
        testing::Find<QPlainTextEdit>(dialog, "mmoDescription")->setPlainText("first\nsecond");
        Press(dialog, "btnOk");
    });
    DoubleClick("clsAliases", 1);
    EXPECT_EQ(Value("Alias2", "AliasLines"), "2");
    EXPECT_EQ(Value("Alias2", "Aline2"), "y");
    EXPECT_EQ(Value("Alias2", "Aline5"), "e");
    EXPECT_EQ(Value("Alias2", "Description"), "firstsecond");
    EXPECT_EQ(Value("NumberOfSections", "Aliases"), "3");
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Rocket jump", "Side step", "didn't load"}));

    // Cancel and the close box store nothing typed.
    const std::string before = Profile("Global Aliases");
    QString opened;
    Answer([&opened](QDialog& dialog) {
        opened = testing::Find<QLineEdit>(dialog, "txtDescriptiveName")->text();
        testing::Find<QLineEdit>(dialog, "txtAliasName")->setText("typed");
        Press(dialog, "btnCancel");
    });
    Select("clsAliases", 2);
    Click("btnEditAlias");
    EXPECT_EQ(opened, "No Name");
    Answer([](QDialog& dialog) {
        testing::Find<QLineEdit>(dialog, "txtAliasName")->setText("typed");
        dialog.close();
    });
    Click("btnAddAlias");
    EXPECT_EQ(Profile("Global Aliases"), before);

    // A new alias is appended and counted; its shown name holds 16 characters.
    Answer([](QDialog& dialog) {
        EXPECT_EQ(Hidden(dialog), (QStringList{"3", "3", "true", "Global Aliases"}));
        auto* name = testing::Find<QLineEdit>(dialog, "txtDescriptiveName");
        EXPECT_EQ(name->text(), "");
        QTest::keyClicks(name, "A rather long alias name");
        Press(dialog, "btnOk");
    });
    Click("btnAddAlias");
    EXPECT_EQ(Value("NumberOfSections", "Aliases"), "4");
    EXPECT_EQ(Texts("clsAliases").last(), "A rather long al");
}

TEST_F(EntryEditorsTest, TheBindingEditorOffersTheAliasesByTheirNames)
{
    const auto bind = [this](const char* key, int item, const char* typed) {
        Answer([key, item, typed](QDialog& dialog) {
            testing::Find<QLineEdit>(dialog, "txtBindKey")->setText(key);
            auto* combo = testing::Find<QComboBox>(dialog, "cboBindValue");
            EXPECT_EQ(combo->count(), 3);
            EXPECT_EQ(combo->currentText(), "");
            if (item >= 0) {
                combo->setCurrentIndex(item);
            } else {
                combo->setEditText(typed);
            }
            Press(dialog, "btnOk");
        });
        Click("btnAddBinding");
    };
    bind("MOUSE2", 0, nullptr);
    bind("MOUSE1", -1, "+attack");
    EXPECT_EQ(Value("Bind5", "BindValue"), "rj");
    EXPECT_EQ(Value("Bind6", "BindValue"), "+attack");
    EXPECT_EQ(Value("NumberOfSections", "Bindings"), "6");
    EXPECT_EQ(Texts("clsBindings").mid(4), (QStringList{"MOUSE2 = Rocket jump", "MOUSE1 = +attack"}));
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, false, true, false, false, false}));

    // Reopened: the alias is selected, a plain command is the combo's text.
    QStringList shown;
    Answer([&shown](QDialog& dialog) {
        EXPECT_EQ(Hidden(dialog).value(2), "false");
        auto* combo = testing::Find<QComboBox>(dialog, "cboBindValue");
        shown.append(QString::number(combo->currentIndex()) + " " + combo->currentText());
        Press(dialog, "btnCancel");
    });
    DoubleClick("clsBindings", 4);
    DoubleClick("clsBindings", 5);
    EXPECT_EQ(shown, (QStringList{"0 Rocket jump", "-1 +attack"}));
}

// What the game would read cut cannot be typed: a double quote in a command
// or value, a blank, quote or semicolon in a key or setting name.
TEST_F(EntryEditorsTest, TheEditorsRefuseWhatTheGameWouldReadCut)
{
    Answer([](QDialog& dialog) {
        auto* key = testing::Find<QLineEdit>(dialog, "txtBindKey");
        QTest::keyClicks(key, "F 5");
        EXPECT_EQ(key->text(), "F5");
        auto* command = testing::Find<QComboBox>(dialog, "cboBindValue");
        QTest::keyClicks(command->lineEdit(), "say \"gg\"; wave 1");
        EXPECT_EQ(command->currentText(), "say gg; wave 1");
        Press(dialog, "btnOk");
    });
    Click("btnAddBinding");
    EXPECT_EQ(Value("Bind5", "BindKey"), "F5");
    EXPECT_EQ(Value("Bind5", "BindValue"), "say gg; wave 1");

    Answer([](QDialog& dialog) {
        auto* name = testing::Find<QLineEdit>(dialog, "txtSetting");
        QTest::keyClicks(name, "cl_maxfps;quit\"");
        EXPECT_EQ(name->text(), "cl_maxfpsquit");
        auto* value = testing::Find<QLineEdit>(dialog, "txtSettingValue");
        QTest::keyClicks(value, "1\"2");
        EXPECT_EQ(value->text(), "12");
        Press(dialog, "btnOk");
    });
    Click("btnAddSetting");
    EXPECT_EQ(Value("Setting4", "Setting"), "cl_maxfpsquit");
}

// Editing the second setting: its name comes from the key capture.
TEST_F(EntryEditorsTest, TheKeyCapturePutsF5IntoTheSettingName)
{
    QStringList titles;
    desktop.onDialog = [&titles](QDialog& dialog) {
        dialog.show();
        titles.append(dialog.windowTitle());
        if (qobject_cast<TfrmBind*>(&dialog)) {
            QTest::mouseClick(testing::Find<QToolButton>(dialog, "F5"), Qt::LeftButton);
            return dialog.result();
        }
        EXPECT_EQ(Hidden(dialog), (QStringList{"1", "3", "false", "Global Aliases"}));
        auto* field = testing::Find<QLineEdit>(dialog, "txtSetting");
        EXPECT_EQ(field->text(), "gamma");
        QTest::mouseDClick(field, Qt::LeftButton, {}, field->rect().center());
        Press(dialog, "btnOk");
        return dialog.result();
    };
    Select("clsSettings", 1);
    Click("btnEditSetting");
    EXPECT_EQ(titles, (QStringList{"Setting", "Bind Setting to Key:"}));
    EXPECT_EQ(Value("NumberOfSections", "Settings"), "3");
    EXPECT_EQ(Texts("clsSettings"), (QStringList{"fov = 90", "F5 = 1", "name = Ann"}));
    EXPECT_EQ(Checks("clsSettings"), (std::vector<bool>{true, false, true}));
}

TEST_F(EntryEditorsTest, DeletingABindingAsksAndMovesTheLaterOnesDownWithTheirMarks)
{
    // Nothing selected: nothing asked, nothing opened.
    Click("btnDeleteBinding");
    Click("btnEditBinding");

    Select("clsBindings", 1);
    desktop.confirmAnswers = {false, true};
    Click("btnDeleteBinding");
    EXPECT_EQ(Profile("Global Aliases"), kProfile);
    Click("btnDeleteBinding");
    EXPECT_EQ(desktop.confirmations, (QStringList{"Delete Alias K2 = B2?", "Delete Alias K2 = B2?"}));
    EXPECT_EQ(Texts("clsBindings"), (QStringList{"K1 = B1", "K3 = B3", "K4 = B4"}));
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Value("Bind4", "BindKey"), "<missing>");

    Select("clsBindings", 2);
    desktop.confirmAnswers = {true};
    Click("btnDeleteBinding");
    EXPECT_EQ(Texts("clsBindings"), (QStringList{"K1 = B1", "K3 = B3"}));
    EXPECT_EQ(Value("NumberOfSections", "Bindings"), "2");
    EXPECT_EQ(Texts("clsSettings").size(), 3);
}

TEST_F(EntryEditorsTest, AReadOnlyProfileKeepsEveryByteAndSaysWhy)
{
    const std::string path = ProfileFile("Global Aliases");
    chmod(path.c_str(), 0444);

    Select("clsBindings", 1);
    desktop.confirmAnswers = {true};
    Click("btnDeleteBinding");
    EXPECT_EQ(Texts("clsBindings").size(), 4);

    // A mark that cannot be stored is taken back.
    ClickCheck("clsBindings", 1);
    Click("cbxSelectAllAliases");
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(Checks("clsAliases"), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(Find<QCheckBox>("cbxSelectAllAliases")->isChecked());

    // The editor stays open with what was typed.
    QString kept;
    Answer([&kept](QDialog& dialog) {
        testing::Find<QLineEdit>(dialog, "txtSetting")->setText("typed");
        Press(dialog, "btnOk");
        kept = dialog.isVisible() ? testing::Find<QLineEdit>(dialog, "txtSetting")->text() : QString();
        Press(dialog, "btnCancel");
    });
    Click("btnAddSetting");
    EXPECT_EQ(kept, "typed");

    const QString unable = QString::fromStdString("Unable to write to " + path);
    EXPECT_EQ(desktop.errors, (QStringList{unable, unable, unable, unable}));
    EXPECT_EQ(Profile("Global Aliases"), kProfile);
}

} // namespace
} // namespace tesk
