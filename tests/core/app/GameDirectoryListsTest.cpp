#include "core/app/GameDirectoryLists.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tesk {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GameDirectoryListsTest, PlayerModelsAreLowerCasedWithoutFilesThatHaveAnExtension)
{
    TempDir game;
    std::filesystem::create_directories(game.path() / "baseu2/players/Male");
    std::filesystem::create_directories(game.path() / "baseu2/players/cyborg");
    WriteFileBytes(game.file("baseu2/players/readme.txt"), "x");
    WriteFileBytes(game.file("baseu2/players/NOEXT"), "x");
    WriteFileBytes(game.file("baseu2/players/.ab"), "x");
    EXPECT_EQ(Sorted(ListPlayerModels(game.str())), (std::vector<std::string>{"cyborg", "male", "noext"}));
    EXPECT_TRUE(ListPlayerModels(game.str() + "/missing").empty());
}

TEST(GameDirectoryListsTest, SkinsLeaveOutIconsAndTheWeaponPicture)
{
    TempDir game;
    for (const char* name : {"grunt.pcx", "grunt_i.pcx", "weapon.pcx", "Major.PCX", "notes.txt", "x_i.pcx"})
        WriteFileBytes(game.file(std::string("baseu2/players/Male/") + name), "");
    EXPECT_EQ(Sorted(ListPlayerSkins(game.str(), "male")), (std::vector<std::string>{"grunt", "major"}));
    EXPECT_EQ(Sorted(ListPlayerSkins(game.str(), "MALE")), (std::vector<std::string>{"grunt", "major"}));
    EXPECT_TRUE(ListPlayerSkins(game.str(), "nobody").empty());
}

TEST(GameDirectoryListsTest, SavedGamesAndNameRule)
{
    TempDir game;
    std::filesystem::create_directories(game.path() / "baseu2/save/Save0");
    std::filesystem::create_directories(game.path() / "baseu2/save/quick");
    WriteFileBytes(game.file("baseu2/save/readme.txt"), "x");
    EXPECT_EQ(Sorted(ListSavedGames(game.str())), (std::vector<std::string>{"quick", "save0"}));

    EXPECT_TRUE(HasDotFourthFromEnd(".."));
    EXPECT_TRUE(HasDotFourthFromEnd("a.txt"));
    EXPECT_FALSE(HasDotFourthFromEnd("a.tesk"));
    EXPECT_FALSE(HasDotFourthFromEnd("ab"));
    EXPECT_FALSE(HasDotFourthFromEnd(""));
}

TEST(GameDirectoryListsTest, MapNamesStopAtTheFirstBlankAndServersStayWhole)
{
    TempDir work;
    WriteFileBytes(work.file("maps.lst"), "exMap My Map\r\nbase1\nq2dm1  two blanks\r\n");
    EXPECT_EQ(ReadMapNames(work.file("maps.lst")), (std::vector<std::string>{"exMap", "base1", "q2dm1"}));
    EXPECT_TRUE(ReadMapNames(work.file("missing.lst")).empty());
    std::filesystem::create_directory(work.path() / "dir.lst");
    EXPECT_THROW(ReadMapNames(work.file("dir.lst")), std::exception);

    WriteFileBytes(work.file("servers.txt"), "192.0.2.7:27910 my server\r\n");
    EXPECT_EQ(ReadListLines(work.file("servers.txt")), std::vector<std::string>{"192.0.2.7:27910 my server"});
}

TEST(GameDirectoryListsTest, GamesAreTheProfilesButTheGlobalOne)
{
    TempDir work;
    for (const char* name : {"mymod.tesk", "Global Aliases.tesk", "global aliases.tesk", "other.u2bk", "CTF.TESK"})
        WriteFileBytes(work.file(name), "");
    EXPECT_EQ(Sorted(ListGames(work.str())), (std::vector<std::string>{"CTF", "global aliases", "mymod"}));
}

// Listings come in the order Windows gives them, ignoring letter case, and
// hidden entries are never offered; empty lines of a list are no entries.
TEST(GameDirectoryListsTest, ListingsAreSortedAsOnWindowsWithoutHiddenOrEmptyEntries)
{
    TempDir game;
    for (const char* name : {"save/Zed", "save/alpha", "save/Beta", "save/_under", "save/.hidden", "players/male"})
        std::filesystem::create_directories(game.path() / "baseu2" / name);
    for (const char* name : {"b.pcx", "A.pcx", ".c.pcx"})
        WriteFileBytes(game.file("baseu2/players/male/") + name, "");
    EXPECT_EQ(ListSavedGames(game.str()), (std::vector<std::string>{"alpha", "beta", "zed", "_under"}));
    EXPECT_EQ(ListPlayerSkins(game.str(), "male"), (std::vector<std::string>{"a", "b"}));
    WriteFileBytes(game.file("maps.lst"), "base1\r\n\r\n  \r\n base2\r\nq2dm1\r\n\r\n");
    EXPECT_EQ(ReadMapNames(game.file("maps.lst")), (std::vector<std::string>{"base1", "q2dm1"}));
    WriteFileBytes(game.file("servers.txt"), "192.0.2.7:27910\r\n \t\r\n\r\n");
    EXPECT_EQ(ReadListEntries(game.file("servers.txt")), std::vector<std::string>{"192.0.2.7:27910"});
}

} // namespace
} // namespace tesk
