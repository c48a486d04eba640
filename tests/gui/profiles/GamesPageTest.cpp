#include "gui/profiles/GamesPage.h"
#include "GamesPageFixture.h"
#include "gui/profiles/ProfileCommands.h"

#include "core/text/IniFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <filesystem>
#include <set>

namespace tesk {
namespace {

using testing::Find;
using testing::GamesPageFixture;
using testing::Ini;
using testing::ReadFileBytes;

const std::string kGlobal = Ini({
    "[NumberOfSections]",
    "Aliases=2",
    "Bindings=2",
    "Settings=1",
    "[Alias1]",
    "DescriptiveName=Jump",
    "AliasName=j",
    "Checked=true",
    "[Alias2]",
    "DescriptiveName=Fire",
    "AliasName=+attack",
    "[Alias3]",
    "DescriptiveName=Beyond the count",
    "[Bind1]",
    "BindKey=MOUSE1",
    "BindValue=+attack",
    "Checked=true",
    "[Bind2]",
    "BindKey=SPACE",
    "BindValue=+moveup",
    "Checked=True",
    "[Setting1]",
    "Setting=name",
    "SettingValue=Ann",
});

const std::string kMymod = Ini({
    "[NumberOfSections]",
    "aliases=0",
    "bindings=1",
    "settings=3",
    "[Bind1]",
    "BindKey=MOUSE1",
    "BindValue=+attack",
    "[Setting1]",
    "Setting=fov",
    "SettingValue=90",
    "[Setting2]",
    "Setting=sensitivity",
    "SettingValue=3",
    "[Setting3]",
    "Setting=gamma",
    "SettingValue=1",
    "Checked=true",
});

class GamesPageTest : public GamesPageFixture {
protected:
    void StartWithProfiles()
    {
        WriteProfile("Global Aliases", kGlobal);
        WriteProfile("mymod", kMymod);
        Start();
    }

    QStringList Games() const { return Texts("lbxGames"); }
    int SelectedGame() const
    {
        const auto selected = List("lbxGames")->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.constFirst().row();
    }
    void SelectGame(const char* name) const { Select("lbxGames", static_cast<int>(Games().indexOf(name))); }
    bool GlobalShown() const { return Find<QCheckBox>("cbxGlobalSettings")->isChecked(); }

    // Answers the game picker with `text` typed, then Ok; `offered` gets its list.
    void PickGame(const QString& text, QStringList* offered = nullptr)
    {
        Answer([text, offered](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "New Game");
            auto* games = testing::Find<QComboBox>(dialog, "cboGames");
            for (int i = 0; offered && i < games->count(); ++i)
                offered->append(games->itemText(i));
            games->setEditText(text);
            QTest::mouseClick(testing::Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
        });
    }
};

TEST_F(GamesPageTest, StartUpShowsTheGlobalProfileWithNoGameSelected)
{
    StartWithProfiles();
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", "Fire"}));
    EXPECT_EQ(Checks("clsAliases"), (std::vector<bool>{true, false}));
    EXPECT_EQ(Texts("clsBindings"), (QStringList{"MOUSE1 = Fire", "SPACE = +moveup"}));
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, false}));
    EXPECT_EQ(Texts("clsSettings"), (QStringList{"name = Ann"}));
    EXPECT_TRUE(GlobalShown());
    EXPECT_EQ(Games(), QStringList{"mymod"});
    EXPECT_TRUE(window->startupProblems().isEmpty());

    // With no game chosen, "Use this Game" has nothing to use.
    EXPECT_FALSE(testing::Find<QPushButton>(*window, "btnUseThisGame")->isEnabled());
    Click("btnUseThisGame");
    EXPECT_EQ(window->model().Text("txtCurrentGame"), "");
    EXPECT_EQ(SelectedGame(), -1);
}

