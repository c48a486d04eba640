#include "core/app/ProgramSettings.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

const std::string kIni =
    "; written by hand\n"
    "[Tesk]\n"
    "Path=/home/ann\n"
    "CloseOnExit=True\n"
    "\n"
    "[ulvex2]\n"
    "path=/home/ann/ulvex2\n";

TEST(ProgramSettings, ReadsDefaultsAndNamesWithoutRegardToCase)
{
    TempDir dir;
    ProgramSettings settings(dir.file("tesk.ini"));
    EXPECT_EQ(settings.ReadOr(kStartupDirectoryKey, "none"), "none");
    EXPECT_TRUE(settings.Read(kSaveAllOnRunKey));

    WriteFileBytes(settings.path(), kIni);
    EXPECT_EQ(settings.Read(TextKey{"TESK", "PATH"}), "/home/ann");
    EXPECT_FALSE(settings.Read(kCloseOnExitKey)) << "only \"true\" is true";
    EXPECT_FALSE(settings.Read(kMinimizeKey));

    ProgramSettings unreadable(dir.str());
    EXPECT_EQ(unreadable.ReadOr(kStartupDirectoryKey, "default"), "default");
}

// The defaults that depend on the game directory, and the spellings of one
// key that the commands write, which the file keeps as first written.
TEST(ProgramSettings, KeysTakeTheirDefaultsAndKeepTheirFirstSpelling)
{
    TempDir dir;
    ProgramSettings settings(dir.file("tesk.ini"));
    EXPECT_EQ(settings.Read(kBatchFileKey, "/g"), "/g/tesk.bat");
    EXPECT_EQ(settings.Read(kConfigFileKey, "/g"), "/g/baseu2/config.cfg");
    EXPECT_EQ(settings.Read(kGameDirectoryKey), DefaultGameDirectory());
    EXPECT_EQ(settings.Read(kRunnerKey), "");
    EXPECT_TRUE(settings.Read(kCloseOnExitKey));
    EXPECT_FALSE(settings.Read(kMinimizeOnClosingKey));

    settings.Write(kLoadedBatchFileKey, "/g/a.bat");
    settings.Write(kBatchFileKey, "/g/b.bat");
    settings.Write(kMinimizeKey, true);
    settings.Write(kMinimizeOnClosingKey, false);
    EXPECT_EQ(ReadFileBytes(settings.path()), "[tesk]\r\nBatchfile=/g/b.bat\r\nminimize=false\r\n");
}

TEST(ProgramSettings, WritesOneKeyAndKeepsTheRest)
{
    TempDir dir;
    ProgramSettings settings(dir.file("tesk.ini"));
    WriteFileBytes(settings.path(), kIni);
    settings.Write(FlagKey{"tesk", "closeonexit"}, false);
    settings.Write(kMinimizeOnClosingKey, true);
    settings.Write(TextKey{"ULVEX2", "Path"}, "/games/ulvex2");
    EXPECT_EQ(ReadFileBytes(settings.path()),
              "; written by hand\r\n[Tesk]\r\nPath=/home/ann\r\nCloseOnExit=false\r\n"
              "Minimize=true\r\n\r\n[ulvex2]\r\npath=/games/ulvex2\r\n");
    EXPECT_TRUE(settings.Read(kMinimizeKey));
}

TEST(ProgramSettings, CreatesItsDirectoryAndReportsAReadOnlyFile)
{
    TempDir dir;
    ProgramSettings fresh(dir.file("config/tesk/tesk.ini"));
    fresh.Write(kStartupDirectoryKey, "/home/ann");
    EXPECT_EQ(ReadFileBytes(fresh.path()), "[tesk]\r\npath=/home/ann\r\n");

    ProgramSettings settings(dir.file("tesk.ini"));
    WriteFileBytes(settings.path(), kIni);
    ::chmod(settings.path().c_str(), 0444);
    try {
        settings.Write(kStartupDirectoryKey, "/elsewhere");
        ADD_FAILURE() << "a read-only file was written";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Unable to write to " + settings.path());
    }
    EXPECT_EQ(ReadFileBytes(settings.path()), kIni);
}

// Start-up and closing store keys that mostly hold their values already.
TEST(ProgramSettings, AWriteThatChangesNothingLeavesTheFileAlone)
{
    TempDir dir;
    ProgramSettings settings(dir.file("tesk.ini"));
    settings.Write(kStartupDirectoryKey, "/home/ann");
    struct stat before {};
    ASSERT_EQ(::stat(settings.path().c_str(), &before), 0);

    // The same value (the key spelt otherwise) is not written again, so the
    // file keeps its inode, and a read-only file is no error.
    ::chmod(settings.path().c_str(), 0444);
    EXPECT_NO_THROW(settings.Write(TextKey{"TESK", "Path"}, "/home/ann"));
    struct stat after {};
    ASSERT_EQ(::stat(settings.path().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);

    // A new value still is, and still fails on the read-only file.
    EXPECT_THROW(settings.Write(kStartupDirectoryKey, "/home/bob"), Error);
    EXPECT_EQ(ReadFileBytes(settings.path()), "[tesk]\r\npath=/home/ann\r\n");

    // A file with other line ends than the ones written is written anew.
    ::chmod(settings.path().c_str(), 0644);
    WriteFileBytes(settings.path(), "[tesk]\npath=/home/ann\n");
    settings.Write(kStartupDirectoryKey, "/home/ann");
    EXPECT_EQ(ReadFileBytes(settings.path()), "[tesk]\r\npath=/home/ann\r\n");
}

TEST(ProgramSettings, DefaultPathFollowsTheConfigurationDirectory)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(ProgramSettings::DefaultPath(), "/tmp/cfg/tesk/tesk.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ProgramSettings::DefaultPath(), HomeDirectory() + "/.config/tesk/tesk.ini");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

} // namespace
} // namespace tesk
