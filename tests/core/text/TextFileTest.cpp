#include "core/text/TextFile.h"

#include "core/text/Error.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tesk {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

std::string WriteError(const std::string& path, std::string_view bytes)
{
    try {
        WriteFileAtomically(path, bytes, "Unable to write to %s");
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

std::size_t EntryCount(const fs::path& directory)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), {}));
}

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(TextFile, ReadsEveryLineEnding)
{
    TempDir dir;
    const auto lines = [&](const std::string& bytes) {
        WriteFileBytes(dir.file("t.txt"), bytes);
        return ReadTextLines(dir.file("t.txt"));
    };
    EXPECT_EQ(lines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(lines("a\r\n"), Lines{"a"});
    EXPECT_EQ(lines(""), Lines{});
    EXPECT_EQ(lines("\r\r\n\n"), (Lines{"", "", ""}));
    EXPECT_EQ(lines("a\n\nb"), (Lines{"a", "", "b"}));
}

TEST(TextFile, ReadsWholeFilesOfAnySizeAndThoseWhoseSizeIsUnknown)
{
    TempDir dir;
    std::string big;
    int count = 0;
    for (; big.size() < 300000; ++count)
        big += "set unrelated_" + std::to_string(count) + (count % 3 ? "\r\n" : "\n");
    WriteFileBytes(dir.file("big.cfg"), big);
    EXPECT_EQ(ReadFileIfExists(dir.file("big.cfg")), big);
    const Lines lines = ReadTextLines(dir.file("big.cfg"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(lines.back(), "set unrelated_" + std::to_string(count - 1));
    // A file the system gives no size for is read to its end all the same.
    const auto status = ReadFileIfExists("/proc/self/status");
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(status->find("Name:"), std::string::npos);
    EXPECT_NE(status->find("Pid:"), std::string::npos);
}

TEST(TextFile, UnreadableFileNamesThePath)
{
    TempDir dir;
    EXPECT_THROW(
        {
            try {
                ReadTextLines(dir.file("missing.cfg"));
            } catch (const Error& error) {
                EXPECT_EQ(error.what(), "Cannot open file " + dir.file("missing.cfg"));
                throw;
            }
        },
        Error);
    EXPECT_THROW(ReadTextLines(dir.str()), Error);
    EXPECT_THROW(ReadFileIfExists(dir.str()), Error);
    EXPECT_EQ(ReadFileIfExists(dir.file("missing.cfg")), std::nullopt);

    // Opening a FIFO waits for a writer: it is refused at once instead.
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
    try {
        ReadFileIfExists(dir.file("fifo"));
        ADD_FAILURE() << "a FIFO was read";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + dir.file("fifo") + ": it is not a regular file");
    }
}

TEST(TextFile, WritesCrlfAndKeepsPermissions)
{
    TempDir dir;
    const std::string path = dir.file("config.cfg");
    const mode_t oldMask = ::umask(022);
    WriteTextLines(path, {"set fov 90", ""});
    ::umask(oldMask);
    EXPECT_EQ(ReadFileBytes(path), "set fov 90\r\n\r\n");
    EXPECT_EQ(ModeOf(path), 0644u);

    ::chmod(path.c_str(), 0640);
    WriteTextLines(path, {"x"});
    EXPECT_EQ(ReadFileBytes(path), "x\r\n");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(TextFile, WritingThroughALinkReplacesItsTarget)
{
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    WriteFileBytes(dir.file("real/config.cfg"), "old");
    fs::create_symlink("real/config.cfg", dir.path() / "link.cfg");
    WriteFileAtomically(dir.file("link.cfg"), "new", "%s");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.cfg"));
    EXPECT_EQ(ReadFileBytes(dir.file("real/config.cfg")), "new");
}

TEST(TextFile, FailedWriteLeavesTheOldFile)
{
    TempDir dir;
    const std::string missing = dir.file("missing/config.cfg");
    EXPECT_EQ(WriteError(missing, "new"), "Unable to write to " + missing);
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));

    const std::string readOnlyFile = dir.file("file/tesk.ini");
    WriteFileBytes(readOnlyFile, "old");
    ::chmod(readOnlyFile.c_str(), 0444);
    EXPECT_EQ(WriteError(readOnlyFile, "new"), "Unable to write to " + readOnlyFile);
    EXPECT_EQ(ReadFileBytes(readOnlyFile), "old");

    const std::string inReadOnlyDir = dir.file("folder/tesk.ini");
    WriteFileBytes(inReadOnlyDir, "old");
    ::chmod(dir.file("folder").c_str(), 0555);
    EXPECT_EQ(WriteError(inReadOnlyDir, "new"), "Unable to write to " + inReadOnlyDir);
    EXPECT_EQ(ReadFileBytes(inReadOnlyDir), "old");

    EXPECT_EQ(WriteError(dir.file("file"), "new"), "Unable to write to " + dir.file("file"));
    EXPECT_EQ(EntryCount(dir.file("file")), 1u);
    EXPECT_EQ(EntryCount(dir.file("folder")), 1u);
}

// A file size limit stands in for a full disk: the write stops short.
TEST(TextFile, FullDiskLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("config.cfg");
    WriteFileBytes(path, "old bytes");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = WriteError(path, std::string(100000, 'x'));
        ::_exit(error == "Unable to write to " + path ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileBytes(path), "old bytes");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

// A write killed part way leaves its temporary file; the next write of the
// same file removes it, but never a live writer's or another file's.
TEST(TextFile, AWriteRemovesWhatInterruptedWritesOfTheSameFileLeft)
{
    TempDir dir;
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    const std::string gone = dir.file(".maps.lst.tesk-" + std::to_string(child) + "-3.tmp");
    for (const std::string& path : {gone, dir.file(".maps.lst.tesk-" + std::to_string(getpid()) + "-99.tmp"),
                                    dir.file(".servers.txt.tesk-" + std::to_string(child) + "-1.tmp")})
        WriteFileBytes(path, "x");
    WriteTextLines(dir.file("maps.lst"), {"base1"});
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_EQ(EntryCount(dir.path()), 3u) << "maps.lst, the live writer's and the other file's";
}

} // namespace
} // namespace tesk