// Start-up reads the page's lists but leaves the page to its first showing;
// a command that needs its controls has it built first.
TEST_F(GamesPageTest, ThePageIsBuiltWhenFirstShownOrNeeded)
{
    WriteProfile("Global Aliases", kGlobal);
    WriteProfile("mymod", kMymod);
    Start(false);
    auto* page = window->findChild<GamesPage*>("tabAlias");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->built());
    EXPECT_EQ(window->findChild<QAbstractItemView*>("clsAliases"), nullptr);

    window->profileCommands().btnUseThisGameClick();
    EXPECT_TRUE(page->built());
    EXPECT_EQ(window->model().Text("txtCurrentGame"), "mymod");
    EXPECT_EQ(Games(), QStringList{"mymod"});
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", "Fire"}));
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, false}));

    // Showing it later changes nothing and builds no second copy.
    ShowPage();
    EXPECT_EQ(window->findChildren<QAbstractItemView*>("clsAliases").size(), 1);
    EXPECT_EQ(Texts("clsSettings"), QStringList{"name = Ann"});
    Click("cbxSelectAllSettings");
    EXPECT_EQ(Checks("clsSettings"), std::vector<bool>{true});
    EXPECT_EQ(IniFile::Load(ProfileFile("Global Aliases")).ReadString("Setting1", "Checked", ""), "true")
        << "the page's commands are connected once built";
}

const std::string kBrokenGlobal = Ini({"[NumberOfSections]", "Aliases=1", "Bindings=two", "Settings=1", "[Alias1]",
                                       "DescriptiveName=Jump", "[Setting1]", "Setting=a"});

// Said once at start-up, not again when the page shows; the lists that did
// not load take no change.
TEST_F(GamesPageTest, ABadCountAtStartUpIsOneStartUpProblem)
{
    WriteProfile("Global Aliases", kBrokenGlobal);
    WriteProfile("mymod", kMymod);
    Start();
    const QString fault = QString::fromStdString(
        "'two' is not a valid integer value (\"Bindings\" under "
        "[NumberOfSections] in "
        + ProfileFile("Global Aliases") + ")");
    EXPECT_EQ(window->startupProblems(), QStringList{fault});
    EXPECT_EQ(Texts("clsAliases"), QStringList{"Jump"});
    EXPECT_TRUE(Texts("clsBindings").isEmpty());
    EXPECT_TRUE(Texts("clsSettings").isEmpty());
    EXPECT_EQ(Games(), QStringList{"mymod"});
    Click("btnAddBinding");
    Click("btnAddSetting");
    EXPECT_EQ(desktop.errors, (QStringList{fault, "The bindings did not load and cannot be changed: " + fault,
                                           "The settings did not load and cannot be changed: " + fault}));
    EXPECT_EQ(Profile("Global Aliases"), kBrokenGlobal);
}

// Start-up reads only the global profile's counts; the lists are read from
// the file as it is when the page is first shown.
TEST_F(GamesPageTest, TheListsAreReadWhenThePageIsFirstShown)
{
    const auto open = [this](const std::string& atStart, const std::string& atShow) {
        desktop.errors.clear();
        WriteProfile("Global Aliases", atStart);
        Start(false);
        WriteProfile("Global Aliases", atShow);
        ShowPage();
        return desktop.errors.size();
    };
    EXPECT_EQ(open(kGlobal, kBrokenGlobal), 1) << "a new fault is said when the page shows";
    EXPECT_EQ(Texts("clsAliases"), QStringList{"Jump"});
    EXPECT_EQ(open(kBrokenGlobal, kGlobal), 1) << "a fault mended before the page shows is said once";
    EXPECT_EQ(Texts("clsBindings"), (QStringList{"MOUSE1 = Fire", "SPACE = +moveup"}));
}

