#include "core/settings/ConfigReader.h"

#include "CommaLocale.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// Every value of the model, to tell whether anything changed.
Lines Snapshot(const SettingsModel& model)
{
    Lines values;
    for (const SettingDef& def : SettingTable())
        values.push_back(std::string(def.id) + "=" + model.Text(def.id) + "|" + std::to_string(model.Checked(def.id))
                         + "|" + std::to_string(model.Position(def.id)) + "|"
                         + std::to_string(model.SelectedIndex(def.id)));
    return values;
}

class ConfigReaderTest : public ::testing::Test {
protected:
    void ReadBytes(const std::string& bytes)
    {
        WriteFileBytes(dir.file("test.cfg"), bytes);
        ReadConfigFile(model, tokens, dir.str(), "test.cfg");
    }
    void Read(const Lines& lines) { ReadBytes(JoinCrlf(lines)); }

    // The message of the error that reading the lines throws.
    std::string ReadError(const Lines& lines)
    {
        try {
            Read(lines);
        } catch (const Error& error) {
            return error.what();
        }
        return "no error";
    }

    std::string Path() const { return JoinPath(dir.str(), "test.cfg"); }

    SettingsModel model;
    TokenList tokens;
    TempDir dir;
};

TEST_F(ConfigReaderTest, FileThatCannotBeOpenedChangesNothing)
{
    model.SetText("txtPlayer", "Ann");
    const Lines before = Snapshot(model);
    tokens = {"from an earlier read"};

    try {
        ReadConfigFile(model, tokens, dir.str(), "missing.cfg");
        FAIL() << "a missing file was read";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(JoinPath(dir.str(), "missing.cfg")), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(tokens, TokenList{"from an earlier read"});
    EXPECT_EQ(Snapshot(model), before);

    EXPECT_THROW(ReadConfigFile(model, tokens, TempDir().str(), ""), Error) << "a folder is no config file";
    EXPECT_THROW(ReadConfigFile(model, tokens, "this is a", "New file"), Error) << "the New sentinel is case-sensitive";
    EXPECT_EQ(Snapshot(model), before);
}

TEST_F(ConfigReaderTest, EmptyFileGivesTheFallbackOfEveryRow)
{
    model.SetItems("cboModel", {"male"});
    model.SelectItem("cboModel", 0);
    model.SetChecked("rbLeft", true);
    model.SetText("txtConsoleSpeed", "7");
    model.SetChecked("cbxUseMouse", false);
    model.SetChecked("cbxVisibleWeapons", false);
    model.SetText("txtMsg1Msg", "hi");
    model.SetText("txtMsg1Key", "m");
    model.SetChecked("cbxPublicServer", true);
    model.SetChecked("cbxNoHealth", true);
    Read({});

    EXPECT_EQ(model.Text("txtPlayer"), "");
    EXPECT_EQ(model.SelectedText("cboModel"), "male");
    EXPECT_TRUE(model.Checked("rbRight"));
    EXPECT_TRUE(model.Checked("rbCrossX"));
    EXPECT_EQ(model.Text("txtWalkPitch"), "0.002");
    EXPECT_EQ(model.Text("txtBobStart"), "0.005");
    EXPECT_EQ(model.Text("txtfov"), "90");
    EXPECT_TRUE(model.Checked("cbxCdAudio"));
    EXPECT_FALSE(model.Checked("cbx8Bit"));
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "Low");
    EXPECT_EQ(model.Text("txtSndDelay"), "0.2");
    EXPECT_EQ(model.Position("barVolume"), 7);
    EXPECT_EQ(model.Position("barGamma"), 7);
    EXPECT_EQ(model.SelectedIndex("cboVidMode"), 0);
    EXPECT_EQ(model.Position("barSensitivity"), 5);
    EXPECT_EQ(model.Text("txtRunSpeed"), "200");
    EXPECT_EQ(model.Text("txtConsoleSpeed"), "7") << "a missing spin line keeps the number";
    EXPECT_FALSE(model.Checked("cbxUseMouse"));
    EXPECT_FALSE(model.Checked("cbxVisibleWeapons"));
    EXPECT_EQ(model.Text("txtMsg1Msg"), "");
    EXPECT_EQ(model.Text("txtMsg1Key"), "");
    EXPECT_EQ(model.Text("edtServerName"), "");
    EXPECT_TRUE(model.Checked("cbxPublicServer"));
    EXPECT_EQ(DeathmatchFlags(model), 16);
    for (const SettingDef& def : SettingTable())
        if (def.kind == SettingKind::Key) {
            EXPECT_EQ(model.Text(def.id), "") << def.id;
        }

    const Lines afterEmpty = Snapshot(model);
    Read({"// only a comment", "unbindall"});
    EXPECT_EQ(Snapshot(model), afterEmpty) << "a file without known lines reads like an empty one";
}

