#include "core/settings/ConfigWriter.h"

#include "core/profiles/ProfileTestHelpers.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

class ProfileStretchTest : public ::testing::Test {
protected:
    void Profile(const std::string& name, const std::string& text) { WriteFileBytes(profiles.file(name), text); }

    // The lines after "//Globals Settings", up to the empty line before "//Client Settings".
    Lines Stretch() const
    {
        const auto lines = BuildConfigLines(model, profiles.str());
        const auto begin = std::find(lines.begin(), lines.end(), "//Globals Settings");
        const auto end = std::find(lines.begin(), lines.end(), "//Client Settings");
        EXPECT_TRUE(begin != lines.end() && end != lines.end());
        return {begin + 1, end - 1};
    }

    SettingsModel model;
    TempDir profiles;
};

const Lines kEmptyGroups = {"", "//--Aliases--", "", "//--Bindings--", "", "//--Settings--"};

TEST_F(ProfileStretchTest, WithoutProfilesOnlyTheGroupHeadersAreWritten)
{
    EXPECT_EQ(Stretch(), kEmptyGroups);

    model.SetText("txtCurrentGame", "mymod");
    Lines withGame = kEmptyGroups;
    withGame.insert(withGame.end(), {"", "//mymodSettings"});
    withGame.insert(withGame.end(), kEmptyGroups.begin(), kEmptyGroups.end());
    EXPECT_EQ(Stretch(), withGame);
}

TEST_F(ProfileStretchTest, GlobalEntriesAreWrittenWhenCheckedExactlyTrue)
{
    Profile("Global Aliases.tesk",
            "[NumberOfSections]\r\naliases=4\r\nBindings=3\r\nSettings=2\r\n"
            "[Alias1]\r\nChecked=true\r\nAliasLines=2\r\nAline1=alias +zoom \"fov 30\"\r\nALINE2=alias -zoom\r\n"
            "[Alias2]\r\nchecked=true\r\nDescriptiveName=Zoom out\r\n"
            "[Alias3]\r\nchecked=false\r\nDescriptiveName=Unchecked\r\nAliasLines=1\r\nALine1=never\r\n"
            "[Alias4]\r\nchecked=true\r\nDescriptiveName=Bad count\r\nAliasLines=two\r\nALine1=never\r\n"
            "[Bind1]\r\nchecked=True\r\nBindKey=F11\r\nBindValue=never\r\n"
            "[Bind2]\r\nchecked=true\r\nBindKey=MOUSE1\r\nBindValue=+Attack\r\n"
            "[Bind3]\r\nchecked=true\r\n"
            "[Setting1]\r\nchecked=false\r\nSetting=never\r\nSettingValue=1\r\n"
            "[Setting2]\r\nchecked=true\r\nSetting=cl_maxfps\r\nSettingValue=say hi\r\n");

    EXPECT_EQ(Stretch(),
              (Lines{"", "//--Aliases--", "//....Unknown Alias....", "alias +zoom \"fov 30\"", "alias -zoom",
                     "//....Zoom out....", "//....Bad count....", "", "//--Bindings--", "Bind MOUSE1 \"+Attack\"",
                     "Bind  \"\"", "", "//--Settings--", "Set cl_maxfps \"say hi\""}));
}

// A checked entry the game would read cut stops the save, naming the profile
// and the entry; the config file keeps its bytes. Unchecked entries and
// alias lines (console lines written whole) are no concern.
TEST_F(ProfileStretchTest, EntriesTheGameWouldReadCutStopTheSave)
{
    const std::string config = profiles.file("config.cfg");
    WriteFileBytes(config, "set name \"Ann\"\r\n");
    const auto refusal = [&] {
        TokenList tokens;
        const std::string error =
            testing::ErrorOf([&] { WriteConfigFile(model, tokens, profiles.str(), "config.cfg", profiles.str()); });
        EXPECT_EQ(ReadFileBytes(config), "set name \"Ann\"\r\n");
        return error;
    };
    const std::string global = profiles.file("Global Aliases.tesk");
    Profile("Global Aliases.tesk",
            "[NumberOfSections]\r\nAliases=1\r\nBindings=2\r\n"
            "[Alias1]\r\nchecked=true\r\nAliasLines=1\r\nALine1=alias gg \"say gg\"\r\n"
            "[Bind1]\r\nchecked=false\r\nBindKey=a b\r\nBindValue=\"\r\n"
            "[Bind2]\r\nchecked=true\r\nBindKey=F5\r\nBindValue=say \"gg\"\r\n");
    EXPECT_EQ(refusal(), "The binding \"F5\" in " + global
                             + " has a double quote in its command, which the game would not read back as written. "
                               "Change it on the Games & Aliases page, then save again.");

    Profile("Global Aliases.tesk",
            "[NumberOfSections]\r\nSettings=1\r\n"
            "[Setting1]\r\nchecked=true\r\nSetting=cl_maxfps;quit\r\nSettingValue=90\r\n");
    model.SetText("txtCurrentGame", "mymod");
    Profile("mymod.tesk",
            "[NumberOfSections]\r\nSettings=1\r\n"
            "[Setting1]\r\nchecked=true\r\nSetting=fov 90\r\nSettingValue=1\r\n");
    EXPECT_NE(refusal().find("The setting \"cl_maxfps;quit\" in " + global
                             + " has a blank, a double quote or a semicolon in its name"),
              std::string::npos);
    Profile("Global Aliases.tesk", "");
    EXPECT_NE(refusal().find("The setting \"fov 90\" in " + profiles.file("mymod.tesk")), std::string::npos);
}

