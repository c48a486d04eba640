#include "core/profiles/ProfileEntries.h"

#include "ProfileTestHelpers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::Checks;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::Texts;
using testing::WriteFileBytes;

using Lines = std::vector<std::string>;

const EntryTarget kNew{};

EntryTarget Shown(std::size_t index, std::string text) { return EntryTarget{false, index, std::move(text)}; }

std::string Read(const std::string& path, const std::string& section, const std::string& key)
{
    return IniFile::Load(path).ReadString(section, key, "<missing>");
}

const std::string kThreeAliases =
    "[NumberOfSections]\nAliases=3\n"
    "[Alias1]\nDescriptiveName=Fire\nAliasName=f\nChecked=true\n"
    "[Alias2]\nDescriptiveName=Jump\nAliasName=j\nAliasLines=5\n"
    "Aline1=a\nAline2=b\nAline3=c\nAline4=d\nAline5=e\n"
    "[Alias3]\nDescriptiveName=Duck\nAliasName=d\nChecked=true\n";

TEST(AliasEditor, AddsAtTheEndAndEditsInPlace)
{
    TempDir dir;
    const std::string path = ProfilePath(dir.str(), "Global Aliases");
    WriteFileBytes(path, kThreeAliases);

    WriteAliasEntry(path, kNew, AliasEntry{"Run", "r", "", {"+speed"}});
    EXPECT_EQ(Read(path, "NumberOfSections", "Aliases"), "4");
    EXPECT_EQ(Read(path, "Alias4", "AliasName"), "r");
    EXPECT_EQ(Read(path, "Alias4", "Aline1"), "+speed");

    WriteAliasEntry(dir.file("new.tesk"), kNew, AliasEntry{"First", "a", "", {}});
    EXPECT_EQ(Texts(LoadAliasList(IniFile::Load(dir.file("new.tesk")))), Lines{"First"});

    WriteFileBytes(path, kThreeAliases);
    WriteAliasEntry(path, Shown(1, "Jump"), AliasEntry{"High jump", "hj", "first\nsecond", {"x", "y"}});
    EXPECT_EQ(Read(path, "NumberOfSections", "Aliases"), "3");
    EXPECT_EQ(Read(path, "Alias2", "Description"), "firstsecond");
    EXPECT_EQ(Read(path, "Alias2", "AliasLines"), "2");
    EXPECT_EQ(Read(path, "Alias2", "Aline5"), "e") << "lines beyond the count stay, unread";
    EXPECT_EQ(ReadAliasEntry(path, 1).lines, (Lines{"x", "y"}));
    EXPECT_EQ(Texts(LoadAliasList(IniFile::Load(path))), (Lines{"Fire", "High jump", "Duck"}));
    EXPECT_EQ(Checks(LoadAliasList(IniFile::Load(path))), (std::vector<bool>{true, false, true}));

    WriteAliasEntry(path, Shown(0, "Fire"), AliasEntry{"Fire", "f", "one\r\ntwo\rthree", {}});
    EXPECT_EQ(ReadAliasEntry(path, 0).description, "onetwothree");
}

TEST(AliasEditor, OpensWithDefaultsForMissingKeys)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[Alias1]\nAliasName=x\nAliasLines=3\nAline1=one\nAline3=three\n"
                   "[Alias2]\nDescriptiveName=Bad\nAliasLines=many\nAline1=hidden\n"
                   "[Alias3]\nDescriptiveName=  padded \nDescription=text\nAline1=hidden\n");
    const AliasEntry first = ReadAliasEntry(path, 0);
    EXPECT_EQ(first.descriptiveName, "No Name");
    EXPECT_EQ(first.lines, (Lines{"one", "", "three"}));
    EXPECT_TRUE(ReadAliasEntry(path, 1).lines.empty());
    const AliasEntry third = ReadAliasEntry(path, 2);
    EXPECT_TRUE(third.lines.empty());
    EXPECT_EQ(third.description, "text");
    EXPECT_EQ(ReadAliasEntry(dir.file("missing.tesk"), 0).descriptiveName, "No Name");

    // Blanks at the ends of typed text survive a write and a read.
    WriteAliasEntry(dir.file("other.tesk"), kNew, AliasEntry{" padded ", "p", " ", {"  say hi  "}});
    const AliasEntry padded = ReadAliasEntry(dir.file("other.tesk"), 0);
    EXPECT_EQ(padded.descriptiveName, " padded ");
    EXPECT_EQ(padded.description, " ");
    EXPECT_EQ(padded.lines, Lines{"  say hi  "});
}

