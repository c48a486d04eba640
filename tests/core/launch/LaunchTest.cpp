#include "core/launch/BatchFile.h"
#include "core/launch/CommandLine.h"
#include "core/launch/Launch.h"
#include "StartOptions.h"
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
    explicit GameStub(const std::string& gameName)
        : game(JoinPath(dir.str(), gameName))
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

TEST(PlanGameStartTest, RelativePathsAreTakenFromWhereTeskRuns)
{
    SettingsModel model = ModelForGame("");
    model.SetText("txtBatchFile", "tesk.bat");
    EXPECT_EQ(PlanGameStart(model, false).program, JoinPath(CurrentDirectory(), "ulvex2.exe"));
    EXPECT_EQ(PlanGameStart(model, false).workingDirectory, CurrentDirectory());
    EXPECT_EQ(PlanGameStart(model, true).arguments.back(), JoinPath(CurrentDirectory(), "tesk.bat"));
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

TEST(GameStartTest, DirectStartPassesEachWordWithoutAShell)
{
    GameStub stub("my games");
    SettingsModel model = ModelForGame(stub.game);
    model.SetChecked("cbxStartWithGame", true);
    model.SetText("txtCurrentGame", "$HOME;*");
    Pick(model, "cboClientStartMap", "exMap");
    const ProgramStart start = PlanGameStart(model, false);
    ASSERT_TRUE(CanStart(start));
    ASSERT_EQ(RunAndWait(start), 0);
    EXPECT_EQ(stub.Arguments(), "[+map]\n[exMap]\n[+set]\n[game]\n[$HOME;*]\n[+exec]\n[config.cfg]\n");
    EXPECT_EQ(stub.WorkingDirectory(), std::filesystem::canonical(stub.game).string() + "\n");
}

TEST(GameStartTest, BatchStartIgnoresCarriageReturns)
{
    GameStub stub("ulvex2");
    SettingsModel model = ModelForGame(stub.game);
    model.SetChecked("cbxStartServer", true);
    Pick(model, "cboServerStartMap", "exMap");
    WriteBatchFile(model.Text("txtBatchFile"), stub.game, BuildCommandLine(model));
    ASSERT_NE(ReadFileBytes(model.Text("txtBatchFile")).find("\r\n"), std::string::npos);
    const ProgramStart start = PlanGameStart(model, true);
    ASSERT_TRUE(CanStart(start));
    ASSERT_EQ(RunAndWait(start), 0);
    EXPECT_EQ(stub.Arguments(),
              "[+set]\n[Dedicated]\n[0]\n[+map]\n[exMap]\n[+set]\n[deathMatch]\n[1]\n[+exec]\n[config.cfg]\n");
    EXPECT_EQ(stub.WorkingDirectory(), std::filesystem::canonical(stub.game).string() + "\n");
}

TEST(GameStartTest, StartsThatCannotWorkAreRefused)
{
    GameStub stub("ulvex2");
    SettingsModel model = ModelForGame(stub.game);
    EXPECT_TRUE(CanStart(PlanGameStart(model, false)));
    EXPECT_FALSE(CanStart(PlanGameStart(model, true))) << "no batch file yet";

    ::chmod(GameExecutablePath(stub.game).c_str(), 0644);
    EXPECT_FALSE(CanStart(PlanGameStart(model, false))) << "not executable";
    std::filesystem::remove(GameExecutablePath(stub.game));
    EXPECT_FALSE(CanStart(PlanGameStart(model, false))) << "missing";
    std::filesystem::create_directory(GameExecutablePath(stub.game));
    EXPECT_FALSE(CanStart(PlanGameStart(model, false))) << "a directory";

    model.SetText("txtU2Dir", JoinPath(stub.dir.str(), "gone"));
    WriteBatchFile(model.Text("txtBatchFile"), stub.game, " +exec config.cfg");
    EXPECT_FALSE(CanStart(PlanGameStart(model, true))) << "no game directory";
}

} // namespace
} // namespace tesk
