#include "core/profiles/ProfileFile.h"

#include "ProfileTestHelpers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::Checks;
using testing::ErrorOf;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::Texts;
using testing::WriteFileBytes;

TEST(ProfileFile, PathsAndSectionsFollowTheKinds)
{
    EXPECT_EQ(ProfilePath("/home/ann", "Global Aliases"), "/home/ann/Global Aliases.tesk");
    EXPECT_EQ(ProfilePath("/home/ann/", "mymod"), "/home/ann/mymod.tesk");
    EXPECT_EQ(EntrySection(ProfileEntryKind::Alias, 0), "Alias1");
    EXPECT_EQ(EntrySection(ProfileEntryKind::Binding, 1), "Bind2");
    EXPECT_EQ(EntrySection(ProfileEntryKind::Setting, 9), "Setting10");
    EXPECT_EQ(CountKey(ProfileEntryKind::Binding), "Bindings");
}

TEST(ProfileFile, BindingsShowTheAliasTheyRun)
{
    const std::string head =
        "[NumberOfSections]\nAliases=2\nBindings=1\n"
        "[Alias1]\nAliasName=jump\nDescriptiveName=Jump\n"
        "[Bind1]\nBindKey=MOUSE1\nBindValue=+attack\n";
    const auto fire = IniFile::Parse(head + "[Alias2]\nAliasName=+attack\nDescriptiveName=Fire\n");
    EXPECT_EQ(Texts(LoadBindingList(fire)), std::vector<std::string>{"MOUSE1 = Fire"});

    const auto otherCase = IniFile::Parse(head + "[Alias2]\nAliasName=+Attack\nDescriptiveName=Fire\n");
    EXPECT_EQ(Texts(LoadBindingList(otherCase)), std::vector<std::string>{"MOUSE1 = +attack"});

    // Each alias is compared with the text replaced so far: the last match wins.
    const auto chained = IniFile::Parse(
        "[NumberOfSections]\nAliases=3\nBindings=1\n[Bind1]\nBindKey=F\nBindValue=a\n"
        "[Alias1]\nAliasName=a\nDescriptiveName=b\n[Alias2]\nAliasName=x\nDescriptiveName=y\n"
        "[Alias3]\nAliasName=b\nDescriptiveName=c\n");
    EXPECT_EQ(Texts(LoadBindingList(chained)), std::vector<std::string>{"F = c"});

    // Where a chain leads is remembered per alias: a later binding whose
    // chain joins it there reads the same end, one that must continue from
    // a later alias of the same name does not take the earlier one's end.
    const auto shared = IniFile::Parse(
        "[NumberOfSections]\nAliases=4\nBindings=3\n"
        "[Alias1]\nAliasName=b\nDescriptiveName=first b\n[Alias2]\nAliasName=a\nDescriptiveName=b\n"
        "[Alias3]\nAliasName=b\nDescriptiveName=c\n[Alias4]\nAliasName=c\nDescriptiveName=end\n"
        "[Bind1]\nBindKey=K1\nBindValue=b\n[Bind2]\nBindKey=K2\nBindValue=a\n[Bind3]\nBindKey=K3\nBindValue=c\n");
    EXPECT_EQ(Texts(LoadBindingList(shared)), (std::vector<std::string>{"K1 = first b", "K2 = end", "K3 = end"}));

    // An alias count that is no number takes no part, and is no error here.
    EXPECT_EQ(Texts(LoadBindingList(IniFile::Parse(
                  "[NumberOfSections]\nAliases=two\nBindings=1\n[Bind1]\nBindKey=MOUSE1\nBindValue=+attack\n"
                  "[Alias1]\nAliasName=+attack\nDescriptiveName=Fire\n"))),
              std::vector<std::string>{"MOUSE1 = +attack"});
}

// The lists go through the sections in file order instead of looking each
// entry up: they must find what a lookup finds. Names in any case and with
// blanks, the first of two sections and the first of two keys count;
// "Alias01" is no entry's section; the counts may stand last; a value
// changed after loading is read as changed.
TEST(ProfileFile, ListsFindTheSectionsALookupFinds)
{
    IniFile profile = IniFile::Parse(
        "[ alias2 ]\nDescriptiveName = Duck \nChecked=true\n[Alias01]\nDescriptiveName=Zero\n"
        "[ALIAS1]\ndescriptivename=\"  Jump \"\nDescriptiveName=Later\n[Alias2]\nDescriptiveName=Second\n"
        "[bind1]\nBindKey=F\nBindValue=jump\nCHECKED=true\n[Setting2]\nSetting=fov\n"
        "[NumberOfSections]\nAliases=3\nBindings=1\nSettings=2\n");
    profile.WriteString("Setting2", "SettingValue", "90");
    EXPECT_EQ(Texts(LoadAliasList(profile)), (std::vector<std::string>{"  Jump ", "Duck", "didn't load"}));
    EXPECT_EQ(Checks(LoadAliasList(profile)), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Texts(LoadBindingList(profile)), std::vector<std::string>{"F = jump"});
    EXPECT_EQ(Checks(LoadBindingList(profile)), std::vector<bool>{true});
    EXPECT_EQ(Texts(LoadSettingList(profile)), (std::vector<std::string>{"didn't load = didn't load", "fov = 90"}));
}

