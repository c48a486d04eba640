#include "core/launch/LaunchPlan.h"
#include "StartOptions.h"
#include "core/app/ProgramSettings.h"
#include "core/launch/CommandLine.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ModelForGame;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(LaunchPlanTest, TheRunnerAndTheEnvironmentOfTeskIniApplyToBothRoutes)
{
    TempDir dir;
    WriteFileBytes(dir.file("tesk.ini"), "[tesk]\r\nrunner=wine64 --x\r\nenvironment=WINEDEBUG=-all\\nB=two words\r\n");
    const ProgramSettings settings(dir.file("tesk.ini"));
    SettingsModel model = ModelForGame("/games/u2");
    model.SetChecked("cbxSaveFilesonRun", false);

    const LaunchPlan direct = PlanLaunch(model, settings, std::nullopt, "/data");
    EXPECT_FALSE(direct.runBatchFile);
    EXPECT_EQ(direct.start.arguments, (std::vector<std::string>{"--x", "/games/u2/ulvex2.exe", "+exec", "config.cfg"}));
    const std::vector<EnvironmentVariable> environment{{"WINEDEBUG", "-all"}, {"B", "two words"}};
    EXPECT_EQ(direct.start.environment, environment);
    EXPECT_EQ(direct.logPath, GameLogPath());
    EXPECT_EQ(CommandText(direct.start).rfind("cd /games/u2 && env WINEDEBUG=-all 'B=two words' ", 0), 0u);

    model.SetChecked("cbxSaveFilesonRun", true);
    const LaunchPlan batch = PlanLaunch(model, settings, UpcomingBatchLine(model, "/data"), "/data");
    EXPECT_TRUE(batch.runBatchFile);
    EXPECT_EQ(batch.batchLine, "/games/u2/ulvex2.exe  +exec config.cfg");
    EXPECT_EQ(batch.start.arguments, direct.start.arguments);
    EXPECT_EQ(batch.start.environment, environment);

    WriteFileBytes(dir.file("tesk.ini"), "[tesk]\r\nenvironment=A=1\\nnot a variable\r\n");
    EXPECT_THROW(PlanLaunch(model, settings, std::nullopt, "/data"), Error);
}

TEST(LaunchPlanTest, LaunchGameStartsThePlanOrSaysWhatRunSays)
{
    TempDir dir;
    const ProgramSettings settings(dir.file("tesk.ini"));
    SettingsModel model = ModelForGame(dir.str());
    model.SetChecked("cbxSaveFilesonRun", false);
    std::vector<ProgramStart> started;
    const GameStarter record = [&](const ProgramStart& start, const std::string&) {
        started.push_back(start);
        return GameProcessId(42);
    };
    const auto noBatchLine = []() -> std::string { throw Error("Cannot open file tesk.bat"); };

    LaunchResult result = LaunchGame(model, settings, noBatchLine, record, dir.str());
    EXPECT_EQ(result.failure,
              "Failed to execute ulvex2.exe +exec config.cfg\n" + dir.file("ulvex2.exe") + " does not exist.");
    EXPECT_TRUE(started.empty());
    model.SetChecked("cbxSaveFilesonRun", true);
    result = LaunchGame(model, settings, noBatchLine, record, dir.str());
    EXPECT_EQ(result.failure, "Failed to execute " + dir.file("tesk.bat") + "\nCannot open file tesk.bat");

    WriteFileBytes(dir.file("ulvex2.exe"), "#!/bin/sh\n");
    ::chmod(dir.file("ulvex2.exe").c_str(), 0755);
    result = LaunchGame(
        model, settings, [] { return std::string("ulvex2.exe +map e1m1"); }, record, dir.str());
    EXPECT_EQ(result.process, 42);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].arguments, (std::vector<std::string>{"+map", "e1m1"}));
    // The starter's refusal is Run's failure, with the hint at a runner.
    result = LaunchGame(
        model, settings, [] { return std::string("ulvex2.exe"); },
        [](const ProgramStart&, const std::string&) -> GameProcessId { throw Error("no."); }, dir.str());
    EXPECT_EQ(result.failure,
              "Failed to execute " + dir.file("tesk.bat")
                  + "\nno.\nA runner such as wine can be set with \"Game Runner...\" in the file menu.");
}

TEST(LaunchPlanTest, StartOptionsAreReadAsStartUpReadsThemWithoutWritingAnything)
{
    TempDir dir;
    const std::string ini = "[ulvex2]\r\npath=" + dir.str() + "\r\n[tesk]\r\nsaveAllOnRun=false\r\nRunServer=true\r\n";
    WriteFileBytes(dir.file("tesk.ini"), ini);
    const ProgramSettings settings(dir.file("tesk.ini"));
    SettingsModel model;
    ReadStartOptions(settings, model);
    EXPECT_EQ(model.Text("txtU2Dir"), dir.str());
    EXPECT_EQ(model.Text("txtBatchFile"), dir.file("tesk.bat"));
    EXPECT_EQ(model.Text("txtConfigFile"), dir.file("baseu2/config.cfg"));
    EXPECT_FALSE(model.Checked("cbxSaveFilesonRun"));
    EXPECT_TRUE(model.Checked("cbxStartServer"));
    EXPECT_TRUE(model.Checked("cbxCloseOnRun"));
    // A missing batch file is not created; tesk.ini is as it was.
    EXPECT_FALSE(FileExists(dir.file("tesk.bat")));
    EXPECT_EQ(ReadFileBytes(dir.file("tesk.ini")), ini);

    WriteFileBytes(dir.file("tesk.bat"),
                   "x\\ulvex2.exe +set Dedicated 1 +set coop 1 +set game ctf +exec config.cfg\r\n");
    ReadStartOptions(settings, model);
    EXPECT_EQ(BuildCommandLine(model), "+set Dedicated 1 +set coop 1 +set game ctf +exec config.cfg");

    WriteFileBytes(dir.file("tesk.ini"), "[tesk]\r\nrunner=wine\r\n");
    EXPECT_THROW(ReadStartOptions(settings, model), Error);
}

} // namespace
} // namespace tesk