const std::string kRocketJump =
    "[NumberOfSections]\nAliases=3\nBindings=1\n"
    "[Alias1]\nDescriptiveName=Fire\nAliasName=+attack2\n"
    "[Alias2]\nDescriptiveName=Rocket jump\nAliasName=rj\n"
    "[Alias3]\nDescriptiveName=Rocket jump\nAliasName=rj2\n"
    "[Bind1]\nBindKey=MOUSE1\nBindValue=+attack2\nChecked=true\n";

TEST(BindingEditor, StoresTheAliasNameOfTheChosenDescriptiveName)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path, kRocketJump);
    const Lines items = Texts(LoadAliasList(IniFile::Load(path)));

    WriteBindingEntry(path, kNew, "MOUSE2", "Rocket jump");
    EXPECT_EQ(Read(path, "Bind2", "BindKey"), "MOUSE2");
    EXPECT_EQ(Read(path, "Bind2", "BindValue"), "rj") << "the first alias of that name";
    EXPECT_NE(ReadFileBytes(path).find("Bindvalue=rj\r\n"), std::string::npos);
    EXPECT_EQ(Texts(LoadBindingList(IniFile::Load(path))), (Lines{"MOUSE1 = Fire", "MOUSE2 = Rocket jump"}));
    const BindingEditorState reopened = ReadBindingEntry(path, 1, items);
    EXPECT_EQ(reopened.key, "MOUSE2");
    EXPECT_EQ(reopened.selectedAlias, std::optional<std::size_t>(1));

    WriteBindingEntry(path, Shown(1, "MOUSE2 = Rocket jump"), "MOUSE2", "rocket JUMP");
    EXPECT_EQ(Read(path, "Bind2", "BindValue"), "rj");

    WriteBindingEntry(path, Shown(1, "MOUSE2 = Rocket jump"), "MOUSE2", "+attack");
    EXPECT_EQ(Read(path, "Bind2", "BindValue"), "+attack");
    const BindingEditorState typed = ReadBindingEntry(path, 1, items);
    EXPECT_EQ(typed.selectedAlias, std::nullopt);
    EXPECT_EQ(typed.value, "+attack");
    EXPECT_EQ(Read(path, "NumberOfSections", "Bindings"), "2") << "an edit keeps the count";
    EXPECT_EQ(Checks(LoadBindingList(IniFile::Load(path))), (std::vector<bool>{true, false}));
}

TEST(BindingEditor, LastMatchingAliasDecidesTheSelection)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[NumberOfSections]\nAliases=3\n"
                   "[Alias1]\nDescriptiveName=One\nAliasName=x\n"
                   "[Alias2]\nDescriptiveName=TWO\nAliasName=x\n"
                   "[Alias3]\nDescriptiveName=Three\nAliasName=X\n"
                   "[Bind1]\nBindKey=K\nBindValue=x\n");
    EXPECT_EQ(ReadBindingEntry(path, 0, {"One", "two", "Three"}).selectedAlias, std::optional<std::size_t>(1));
    EXPECT_EQ(ReadBindingEntry(path, 0, {"One", "Three"}).selectedAlias, std::nullopt)
        << "a last match missing from the combo selects nothing";
    const BindingEditorState missing = ReadBindingEntry(path, 5, {"One"});
    EXPECT_EQ(missing.key, "");
    EXPECT_EQ(missing.value, "");
}

TEST(SettingEditor, EditKeepsCountAndCheckMarks)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[NumberOfSections]\nSettings=3\n"
                   "[Setting1]\nSetting=fov\nSettingValue=90\nChecked=true\n"
                   "[Setting2]\nSetting=sensitivity\nSettingValue=3\nChecked=false\n"
                   "[Setting3]\nSetting=name\nSettingValue=ann\nChecked=true\n");
    EXPECT_EQ(ReadSettingEntry(path, 1).setting, "sensitivity");
    WriteSettingEntry(path, Shown(1, "sensitivity = 3"), SettingEntry{"sensitivity", "7"});
    EXPECT_EQ(Texts(LoadSettingList(IniFile::Load(path))), (Lines{"fov = 90", "sensitivity = 7", "name = ann"}));
    EXPECT_EQ(Checks(LoadSettingList(IniFile::Load(path))), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(Read(path, "NumberOfSections", "Settings"), "3");

    WriteSettingEntry(path, kNew, SettingEntry{"", ""});
    EXPECT_EQ(Read(path, "NumberOfSections", "Settings"), "4");
    EXPECT_EQ(Texts(LoadSettingList(IniFile::Load(path))).back(), " = ");
    EXPECT_EQ(ReadSettingEntry(path, 7).value, "");
}