TEST_F(ConfigReaderTest, SetLinesAreFoundByTheirStartIgnoringCase)
{
    Read({"  set fov \"75\"", "//set fov \"75\""});
    EXPECT_EQ(model.Text("txtfov"), "90");
    Read({"SET FOV \"75\""});
    EXPECT_EQ(model.Text("txtfov"), "75");
    Read({"set fovx 5"});
    EXPECT_EQ(model.Text("txtfov"), "x 5");
    Read({"set fov \"\"", "set fov \"75\""});
    EXPECT_EQ(model.Text("txtfov"), "75");
    Read({"set fov \"75\"", "set fov \"80\""});
    EXPECT_EQ(model.Text("txtfov"), "75");

    const std::string name = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_=+,.<>";
    ASSERT_EQ(name.size(), 70u);
    Read({"set name \"" + name + "\""});
    EXPECT_EQ(model.Text("txtPlayer"), name.substr(0, 61)) << "64 characters: blank, quote and 62, less the last";
}

TEST_F(ConfigReaderTest, BindingsAreFoundByTheirQuotedCommand)
{
    Read({"bind UPARROW \"+forward\"", "bind MOUSE3 \"+forward\"", "bind a \"+moveleft\"",
          "bind 6 \"use grenade launcher\"", "\"+back\"", "bind  \"+back\""});
    EXPECT_EQ(model.Text("txtMoveForward"), "UPARROW");
    EXPECT_EQ(model.Text("txtMouseForward"), "MOUSE3");
    EXPECT_EQ(model.Text("txtMoveLeft"), "");
    EXPECT_EQ(model.Text("txtStrafeLeft"), "a");
    EXPECT_EQ(model.Text("txtGrenade"), "");
    EXPECT_EQ(model.Text("txtGrenadeLauncher"), "6");
    EXPECT_EQ(model.Text("txtMoveBack"), "") << "a line without a second word binds nothing";

    Read({"bind MOUSE3 \"+forward\"", "bind  \"+back\"", "bind B \"+back\""});
    EXPECT_EQ(model.Text("txtMoveForward"), "MOUSE3");
    EXPECT_EQ(model.Text("txtMouseForward"), "MOUSE3");
    EXPECT_EQ(model.Text("txtMoveBack"), "B");

    ReadBytes("set fov \"75\"\nbind F1 \"cmd help\"");
    EXPECT_EQ(model.Text("txtHelp"), "F1") << "the last line needs no line end";
    EXPECT_EQ(model.Text("txtfov"), "75");
}

// Positions are the decimal value times their positions per unit, exactly:
// 0.0375 is 1.4999... in binary but 1.5, and so 2, on the track bar.
TEST_F(ConfigReaderTest, NumbersGoToTheNearestPositionWithHalvesToEven)
{
    const struct {
        const char* line;
        const char* id;
        int position;
    } cases[] = {
        {"set s_volume \"0.5\"", "barVolume", 20},
        {"set s_volume \"1\"", "barVolume", 40},
        {"set s_volume \"2\"", "barVolume", 40},
        {"set s_volume \"-1\"", "barVolume", 0},
        {"set s_volume \"0.0125\"", "barVolume", 0},
        {"set s_volume \"1e300\"", "barVolume", 40},
        {"set vid_gamma \"1\"", "barGamma", 4},
        {"set vid_gamma \"0.1\"", "barGamma", 1},
        {"set vid_gamma \"+2.625\"", "barGamma", 10},
        {"set sensitivity \"2.5\"", "barSensitivity", 2},
        {"set sensitivity \"3.5\"", "barSensitivity", 4},
        {"set s_volume \"0.0375\"", "barVolume", 2},
        {"set s_volume \"2.5E-2\"", "barVolume", 1},
        {"set s_volume \"0.037499999\"", "barVolume", 1},
        {"set s_volume \"1e-99999999999999999999\"", "barVolume", 0},
        {"set s_volume \"0.03750000000000000000001\"", "barVolume", 2},
        {"set vid_gamma \"0.375\"", "barGamma", 2},
        {"set vid_gamma \"0.625\"", "barGamma", 2},
    };
    for (const auto& c : cases) {
        Read({c.line});
        EXPECT_EQ(model.Position(c.id), c.position) << c.line;
    }

    for (const char* value : {"1e", ".", "1.2.3", "--1", "0x10", "inf"})
        EXPECT_THROW(Read({std::string("set s_volume \"") + value + "\""}), Error) << value;

    testing::CommaLocale comma;
    Read({"set s_volume \"0.5\""});
    EXPECT_EQ(model.Position("barVolume"), 20) << "the point is read whatever the locale";
    EXPECT_THROW(Read({"set s_volume \"0,5\""}), Error);
}

