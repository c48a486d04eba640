#include "core/launch/BatchReader.h"
#include "StartOptions.h"
#include "core/launch/BatchFile.h"
#include "core/launch/CommandLine.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ModelForGame;
using testing::Pick;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

const std::string kGame = "/home/ann/ulvex2";

// Every setting the reader may change, as one comparable text.
std::string StartOptions(const SettingsModel& model)
{
    std::string state;
    for (const char* id : {"cbxStartWithGame", "cbxDedicatedServer", "rbStartNewGame", "rbDeathMatch",
                           "rbLoadSavedGame", "rbConnectToServer"})
        state += std::string(id) + (model.Checked(id) ? "=1 " : "=0 ");
    for (const char* id : {"txtCurrentGame", "cboServerStartMap", "cboClientStartMap", "cboSaveGames", "cboServerList",
                           "txtConfigFile", "txtU2Dir"})
        state += std::string(id) + "=" + model.Text(id) + "|" + std::to_string(model.SelectedIndex(id)) + " ";
    return state;
}

class BatchReaderTest : public ::testing::Test {
protected:
    // Reads a batch file holding the bytes into the model.
    void Read(const std::string& bytes)
    {
        WriteFileBytes(dir.file("tesk.bat"), bytes);
        ReadBatchFile(model, tokens, dir.str(), "tesk.bat");
    }

    TempDir dir;
    SettingsModel model = ModelForGame(kGame);
    TokenList tokens;
};

TEST_F(BatchReaderTest, ClientMapLine)
{
    model.SetChecked("cbxStartWithGame", true);
    model.SetChecked("cbxDedicatedServer", true);
    model.SetChecked("rbLoadSavedGame", true);
    Read("/home/ann/ulvex2/ulvex2.exe  +map exMap +exec config.cfg\r\n");
    EXPECT_EQ(tokens, (TokenList{"/home/ann/ulvex2/ulvex2.exe  ", "map exMap ", "exec config.cfg"}));
    EXPECT_EQ(model.Text("cboClientStartMap"), "exMap");
    EXPECT_EQ(model.SelectedIndex("cboClientStartMap"), -1);
    EXPECT_TRUE(model.Checked("rbStartNewGame"));
    EXPECT_FALSE(model.Checked("cbxStartWithGame"));
    EXPECT_TRUE(model.Checked("cbxDedicatedServer"));
    EXPECT_EQ(model.Text("txtConfigFile"), "/home/ann/ulvex2/baseu2/config.cfg");
}

TEST_F(BatchReaderTest, ServerMapLeavesTheClientOptions)
{
    model.SetChecked("cbxStartServer", true);
    model.SetChecked("rbLoadSavedGame", true);
    model.SetText("cboClientStartMap", "before");
    Read("/home/ann/ulvex2/ulvex2.exe +set Dedicated 1 +map exMap +set deathMatch 1 +exec config.cfg\r\n");
    EXPECT_EQ(model.Text("cboServerStartMap"), "exMap");
    EXPECT_EQ(model.Text("cboClientStartMap"), "before");
    EXPECT_TRUE(model.Checked("rbLoadSavedGame"));
    EXPECT_TRUE(model.Checked("cbxDedicatedServer"));
    EXPECT_TRUE(model.Checked("cbxStartServer"));
}

TEST_F(BatchReaderTest, KeysIgnoreCaseAndValuesAreTrimmedCutAndUnquoted)
{
    Read("ulvex2.exe +SET GAME mymod +connect \"my server\" and more");
    EXPECT_TRUE(model.Checked("cbxStartWithGame"));
    EXPECT_EQ(model.Text("txtCurrentGame"), "mymod");
    EXPECT_TRUE(model.Checked("rbConnectToServer"));
    EXPECT_EQ(model.Text("cboServerList"), "my server");

    // 64 characters after the key, then trimmed: the blank and 63 letters.
    const std::string longName = std::string(60, 'x') + std::string(10, 'y');
    Read("ulvex2.exe +set game +load " + longName + "\r\n");
    EXPECT_FALSE(model.Checked("cbxStartWithGame"));
    EXPECT_EQ(model.Text("txtCurrentGame"), "mymod");
    EXPECT_TRUE(model.Checked("rbLoadSavedGame"));
    EXPECT_EQ(model.Text("cboSaveGames"), longName.substr(0, 63));
}