// The lists size every item alike, yet a long entry between short ones can
// still be scrolled to.
TEST_F(GamesPageTest, ALongEntryCanBeScrolledTo)
{
    const std::string longName(120, 'W');
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Aliases=3", "[Alias1]", "DescriptiveName=a", "[Alias2]",
                                        ("DescriptiveName=" + longName).c_str(), "[Alias3]", "DescriptiveName=b"}));
    Start();
    QAbstractItemView* list = List("clsAliases");
    list->doItemsLayout();
    const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
    EXPECT_GT(reach, list->fontMetrics().horizontalAdvance(QString::fromStdString(longName)));
    EXPECT_EQ(list->visualRect(Row("clsAliases", 0)).height(), list->sizeHintForRow(0));
}

// At 100,000 entries the list still shows its last one when scrolled there,
// and a delete removes exactly the chosen entry, the later ones moving down.
TEST_F(GamesPageTest, AHundredThousandEntriesAreShownAndDeletedOneByOne)
{
    constexpr int kEntries = 100000;
    std::string profile = "[NumberOfSections]\r\nBindings=" + std::to_string(kEntries) + "\r\n";
    for (int i = 1; i <= kEntries; ++i)
        profile += "[Bind" + std::to_string(i) + "]\r\nBindKey=K" + std::to_string(i) + "\r\nBindValue=V"
                   + std::to_string(i) + "\r\n";
    WriteProfile("Global Aliases", profile);
    Start();
    ASSERT_EQ(Count("clsBindings"), kEntries);

    QAbstractItemView* list = List("clsBindings");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    const QModelIndex last = Row("clsBindings", kEntries - 1);
    EXPECT_EQ(last.data().toString(), "K100000 = V100000");
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(last)));

    // The 54,321st entry, scrolled to and clicked.
    const int chosen = 54320;
    list->scrollTo(Row("clsBindings", chosen), QAbstractItemView::PositionAtCenter);
    Select("clsBindings", chosen);
    desktop.confirmAnswers = {true};
    Click("btnDeleteBinding");
    EXPECT_EQ(desktop.confirmations.last(), "Delete Alias K54321 = V54321?");
    ASSERT_EQ(Count("clsBindings"), kEntries - 1);
    EXPECT_EQ(Row("clsBindings", chosen - 1).data().toString(), "K54320 = V54320");
    EXPECT_EQ(Row("clsBindings", chosen).data().toString(), "K54322 = V54322");
    const IniFile stored = IniFile::Load(ProfileFile("Global Aliases"));
    EXPECT_EQ(stored.ReadString("NumberOfSections", "Bindings", ""), "99999");
    EXPECT_EQ(stored.ReadString("Bind54321", "BindKey", ""), "K54322");
    EXPECT_EQ(stored.ReadString("Bind99999", "BindKey", ""), "K100000");
    EXPECT_EQ(stored.ReadString("Bind100000", "BindKey", "<missing>"), "<missing>");
}

TEST_F(GamesPageTest, TheListsShowTheSelectedGameOrTheGlobalProfile)
{
    WriteProfile("broken", Ini({"[NumberOfSections]", "Bindings=x1", "Settings=1", "[Setting1]", "Setting=a"}));
    StartWithProfiles();
    SelectGame("mymod");
    EXPECT_FALSE(GlobalShown());
    EXPECT_TRUE(Find("btnUseThisGame")->isEnabled());
    EXPECT_TRUE(Texts("clsAliases").isEmpty());
    // mymod has no alias named +attack: its binding shows the command.
    EXPECT_EQ(Texts("clsBindings"), QStringList{"MOUSE1 = +attack"});
    EXPECT_EQ(Checks("clsSettings"), (std::vector<bool>{false, false, true}));

    Click("cbxGlobalSettings");
    EXPECT_TRUE(GlobalShown());
    EXPECT_EQ(SelectedGame(), -1);
    EXPECT_FALSE(Find("btnUseThisGame")->isEnabled());
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", "Fire"}));
    // Loading a profile sets the marks of its entries: none of that is stored.
    EXPECT_EQ(Profile("mymod"), kMymod);
    EXPECT_EQ(Profile("Global Aliases"), kGlobal);

    // Unchecked with no game selected, the first game in the order Windows
    // lists them is shown: "broken", whose count stops the load, and no list
    // goes on showing another profile's entries.
    Click("cbxGlobalSettings");
    EXPECT_FALSE(GlobalShown());
    EXPECT_EQ(Games(), (QStringList{"broken", "mymod"}));
    EXPECT_EQ(SelectedGame(), 0);
    EXPECT_EQ(window->focusWidget(), List("lbxGames"));
    const QString broken = QString::fromStdString(
        "'x1' is not a valid integer value (\"Bindings\" under "
        "[NumberOfSections] in "
        + ProfileFile("broken") + ")");
    EXPECT_EQ(desktop.errors, QStringList{broken});
    for (const char* list : {"clsAliases", "clsBindings", "clsSettings"})
        EXPECT_TRUE(Texts(list).isEmpty()) << list;
}