TEST_F(ConfigReaderTest, TextsTakeTheShapeOfTheirFields)
{
    Read({"set bob_pitch \"0.02\"", "set bob_roll \"0.0025\"", "set s_mixahead \"0\"", "set gun_x \"15\""});
    EXPECT_EQ(ReplaceChar(model.Text("txtWalkPitch"), ' ', '0'), "0.020");
    EXPECT_EQ(model.Text("txtWalkRoll"), "0.002");
    EXPECT_EQ(model.Text("txtSndDelay"), "0.0");
    EXPECT_EQ(model.Text("txtGunX"), "15") << "a spin set as text is not clamped";

    Read({"set s_mixahead \"0.5\""});
    EXPECT_EQ(model.Text("txtSndDelay"), "0.5");
}

TEST_F(ConfigReaderTest, ChoicesSelectItemsAndRadioMembers)
{
    Read({"set sw_mode \"3\"", "set s_khz \"22\"", "set hand \"2\"", "set crosshair \"3\""});
    EXPECT_EQ(model.SelectedText("cboVidMode"), "3 - 640 x 480");
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "High");
    EXPECT_TRUE(model.Checked("rbCenter"));
    EXPECT_TRUE(model.Checked("rbCrossAngle"));

    Read({"set sw_mode \"12\"", "set s_khz \"11\"", "set hand \"9\"", "set crosshair \"x\""});
    EXPECT_EQ(model.SelectedIndex("cboVidMode"), 1);
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "Low");
    EXPECT_TRUE(model.Checked("rbCenter")) << "an unknown hand changes nothing";
    EXPECT_TRUE(model.Checked("rbCrossAngle"));

    Read({"set s_khz \"44\"", "set hand \"1\""});
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "Low");
    EXPECT_TRUE(model.Checked("rbLeft"));

    model.SetChecked("rbGL", true);
    Read({"set gl_mode \"4\""});
    EXPECT_EQ(model.SelectedIndex("cboVidMode"), 0) << "only the software mode is read";
    EXPECT_TRUE(model.Checked("rbGL"));
}

TEST_F(ConfigReaderTest, CheckBoxesFollowTheirFourRules)
{
    Read({"set cd_nocd \"1\"", "set s_initsound \"2\"", "set s_primary \"1\"", "set lookspring \"01\"",
          "set in_mouse \"0\"", "Set Cl_Predict \"1\""});
    EXPECT_FALSE(model.Checked("cbxCdAudio"));
    EXPECT_TRUE(model.Checked("cbxSound"));
    EXPECT_TRUE(model.Checked("cbxDPrimary"));
    EXPECT_FALSE(model.Checked("cbxLookSpring")) << "the whole value must be 1";
    EXPECT_FALSE(model.Checked("cbxUseMouse"));
    EXPECT_FALSE(model.FrameEnabled("gbxMouseOptions"));
    EXPECT_TRUE(model.Checked("cbxPredictServer"));

    Read({"set cd_nocd \"0\"", "set s_initsound \"0\""});
    EXPECT_TRUE(model.Checked("cbxCdAudio"));
    EXPECT_FALSE(model.Checked("cbxSound"));
    EXPECT_FALSE(model.Checked("cbxUseMouse")) << "1 or unchanged";
    EXPECT_TRUE(model.Checked("cbxPredictServer"));
}