const std::string kFourBindings =
    "[NumberOfSections]\nBindings=4\n"
    "[Bind1]\nBindKey=B1\nBindValue=v1\nChecked=true\n"
    "[Bind2]\nBindKey=B2\nBindValue=v2\nChecked=true\n"
    "[Bind3]\nBindKey=B3\nBindValue=v3\nStray=old\n"
    "[Bind4]\nBindKey=B4\nBindValue=v4\nChecked=true\n";

TEST(DeleteProfileEntry, MovesFollowingEntriesDownWithTheirCheckMarks)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path, kFourBindings);
    EXPECT_EQ(DeleteEntryQuestion("B2 = v2"), "Delete Alias B2 = v2?");
    DeleteProfileEntry(path, ProfileEntryKind::Binding, 1, "B2 = v2");

    const IniFile profile = IniFile::Load(path);
    EXPECT_EQ(profile.ReadString("NumberOfSections", "Bindings", ""), "3");
    EXPECT_FALSE(profile.SectionExists("Bind4"));
    EXPECT_EQ(Texts(LoadBindingList(profile)), (Lines{"B1 = v1", "B3 = v3", "B4 = v4"}));
    EXPECT_EQ(Checks(LoadBindingList(profile)), (std::vector<bool>{true, false, true}));

    DeleteProfileEntry(path, ProfileEntryKind::Binding, 2, "B4 = v4");
    EXPECT_EQ(Texts(LoadBindingList(IniFile::Load(path))), (Lines{"B1 = v1", "B3 = v3"}));
    EXPECT_FALSE(IniFile::Load(path).SectionExists("Bind3"));
}

TEST(DeleteProfileEntry, MovedAliasesKeepTheirLinesAndMarks)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path, kThreeAliases);
    DeleteProfileEntry(path, ProfileEntryKind::Alias, 0, "Fire");
    EXPECT_EQ(Texts(LoadAliasList(IniFile::Load(path))), (Lines{"Jump", "Duck"}));
    EXPECT_EQ(Checks(LoadAliasList(IniFile::Load(path))), (std::vector<bool>{false, true}));
    EXPECT_EQ(ReadAliasEntry(path, 0).lines, (Lines{"a", "b", "c", "d", "e"}));
    // A key missing from a moved entry stays missing.
    EXPECT_EQ(Read(path, "Alias2", "Description"), "<missing>");
    EXPECT_EQ(Read(path, "Alias2", "AliasLines"), "<missing>");
    EXPECT_FALSE(IniFile::Load(path).SectionExists("Alias3"));
}

TEST(DeleteProfileEntry, StaleOrUnwritableDeletesChangeNothing)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path, kFourBindings);
    EXPECT_THROW(DeleteProfileEntry(path, ProfileEntryKind::Binding, 4, "B5 = v5"), ProfileChanged)
        << "not in the file's count";
    EXPECT_THROW(DeleteProfileEntry(path, ProfileEntryKind::Setting, 0, "x = y"), ProfileChanged);
    EXPECT_THROW(DeleteProfileEntry(path, ProfileEntryKind::Binding, 1, "B3 = v3"), ProfileChanged)
        << "another entry than the one shown";
    // Nor is an entry edited that is not the one shown.
    EXPECT_THROW(WriteBindingEntry(path, Shown(0, "B2 = v2"), "B2", "x"), ProfileChanged);
    EXPECT_THROW(CheckEntryToEdit(path, ProfileEntryKind::Binding, 4, "B5 = v5"), ProfileChanged);
    EXPECT_EQ(testing::ErrorOf([&] { CheckEntryToEdit(path, ProfileEntryKind::Binding, 0, "x = y"); }),
              path + " changed since it was shown. The lists now show it as it is; nothing was changed.");
    EXPECT_EQ(ReadFileBytes(path), kFourBindings);

    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(testing::ErrorOf([&] { DeleteProfileEntry(path, ProfileEntryKind::Binding, 1, "B2 = v2"); }),
              "Unable to write to " + path);
    EXPECT_EQ(testing::ErrorOf([&] { WriteAliasEntry(path, kNew, AliasEntry{}); }), "Unable to write to " + path);
    EXPECT_EQ(ReadFileBytes(path), kFourBindings);
}