// The arrow keys and the space bar tick the next entry. Entries keep the
// file's bytes, so the mark is stored against the entry the file holds and a
// question names it as shown.
TEST_F(GamesPageTest, OnlyTheTickedEntryIsStoredUnderItsOwnText)
{
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Aliases=3", "[Alias1]", "DescriptiveName=Jump",
                                        "[Alias2]", "DescriptiveName=Caf\xE9", "[Alias3]", "DescriptiveName=Fire"}));
    Start();
    const QString cafe = QString::fromLatin1("Caf\xE9");
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", cafe, "Fire"}));
    Select("clsAliases", 0);
    QTest::keyClick(List("clsAliases"), Qt::Key_Down);
    QTest::keyClick(List("clsAliases"), Qt::Key_Space);
    EXPECT_EQ(Checks("clsAliases"), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(IniFile::Load(ProfileFile("Global Aliases")).ReadString("Alias2", "Checked", ""), "true");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join("\n").toStdString();

    desktop.confirmAnswers = {false};
    Click("btnDeleteAlias");
    EXPECT_EQ(desktop.confirmations, QStringList{"Delete Alias " + cafe + "?"});
}

// The profiles live in the data directory start-up found, wherever the
// process works afterwards.
TEST_F(GamesPageTest, TheProfilesStayInTheDataDirectoryWhateverTheWorkingDirectory)
{
    WriteProfile("Global Aliases", Ini({"[NumberOfSections]", "Aliases=2", "[Alias1]", "DescriptiveName=Jump",
                                        "[Alias2]", "DescriptiveName=Fire"}));
    Start();
    testing::TempDir elsewhere;
    std::filesystem::current_path(elsewhere.path());
    Select("clsAliases", 0);
    QTest::keyClick(List("clsAliases"), Qt::Key_Space);
    EXPECT_EQ(IniFile::Load(ProfileFile("Global Aliases")).ReadString("Alias1", "Checked", ""), "true");
    PickGame("newmod");
    Click("btnAddGame");
    EXPECT_EQ(Games(), QStringList{"newmod"});
    EXPECT_EQ(Profile("newmod"), Ini({"[NumberOfSections]", "aliases=0", "bindings=0", "settings=0"}));
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

TEST_F(GamesPageTest, CheckMarksAreStoredTheMomentTheyChange)
{
    StartWithProfiles();
    const std::string global = ProfileFile("Global Aliases");

    // "True" loaded unchecked; the click stores "true" in Bind2 under the
    // existing key's spelling; a click on the text only selects, and the
    // space bar takes the mark back.
    ClickCheck("clsBindings", 1);
    EXPECT_NE(Profile("Global Aliases").find("BindValue=+moveup\r\nChecked=true\r\n"), std::string::npos);
    Select("clsBindings", 1);
    QTest::keyClick(List("clsBindings"), Qt::Key_Space);
    EXPECT_EQ(IniFile::Load(global).ReadString("Bind2", "Checked", ""), "false");

    // Select all, then one entry unchecked: the box clears, the other entry
    // stays checked, and only the unchecked entry's mark is written.
    Click("cbxSelectAllBindings");
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{true, true}));
    std::string expected = Profile("Global Aliases");
    ClickCheck("clsBindings", 0);
    EXPECT_FALSE(Find<QCheckBox>("cbxSelectAllBindings")->isChecked());
    EXPECT_EQ(Checks("clsBindings"), (std::vector<bool>{false, true}));
    expected.replace(expected.find("+attack\r\nChecked=true"), 21, "+attack\r\nChecked=false");
    EXPECT_EQ(Profile("Global Aliases"), expected);

    // Select all on mymod marks every setting of mymod.tesk only.
    SelectGame("mymod");
    Click("cbxSelectAllSettings");
    EXPECT_EQ(Checks("clsSettings"), (std::vector<bool>{true, true, true}));
    const IniFile mymod = IniFile::Load(ProfileFile("mymod"));
    for (const char* section : {"Setting1", "Setting2", "Setting3"})
        EXPECT_EQ(mymod.ReadString(section, "Checked", ""), "true") << section;
    EXPECT_EQ(Profile("Global Aliases"), expected);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(GamesPageTest, ThePickerAddsAGameAtTheEndOfTheList)
{
    StartWithProfiles();
    for (const char* directory : {"MYMOD", "Docs", "othermod"})
        world.MakeDirectory(world.inGame(directory));
    world.Write(world.inGame("readme.txt"), "x");
    world.Write(world.inGame("ulvex2.exe"), "x");

    QStringList offered;
    PickGame("   ", &offered);
    Click("btnAddGame");
    EXPECT_EQ(std::set<QString>(offered.begin(), offered.end()), (std::set<QString>{"mymod", "othermod"}));
    EXPECT_EQ(Games(), QStringList{"mymod"});

    // A leading blank stays in the name and the file name; nothing else changes.
    PickGame(" lead");
    Click("btnAddGame");
    EXPECT_EQ(Games(), (QStringList{"mymod", " lead"}));
    EXPECT_EQ(Profile(" lead"), Ini({"[NumberOfSections]", "aliases=0", "bindings=0", "settings=0"}));
    EXPECT_TRUE(GlobalShown());
    EXPECT_EQ(Texts("clsAliases"), (QStringList{"Jump", "Fire"}));

    // A listed name, in any letter case, is refused; the list and the profile stay.
    PickGame("MyMod");
    Click("btnAddGame");
    EXPECT_EQ(desktop.errors, QStringList{"'MyMod' is listed already"});
    EXPECT_EQ(Games(), (QStringList{"mymod", " lead"}));
    EXPECT_EQ(Profile("mymod"), kMymod);
}