TEST_F(ConfigReaderTest, DeathmatchFlagsAndServerRows)
{
    const auto on = [this] {
        std::string names;
        for (const SettingDef& def : SettingTable())
            if (def.bit != 0 && model.Checked(def.id))
                names += std::string(def.id) + " ";
        return names;
    };
    Read({"Set dmFlags \"0\""});
    EXPECT_EQ(on(), "cbxCtfTechPowerups ");
    Read({"Set dmFlags \"2064\""});
    EXPECT_EQ(on(), "cbxInstantPowerups cbxNoArmor cbxCtfTechPowerups ");
    Read({"Set dmFlags \"524304\""});
    EXPECT_EQ(on(), "cbxInstantPowerups ");

    model.SetText("edtMasterServer", "old.example:27900");
    Read({"Set Public \"1\"", "Set FragLimit \"0\"", "Set TimeLimit \"45\"", "Set HostName \"Arena\""});
    EXPECT_TRUE(model.Checked("cbxPublicServer"));
    EXPECT_EQ(model.Text("edtMasterServer"), "") << "a public server without a master line";
    EXPECT_FALSE(model.Checked("cbxFragLimit"));
    EXPECT_EQ(model.Text("edtFragLimit"), "20");
    EXPECT_TRUE(model.Checked("cbxTimeLimit"));
    EXPECT_EQ(model.Text("edtTimeLimit"), "45");
    EXPECT_EQ(model.Text("edtServerName"), "Arena");

    Read({"Set Public \"1\"", "Set Master \"10.0.0.1:27900\"", "Set FragLimit \"500\""});
    EXPECT_EQ(model.Text("edtMasterServer"), "10.0.0.1:27900");
    EXPECT_TRUE(model.Checked("cbxFragLimit"));
    EXPECT_EQ(model.Text("edtFragLimit"), "200");
    EXPECT_EQ(model.Text("edtServerName"), "");

    Read({"Set Public \"yes\"", "Set Master \"10.0.0.1:27900\""});
    EXPECT_FALSE(model.Checked("cbxPublicServer"));
    EXPECT_EQ(model.Text("edtMasterServer"), kDefaultMasterServer);
}

TEST_F(ConfigReaderTest, SkinSelectsListedNamesAndTakesOthersAsText)
{
    model.SetItems("cboModel", {"male", "female"});
    model.SetItems("cboSkin", {"grunt", "cipher"});
    Read({"set skin \"Male/Grunt\""});
    EXPECT_EQ(model.SelectedText("cboModel"), "male");
    EXPECT_EQ(model.SelectedText("cboSkin"), "grunt");

    Read({"set skin \"female/Stiletto/extra\""});
    EXPECT_EQ(model.SelectedText("cboModel"), "female");
    EXPECT_EQ(model.SelectedIndex("cboSkin"), -1);
    EXPECT_EQ(model.Text("cboSkin"), "Stiletto");

    Read({"set skin \"cyborg\""});
    EXPECT_EQ(model.Text("cboModel"), "cyborg");
    EXPECT_EQ(model.Text("cboSkin"), "") << "no skin in the value, none of the old model";

    Read({"set name \"x\""});
    EXPECT_EQ(model.Text("cboModel"), "cyborg") << "a missing skin line keeps both";

    model.SetItems("cboModel", {});
    Read({"set skin \"male/grunt\""});
    EXPECT_EQ(model.Text("cboModel"), "male");
    EXPECT_EQ(model.SelectedIndex("cboModel"), -1);
}

TEST_F(ConfigReaderTest, ChatMessagesLoseTheirSayAndFindTheirKey)
{
    model.SetText("txtMsg2Key", "F8");
    Read({"alias message1 \"say hello all\"", "bind m \"message1\"", "alias message2 \"say bye\"",
          "alias message4 \"say\""});
    EXPECT_EQ(model.Text("txtMsg1Msg"), "hello all");
    EXPECT_EQ(model.Text("txtMsg1Key"), "m");
    EXPECT_EQ(model.Text("txtMsg2Msg"), "bye");
    EXPECT_EQ(model.Text("txtMsg2Key"), "F8") << "an alias without a binding keeps the key";
    EXPECT_EQ(model.Text("txtMsg4Msg"), "");
    EXPECT_EQ(model.Text("txtMsg3Msg"), "");
    EXPECT_EQ(model.Text("txtMsg3Key"), "");
}