// Damaged counts may name as many aliases and bindings as a profile can hold;
// comparing every binding with every alias would keep the load busy for hours
// (the suite's time limit catches that), and the substitution must still
// chain exactly as the small case does.
TEST(ProfileFile, BindingsUnderHugeCountsLoad)
{
    const auto profile = IniFile::Parse(
        "[NumberOfSections]\nAliases=300000\nBindings=5000\n"
        "[Alias1]\nAliasName=didn't load\nDescriptiveName=x\n"
        "[Alias3]\nAliasName=Fire\nDescriptiveName=never\n"
        "[Alias7]\nAliasName=x\nDescriptiveName=Fire\n"
        "[Bind2]\nBindKey=MOUSE1\nBindValue=x\n");
    const ProfileList bindings = LoadBindingList(profile);

    ASSERT_EQ(bindings.size(), 5000U);
    // Replacements chain forward only: Alias3 comes before the match that gave "Fire".
    EXPECT_EQ(bindings[0].text, "didn't load = Fire");
    EXPECT_EQ(bindings[1].text, "MOUSE1 = Fire");
    EXPECT_EQ(bindings[4999].text, "didn't load = Fire");
}

TEST(ProfileFile, ListsReadOnlyCountedSectionsAndDefaultsForMissingOnes)
{
    const auto profile = IniFile::Parse(
        "[NumberOfSections]\nAliases=2\nBindings=1\nSettings=2\n"
        "[Alias1]\nDescriptiveName=Fire\nChecked=true\n"
        "[Alias2]\nDescriptiveName=Jump\nChecked=True\n"
        "[Alias3]\nDescriptiveName=Never shown\nChecked=true\n"
        "[Setting1]\nSetting=fov\nSettingValue=90\nchecked=true\n");
    EXPECT_EQ(Texts(LoadAliasList(profile)), (std::vector<std::string>{"Fire", "Jump"}));
    EXPECT_EQ(Checks(LoadAliasList(profile)), (std::vector<bool>{true, false})) << "only \"true\" checks";
    EXPECT_EQ(Texts(LoadBindingList(profile)), std::vector<std::string>{"didn't load = didn't load"});
    EXPECT_EQ(Texts(LoadSettingList(profile)), (std::vector<std::string>{"fov = 90", "didn't load = didn't load"}));
    EXPECT_EQ(Checks(LoadSettingList(profile)), (std::vector<bool>{true, false}));

    const auto none = IniFile::Parse("[NumberOfSections]\nAliases=-3\nBindings= 0 \n");
    EXPECT_TRUE(LoadAliasList(none).empty());
    EXPECT_TRUE(LoadBindingList(none).empty());
    EXPECT_TRUE(LoadSettingList(none).empty());

    TempDir dir;
    ProfileLists missing;
    LoadProfileLists(IniFile::Load(dir.file("Global Aliases.tesk")), missing);
    ASSERT_TRUE(missing.aliases && missing.bindings && missing.settings);
    EXPECT_TRUE(missing.aliases->empty() && missing.bindings->empty() && missing.settings->empty());
}

TEST(ProfileFile, BadCountStopsTheLoadWithTheLoadedListsKept)
{
    const auto profile = IniFile::Parse(
        "[NumberOfSections]\nAliases=1\nBindings=two\nSettings=1\n"
        "[Alias1]\nDescriptiveName=Fire\n",
        "p.tesk");
    const std::string two = "'two' is not a valid integer value (\"Bindings\" under [NumberOfSections] in p.tesk)";
    EXPECT_EQ(ErrorOf([&] { LoadBindingList(profile); }), two);

    ProfileLists lists;
    lists.settings = ProfileList{{"shown before", true}};
    EXPECT_EQ(ErrorOf([&] { LoadProfileLists(profile, lists); }), two);
    ASSERT_TRUE(lists.aliases && lists.bindings);
    EXPECT_EQ(Texts(*lists.aliases), std::vector<std::string>{"Fire"});
    EXPECT_TRUE(lists.bindings->empty());
    EXPECT_EQ(Texts(*lists.settings), std::vector<std::string>{"shown before"}) << "not reached";

    EXPECT_EQ(ErrorOf([] { LoadAliasList(IniFile::Parse("[NumberOfSections]\nAliases=\n", "p.tesk")); }),
              "'' is not a valid integer value (\"Aliases\" under [NumberOfSections] in p.tesk)");
    EXPECT_EQ(ErrorOf([] { LoadAliasList(IniFile::Parse("[NumberOfSections]\nAliases=2.5\n", "p.tesk")); }),
              "'2.5' is not a valid integer value (\"Aliases\" under [NumberOfSections] in p.tesk)");
    EXPECT_EQ(ErrorOf([] { LoadAliasList(IniFile::Parse("[NumberOfSections]\nAliases=2000000000\n", "p.tesk")); }),
              "'2000000000' is more entries than a profile can hold (\"Aliases\" under [NumberOfSections] in "
              "p.tesk)");
}