TEST_F(GamesPageTest, ADeletedGameKeepsItsProfileUntilAddedAgain)
{
    world.Write(world.inWork("othermod.u2bk"), "older backup");
    WriteProfile("othermod", "");
    StartWithProfiles();
    SelectGame("mymod");
    desktop.confirmAnswers = {false, true};
    Click("btnDeleteGame");
    EXPECT_EQ(Profile("mymod"), kMymod);
    Click("btnDeleteGame");
    EXPECT_EQ(desktop.confirmations, (QStringList{"Delete Game Setting for mymod?", "Delete Game Setting for mymod?"}));
    EXPECT_EQ(Games(), QStringList{"othermod"});
    EXPECT_EQ(ReadFileBytes(world.inWork("mymod.u2bk")), kMymod);

    // The shown game is gone: the lists are empty and have no profile to act on.
    for (const char* list : {"clsAliases", "clsBindings", "clsSettings"})
        EXPECT_TRUE(Texts(list).isEmpty()) << list;
    Click("btnAddSetting");
    Click("btnDeleteGame");

    PickGame("mymod");
    Click("btnAddGame");
    EXPECT_EQ(Profile("mymod"), kMymod);
    EXPECT_FALSE(std::filesystem::exists(world.inWork("mymod.u2bk")));

    // A backup in the way: the error names both files and the game stays.
    SelectGame("othermod");
    desktop.confirmAnswers = {true};
    Click("btnDeleteGame");
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains(QString::fromStdString(world.inWork("othermod.u2bk"))));
    EXPECT_TRUE(Games().contains("othermod"));
    EXPECT_EQ(ReadFileBytes(world.inWork("othermod.u2bk")), "older backup");
}