TEST_F(ConfigReaderTest, ValueThatIsNoNumberChangesNothing)
{
    model.SetChecked("cbxFullScreen", false);
    tokens = {"from an earlier read"};
    const Lines before = Snapshot(model);
    EXPECT_EQ(ReadError({"set name \"Ann\"", "set s_volume \"abc\"", "set vid_fullscreen \"1\""}),
              "Error reading " + Path() + ": \"set s_volume\" has the value 'abc', which is not a number");
    EXPECT_EQ(Snapshot(model), before) << "neither the rows before the bad one nor those after it are applied";
    EXPECT_EQ(tokens, TokenList{"from an earlier read"});

    EXPECT_EQ(ReadError({"Set Public \"1\"", "Set MaxClients \"1.5\""}),
              "Error reading " + Path() + ": \"Set MaxClients\" has the value '1.5', which is not a whole number");
    EXPECT_FALSE(model.Checked("cbxPublicServer"));
    EXPECT_EQ(ReadError({"set sw_mode \"x1\""}),
              "Error reading " + Path() + ": \"set sw_mode\" has the value 'x1', which is not a whole number");
    EXPECT_EQ(ReadError({"set scr_conspeed \"99999999999999999999\""}),
              "Error reading " + Path()
                  + ": \"set scr_conspeed\" has the value '99999999999999999999', which is not a whole number");
}

TEST_F(ConfigReaderTest, NewResetsTheFileSettingsOnly)
{
    model.SetItems("cboModel", {"male"});
    Read({"set name \"Ann\"", "bind F11 \"togglemenu\"", "set s_volume \"1\"", "Set Public \"1\"",
          "Set FragLimit \"30\"", "set in_mouse \"0\"", "Set Cl_MaxFps \"30\"", "set skin \"male/grunt\"",
          "alias message1 \"say hi\"", "bind m \"message1\"", "Set HostName \"Arena\"", "Set dmFlags \"1\""});
    const TokenList fileLines = tokens;
    model.SetChecked("rbGL", true);

    ReadConfigFile(model, tokens, std::string(kNewFileDirectory), std::string(kNewFileName));
    EXPECT_EQ(tokens, fileLines) << "emptying the token list is the New command's own step";
    EXPECT_EQ(model.Text("txtPlayer"), "Player");
    EXPECT_EQ(model.Text("txtToggleMenu"), "ESCAPE");
    EXPECT_EQ(model.Text("txtUse"), "Enter");
    EXPECT_EQ(model.Text("txtSizeUp"), "+");
    EXPECT_EQ(model.Text("txtStrafeLeft"), "");
    EXPECT_EQ(model.Text("txtWalkPitch"), "0.005");
    EXPECT_EQ(model.Text("txtWalkRoll"), "0.002");
    EXPECT_EQ(model.Position("barVolume"), 7);
    EXPECT_TRUE(model.Checked("cbxUseMouse"));
    EXPECT_EQ(model.Text("edtMaxPackets"), "90");
    EXPECT_FALSE(model.Checked("cbxPublicServer"));
    EXPECT_FALSE(model.Checked("cbxFragLimit"));
    EXPECT_EQ(model.Text("edtFragLimit"), "30");
    EXPECT_TRUE(model.Checked("cbxInstantPowerups"));
    EXPECT_TRUE(model.Checked("cbxNoHealth")) << "New turns on one flag box and leaves the others";
    EXPECT_EQ(model.SelectedText("cboModel"), "male");
    EXPECT_EQ(model.Text("cboSkin"), "grunt");
    EXPECT_EQ(model.Text("txtMsg1Msg"), "hi");
    EXPECT_EQ(model.Text("txtMsg1Key"), "m");
    EXPECT_EQ(model.Text("edtServerName"), "Arena");
    EXPECT_TRUE(model.Checked("rbGL"));

    const Lines once = Snapshot(model);
    ApplyNewSettings(model);
    EXPECT_EQ(Snapshot(model), once);
}

