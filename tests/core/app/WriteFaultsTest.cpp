// Every file Tesk writes, under every way a write can fail: the old file
// must stay byte for byte and the error must name the path.

#include "core/app/ProgramSettings.h"
#include "core/launch/BatchFile.h"
#include "core/profiles/GameList.h"
#include "core/profiles/ProfileFile.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Error.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// One writer of the program: it writes the file at `path` (in its own way).
struct Writer {
    const char* name;
    std::function<void(const std::string& path)> write;
    bool makesItsDirectory = false; // tesk.ini lives in a directory of its own
};

std::vector<Writer> Writers()
{
    return {
        {"config file",
         [](const std::string& path) {
             SettingsModel model;
             TokenList tokens;
             WriteConfigFile(model, tokens, DirectoryPart(path), FileNamePart(path), DirectoryPart(path));
         }},
        {"batch file", [](const std::string& path) { WriteBatchFile(path, "/games/ulvex2", "+exec config.cfg"); }},
        {"program settings",
         [](const std::string& path) { ProgramSettings(path).Write(kConfigFileKey, "/x/config.cfg"); }, true},
        {"profile check mark",
         [](const std::string& path) { StoreEntryCheck(path, ProfileEntryKind::Binding, 0, "x = didn't load", true); }},
        {"list or edited text",
         [](const std::string& path) {
             WriteTextLines(path, {"exMap My Map", "base1"});
         }},
    };
}

const std::string kOldBytes = "[NumberOfSections]\r\nBindings=1\r\n[Bind1]\r\nBindKey=x\r\n";

// Runs the writer and returns the error's text; empty when it succeeded.
std::string FailureOf(const Writer& writer, const std::string& path)
{
    try {
        writer.write(path);
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

// Runs the writer in a child process whose files may not grow beyond a few
// bytes, as on a full disk; returns the error's text the child saw.
std::string FailureOnFullDisk(const Writer& writer, const std::string& path)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = FailureOf(writer, path);
        const ssize_t written = write(pipeEnds[1], message.data(), message.size());
        _exit(written == static_cast<ssize_t>(message.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return message;
}

void ExpectRefused(const std::string& message, const std::string& path, const char* writer, const char* fault)
{
    EXPECT_FALSE(message.empty()) << writer << " wrote despite " << fault;
    EXPECT_NE(message.find(path), std::string::npos) << writer << ", " << fault << ": " << message;
}

TEST(WriteFaultsTest, EveryWriterKeepsTheOldFileAndNamesThePath)
{
    for (const Writer& writer : Writers()) {
        TempDir dir;
        const std::string path = dir.file("target.tesk");

        const std::string missing = dir.file("no/such/dir/target.tesk");
        if (writer.makesItsDirectory) {
            EXPECT_EQ(FailureOf(writer, missing), "");
            EXPECT_TRUE(std::filesystem::exists(missing));
            std::filesystem::remove_all(dir.path() / "no");
        } else {
            ExpectRefused(FailureOf(writer, missing), missing, writer.name, "a missing directory");
            EXPECT_FALSE(std::filesystem::exists(dir.path() / "no"));
        }

        WriteFileBytes(path, kOldBytes);
        chmod(path.c_str(), 0444);
        ExpectRefused(FailureOf(writer, path), path, writer.name, "a read-only file");
        EXPECT_EQ(ReadFileBytes(path), kOldBytes) << writer.name;
        chmod(path.c_str(), 0644);

        chmod(dir.str().c_str(), 0555);
        ExpectRefused(FailureOf(writer, path), path, writer.name, "a read-only directory");
        chmod(dir.str().c_str(), 0755);
        EXPECT_EQ(ReadFileBytes(path), kOldBytes) << writer.name;

        ExpectRefused(FailureOnFullDisk(writer, path), path, writer.name, "a full disk");
        EXPECT_EQ(ReadFileBytes(path), kOldBytes) << writer.name;
        // Nothing is left behind beside the file.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << writer.name;
    }
}

TEST(WriteFaultsTest, MovingAGameProfileLosesNothingWhenTheDirectoryRefuses)
{
    TempDir dir;
    WriteFileBytes(dir.file("mymod.tesk"), kOldBytes);
    chmod(dir.str().c_str(), 0555);
    EXPECT_THROW(DeleteGame(dir.str(), "mymod"), Error);
    chmod(dir.str().c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(dir.file("mymod.tesk")), kOldBytes);
    EXPECT_FALSE(std::filesystem::exists(dir.file("mymod.u2bk")));

    DeleteGame(dir.str(), "mymod");
    chmod(dir.str().c_str(), 0555);
    EXPECT_THROW(AddGame(dir.str(), "mymod"), Error);
    chmod(dir.str().c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(dir.file("mymod.u2bk")), kOldBytes);

    // Nothing to move: nothing is lost, and the caller learns so.
    EXPECT_EQ(DeleteGame(dir.file("missing"), "mymod"), DeleteGameResult::ProfileGone);
}

// Two programs writing the same files one after the other: each file is
// always one whole version, never a mixture or a cut.
TEST(WriteFaultsTest, TwoProcessesWritingTheSameFilesNeverTearThem)
{
    TempDir dir;
    const std::string ini = dir.file("tesk.ini");
    const std::string profile = dir.file("mymod.tesk");
    WriteFileBytes(profile, "[NumberOfSections]\r\nSettings=50\r\n");
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        if (children[c] == 0) {
            ProgramSettings settings(ini);
            for (int i = 0; i < 60; ++i) {
                const std::string key = "writer" + std::to_string(c);
                settings.Write(TextKey{kConfigFileKey.section, key}, std::string(200 + i, 'a' + c));
                StoreEntryCheck(profile, ProfileEntryKind::Setting, static_cast<std::size_t>(i % 50),
                                "didn't load = didn't load", c == 0);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (const std::string& path : {ini, profile}) {
        const std::string bytes = ReadFileBytes(path);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path;
        for (const std::string& line : SplitLines(bytes))
            EXPECT_TRUE(line.empty() || line.front() == '[' || line.find('=') != std::string::npos) << line;
    }
    const IniFile settings = IniFile::Load(ini);
    for (const char* key : {"writer0", "writer1"}) {
        const std::string value = settings.ReadString(kConfigFileKey.section, key, "");
        if (!value.empty()) {
            EXPECT_EQ(value, std::string(value.size(), value.front())) << key;
        }
    }
    EXPECT_EQ(IniFile::Load(profile).ReadString("NumberOfSections", "Settings", ""), "50");
}

} // namespace
} // namespace tesk
