#include "core/launch/CommandLine.h"
#include "StartOptions.h"
#include "core/launch/BatchFile.h"

#include <gtest/gtest.h>

namespace tesk {
namespace {

using testing::ModelForGame;
using testing::Pick;

const std::string kGame = "/home/ann/ulvex2";

TEST(BuildCommandLineTest, DefaultOptionsExecuteOnlyTheConfigFileByName)
{
    const SettingsModel model = ModelForGame(kGame);
    EXPECT_EQ(BuildCommandLine(model), " +exec config.cfg");
    EXPECT_EQ(BatchLine(kGame, BuildCommandLine(model)), "/home/ann/ulvex2/ulvex2.exe  +exec config.cfg");
}

TEST(BuildCommandLineTest, ServerBranchIgnoresTheClientChoices)
{
    SettingsModel model = ModelForGame(kGame);
    model.SetChecked("cbxStartServer", true);
    model.SetChecked("cbxDedicatedServer", true);
    model.SetChecked("rbCooperative", true);
    model.SetChecked("rbLoadSavedGame", true);
    Pick(model, "cboSaveGames", "save1");
    EXPECT_EQ(BuildCommandLine(model), "+set Dedicated 1 +set coop 1 +exec config.cfg");

    model.SetChecked("cbxDedicatedServer", false);
    model.SetChecked("rbDeathMatch", true);
    Pick(model, "cboServerStartMap", "exMap");
    EXPECT_EQ(BuildCommandLine(model), "+set Dedicated 0 +map exMap +set deathMatch 1 +exec config.cfg");
    EXPECT_EQ(BatchLine(kGame, BuildCommandLine(model)),
              "/home/ann/ulvex2/ulvex2.exe +set Dedicated 0 +map exMap +set deathMatch 1 +exec config.cfg");
}

TEST(BuildCommandLineTest, ClientBranchPassesOnlyPickedEntriesOfTheCheckedChoice)
{
    SettingsModel model = ModelForGame(kGame);
    model.SetText("cboClientStartMap", "typedMap");
    EXPECT_EQ(BuildCommandLine(model), " +exec config.cfg");

    Pick(model, "cboClientStartMap", "exMap");
    EXPECT_EQ(BuildCommandLine(model), " +map exMap +exec config.cfg");

    model.SetChecked("rbLoadSavedGame", true);
    Pick(model, "cboSaveGames", "save1");
    EXPECT_EQ(BuildCommandLine(model), " +load save1 +exec config.cfg");

    model.SetChecked("rbConnectToServer", true);
    Pick(model, "cboServerList", "192.0.2.7:27910 my server");
    EXPECT_EQ(BuildCommandLine(model), " +connect 192.0.2.7:27910 my server +exec config.cfg");
}

TEST(BuildCommandLineTest, GameAndConfigPieces)
{
    SettingsModel model = ModelForGame(kGame);
    model.SetChecked("cbxStartWithGame", true);
    EXPECT_EQ(BuildCommandLine(model), " +set game  +exec config.cfg");
    model.SetText("txtCurrentGame", "mymod");
    EXPECT_EQ(BuildCommandLine(model), " +set game mymod +exec config.cfg");

    // The name is taken as text: the file need not exist. Without a name
    // there is nothing to execute, so the piece is left out.
    model.SetText("txtConfigFile", "other.cfg");
    EXPECT_EQ(BuildCommandLine(model), " +set game mymod +exec other.cfg");
    model.SetText("txtConfigFile", "");
    EXPECT_EQ(BuildCommandLine(model), " +set game mymod");
    model.SetText("txtConfigFile", "/home/ann/ulvex2/baseu2/");
    EXPECT_EQ(BuildCommandLine(model), " +set game mymod");
}

TEST(BatchLineTest, ExecutableInTheGivenDirectory)
{
    EXPECT_EQ(BatchLine("/", " +exec config.cfg"), "/ulvex2.exe  +exec config.cfg");
    EXPECT_EQ(BatchLine("/games/", "+set Dedicated 1"), "/games/ulvex2.exe +set Dedicated 1");

    // Save Batch names the batch file's own directory, Save Batch As the game's.
    const std::string batchPath = "/srv/batches/tesk.bat";
    EXPECT_EQ(BatchLine(BatchDirectory(batchPath, "/data"), " +exec config.cfg"),
              "/srv/batches/ulvex2.exe  +exec config.cfg");
    EXPECT_EQ(BatchDirectory("/tesk.bat", "/data"), "/");
    EXPECT_EQ(BatchDirectory("tesk.bat", "/data"), "/data");
}

} // namespace
} // namespace tesk
