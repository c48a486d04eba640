#include "core/app/GameFinder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tesk {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

TEST(GameFinderTest, SteamListsItsLibrariesByPath)
{
    const std::string vdf =
        "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/ann/.local/share/Steam\"\n"
        "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"123\"\n\t\t}\n\t}\n"
        "\t\"1\"\n\t{\n\t\t\"Path\"\t\t\"D:\\\\Steam \\\"Library\\\"\"\n\t\t\"label\"\t\t\"path\"\n\t}\n}\n";
    EXPECT_EQ(ReadSteamLibraryFolders(vdf),
              (std::vector<std::string>{"/home/ann/.local/share/Steam", "D:\\Steam \"Library\""}));
    EXPECT_TRUE(ReadSteamLibraryFolders("\"path\"").empty());
    EXPECT_TRUE(ReadSteamLibraryFolders("{ \"path\" \"unfinished").size() == 1);
}

// A home with the game installed each way players install it; each install
// is found once, in the order of the places, with where it came from.
TEST(GameFinderTest, EveryKindOfInstallIsFoundOnce)
{
    TempDir dir;
    const std::string home = dir.file("home");
    const auto game = [](const std::string& directory, const char* name = "ulvex2.exe") {
        WriteFileBytes(directory + "/" + name, "");
    };
    game(home + "/ulvex2", "ULVEX2.EXE");
    const std::string steam = home + "/.local/share/Steam";
    const std::string library = dir.file("disk2/SteamLibrary");
    WriteFileBytes(steam + "/steamapps/libraryfolders.vdf", "\"libraryfolders\" { \"0\" { \"path\" \"" + steam
                                                                + "\" } \"1\" { \"path\" \"" + library + "\" } }");
    game(steam + "/steamapps/common/Ulvex 2");
    std::filesystem::create_directories(steam + "/steamapps/common/Other Game");
    game(library + "/steamapps/common/Ulvex 2 Mod");
    // ~/.steam/steam is the same Steam by another name.
    std::filesystem::create_directories(home + "/.steam");
    std::filesystem::create_directory_symlink(steam, home + "/.steam/steam");
    game(home + "/.wine/drive_c/Program Files (x86)/Ulvex/Ulvex 2");
    game(home + "/Games/ulvex/drive_c/GOG Games/Ulvex 2", "Ulvex2.Exe");
    game(home + "/.local/share/bottles/bottles/Games/drive_c/Games/Ulvex2");
    game(home + "/Games/Heroic/Ulvex/drive_c/Program Files/Ulvex2");
    game(dir.file("prefix") + "/drive_c/Program Files/Ulvex2");
    // Not the game: a directory of its name, and three levels down.
    std::filesystem::create_directories(home + "/.wine/drive_c/Games/Fake/ulvex2.exe");
    game(home + "/.wine/drive_c/Games/a/b/c");

    const std::vector<FoundGame> found = FindGameInstalls({home, dir.file("prefix"), std::chrono::seconds(10)});
    const std::vector<FoundGame> expected{
        {home + "/ulvex2", "~/ulvex2"},
        {steam + "/steamapps/common/Ulvex 2", "Steam"},
        {library + "/steamapps/common/Ulvex 2 Mod", "Steam"},
        {dir.file("prefix") + "/drive_c/Program Files/Ulvex2", "Wine prefix " + dir.file("prefix")},
        {home + "/.wine/drive_c/Program Files (x86)/Ulvex/Ulvex 2", "Wine prefix ~/.wine"},
        {home + "/Games/ulvex/drive_c/GOG Games/Ulvex 2", "Lutris prefix ~/Games/ulvex"},
        {home + "/.local/share/bottles/bottles/Games/drive_c/Games/Ulvex2",
         "Bottles bottle ~/.local/share/bottles/bottles/Games"},
        {home + "/Games/Heroic/Ulvex/drive_c/Program Files/Ulvex2", "Heroic prefix ~/Games/Heroic/Ulvex"},
    };
    EXPECT_EQ(found, expected);
}

// A deep, wide tree is not walked: only the fixed places are looked into,
// and nothing once the time is up.
TEST(GameFinderTest, TheSearchStaysInItsPlacesAndItsTime)
{
    TempDir dir;
    const std::string home = dir.file("home");
    for (int i = 0; i < 300; ++i)
        std::filesystem::create_directories(home + "/Games/wide" + std::to_string(i) + "/deep/deeper");
    WriteFileBytes(home + "/Games/wide7/deep/deeper/ulvex2.exe", "");
    WriteFileBytes(home + "/Documents/ulvex2/ulvex2.exe", "");
    WriteFileBytes(home + "/Games/wide9/drive_c/Games/x/y/z/ulvex2.exe", "");
    EXPECT_TRUE(FindGameInstalls({home, std::nullopt, std::chrono::seconds(10)}).empty());

    WriteFileBytes(home + "/ulvex2/ulvex2.exe", "");
    WriteFileBytes(home + "/.wine/drive_c/Games/Ulvex2/ulvex2.exe", "");
    EXPECT_TRUE(FindGameInstalls({home, std::nullopt, std::chrono::milliseconds(0)}).empty());
}

} // namespace
} // namespace tesk