TEST(DeleteProfileEntry, SectionsStayInPlaceAndTheLastOnlyIsErased)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[NumberOfSections]\r\nSettings=3\r\n"
                   "[Setting1]\r\nSetting=fov\r\nSettingValue=90\r\n"
                   "[Setting2]\r\nSetting=name\r\nSettingValue=ann\r\n"
                   "[Setting3]\r\nSetting=rate\r\nSettingValue=25000\r\n");
    DeleteProfileEntry(path, ProfileEntryKind::Setting, 0, "fov = 90");
    EXPECT_EQ(ReadFileBytes(path),
              "[NumberOfSections]\r\nSettings=2\r\n"
              "[Setting1]\r\nSetting=name\r\nSettingValue=ann\r\n"
              "[Setting2]\r\nSetting=rate\r\nSettingValue=25000\r\n");
    DeleteProfileEntry(path, ProfileEntryKind::Setting, 1, "rate = 25000");
    EXPECT_EQ(ReadFileBytes(path),
              "[NumberOfSections]\r\nSettings=1\r\n"
              "[Setting1]\r\nSetting=name\r\nSettingValue=ann\r\n");
    DeleteProfileEntry(path, ProfileEntryKind::Setting, 0, "name = ann");
    EXPECT_EQ(ReadFileBytes(path), "[NumberOfSections]\r\nSettings=0\r\n");
}

// Two windows each adding a setting to the list they showed, and a leftover
// section beyond the count: every entry survives, the new one starts empty.
TEST(AddProfileEntry, NumbersFromTheFileAndStartsFromAnEmptySection)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[NumberOfSections]\nSettings=1\n[Setting1]\nSetting=fov\nSettingValue=90\n"
                   "[Setting2]\nSetting=old\nChecked=true\n");
    WriteSettingEntry(path, kNew, SettingEntry{"gamma", "1"});
    WriteSettingEntry(path, kNew, SettingEntry{"name", "Ann"});
    const IniFile profile = IniFile::Load(path);
    EXPECT_EQ(Texts(LoadSettingList(profile)), (Lines{"fov = 90", "gamma = 1", "name = Ann"}));
    EXPECT_EQ(Checks(LoadSettingList(profile)), (std::vector<bool>{false, false, false}));
}

// One limit on alias lines: an alias over it opens no editor and is moved by
// Delete untouched; the editor cannot write one.
TEST(AliasLines, OneLimitForEveryReaderAndWriter)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    WriteFileBytes(path,
                   "[NumberOfSections]\r\nAliases=3\r\n[Alias1]\r\nDescriptiveName=Gone\r\n"
                   "[Alias2]\r\nDescriptiveName=Long\r\nAliasLines=300000\r\nAline1=a\r\nAline2=b\r\n"
                   "[Alias3]\r\nDescriptiveName=Plain\r\nAliasLines=10000\r\nChecked=true\r\n");
    const std::string message = "Alias2 of " + path + " has 300000 lines; an alias holds at most 10000 (AliasLines)";
    EXPECT_EQ(testing::ErrorOf([&] { ReadAliasEntry(path, 1); }), message);
    EXPECT_EQ(testing::ErrorOf([&] { CheckEntryToEdit(path, ProfileEntryKind::Alias, 1, "Long"); }), message);
    EXPECT_EQ(ReadAliasEntry(path, 2).lines.size(), 10000u);
    EXPECT_THROW(WriteAliasEntry(path, kNew, AliasEntry{"Big", "b", "", Lines(10001, "x")}), Error);

    DeleteProfileEntry(path, ProfileEntryKind::Alias, 0, "Gone");
    EXPECT_EQ(ReadFileBytes(path),
              "[NumberOfSections]\r\nAliases=2\r\n"
              "[Alias1]\r\nDescriptiveName=Long\r\nAliasLines=300000\r\nAline1=a\r\nAline2=b\r\n"
              "[Alias2]\r\nDescriptiveName=Plain\r\nAliasLines=10000\r\nChecked=true\r\n");
}

} // namespace
} // namespace tesk
