#include "core/launch/Launch.h"
#include "StartOptions.h"
#include "core/launch/BatchFile.h"
#include "core/launch/CommandLine.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tesk {
namespace {

using testing::ModelForGame;
using testing::Pick;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// Starts the program as the window does, but waits for it; the exit code, or
// -1 when it did not end normally.
int RunAndWait(const ProgramStart& start)
{
    std::vector<char*> argv{const_cast<char*>(start.program.c_str())};
    for (const auto& argument : start.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(start.workingDirectory.c_str()) == 0)
            ::execv(start.program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A game directory whose "ulvex2.exe" records each argument in brackets and
// its working directory.
class GameStub {
public:
    explicit GameStub(const std::string& gameName) : game(JoinPath(dir.str(), gameName))
    {
        WriteFileBytes(GameExecutablePath(game),
                       "#!/bin/sh\n"
                       "pwd -P > '" + dir.file("cwd.txt") + "'\n"
                       "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" + dir.file("args.txt") + "'\n");
        ::chmod(GameExecutablePath(game).c_str(), 0755);
    }

    std::string Arguments() const { return ReadFileBytes(dir.file("args.txt")); }
    std::string WorkingDirectory() const { return ReadFileBytes(dir.file("cwd.txt")); }

    TempDir dir;
    std::string game;
};

// Run's start through the batch file: the line Save Batch wrote, read back.
ProgramStart PlanBatchStart(const SettingsModel& model, std::string_view runner = {})
{
    return PlanGameStart(model, ReadBatchLine(model.Text("txtBatchFile")), runner, "/data");
}

TEST(PlanGameStartTest, RelativePathsAreTakenFromTheDataDirectoryOrTheGameDirectory)
{
    SettingsModel model = ModelForGame("");
    EXPECT_EQ(PlanGameStart(model, std::nullopt, "", "/data").program, "/data/ulvex2.exe");
    EXPECT_EQ(PlanGameStart(model, std::nullopt, "", "/data").workingDirectory, "/data");
    model.SetText("txtU2Dir", "games/u2");
    EXPECT_EQ(PlanGameStart(model, std::nullopt, "", "/data").program, "/data/games/u2/ulvex2.exe");
    model.SetText("txtU2Dir", "/games/u2");
    const ProgramStart start = PlanGameStart(model, "ulvex2.exe +map x", "", "/data");
    EXPECT_EQ(start.program, "/games/u2/ulvex2.exe");
    EXPECT_EQ(start.arguments, (std::vector<std::string>{"+map", "x"}));
}

TEST(PlanGameStartTest, FailureTextNamesTheProgramAsThePlayerKnowsIt)
{
    SettingsModel model = ModelForGame("C:\\ulvex2");
    model.SetText("txtBatchFile", "C:\\ulvex2\\tesk.bat");
    Pick(model, "cboClientStartMap", "exMap");
    model.SetText("txtConfigFile", "config.cfg");
    EXPECT_EQ(FailureText(model, false), "Failed to execute ulvex2.exe +map exMap +exec config.cfg");
    EXPECT_EQ(FailureText(model, true), "Failed to execute C:\\ulvex2\\tesk.bat");
}

TEST(PlanGameStartTest, TheBatchLineNamesTheGameWhosePathMayHoldBlanks)
{
    using Words = std::vector<std::string>;
    const BatchCommand blanks = ParseBatchLine("/home/ann/My Games/ulvex2/ulvex2.exe  +map exMap +exec config.cfg");
    EXPECT_EQ(blanks.program, "/home/ann/My Games/ulvex2/ulvex2.exe");
    EXPECT_EQ(blanks.arguments, (Words{"+map", "exMap", "+exec", "config.cfg"}));
    // The name ends at a blank or the line's end, after a separator, in any case.
    EXPECT_EQ(ParseBatchLine("/x/ulvex2.exe.old/a ulvex2.exe/ULVEX2.EXE").program,
              "/x/ulvex2.exe.old/a ulvex2.exe/ULVEX2.EXE");
    EXPECT_EQ(ParseBatchLine("  /x/myulvex2.exe +y").program, "/x/myulvex2.exe");
    // A hand-written line naming another program starts its first word.
    const BatchCommand other = ParseBatchLine("./start.sh +map  x ");
    EXPECT_EQ(other.program, "./start.sh");
    EXPECT_EQ(other.arguments, (Words{"+map", "x"}));
    EXPECT_EQ(ParseBatchLine("").program, "");
}

TEST(GameStartTest, NoValueReachesAShellOnEitherRoute)
{
    GameStub stub("My Games 'q' \"d\" $(touch x)");
    SettingsModel model = ModelForGame(stub.game);
    model.SetChecked("cbxStartWithGame", true);
    model.SetText("txtCurrentGame", "$HOME;*");
    model.SetChecked("rbConnectToServer", true);
    Pick(model, "cboServerList", "1.2.3.4:27910 $(touch " + stub.dir.file("hit") + ")");
    const std::string expected = "[+connect]\n[1.2.3.4:27910]\n[$(touch]\n[" + stub.dir.file("hit")
                                 + ")]\n[+set]\n[game]\n[$HOME;*]\n[+exec]\n[config.cfg]\n";
    const std::string cwd = std::filesystem::canonical(stub.game).string() + "\n";

    const ProgramStart direct = PlanGameStart(model, std::nullopt, "", "/data");
    ASSERT_EQ(StartProblem(direct), std::nullopt);
    ASSERT_EQ(RunAndWait(direct), 0);
    EXPECT_EQ(stub.Arguments(), expected);
    EXPECT_EQ(stub.WorkingDirectory(), cwd);

    // The batch file keeps its bytes (CR LF included) and starts the same.
    WriteBatchFile(model.Text("txtBatchFile"), stub.game, BuildCommandLine(model));
    EXPECT_EQ(ReadFileBytes(model.Text("txtBatchFile")), BatchLine(stub.game, BuildCommandLine(model)) + "\r\n");
    std::filesystem::remove(stub.dir.file("args.txt"));
    const ProgramStart batch = PlanBatchStart(model);
    EXPECT_EQ(batch.program, direct.program);
    ASSERT_EQ(StartProblem(batch), std::nullopt);
    ASSERT_EQ(RunAndWait(batch), 0);
    EXPECT_EQ(stub.Arguments(), expected);
    EXPECT_EQ(stub.WorkingDirectory(), cwd);
    EXPECT_FALSE(std::filesystem::exists(stub.dir.file("hit")));
    EXPECT_FALSE(std::filesystem::exists(JoinPath(stub.game, "x")));
}

// A game directory may itself be named like the game; the batch route still
// starts the game directory's executable, and the options reach it in the
// system's encoding, as the fields show them.
TEST(GameStartTest, TheGameDirectorysExecutableStartsWithItsOptionsAsShown)
{
    GameStub stub("ulvex2.exe old/game");
    WriteFileBytes(stub.dir.file("ulvex2.exe"), "#!/bin/sh\ntouch '" + stub.dir.file("wrong") + "'\n");
    ::chmod(stub.dir.file("ulvex2.exe").c_str(), 0755);
    SettingsModel model = ModelForGame(stub.game);
    model.SetChecked("rbStartNewGame", true);
    Pick(model, "cboClientStartMap", "caf\xE9");
    const std::string expected = "[+map]\n[caf\xC3\xA9]\n[+exec]\n[config.cfg]\n";

    const ProgramStart direct = PlanGameStart(model, std::nullopt, "", "/data");
    ASSERT_EQ(RunAndWait(direct), 0);
    EXPECT_EQ(stub.Arguments(), expected);
    WriteBatchFile(model.Text("txtBatchFile"), stub.game, BuildCommandLine(model));
    std::filesystem::remove(stub.dir.file("args.txt"));
    const ProgramStart batch = PlanBatchStart(model);
    EXPECT_EQ(batch.program, GameExecutablePath(stub.game));
    ASSERT_EQ(RunAndWait(batch), 0);
    EXPECT_EQ(stub.Arguments(), expected);
    EXPECT_FALSE(std::filesystem::exists(stub.dir.file("wrong")));

    // Without the game directory to go by: the last such name before the options.
    const std::string line = stub.dir.file("ulvex2.exe old/game/ulvex2.exe  +map x/ulvex2.exe y");
    EXPECT_EQ(ParseBatchLine(line).program, stub.dir.file("ulvex2.exe old/game/ulvex2.exe"));
    EXPECT_EQ(ParseBatchLine(line).arguments, (std::vector<std::string>{"+map", "x/ulvex2.exe", "y"}));
}

// The window's tests start a runner given by its path; here its name on PATH,
// and the starts that cannot work for reasons the window's tests do not meet.
TEST(GameStartTest, StartsThatCannotWorkSayWhy)
{
    GameStub stub("games");
    SettingsModel model = ModelForGame(stub.game);
    const std::string game = GameExecutablePath(stub.game);
    EXPECT_THROW(PlanBatchStart(model), Error) << "no batch file yet";
    EXPECT_EQ(StartProblem(PlanGameStart(model, "", "", "/data")), "No program to start is named.");

    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", ("/no/such/dir::" + stub.game).c_str(), 1);
    ::rename(game.c_str(), JoinPath(stub.game, "runner").c_str());
    const ProgramStart runner = PlanGameStart(model, std::nullopt, "runner --quiet", "/data");
    const auto missing = StartProblem(PlanGameStart(model, std::nullopt, "no-such-runner", "/data"));
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(runner.program, JoinPath(stub.game, "runner"));
    EXPECT_EQ(runner.arguments, (std::vector<std::string>{"--quiet", game, "+exec", "config.cfg"}));
    EXPECT_EQ(missing, "no-such-runner was not found on the PATH.");
    // With a runner the game need not be executable, but it must be there.
    EXPECT_EQ(StartProblem(runner), game + " does not exist.");
    WriteFileBytes(game, "MZ");
    EXPECT_EQ(StartProblem(runner), std::nullopt);
    EXPECT_EQ(StartProblem(PlanGameStart(model, std::nullopt, "", "/data")), game + " is not an executable file.");

    model.SetText("txtU2Dir", JoinPath(stub.dir.str(), "gone"));
    EXPECT_EQ(StartProblem(PlanGameStart(model, std::nullopt, "", "/data")),
              "The game directory " + JoinPath(stub.dir.str(), "gone") + " does not exist.");
}

TEST(GameStartTest, TheCommandTextQuotesWhatATerminalWouldSplit)
{
    const ProgramStart start{
        "/home/ann/My Games/ulvex2.exe", {"+load", "Ann's", "+map", "e1m1", "$HOME"}, "/home/ann/My Games", {}, {}};
    EXPECT_EQ(CommandText(start),
              "cd '/home/ann/My Games' && '/home/ann/My Games/ulvex2.exe' +load 'Ann'\\''s' +map "
              "e1m1 '$HOME'");
}

} // namespace
} // namespace tesk
