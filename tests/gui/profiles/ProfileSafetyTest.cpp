// Damaged, hand-edited or concurrently changed profiles, driven through the
// window as a player would: no command may cost an entry.

#include "GamesPageFixture.h"

#include "core/text/IniFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>

namespace tesk {
namespace {

using testing::GamesPageFixture;
using testing::Ini;
using testing::Find;

class ProfileSafetyTest : public GamesPageFixture {
protected:
    void SelectGame(const char* name) const
    {
        const int row = static_cast<int>(Texts("lbxGames").indexOf(name));
        ASSERT_GE(row, 0) << name;
        Select("lbxGames", row);
    }

    std::string Value(const std::string& profile, const char* section, const char* key) const
    {
        return IniFile::Load(ProfileFile(profile)).ReadString(section, key, "<missing>");
    }

    // Answers the setting editor: types name and value, then OK.
    void AnswerSetting(const char* name, const char* value, const std::function<void()>& before = {})
    {
        Answer([name, value, before](QDialog& dialog) {
            if (before)
                before();
            QTest::keyClicks(testing::Find<QLineEdit>(dialog, "txtSetting"), name);
            QTest::keyClicks(testing::Find<QLineEdit>(dialog, "txtSettingValue"), value);
            QTest::mouseClick(testing::Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
        });
    }
};

TEST_F(ProfileSafetyTest, AListThatDidNotLoadTakesNoChangeAndTheOthersCountFromTheFile)
{
    const std::string broken = Ini({"[NumberOfSections]", "Aliases=1", "Bindings=x1", "Settings=1", "[Alias1]",
                                    "DescriptiveName=Jump", "[Setting1]", "Setting=a", "SettingValue=1",
                                    "[Alias2]", "DescriptiveName=Leftover", "Checked=true"});
    WriteProfile("broken", broken);
    Start();
    SelectGame("broken");
    const QString fault = QString::fromStdString("'x1' is not a valid integer value (\"Bindings\" under "
                                                 "[NumberOfSections] in " + ProfileFile("broken") + ")");
    EXPECT_EQ(desktop.errors, QStringList{fault});
    EXPECT_EQ(Texts("clsAliases"), QStringList{"Jump"});

    // Bindings and the settings after them did not load: no editor opens.
    Click("btnAddBinding");
    Click("btnAddSetting");
    EXPECT_EQ(desktop.errors.mid(1), (QStringList{"The bindings did not load and cannot be changed: " + fault,
                                                  "The settings did not load and cannot be changed: " + fault}));
    EXPECT_EQ(Profile("broken"), broken);

    // The aliases did: a new one follows the file's last entry and starts empty.
    Answer([](QDialog& dialog) {
        QTest::keyClicks(testing::Find<QLineEdit>(dialog, "txtDescriptiveName"), "Fire");
        QTest::mouseClick(testing::Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    });
    Click("btnAddAlias");
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", "Fire"}));
    EXPECT_EQ(Checks("clsAliases"), (std::vector<bool>{false, false}));
    EXPECT_EQ(Value("broken", "Setting1", "Setting"), "a");
    EXPECT_EQ(Value("broken", "NumberOfSections", "Bindings"), "x1");
}

TEST_F(ProfileSafetyTest, ChangesMadeElsewhereAreNoticedAndNothingIsLost)
{
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Settings=2", "[Setting1]", "Setting=fov",
                                        "SettingValue=90", "[Setting2]", "Setting=sens", "SettingValue=3"}));
    Start();
    // Another program puts gamma in the middle.
    const std::string elsewhere = Ini({"[NumberOfSections]", "Settings=3", "[Setting1]", "Setting=fov",
                                       "SettingValue=90", "[Setting2]", "Setting=gamma", "SettingValue=1",
                                       "[Setting3]", "Setting=sens", "SettingValue=3"});
    WriteProfile("Global Aliases", elsewhere);
    const QString changed = QString::fromStdString(ProfileFile("Global Aliases")
                                                   + " changed since it was shown. The lists now show it as it "
                                                     "is; nothing was changed.");

    // Delete confirmed for "sens = 3" must not delete gamma.
    Select("clsSettings", 1);
    desktop.confirmAnswers = {true};
    Click("btnDeleteSetting");
    EXPECT_EQ(desktop.confirmations, QStringList{"Delete Alias sens = 3?"});
    EXPECT_EQ(desktop.messages, QStringList{changed});
    EXPECT_EQ(Profile("Global Aliases"), elsewhere);
    EXPECT_EQ(Texts("clsSettings"), (QStringList{"fov = 90", "gamma = 1", "sens = 3"}));