// Commands act on the profile as it is now: an entry another program changed
// is neither deleted, marked nor overwritten, and the lists show the file.
TEST_F(GamesPageTest, ChangesMadeElsewhereChangeNothing)
{
    const std::string sens = Ini({"[NumberOfSections]", "Settings=2", "[Setting1]", "Setting=fov", "SettingValue=90",
                                  "[Setting2]", "Setting=sens", "SettingValue=3"});
    const std::string gamma = Ini({"[NumberOfSections]", "Settings=2", "[Setting1]", "Setting=fov", "SettingValue=90",
                                   "[Setting2]", "Setting=gamma", "SettingValue=1"});
    WriteProfile("Global Aliases", sens);
    Start();
    WriteProfile("Global Aliases", gamma);
    ClickCheck("clsSettings", 1);
    EXPECT_EQ(Checks("clsSettings"), (std::vector<bool>{false, false}));
    WriteProfile("Global Aliases", sens);
    Select("clsSettings", 1);
    desktop.confirmAnswers = {true};
    Click("btnDeleteSetting");
    EXPECT_EQ(Profile("Global Aliases"), sens);

    // The entry changes while its editor is open: OK stores nothing and closes it.
    bool closed = false;
    Answer([&](QDialog& dialog) {
        WriteProfile("Global Aliases", gamma);
        QTest::keyClicks(testing::Find<QLineEdit>(dialog, "txtSettingValue"), "5");
        QTest::mouseClick(testing::Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
        closed = !dialog.isVisible();
    });
    DoubleClick("clsSettings", 1);
    EXPECT_TRUE(closed);
    EXPECT_EQ(Profile("Global Aliases"), gamma);
    EXPECT_EQ(Texts("clsSettings"), (QStringList{"fov = 90", "gamma = 1"}));
    const QString changed = QString::fromStdString(ProfileFile("Global Aliases") + " changed since it was shown. "
                                                   "The lists now show it as it is; nothing was changed.");
    EXPECT_EQ(desktop.messages, (QStringList{changed, changed, changed}));
}

// The select-all box follows the list shown; a click on the blank part of the
// games list changes nothing, one on the selected game shows it afresh; a
// game whose profile is gone already leaves the list.
TEST_F(GamesPageTest, TheGamesListAnswersClicksAsAPlayerExpects)
{
    WriteProfile("mymod", Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=fov", "Checked=true"}));
    WriteProfile("gone", "");
    WriteProfile("Global Aliases", kGlobal);
    Start();
    const auto* selectAll = Find<QCheckBox>("cbxSelectAllSettings");
    SelectGame("mymod");
    EXPECT_TRUE(selectAll->isChecked());

    WriteProfile("mymod", Ini({"[NumberOfSections]", "Settings=1", "[Setting1]", "Setting=gamma"}));
    QWidget* blank = List("lbxGames")->viewport();
    QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(5, blank->height() - 2));
    EXPECT_EQ(SelectedGame(), 1);
    EXPECT_EQ(Texts("clsSettings"), QStringList{"fov = didn't load"});
    SelectGame("mymod");
    EXPECT_EQ(Texts("clsSettings"), QStringList{"gamma = didn't load"});
    EXPECT_FALSE(selectAll->isChecked());

    std::filesystem::remove(ProfileFile("gone"));
    SelectGame("gone");
    desktop.confirmAnswers = {true};
    Click("btnDeleteGame");
    EXPECT_EQ(Games(), QStringList{"mymod"});
    EXPECT_EQ(desktop.messages,
              QStringList{QString::fromStdString(ProfileFile("gone")
                                                 + " was gone already, so "
                                                   "there was nothing to back up; gone is no longer listed.")});
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

} // namespace
} // namespace tesk
