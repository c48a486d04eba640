#include "core/text/Paths.h"

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
    const PathParts parts = SplitPath("/home/ann/ulvex2/ulvex2.exe");
    EXPECT_EQ(DriveAndDirectory(parts), "/home/ann/ulvex2");
    EXPECT_EQ(parts.name, "ulvex2.exe");
    EXPECT_EQ(SplitPath("/tesk.bat").directory, "/");
    const PathParts bare = SplitPath("tesk.bat");
    EXPECT_EQ(DriveAndDirectory(bare), CurrentDirectory());
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
              (std::vector<std::string>{".", "..", "Mymod.TESK", "Save0.tesk", "other.tesk",
                                        "readme"}));
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

} // namespace
} // namespace tesk
