#include "core/launch/GameProcess.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/stat.h>

namespace tesk {
namespace {

using namespace std::chrono_literals;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// A stub game: a script of `body` in a fresh directory, started there.
struct StubGame {
    explicit StubGame(const std::string& body)
    {
        WriteFileBytes(dir.file("game"), "#!/bin/sh\n" + body);
        ::chmod(dir.file("game").c_str(), 0755);
        start = {dir.file("game"), {"+map", "two words"}, dir.str(), dir.file("game"), {}};
    }
    std::string log() const { return dir.file("state/tesk/game.log"); }
    GameProcessId Start() const { return StartGameProcess(start, log()); }

    TempDir dir;
    ProgramStart start;
};

TEST(GameProcessTest, BothStreamsGoToTheLogWithTheEnvironmentArgumentsAndDirectoryOfTheStart)
{
    StubGame game(
        "echo \"out $# [$2] $(pwd -P) [$STUB_VALUE] [$HOME]\"\n"
        "echo err >&2\n"
        "read line && echo \"read [$line]\"\n"
        "exit 0\n");
    game.start.environment = {{"STUB_VALUE", "$HOME stays"}, {"HOME", "/elsewhere"}};
    const GameProcessId process = game.Start();
    const std::optional<GameExit> exit = WaitForGameExit(process, 20s);
    ASSERT_TRUE(exit);
    EXPECT_FALSE(exit->Failed());
    EXPECT_EQ(ReadFileBytes(game.log()), "out 2 [two words] " + std::filesystem::canonical(game.dir.path()).string()
                                             + " [$HOME stays] [/elsewhere]\nerr\n");
    // Collected once: a second look finds no child and counts it as ended well.
    const std::optional<GameExit> again = CollectGameExit(process);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->Failed());
}

TEST(GameProcessTest, AGameThatFailsOrCrashesAtOnceIsReportedWithTheEndOfItsLog)
{
    StubGame fails(
        "i=1; while [ $i -le 30 ]; do echo \"line $i\"; i=$((i+1)); done\n"
        "echo 'no OpenGL' >&2\n"
        "exit 3\n");
    const std::optional<GameExit> failed = WaitForGameExit(fails.Start(), 20s);
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->Failed());
    EXPECT_EQ(failed->code, 3);
    const std::string report = QuickExitReport(*failed, 1249ms, fails.log(), 3);
    EXPECT_EQ(report,
              "The game ended 1.2 seconds after it started, with exit status 3.\n"
              "The last lines of its log "
                  + fails.log() + ":\nline 29\nline 30\nno OpenGL");

    StubGame crashes("kill -SEGV $$\n");
    const std::optional<GameExit> crashed = WaitForGameExit(crashes.Start(), 20s);
    ASSERT_TRUE(crashed);
    EXPECT_TRUE(crashed->signalled);
    EXPECT_EQ(crashed->code, SIGSEGV);
    EXPECT_EQ(QuickExitReport(*crashed, 50ms, crashes.log()),
              "The game ended 0.1 seconds after it started, killed by signal 11 (Segmentation fault).\n"
              "Its log "
                  + crashes.log() + " is empty.");
}

TEST(GameProcessTest, AGameThatRunsOnIsNotWaitedFor)
{
    StubGame game("echo started\nexec sleep 30\n");
    const GameProcessId process = game.Start();
    EXPECT_FALSE(WaitForGameExit(process, 100ms));
    EXPECT_FALSE(CollectGameExit(process));
    ::kill(static_cast<pid_t>(process), SIGTERM);
    const std::optional<GameExit> exit = WaitForGameExit(process, 20s);
    ASSERT_TRUE(exit);
    EXPECT_TRUE(exit->signalled);
    EXPECT_EQ(exit->code, SIGTERM);
}

TEST(GameProcessTest, AStartThatCannotWorkSaysWhyAndNamesTheProgramOrTheLog)
{
    StubGame game("exit 0\n");
    const auto problem = [&](const std::string& log) {
        try {
            StartGameProcess(game.start, log);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("started");
    };
    WriteFileBytes(game.dir.file("state-file"), "");
    EXPECT_EQ(problem(game.dir.file("state-file/tesk/game.log"))
                  .rfind("Cannot create file " + game.dir.file("state-file/tesk/game.log"), 0),
              0u);
    WriteFileBytes(game.start.program, "MZ not a program");
    EXPECT_EQ(problem(game.log()), "The system cannot run " + game.start.program + ": Exec format error.");
    game.start.workingDirectory = game.dir.file("gone");
    EXPECT_EQ(problem(game.log()).rfind("The system cannot run " + game.start.program + ": ", 0), 0u);
}

TEST(GameProcessTest, TheQuickExitTimeIsTenSecondsUnlessTheEnvironmentShortensIt)
{
    const char* saved = std::getenv("TESK_QUICK_EXIT_SECONDS");
    const std::string previous = saved ? saved : "";
    unsetenv("TESK_QUICK_EXIT_SECONDS");
    EXPECT_EQ(QuickExitTime(), 10s);
    setenv("TESK_QUICK_EXIT_SECONDS", "0.25", 1);
    EXPECT_EQ(QuickExitTime(), 250ms);
    for (const char* ignored : {"", "-1", "0", "ten", "5s", "99999"}) {
        setenv("TESK_QUICK_EXIT_SECONDS", ignored, 1);
        EXPECT_EQ(QuickExitTime(), 10s) << ignored;
    }
    if (saved)
        setenv("TESK_QUICK_EXIT_SECONDS", previous.c_str(), 1);
    else
        unsetenv("TESK_QUICK_EXIT_SECONDS");
}

} // namespace
} // namespace tesk
