#include "core/profiles/GameList.h"

#include "ProfileTestHelpers.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ErrorOf;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

// Listings come in the system's order.
Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kMymod = "[NumberOfSections]\r\nAliases=1\r\n[Alias1]\r\nDescriptiveName=Fire\r\n";

TEST(GameList, ListsProfilesButTheGlobalOne)
{
    TempDir dir;
    for (const char* name : {"mymod.tesk", "Global Aliases.tesk", "global aliases.tesk", "OTHER.TESK", "readme.txt",
                             "old.u2bk", "x.tesk.bak", ".hidden.tesk"})
        WriteFileBytes(dir.file(name), "");
    fs::create_directory(dir.file("folder.tesk"));
    EXPECT_EQ(Sorted(ListGames(dir.str())), (Names{"OTHER", "folder", "global aliases", "mymod"}));
    EXPECT_TRUE(ListGames(dir.file("missing")).empty());
}

TEST(GameList, PickerOffersGameDirectoriesInLowerCase)
{
    TempDir game;
    for (const char* name : {"baseu2", "MYMOD", "Docs", "othermod", "TESK", "ab", "v1.2.3"})
        fs::create_directory(game.file(name));
    WriteFileBytes(game.file("readme.txt"), "");
    WriteFileBytes(game.file("ulvex2.exe"), "");
    WriteFileBytes(game.file(".hidden"), "");
    WriteFileBytes(game.file(".ab"), "");
    // Hidden entries are not offered; the rest come in the order Windows lists them.
    EXPECT_EQ(ListGameCandidates(game.str()), (Names{"ab", "mymod", "othermod"}));
    EXPECT_TRUE(ListGameCandidates(game.file("missing")).empty());
}

TEST(GameList, PickedNameAndGameToUse)
{
    EXPECT_EQ(PickedGameName(""), "");
    EXPECT_EQ(PickedGameName("   "), "");
    EXPECT_EQ(PickedGameName(" \t "), "");
    EXPECT_EQ(PickedGameName(" mymod"), " mymod");
    EXPECT_EQ(PickedGameName("my mod "), "my mod ");

    const Names games{"mymod", "othermod"};
    EXPECT_EQ(GameToUse(games, std::nullopt), "mymod");
    EXPECT_EQ(GameToUse(games, 1), "othermod");
    EXPECT_EQ(GameToUse({}, std::nullopt), std::nullopt);
    EXPECT_EQ(DeleteGameQuestion("mymod"), "Delete Game Setting for mymod?");
    EXPECT_EQ(ErrorOf([] { CheckGameToAdd("global ALIASES", {}); }),
              "'global ALIASES' is the name of the global profile; a game needs another name");
}

TEST(GameList, AddCreatesKeepsOrRestoresAProfile)
{
    TempDir dir;
    EXPECT_EQ(AddGame(dir.str(), " mymod"), AddGameResult::Created);
    EXPECT_EQ(ReadFileBytes(dir.file(" mymod.tesk")),
              "[NumberOfSections]\r\naliases=0\r\nbindings=0\r\nsettings=0\r\n");

    WriteFileBytes(dir.file("kept.tesk"), kMymod);
    EXPECT_EQ(AddGame(dir.str(), "kept"), AddGameResult::Kept);
    EXPECT_EQ(ReadFileBytes(dir.file("kept.tesk")), kMymod) << "its entries stay shown";

    WriteFileBytes(dir.file("mymod.u2bk"), kMymod);
    EXPECT_EQ(AddGame(dir.str(), "mymod"), AddGameResult::Restored);
    EXPECT_EQ(ReadFileBytes(dir.file("mymod.tesk")), kMymod) << "no count is written";
    EXPECT_FALSE(fs::exists(dir.file("mymod.u2bk")));

    // Both present: the profile is used and the backup is not lost.
    WriteFileBytes(dir.file("kept.u2bk"), "backup");
    EXPECT_EQ(AddGame(dir.str(), "kept"), AddGameResult::Kept);
    EXPECT_EQ(ReadFileBytes(dir.file("kept.u2bk")), "backup");
}

TEST(GameList, AddRefusesNamesThatAreNoDirectoryName)
{
    TempDir dir;
    fs::create_directory(dir.file("sub"));
    EXPECT_EQ(ErrorOf([&] { AddGame(dir.str(), "sub/evil"); }), "'sub/evil' is not a valid game name");
    EXPECT_EQ(ErrorOf([&] { AddGame(dir.str(), "../evil"); }), "'../evil' is not a valid game name");
    EXPECT_EQ(ErrorOf([&] { AddGame(dir.str(), ""); }), "'' is not a valid game name");
    EXPECT_TRUE(fs::is_empty(dir.file("sub")));
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "evil.tesk"));
}

TEST(GameList, DeleteAndAddAgainRestoresTheSameProfile)
{
    TempDir dir;
    const std::string profile = ProfilePath(dir.str(), "mymod");
    WriteFileBytes(profile, kMymod);
    DeleteGame(dir.str(), "mymod");
    EXPECT_FALSE(fs::exists(profile));
    EXPECT_EQ(ReadFileBytes(BackupPath(dir.str(), "mymod")), kMymod);
    EXPECT_TRUE(ListGames(dir.str()).empty());

    EXPECT_EQ(AddGame(dir.str(), "mymod"), AddGameResult::Restored);
    EXPECT_EQ(ReadFileBytes(profile), kMymod);
    EXPECT_EQ(ListGames(dir.str()), Names{"mymod"});
}

TEST(GameList, FailedDeleteOrAddLosesNothing)
{
    TempDir dir;
    const std::string profile = ProfilePath(dir.str(), "mymod");
    const std::string backup = BackupPath(dir.str(), "mymod");
    WriteFileBytes(profile, kMymod);
    WriteFileBytes(backup, "older backup");
    EXPECT_EQ(ErrorOf([&] { DeleteGame(dir.str(), "mymod"); }),
              "Cannot rename " + profile + " to " + backup + ": " + backup + " already exists");
    EXPECT_EQ(ReadFileBytes(profile), kMymod);
    EXPECT_EQ(ReadFileBytes(backup), "older backup");

    // A profile that is gone already leaves nothing to back up.
    EXPECT_EQ(DeleteGame(dir.str(), "gone"), DeleteGameResult::ProfileGone);
    EXPECT_FALSE(fs::exists(BackupPath(dir.str(), "gone")));

    fs::remove(backup);
    WriteFileBytes(dir.file("old.u2bk"), kMymod);
    ::chmod(dir.str().c_str(), 0555);
    EXPECT_NE(ErrorOf([&] { DeleteGame(dir.str(), "mymod"); }).find("is not writable"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { AddGame(dir.str(), "old"); }).find("is not writable"), std::string::npos);
    EXPECT_EQ(ErrorOf([&] { AddGame(dir.str(), "new"); }), "Unable to write to " + dir.file("new.tesk"));
    ::chmod(dir.str().c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(profile), kMymod);
    EXPECT_EQ(ReadFileBytes(dir.file("old.u2bk")), kMymod);
    EXPECT_EQ(Sorted(ListGames(dir.str())), Names{"mymod"});
}

} // namespace
} // namespace tesk
