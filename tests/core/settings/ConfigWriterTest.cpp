#include "core/settings/ConfigWriter.h"

#include "CommaLocale.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// The file written from the settings as the window opens, with no profiles.
const std::string kInitialFile =
    "//Player Info\r\n"
    "set name \"Player\"\r\n"
    "set skin \"/\"\r\n"
    "set hand \"0\"\r\n"
    "\r\n"
    "//Player Display\r\n"
    "set crosshair \"0\"\r\n"
    "set bob_pitch \"0.005\"\r\n"
    "set bob_roll \"0.002\"\r\n"
    "set bob_up \"0.000\"\r\n"
    "set run_pitch \"0.002\"\r\n"
    "set run_roll \"0.005\"\r\n"
    "set gun_x \"0\"\r\n"
    "set gun_y \"0\"\r\n"
    "set gun_z \"0\"\r\n"
    "set fov \"90\"\r\n"
    "set viewscreen \"100\"\r\n"
    "\r\n"
    "//Sound\r\n"
    "set cd_nocd \"0\"\r\n"
    "set s_initsound \"1\"\r\n"
    "set s_primary \"0\"\r\n"
    "set s_khz \"11\"\r\n"
    "set s_mixahead \" .2\"\r\n"
    "set cl_footsteps \"1\"\r\n"
    "set s_loadas8bit \"1\"\r\n"
    "set s_waveonly \"0\"\r\n"
    "set s_volume \"0.5\"\r\n"
    "set s_show \"0\"\r\n"
    "set s_testsound \"0\"\r\n"
    "\r\n"
    "//Video\r\n"
    "set vid_fullscreen \"0\"\r\n"
    "set vid_gamma \"5\"\r\n"
    "set sw_stipplealpha \"0\"\r\n"
    "bind + \"sizeup\"\r\n"
    "bind - \"sizeDown\"\r\n"
    "\r\n"
    "//Menu Commands\r\n"
    "bind ESCAPE \"togglemenu\"\r\n"
    "bind ~ \"toggleconsole\"\r\n"
    "set scr_conspeed \"3\"\r\n"
    "set con_notifytime \"3\"\r\n"
    "bind F1 \"cmd help\"\r\n"
    "bind F2 \"menu_savegame\"\r\n"
    "bind F3 \"menu_loadgame\"\r\n"
    "bind F4 \"menu_keys\"\r\n"
    "bind F5 \"menu_startserver\"\r\n"
    "bind F6 \"echo Quick Saving...; wait; save quick\"\r\n"
    "bind F10 \"menu_quit\"\r\n"
    "bind F9 \"echo Quick Loading...; wait; Load quick\"\r\n"
    "bind F12 \"screenshot\"\r\n"
    "bind PAUSE \"pause\"\r\n"
    "\r\n"
    "//Communications\r\n"
    "bind t \"messagemode\"\r\n"
    "bind x \"score\"\r\n"
    "bind l \"wave 3\"\r\n"
    "bind u \"wave 4\"\r\n"
    "bind j \"wave 1\"\r\n"
    "bind k \"wave 2\"\r\n"
    "bind h \"wave 0\"\r\n"
    "\r\n"
    "//Movement\r\n"
    "set sensitivity \"3\"\r\n"
    "set lookspring \"0\"\r\n"
    "set lookstrafe \"0\"\r\n"
    "bind PGDN \"+lookup\"\r\n"
    "bind DEL \"+lookdown\"\r\n"
    "bind END \"centerview\"\r\n"
    "bind / \"+mlook\"\r\n"
    "bind SPACE \"+moveup\"\r\n"
    "bind c \"+movedown\"\r\n"
    "bind UPARROW \"+forward\"\r\n"
    "bind DOWNARROW \"+back\"\r\n"
    "bind LEFTARROW \"+Left\"\r\n"
    "bind RIGHTARROW \"+Right\"\r\n"
    "set cl_forwardspeed \"200\"\r\n"
    "set in_mouse \"1\"\r\n"
    "set freelook \"0\"\r\n"
    "bind MOUSE3 \"+forward\"\r\n"
    "bind ALT \"+Strafe\"\r\n"
    "set cl_sidespeed \"200\"\r\n"
    "set cl_run \"0\"\r\n"
    "bind SHIFT \"+speed\"\r\n"
    "\r\n"
    "//Weapons & Inventory\r\n"
    "bind 1 \"use Blaster\"\r\n"
    "bind 2 \"use Shotgun\"\r\n"
    "bind 3 \"use Super Shotgun\"\r\n"
    "bind 4 \"use Machinegun\"\r\n"
    "bind 5 \"use Chaingun\"\r\n"
    "bind 6 \"use Grenade Launcher\"\r\n"
    "bind 7 \"use Rocket Launcher\"\r\n"
    "bind 8 \"use HyperBlaster\"\r\n"
    "bind 9 \"use RailGun\"\r\n"
    "bind 0 \"use BFG10K\"\r\n"
    "bind g \"use Grenade\"\r\n"
    "bind CTRL \"+Attack\"\r\n"
    "set cl_vwep \"1\"\r\n"
    "bind / \"weapNext\"\r\n"
    "Set g_select_empty \"0\"\r\n"
    "bind TAB \"inven\"\r\n"
    "bind ENTER \"invuse\"\r\n"
    "bind BACKSPACE \"invdrop\"\r\n"
    "bind [ \"invprev\"\r\n"
    "bind ] \"invnext\"\r\n"
    "bind b \"use rebreather\"\r\n"
    "bind i \"use Invulnerability\"\r\n"
    "bind p \"use Power Shield\"\r\n"
    "bind q \"use Quad Damage\"\r\n"
    "bind e \"use Environment Suit\"\r\n"
    "bind s \"use Silencer\"\r\n"
    "\r\n"
    "//Globals Settings\r\n"
    "\r\n"
    "//--Aliases--\r\n"
    "\r\n"
    "//--Bindings--\r\n"
    "\r\n"
    "//--Settings--\r\n"
    "\r\n"
    "//Client Settings\r\n"
    "Set Cl_Predict \"1\"\r\n"
    "Set Cl_ShowMiss \"0\"\r\n"
    "Set Cl_Stats \"0\"\r\n"
    "Set cl_ShowNet \"0\"\r\n"
    "Set Cl_TimeOut \"120\"\r\n"
    "Set Cl_MaxFps \"90\"\r\n"
    "set rate \"2500\"\r\n"
    "Set Win_NoAltTab \"0\"\r\n"
    "Set FixedTime \"0\"\r\n"
    "\r\n"
    "//Server Settings\r\n"
    "Set FragLimit \"20\"\r\n"
    "Set TimeLimit \"20\"\r\n"
    "Set dmFlags \"16\"\r\n"
    "\r\n"
    "\r\n"
    "//End of File\r\n"
    "//Thank you for using TESK\r\n"
    "//              Veyrand\r\n";