// Alias lines are found by their numbers in one pass through the section:
// "ALine01" is no line 1, the first of two lines of a number counts, a
// missing line is written empty, lines beyond the count are not written.
TEST_F(ProfileStretchTest, AliasLinesAreTakenByTheirNumbers)
{
    Profile("Global Aliases.tesk",
            "[NumberOfSections]\r\nAliases=1\r\n[Alias1]\r\nALine01=zero\r\naline2=two\r\nALine1=one\r\n"
            "ALine1=again\r\nChecked=true\r\nAliasLines=3\r\nALine4=four\r\nDescriptiveName=Numbers\r\n");
    const Lines stretch = Stretch();
    EXPECT_EQ(Lines(stretch.begin(), stretch.begin() + 6),
              (Lines{"", "//--Aliases--", "//....Numbers....", "one", "two", ""}));
}

TEST_F(ProfileStretchTest, GameProfileFollowsWithItsNameAndClosingQuotes)
{
    Profile("Global Aliases.tesk",
            "[NumberOfSections]\r\nSettings=1\r\n[Setting1]\r\nchecked=true\r\n"
            "Setting=name\r\nSettingValue=Ann\r\n");
    Profile("mymod.tesk",
            "[NumberOfSections]\r\nAliases=1\r\nBindings=-2\r\nSettings=2\r\n"
            "[Alias1]\r\nchecked=true\r\nDescriptiveName=Jump\r\nAliasLines=2\r\n"
            "ALine1=alias +hop \"+moveup\r\nALine2=\r\n"
            "[Bind1]\r\nchecked=true\r\nBindKey=J\r\nBindValue=never\r\n"
            "[Setting2]\r\nchecked=true\r\nSetting=sv_gravity\r\nSettingValue=400\r\n");
    Profile("other.tesk",
            "[NumberOfSections]\r\nSettings=1\r\n[Setting1]\r\nchecked=true\r\n"
            "Setting=never\r\nSettingValue=1\r\n");
    model.SetText("txtCurrentGame", "mymod");

    EXPECT_EQ(Stretch(), (Lines{"", "//--Aliases--", "", "//--Bindings--", "", "//--Settings--", "Set name \"Ann\"", "",
                                "//mymodSettings", "", "//--Aliases--", "alias +hop \"+moveup\"", "\"", "",
                                "//--Bindings--", "", "//--Settings--", "Set sv_gravity \"400\""}));
}

TEST_F(ProfileStretchTest, CountThatIsNoWholeNumberStopsTheWritingAndKeepsTheOldFile)
{
    TempDir target;
    const std::string path = target.file("config.cfg");
    WriteFileBytes(path, "set name \"Old\"\n");
    Profile("mymod.tesk", "[NumberOfSections]\r\nAliases=0\r\nBindings=1x\r\n");
    model.SetText("txtCurrentGame", "mymod");
    TokenList tokens{"old"};

    try {
        WriteConfigFile(model, tokens, target.str(), "config.cfg", profiles.str());
        FAIL() << "a count of 1x was taken";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "'1x' is not a valid integer value (\"Bindings\" under [NumberOfSections] in "
                      + profiles.file("mymod.tesk") + ")");
    }
    EXPECT_EQ(ReadFileBytes(path), "set name \"Old\"\n");
    EXPECT_TRUE(tokens.empty());

    Profile("mymod.tesk", "[NumberOfSections]\r\nSettings=\r\n");
    EXPECT_THROW(Stretch(), Error) << "an empty count is no whole number either";
    Profile("mymod.tesk", "[NumberOfSections]\r\nSettings=2000000000\r\n");
    EXPECT_THROW(Stretch(), Error) << "a count no profile can hold";
}

TEST_F(ProfileStretchTest, AProfileThatWouldMakeAGiantConfigFileIsRefusedByName)
{
    std::string text = "[NumberOfSections]\r\nAliases=1\r\n[Alias1]\r\nChecked=true\r\nAliasLines=9000\r\n";
    for (int k = 1; k <= 9000; ++k)
        text += "ALine" + std::to_string(k) + "=" + std::string(2000, 'x') + "\r\n";
    Profile("Global Aliases.tesk", text);
    EXPECT_EQ(testing::ErrorOf([&] { BuildConfigLines(model, profiles.str()); }),
              "The checked entries of " + profiles.file("Global Aliases.tesk")
                  + " would make the config file larger than 16 MB; uncheck some of them");
}

} // namespace
} // namespace tesk