TEST_F(BatchReaderTest, LaterRowsWinWithinARadioGroup)
{
    Read("ulvex2.exe +set Dedicated 1 +set deathMatch 1 +set coop 1 +map exMap +load save1\r\n");
    EXPECT_TRUE(model.Checked("cbxDedicatedServer"));
    EXPECT_TRUE(model.Checked("rbCooperative"));
    EXPECT_TRUE(model.Checked("rbLoadSavedGame"));
    EXPECT_EQ(model.Text("cboClientStartMap"), "exMap");
    EXPECT_EQ(model.Text("cboSaveGames"), "save1");

    Read("ulvex2.exe +set Dedicated 0 +set deathMatch 0\r\n");
    EXPECT_FALSE(model.Checked("cbxDedicatedServer"));
    EXPECT_TRUE(model.Checked("rbDeathMatch"));
}

TEST_F(BatchReaderTest, OnlyTheFirstLineCountsWhateverItsLength)
{
    Read("ulvex2.exe +map first\r\nulvex2.exe +set game other +map second\r\n");
    EXPECT_EQ(model.Text("cboClientStartMap"), "first");
    EXPECT_FALSE(model.Checked("cbxStartWithGame"));

    Read("ulvex2.exe +map lf\nulvex2.exe +map second");
    EXPECT_EQ(model.Text("cboClientStartMap"), "lf");

    // A line far beyond 255 characters is split whole.
    const std::string padding(300, 'p');
    Read("/" + padding + "/ulvex2.exe +" + padding + " +map late");
    EXPECT_EQ(tokens.size(), 3u);
    EXPECT_EQ(model.Text("cboClientStartMap"), "late");
}

TEST_F(BatchReaderTest, EmptyFileReadsAsOneEmptyLine)
{
    model.SetChecked("cbxStartWithGame", true);
    model.SetChecked("cbxDedicatedServer", true);
    const std::string before = StartOptions(model);
    Read("");
    EXPECT_EQ(tokens, TokenList{""});
    EXPECT_FALSE(model.Checked("cbxStartWithGame"));
    model.SetChecked("cbxStartWithGame", true);
    EXPECT_EQ(StartOptions(model), before);
}

TEST_F(BatchReaderTest, MissingFileIsCreatedAndChangesNothing)
{
    tokens = {"kept"};
    model.SetChecked("cbxStartWithGame", true);
    const std::string before = StartOptions(model);
    ReadBatchFile(model, tokens, dir.str(), "new.bat");
    EXPECT_EQ(ReadFileBytes(dir.file("new.bat")), "/home/ann/ulvex2/ulvex2.exe\r\n");
    EXPECT_EQ(StartOptions(model), before);
    EXPECT_EQ(tokens, TokenList{"kept"});
}

TEST_F(BatchReaderTest, FileThatCannotBeCreatedOrReadIsAnErrorNamingIt)
{
    const std::string before = StartOptions(model);
    const auto expectError = [&](const std::string& directory, const std::string& name, const std::string& message) {
        try {
            ReadBatchFile(model, tokens, directory, name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    };
    expectError(dir.file("missing"), "tesk.bat", "Cannot create file " + dir.file("missing/tesk.bat"));
    WriteFileBytes(dir.file("sub/tesk.bat/x"), "");
    expectError(dir.file("sub"), "tesk.bat", "Cannot open file " + dir.file("sub/tesk.bat"));
    ASSERT_EQ(::chmod(dir.file("sub").c_str(), 0555), 0);
    expectError(dir.file("sub"), "new.bat", "Cannot create file " + dir.file("sub/new.bat"));
    EXPECT_EQ(StartOptions(model), before);
    EXPECT_TRUE(tokens.empty());
}

TEST_F(BatchReaderTest, RoundTripGivesTheSameCommandLineOnceEntriesArePickedAgain)
{
    const auto roundTrip = [&](SettingsModel& options) {
        const std::string commandLine = BuildCommandLine(options);
        WriteBatchFile(dir.file("tesk.bat"), kGame, commandLine);
        SettingsModel read = ModelForGame(kGame);
        read.SetChecked("cbxStartServer", options.Checked("cbxStartServer"));
        ReadBatchFile(read, tokens, dir.str(), "tesk.bat");
        for (const char* combo : {"cboServerStartMap", "cboClientStartMap", "cboSaveGames", "cboServerList"})
            if (!read.Text(combo).empty())
                Pick(read, combo, read.Text(combo));
        EXPECT_EQ(BuildCommandLine(read), commandLine);
    };
    SettingsModel client = ModelForGame(kGame);
    client.SetChecked("cbxStartWithGame", true);
    client.SetText("txtCurrentGame", "mymod");
    client.SetChecked("rbConnectToServer", true);
    Pick(client, "cboServerList", "192.0.2.7:27910");
    roundTrip(client);

    SettingsModel server = ModelForGame(kGame);
    server.SetChecked("cbxStartServer", true);
    server.SetChecked("cbxDedicatedServer", true);
    server.SetChecked("rbCooperative", true);
    Pick(server, "cboServerStartMap", "exMap");
    roundTrip(server);
}

} // namespace
} // namespace tesk