    // An editor or a check mark on an entry that moved elsewhere changes nothing.
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=sens",
                                        "SettingValue=3"}));
    Select("clsSettings", 2);
    Click("btnEditSetting");
    EXPECT_EQ(Texts("clsSettings"), QStringList{"sens = 3"});
    const std::string gamma = Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=gamma",
                                   "SettingValue=1"});
    WriteProfile("Global Aliases", gamma);
    ClickCheck("clsSettings", 0);
    EXPECT_EQ(desktop.messages, (QStringList{changed, changed, changed}));
    EXPECT_EQ(Profile("Global Aliases"), gamma);
    EXPECT_EQ(Texts("clsSettings"), QStringList{"gamma = 1"});
    EXPECT_EQ(Checks("clsSettings"), std::vector<bool>{false});

    // The entry changes while its editor is open: OK stores nothing and
    // closes the editor.
    const std::string renamed = Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=brightness",
                                     "SettingValue=1"});
    bool closed = false;
    Answer([&](QDialog& dialog) {
        WriteProfile("Global Aliases", renamed);
        QTest::keyClicks(testing::Find<QLineEdit>(dialog, "txtSettingValue"), "5");
        QTest::mouseClick(testing::Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
        closed = !dialog.isVisible();
    });
    DoubleClick("clsSettings", 0);
    EXPECT_TRUE(closed);
    EXPECT_EQ(desktop.messages.size(), 4);
    EXPECT_EQ(Profile("Global Aliases"), renamed);
    EXPECT_EQ(Texts("clsSettings"), QStringList{"brightness = 1"});

    // Two windows adding a setting each: both are kept, and the new one
    // does not inherit the mark of a section left beyond the count.
    AnswerSetting("name", "Ann", [this] {
        WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Settings=2", "[Setting1]", "Setting=sens",
                                            "SettingValue=3", "[Setting2]", "Setting=rate", "SettingValue=25000",
                                            "[Setting3]", "Setting=old", "Checked=true"}));
    });
    Click("btnAddSetting");
    EXPECT_EQ(Texts("clsSettings"), (QStringList{"sens = 3", "rate = 25000", "name = Ann"}));
    EXPECT_EQ(Checks("clsSettings"), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

TEST_F(ProfileSafetyTest, AnAliasOverTheLineLimitOpensNoEditorAndDeleteMovesItUntouched)
{
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Aliases=2", "[Alias1]", "DescriptiveName=Jump",
                                        "AliasName=j", "[Alias2]", "DescriptiveName=Long", "AliasLines=300000",
                                        "Aline1=+forward", "Checked=true"}));
    Start();
    // No dialog is answered: one that opened would fail the test.
    DoubleClick("clsAliases", 1);
    EXPECT_EQ(desktop.errors, QStringList{QString::fromStdString("Alias2 of " + ProfileFile("Global Aliases")
                                                                 + " has 300000 lines; an alias holds at most "
                                                                   "10000 (AliasLines)")});
    Select("clsAliases", 0);
    desktop.confirmAnswers = {true};
    Click("btnDeleteAlias");
    EXPECT_EQ(Profile("Global Aliases"), Ini({"[NumberOfSections]", "Aliases=1", "[Alias1]", "DescriptiveName=Long",
                                              "AliasLines=300000", "Aline1=+forward", "Checked=true"}));
    EXPECT_EQ(Checks("clsAliases"), std::vector<bool>{true});
}

TEST_F(ProfileSafetyTest, TheGamesListAnswersClicksAsAPlayerExpects)
{
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Settings=2", "[Setting1]", "Setting=a",
                                        "Checked=true", "[Setting2]", "Setting=b"}));
    WriteProfile("mymod", Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=fov", "SettingValue=90",
                               "Checked=true"}));
    world.Write(world.inWork("Other.TESK"), Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=x",
                                                 "SettingValue=1"}));
    WriteProfile("gone", "");
    Start();
    EXPECT_EQ(Texts("lbxGames"), (QStringList{"gone", "mymod", "Other"}));
    EXPECT_FALSE(Find<QCheckBox>("cbxSelectAllSettings")->isChecked());

    // The select-all box follows the list shown.
    SelectGame("mymod");
    EXPECT_TRUE(Find<QCheckBox>("cbxSelectAllSettings")->isChecked());
    ClickCheck("clsSettings", 0);
    EXPECT_FALSE(Find<QCheckBox>("cbxSelectAllSettings")->isChecked());
    ClickCheck("clsSettings", 0);
    EXPECT_TRUE(Find<QCheckBox>("cbxSelectAllSettings")->isChecked());

    // A click on the blank part changes nothing; one on the selected game
    // shows its profile afresh, after a fix by hand.
    WriteProfile("mymod", Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=fov", "SettingValue=110"}));
    QListWidget* games = List("lbxGames");
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, QPoint(5, games->viewport()->height() - 2));
    EXPECT_EQ(Texts("clsSettings"), QStringList{"fov = 90"});
    EXPECT_EQ(games->selectedItems().value(0), games->item(1));
    SelectGame("mymod");
    EXPECT_EQ(Texts("clsSettings"), QStringList{"fov = 110"});
    EXPECT_FALSE(Find<QCheckBox>("cbxSelectAllSettings")->isChecked());

    // A profile listed as Other.TESK is the file shown and changed.
    SelectGame("Other");
    EXPECT_EQ(Texts("clsSettings"), QStringList{"x = 1"});
    AnswerSetting("y", "2");
    Click("btnAddSetting");
    EXPECT_EQ(IniFile::Load(world.inWork("Other.TESK")).ReadString("Setting2", "Setting", ""), "y");
    EXPECT_FALSE(std::filesystem::exists(world.inWork("Other.tesk")));

    // A game whose profile is already gone leaves the list, and that is said.
    std::filesystem::remove(ProfileFile("gone"));
    SelectGame("gone");
    desktop.confirmAnswers = {true};
    Click("btnDeleteGame");
    EXPECT_EQ(Texts("lbxGames"), (QStringList{"mymod", "Other"}));
    EXPECT_EQ(desktop.messages, QStringList{QString::fromStdString(ProfileFile("gone")
                                                                   + " was gone already, so there was nothing to "
                                                                     "back up; gone is no longer listed.")});
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