class ConfigWriterTest : public ::testing::Test {
protected:
    std::vector<std::string> Lines() const { return BuildConfigLines(model, profiles.str()); }

    bool Has(const std::string& line) const
    {
        const auto lines = Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // The lines of the block that starts with the header, up to the next empty line.
    std::vector<std::string> Block(const std::string& header) const
    {
        const auto lines = Lines();
        auto begin = std::find(lines.begin(), lines.end(), header);
        EXPECT_NE(begin, lines.end()) << header;
        if (begin == lines.end())
            return {};
        ++begin;
        return {begin, std::find(begin, lines.end(), std::string())};
    }

    SettingsModel model;
    TempDir profiles;
    TempDir target;
};

TEST_F(ConfigWriterTest, InitialSettingsGiveTheWholeFileByteForByte)
{
    TokenList tokens{"left over from a read"};
    WriteConfigFile(model, tokens, target.str(), "config.cfg", profiles.str());

    EXPECT_EQ(ReadFileBytes(target.file("config.cfg")), kInitialFile);
    EXPECT_EQ(JoinCrlf(tokens), kInitialFile) << "the written lines stay in the token list, and only they";
}

TEST_F(ConfigWriterTest, FileBeginsWithPlayerAndDisplayLines)
{
    model.SetText("cboModel", "male");
    model.SetText("cboSkin", "grunt");

    const auto lines = Lines();
    const std::vector<std::string> begin(lines.begin(), lines.begin() + 19);
    EXPECT_EQ(begin,
              (std::vector<std::string>{
                  "//Player Info", "set name \"Player\"", "set skin \"male/grunt\"", "set hand \"0\"", "",
                  "//Player Display", "set crosshair \"0\"", "set bob_pitch \"0.005\"", "set bob_roll \"0.002\"",
                  "set bob_up \"0.000\"", "set run_pitch \"0.002\"", "set run_roll \"0.005\"", "set gun_x \"0\"",
                  "set gun_y \"0\"", "set gun_z \"0\"", "set fov \"90\"", "set viewscreen \"100\"", "", "//Sound"}));
}

TEST_F(ConfigWriterTest, BindingsAndMessagesNeedAKeyAndBlanksCountAsOne)
{
    for (const SettingDef& def : SettingTable())
        if (def.kind == SettingKind::Key)
            model.SetText(def.id, "");
    model.SetText("txtMsg2Msg", "no key, no lines");
    model.SetText("txtRunSpeed", "");
    model.SetText("txtfov", "");

    for (const std::string& line : Lines()) {
        EXPECT_NE(line.rfind("bind", 0), 0u) << line;
        EXPECT_NE(line.rfind("alias", 0), 0u) << line;
    }
    EXPECT_EQ(Block("//Communications"), std::vector<std::string>{});
    EXPECT_FALSE(Has("set cl_forwardspeed \"\""));
    EXPECT_TRUE(Has("set fov \"\"")) << "an empty spin text still writes its line";
    EXPECT_TRUE(Has("set cl_sidespeed \"200\""));

    model.SetText("txtSizeUp", "  ");
    model.SetText("txtMsg1Key", "m");
    model.SetText("txtMsg4Key", "F7");
    model.SetText("txtMsg4Msg", "gg \"all\"");
    EXPECT_TRUE(Has("bind    \"sizeup\"")) << "a key of blanks is written as it is";
    EXPECT_EQ(Block("//Communications"),
              (std::vector<std::string>{"alias message1 \"say \"", "bind m \"message1\"",
                                        "alias message4 \"say gg \"all\"\"", "bind F7 \"message4\""}));
}

TEST_F(ConfigWriterTest, RadioGroupsCombosAndSpinNumbers)
{
    model.SetChecked("rbCenter", true);
    model.SetChecked("rbCrossAngle", true);
    EXPECT_TRUE(Has("set hand \"2\""));
    EXPECT_TRUE(Has("set crosshair \"3\""));
    model.SetChecked("rbLeft", true);
    model.SetChecked("rbCrossDot", true);
    EXPECT_TRUE(Has("set hand \"1\""));
    EXPECT_TRUE(Has("set crosshair \"2\""));

    model.SetText("cboSndQuality", "High");
    EXPECT_TRUE(Has("set s_khz \"11\"")) << "the edit text is not a selected item";
    model.SelectItem("cboSndQuality", 0);
    EXPECT_TRUE(Has("set s_khz \"22\""));
    model.SetItems("cboSndQuality", {"high", "low"});
    model.SelectItem("cboSndQuality", 0);
    EXPECT_TRUE(Has("set s_khz \"11\"")) << "only \"High\" in exactly that case gives 22";

    model.SelectItem("cboVidMode", 3);
    EXPECT_EQ(Block("//Video")[2], "set sw_mode \"3\"");
    model.SetChecked("rbGL", true);
    model.SelectItem("cboVidMode", 9);
    EXPECT_EQ(Block("//Video")[2], "set gl_mode \"9\"");
    model.SelectItem("cboVidMode", -1);
    EXPECT_EQ(Block("//Video")[2], "set sw_stipplealpha \"0\"") << "no mode chosen, no mode line";

    model.SetText("txtConsoleSpeed", "fast");
    model.SetText("edtGravity", "-5");
    model.SetText("txtSndDelay", "0.7");
    model.SetText("txtWalkPitch", "1. 3");
    EXPECT_TRUE(Has("set scr_conspeed \"0\"")) << "a text that is no whole number gives the minimum";
    EXPECT_TRUE(Has("Set Cl_TimeOut \"120\""));
    EXPECT_TRUE(Has("set s_mixahead \"0.7\""));
    EXPECT_TRUE(Has("set bob_pitch \"1.030\""));
    model.SetChecked("cbxStartServer", true);
    EXPECT_TRUE(Has("Set sv_Gravity \"-5\""));
}

TEST_F(ConfigWriterTest, ScaledTrackBarsAreShortDecimalsWithAPointInAnyLocale)
{
    const auto check = [this] {
        const std::pair<int, const char*> volumes[] = {{0, "0"}, {1, "0.025"}, {7, "0.175"}, {20, "0.5"}, {40, "1"}};
        for (const auto& [position, text] : volumes) {
            model.SetPosition("barVolume", position);
            EXPECT_TRUE(Has(std::string("set s_volume \"") + text + "\"")) << position;
        }
        const std::pair<int, const char*> gammas[] = {{1, "0.25"}, {4, "1"}, {20, "5"}, {39, "9.75"}};
        for (const auto& [position, text] : gammas) {
            model.SetPosition("barGamma", position);
            EXPECT_TRUE(Has(std::string("set vid_gamma \"") + text + "\"")) << position;
        }
    };
    check();

    testing::CommaLocale comma;
    if (comma.hasCommaCLocale()) {
        EXPECT_EQ(*std::localeconv()->decimal_point, ',');
    }
    check();
}

TEST_F(ConfigWriterTest, DeathmatchFlagsOnlyForDeathMatch)
{
    for (const SettingDef& def : SettingTable())
        if (def.bit != 0)
            model.SetChecked(def.id, def.id == "cbxCtfTechPowerups");
    EXPECT_EQ(Block("//Server Settings").back(), "Set dmFlags \"0\"");

    model.SetChecked("cbxCtfTechPowerups", false);
    EXPECT_EQ(Block("//Server Settings").back(), "Set dmFlags \"524288\"");

    model.SetChecked("rbCooperative", true);
    EXPECT_EQ(Block("//Server Settings"), (std::vector<std::string>{"Set FragLimit \"20\"", "Set TimeLimit \"20\""}));
}

TEST_F(ConfigWriterTest, ServerVariablesOnlyWhenStartingAServer)
{
    model.SetChecked("cbxPublicServer", true);
    model.SetChecked("cbxAllowCheats", true);
    model.SetChecked("cbxFragLimit", false);
    model.SetText("edtTimeLimit", "15");
    EXPECT_EQ(Block("//Server Settings"),
              (std::vector<std::string>{"Set FragLimit \"0\"", "Set TimeLimit \"15\"", "Set dmFlags \"16\""}));

    model.SetChecked("cbxStartServer", true);
    model.SetText("edtServerPassword", "s3cret");
    model.SetText("edtMasterServer", "");
    EXPECT_EQ(Block("//Server Settings"),
              (std::vector<std::string>{"Set FragLimit \"0\"", "Set TimeLimit \"15\"", "Set HostName \"noname\"",
                                        "Set Password \"s3cret\"", "Set Dedicated \"0\"", "set Cheats \"1\"",
                                        "Set Allow_Download \"0\"", "Set Public \"1\"", "Set Master \"\"",
                                        "Set MaxClients \"16\"", "Set sv_MaxVelocity \"2000\"",
                                        "Set sv_Gravity \"800\"", "Set timeout \"125\"", "Set dmFlags \"16\""}));

    model.SetChecked("cbxPublicServer", false);
    model.SetChecked("cbxAllowCheats", false);
    model.SetChecked("cbxAllowDownloads", true);
    model.SetText("edtServerName", "");
    model.SetText("edtServerPassword", "");
    const auto block = Block("//Server Settings");
    EXPECT_EQ(std::vector<std::string>(block.begin() + 2, block.begin() + 6),
              (std::vector<std::string>{"Set Dedicated \"0\"", "Set Cheats \"0\"", "Set Allow_download \"1\"",
                                        "Set Public \"0\""}));
}

TEST_F(ConfigWriterTest, FailedWriteNamesThePathAndKeepsTheOldFile)
{
    const std::string path = target.file("config.cfg");
    WriteFileBytes(path, "old bytes\r\nstay\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TokenList tokens;

    try {
        WriteConfigFile(model, tokens, target.str(), "config.cfg", profiles.str());
        FAIL() << "a read-only file was replaced";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + path);
    }
    EXPECT_EQ(ReadFileBytes(path), "old bytes\r\nstay\n");

    const std::string missing = target.file("no such folder");
    EXPECT_THROW(
        {
            try {
                WriteConfigFile(model, tokens, missing, "config.cfg", profiles.str());
            } catch (const Error& error) {
                EXPECT_EQ(std::string(error.what()), "Cannot create file " + JoinPath(missing, "config.cfg"));
                throw;
            }
        },
        Error);
}

} // namespace
} // namespace tesk