TEST(ProfileFile, CheckMarksAreStoredAsCheckedInTheirOwnSection)
{
    TempDir dir;
    const std::string global = ProfilePath(dir.str(), "Global Aliases");
    const std::string text =
        "[NumberOfSections]\r\nBindings=2\r\n"
        "[Bind1]\r\nBindKey=F1\r\nChecked=true\r\n"
        "[Bind2]\r\nBindKey=F2\r\nChecked=True\r\n";
    WriteFileBytes(global, text);
    EXPECT_FALSE(LoadBindingList(IniFile::Load(global))[1].checked);

    StoreEntryCheck(global, ProfileEntryKind::Binding, 1, "F2 = didn't load", true);
    EXPECT_EQ(ReadFileBytes(global),
              "[NumberOfSections]\r\nBindings=2\r\n"
              "[Bind1]\r\nBindKey=F1\r\nChecked=true\r\n"
              "[Bind2]\r\nBindKey=F2\r\nChecked=true\r\n");
    StoreEntryCheck(global, ProfileEntryKind::Binding, 1, "F2 = didn't load", false);
    EXPECT_EQ(Checks(LoadBindingList(IniFile::Load(global))), (std::vector<bool>{true, false}));

    // A section without the key gets it under the spelling of the check-mark operations.
    WriteFileBytes(global, "[NumberOfSections]\r\nAliases=1\r\n[Alias1]\r\n");
    StoreEntryCheck(global, ProfileEntryKind::Alias, 0, "didn't load", true);
    EXPECT_NE(ReadFileBytes(global).find("[Alias1]\r\nchecked=true\r\n"), std::string::npos);

    // An entry that is not the one shown keeps its mark.
    const std::string before = ReadFileBytes(global);
    EXPECT_THROW(StoreEntryCheck(global, ProfileEntryKind::Alias, 0, "Fire", false), ProfileChanged);
    EXPECT_THROW(StoreEntryCheck(global, ProfileEntryKind::Alias, 1, "didn't load", false), ProfileChanged);
    EXPECT_EQ(ReadFileBytes(global), before);
}

TEST(ProfileFile, SelectAllWritesOnlyTheShownProfile)
{
    TempDir dir;
    const std::string global = ProfilePath(dir.str(), "Global Aliases");
    const std::string mymod = ProfilePath(dir.str(), "mymod");
    const std::string globalText = "[NumberOfSections]\r\nSettings=1\r\n[Setting1]\r\nChecked=false\r\n";
    WriteFileBytes(global, globalText);
    WriteFileBytes(mymod, "[NumberOfSections]\nSettings=3\n[Setting2]\nChecked=false\n");

    const std::vector<std::string> shown(3, "didn't load = didn't load");
    SelectAllEntries(mymod, ProfileEntryKind::Setting, shown, true);
    EXPECT_EQ(Checks(LoadSettingList(IniFile::Load(mymod))), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(ReadFileBytes(global), globalText);
    SelectAllEntries(mymod, ProfileEntryKind::Setting, shown, false);
    EXPECT_THROW(SelectAllEntries(mymod, ProfileEntryKind::Setting, {shown[0], shown[1]}, true), ProfileChanged)
        << "a list shorter than the file's";
    EXPECT_EQ(Checks(LoadSettingList(IniFile::Load(mymod))), (std::vector<bool>{false, false, false}));

    SelectAllEntries(dir.file("empty.tesk"), ProfileEntryKind::Alias, {}, true);
    EXPECT_FALSE(std::filesystem::exists(dir.file("empty.tesk")));
}

TEST(ProfileFile, ReadOnlyProfileKeepsEveryByte)
{
    TempDir dir;
    const std::string path = ProfilePath(dir.str(), "mymod");
    const std::string text = "[NumberOfSections]\nAliases=1\n[Alias1]\nChecked=false\n";
    WriteFileBytes(path, text);
    ::chmod(path.c_str(), 0444);

    EXPECT_EQ(ErrorOf([&] { StoreEntryCheck(path, ProfileEntryKind::Alias, 0, "didn't load", true); }),
              "Unable to write to " + path);
    EXPECT_EQ(ErrorOf([&] { SelectAllEntries(path, ProfileEntryKind::Alias, {"didn't load"}, true); }),
              "Unable to write to " + path);
    EXPECT_EQ(ReadFileBytes(path), text);
}

// The games are listed without regard to the extension's case: the file
// listed is the file opened.
TEST(ProfileFile, AProfileListedWithAnotherExtensionCaseIsTheOneOpened)
{
    TempDir dir;
    WriteFileBytes(dir.file("Foo.TESK"), "");
    EXPECT_EQ(ProfilePath(dir.str(), "Foo"), dir.file("Foo.TESK"));
    EXPECT_EQ(ProfilePath(dir.str(), "foo"), dir.file("foo.tesk")) << "the name keeps its case";
    WriteFileBytes(dir.file("Foo.tesk"), "");
    EXPECT_EQ(ProfilePath(dir.str(), "Foo"), dir.file("Foo.tesk")) << "the exact name comes first";
}

} // namespace
} // namespace tesk
