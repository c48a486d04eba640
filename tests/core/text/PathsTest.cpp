#include "core/text/Paths.h"

#include "core/profiles/ProfileTestHelpers.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace tesk {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Paths, SplitPathGivesDirectoryAndName)
{
    const PathParts parts = SplitPath("/home/ann/ulvex2/ulvex2.exe", "/data");
    EXPECT_EQ(DriveAndDirectory(parts), "/home/ann/ulvex2");
    EXPECT_EQ(parts.name, "ulvex2.exe");
    EXPECT_EQ(SplitPath("/tesk.bat", "/data").directory, "/");
    // A bare name lies in the data directory, wherever the process is.
    const PathParts bare = SplitPath("tesk.bat", "/data");
    EXPECT_EQ(DriveAndDirectory(bare), "/data");
    EXPECT_EQ(bare.name, "tesk.bat");
}

TEST(Paths, DirectoryAndFileNamePartsAreTextOnly)
{
    EXPECT_EQ(DirectoryPart("/home/a/tesk.bat"), "/home/a");
    EXPECT_EQ(DirectoryPart("/tesk.bat"), "/");
    EXPECT_EQ(DirectoryPart("tesk.bat"), "");
    EXPECT_EQ(FileNamePart("/home/a/tesk.bat"), "tesk.bat");
    EXPECT_EQ(FileNamePart("tesk.bat"), "tesk.bat");
    EXPECT_EQ(JoinPath("/home/a", "b"), "/home/a/b");
    EXPECT_EQ(JoinPath("/", "b"), "/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

TEST(Paths, ListDirectoryMatchesWithoutRegardToCase)
{
    TempDir dir;
    WriteFileBytes(dir.file("Mymod.TESK"), "");
    WriteFileBytes(dir.file("other.tesk"), "");
    WriteFileBytes(dir.file("readme"), "");
    std::filesystem::create_directory(dir.path() / "Save0.tesk");
    EXPECT_EQ(Sorted(ListDirectory(dir.str(), "*.tesk")),
              (std::vector<std::string>{"Mymod.TESK", "Save0.tesk", "other.tesk"}));
    EXPECT_EQ(Sorted(ListDirectory(dir.str(), "*.*")),
              (std::vector<std::string>{".", "..", "Mymod.TESK", "Save0.tesk", "other.tesk", "readme"}));
    EXPECT_TRUE(ListDirectory(dir.file("missing"), "*.*").empty());
}

TEST(Paths, ExistenceAndHome)
{
    TempDir dir;
    WriteFileBytes(dir.file("file"), "x");
    EXPECT_TRUE(FileExists(dir.file("file")));
    EXPECT_FALSE(FileExists(dir.str()));
    EXPECT_FALSE(FileExists(dir.file("missing")));
    EXPECT_TRUE(DirectoryExists(dir.str()));
    EXPECT_FALSE(DirectoryExists(dir.file("file")));

    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir.str().c_str(), 1);
    EXPECT_EQ(DefaultGameDirectory(), dir.file("ulvex2"));
    setenv("HOME", oldHome.c_str(), 1);
}

// A relative XDG_DATA_HOME does not count for the data directory, and a
// file in the way is named.
TEST(Paths, TheDataDirectoryIsCreatedAndEntered)
{
    TempDir dir;
    const auto started = std::filesystem::current_path();
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const std::string savedData = oldData ? oldData : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir.file("home").c_str(), 1);
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(EnterDataDirectory(), dir.file("home/.local/share/tesk"));
    EXPECT_EQ(CurrentDirectory(), dir.file("home/.local/share/tesk"));

    WriteFileBytes(dir.file("blocked"), "");
    setenv("XDG_DATA_HOME", dir.file("blocked").c_str(), 1);
    const std::string error = testing::ErrorOf([] { EnterDataDirectory(); });
    EXPECT_EQ(error.rfind("Cannot use " + dir.file("blocked/tesk") + " for the profiles and lists: ", 0), 0u) << error;
    EXPECT_EQ(CurrentDirectory(), dir.file("home/.local/share/tesk"));

    std::filesystem::current_path(started);
    setenv("HOME", savedHome.c_str(), 1);
    oldData ? setenv("XDG_DATA_HOME", savedData.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace tesk