// Every setting the reader reads, away from its initial and New values.
void SetEverythingReadable(SettingsModel& model)
{
    int n = 0;
    for (const SettingDef& def : SettingTable())
        if (def.kind == SettingKind::Key)
            model.SetText(def.id, "K" + std::to_string(++n));
    model.SetText("txtMouseForward", "MOUSE2");
    const std::pair<const char*, const char*> texts[] = {
        {"txtPlayer", "Ann Slayer"}, {"txtWalkPitch", "1.234"},  {"txtWalkRoll", " . 1 "},
        {"txtBobStart", "0.007"},    {"txtRunPitch", "9.999"},   {"txtRunRoll", "0.5"},
        {"txtGunX", "-3"},           {"txtGunY", "4"},           {"txtGunZ", "10"},
        {"txtfov", "110"},           {"txtViewSize", "80"},      {"txtSndDelay", "0.5"},
        {"txtConsoleSpeed", "7"},    {"txtConNotifyTime", "9"},  {"txtMsg1Msg", "hello"},
        {"txtMsg3Msg", ""},          {"txtMsg5Msg", "gg wp"},    {"txtStrafeSpeed", "300"},
        {"txtRunSpeed", "350"},      {"edtTimeOut", "60"},       {"edtMaxPackets", "30"},
        {"txtRate", "9000"},         {"edtServerName", "Arena"}, {"edtServerPassword", "pw"},
        {"edtFragLimit", "50"},      {"edtTimeLimit", "30"},     {"edtMasterServer", "10.0.0.1:27900"},
        {"edtMaxClients", "8"},      {"edtMaxVelocity", "3000"}, {"edtGravity", "400"},
        {"edtClientTimeOut", "200"},
    };
    for (const auto& [id, text] : texts)
        model.SetText(id, text);
    for (const char* id : {"rbLeft",          "rbCrossDot",       "cbxDPrimary",        "cbxWaveOnly",
                           "cbxShowSnd",      "cbxTestSnd",       "cbxFullScreen",      "cbxStippleAlpha",
                           "cbxLookSpring",   "cbxLookStrafe",    "cbxMouseLook",       "cbxAlwaysRun",
                           "cbxEmptyWeapons", "cbxDisplayMissed", "cbxDisplayMapStats", "cbxDisplayLatInfo",
                           "cbxNoWinTab",     "cbxFixedTime",     "cbxAllowCheats",     "cbxAllowDownloads",
                           "cbxPublicServer", "cbxNoHealth",      "cbxQuadDrop",        "cbxStartServer"})
        model.SetChecked(id, true);
    for (const char* id : {"cbxCdAudio", "cbxSound", "cbxFootSteps", "cbxUseMouse", "cbxVisibleWeapons",
                           "cbxPredictServer", "cbxCtfTechPowerups"})
        model.SetChecked(id, false);
    model.SelectItem("cboSndQuality", 0);
    model.SelectItem("cboVidMode", 6);
    model.SetPosition("barVolume", 13);
    model.SetPosition("barGamma", 9);
    model.SetPosition("barSensitivity", 8);
}

void ListPlayers(SettingsModel& model)
{
    model.SetItems("cboModel", {"male", "female"});
    model.SetItems("cboSkin", {"athena", "venus"});
}

TEST_F(ConfigReaderTest, WrittenFileReadsBackToTheSameFile)
{
    ListPlayers(model);
    model.SelectItem("cboModel", 1);
    model.SelectItem("cboSkin", 1);
    SetEverythingReadable(model);
    WriteConfigFile(model, tokens, dir.str(), "first.cfg", dir.str());

    SettingsModel fresh;
    ListPlayers(fresh);
    fresh.SetChecked("cbxStartServer", true); // a start option, not part of the file
    ReadConfigFile(fresh, tokens, dir.str(), "first.cfg");
    WriteConfigFile(fresh, tokens, dir.str(), "second.cfg", dir.str());

    const std::string first = ReadFileBytes(dir.file("first.cfg"));
    EXPECT_EQ(ReadFileBytes(dir.file("second.cfg")), first);
    EXPECT_EQ(JoinCrlf(tokens), first);
    EXPECT_EQ(fresh.SelectedText("cboSkin"), "venus");
    EXPECT_EQ(fresh.Text("txtMsg5Key"), model.Text("txtMsg5Key"));
}

} // namespace
} // namespace tesk
