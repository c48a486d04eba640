#include "core/settings/ConfigWriter.h"

#include "core/settings/ProfileStretch.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <algorithm>
#include <optional>

namespace tesk {
namespace {

// Where the value of a line comes from.
enum class Source {
    Literal,   // no value: the prefix is the whole line (headers, empty lines)
    Text,      // the setting's text, unchanged
    Masked,    // a masked decimal with its blanks made "0"
    Number,    // a spin field's whole number (its minimum when the text is none)
    Limit,     // as Number while the box `arg` is checked, else "0" (no limit)
    Position,  // a track bar's position
    Scaled,    // a track bar's position times `units` / 10^`decimals`
    Check,     // `on` while the box is checked, else `off`
    Radio,     // index of the first checked member listed in `arg`, else their count
    ItemIs,    // `on` when the selected item is exactly `arg`, else `off`
    ModeDigit, // first character of the selected item; no line when none is selected
    Pair,      // the setting's text, "/" and the text of the setting `arg`
    Say,       // "say " and the setting's text
    Command,   // the fixed command `arg`
    Flags,     // the deathmatch flags number
};

enum class Test { Always, Filled, Checked, Unchecked };

struct Condition {
    Test test = Test::Always;
    std::string_view id = {};
};

// One line of the file: prefix, a blank and the value in double quotes,
// written when both conditions hold.
struct LineRow {
    std::string_view prefix = {};
    Source source = Source::Literal;
    std::string_view id = {};
    std::string_view arg = {};
    std::string_view key = {};       // key field whose text follows the prefix
    std::string_view offPrefix = {}; // the prefix while the box `id` is off, where it differs
    std::string_view on = "1";
    std::string_view off = "0";
    int units = 0;
    int decimals = 0;
    Condition when = {};
    Condition also = {};
};

constexpr Condition IfChecked(std::string_view id) { return {Test::Checked, id}; }
constexpr Condition IfUnchecked(std::string_view id) { return {Test::Unchecked, id}; }
constexpr Condition IfFilled(std::string_view id) { return {Test::Filled, id}; }

constexpr LineRow Line(std::string_view text) { return {.prefix = text}; }

constexpr LineRow Set(std::string_view prefix, Source source, std::string_view id, Condition when = {},
                      Condition also = {})
{
    return {.prefix = prefix, .source = source, .id = id, .when = when, .also = also};
}

constexpr LineRow Box(std::string_view prefix, std::string_view id, std::string_view on = "1",
                      std::string_view off = "0")
{
    return {.prefix = prefix, .source = Source::Check, .id = id, .on = on, .off = off};
}

// The server block is written only while "Start a Server" is on.
constexpr auto kServer = IfChecked("cbxStartServer");

constexpr LineRow ServerBox(std::string_view prefix, std::string_view offPrefix, std::string_view id)
{
    return {.prefix = prefix, .source = Source::Check, .id = id, .offPrefix = offPrefix, .when = kServer};
}

constexpr LineRow Bind(std::string_view keyId, std::string_view command)
{
    return {.prefix = "bind", .source = Source::Command, .arg = command, .key = keyId, .when = IfFilled(keyId)};
}

// The alias that says a chat message, written while the message has a key.
constexpr LineRow SayAlias(std::string_view prefix, std::string_view textId, std::string_view keyId)
{
    return {.prefix = prefix, .source = Source::Say, .id = textId, .when = IfFilled(keyId)};
}

constexpr LineRow kPlayerToWeapons[] = {
    Line("//Player Info"),
    Set("set name", Source::Text, "txtPlayer"),
    {.prefix = "set skin", .source = Source::Pair, .id = "cboModel", .arg = "cboSkin"},
    {.prefix = "set hand", .source = Source::Radio, .arg = "rbRight|rbLeft"},

    Line(""),
    Line("//Player Display"),
    {.prefix = "set crosshair", .source = Source::Radio, .arg = "rbCrossNone|rbCrossX|rbCrossDot"},
    Set("set bob_pitch", Source::Masked, "txtWalkPitch"),
    Set("set bob_roll", Source::Masked, "txtWalkRoll"),
    Set("set bob_up", Source::Masked, "txtBobStart"),
    Set("set run_pitch", Source::Masked, "txtRunPitch"),
    Set("set run_roll", Source::Masked, "txtRunRoll"),
    Set("set gun_x", Source::Text, "txtGunX"),
    Set("set gun_y", Source::Text, "txtGunY"),
    Set("set gun_z", Source::Text, "txtGunZ"),
    Set("set fov", Source::Text, "txtfov"),
    Set("set viewscreen", Source::Text, "txtViewSize"),

    Line(""),
    Line("//Sound"),
    Box("set cd_nocd", "cbxCdAudio", "0", "1"),
    Box("set s_initsound", "cbxSound"),
    Box("set s_primary", "cbxDPrimary"),
    {.prefix = "set s_khz", .source = Source::ItemIs, .id = "cboSndQuality", .arg = "High", .on = "22", .off = "11"},
    Set("set s_mixahead", Source::Text, "txtSndDelay"),
    Box("set cl_footsteps", "cbxFootSteps"),
    Box("set s_loadas8bit", "cbx8Bit"),
    Box("set s_waveonly", "cbxWaveOnly"),
    {.prefix = "set s_volume", .source = Source::Scaled, .id = "barVolume", .units = 25, .decimals = 3},
    Box("set s_show", "cbxShowSnd"),
    Box("set s_testsound", "cbxTestSnd"),

    Line(""),
    Line("//Video"),
    Box("set vid_fullscreen", "cbxFullScreen"),
    {.prefix = "set vid_gamma", .source = Source::Scaled, .id = "barGamma", .units = 25, .decimals = 2},
    Set("set sw_mode", Source::ModeDigit, "cboVidMode", IfChecked("rbSoftware")),
    Set("set gl_mode", Source::ModeDigit, "cboVidMode", IfUnchecked("rbSoftware")),
    Box("set sw_stipplealpha", "cbxStippleAlpha"),
    Bind("txtSizeUp", "sizeup"),
    Bind("txtSizeDown", "sizeDown"),

    Line(""),
    Line("//Menu Commands"),
    Bind("txtToggleMenu", "togglemenu"),
    Bind("txtToggleConsole", "toggleconsole"),
    Set("set scr_conspeed", Source::Number, "txtConsoleSpeed"),
    Set("set con_notifytime", Source::Number, "txtConNotifyTime"),
    Bind("txtHelp", "cmd help"),
    Bind("txtSaveGame", "menu_savegame"),
    Bind("txtLoadGame", "menu_loadgame"),
    Bind("txtKeys", "menu_keys"),
    Bind("txtStartServer", "menu_startserver"),
    Bind("txtQuickSave", "echo Quick Saving...; wait; save quick"),
    Bind("txtQuit", "menu_quit"),
    Bind("txtQuickLoad", "echo Quick Loading...; wait; Load quick"),
    Bind("txtScreenShot", "screenshot"),
    Bind("txtPause", "pause"),

    Line(""),
    Line("//Communications"),
    Bind("txtTalk", "messagemode"),
    Bind("txtScore", "score"),
    Bind("txtWave", "wave 3"),
    Bind("txtPoint", "wave 4"),
    Bind("txtSalute", "wave 1"),
    Bind("txtTaunt", "wave 2"),
    Bind("txtFlipOff", "wave 0"),
    SayAlias("alias message1", "txtMsg1Msg", "txtMsg1Key"),
    Bind("txtMsg1Key", "message1"),
    SayAlias("alias message2", "txtMsg2Msg", "txtMsg2Key"),
    Bind("txtMsg2Key", "message2"),
    SayAlias("alias message3", "txtMsg3Msg", "txtMsg3Key"),
    Bind("txtMsg3Key", "message3"),
    SayAlias("alias message4", "txtMsg4Msg", "txtMsg4Key"),
    Bind("txtMsg4Key", "message4"),
    SayAlias("alias message5", "txtMsg5Msg", "txtMsg5Key"),
    Bind("txtMsg5Key", "message5"),

    Line(""),
    Line("//Movement"),
    Set("set sensitivity", Source::Position, "barSensitivity"),
    Box("set lookspring", "cbxLookSpring"),
    Box("set lookstrafe", "cbxLookStrafe"),
    Bind("txtLookUp", "+lookup"),
    Bind("txtLookDown", "+lookdown"),
    Bind("txtLookCenter", "centerview"),
    Bind("txtMLook", "+mlook"),
    Bind("txtMoveUp", "+moveup"),
    Bind("txtMoveDown", "+movedown"),
    Bind("txtMoveForward", "+forward"),
    Bind("txtMoveBack", "+back"),
    Bind("txtMoveLeft", "+Left"),
    Bind("txtMoveRight", "+Right"),
    Set("set cl_forwardspeed", Source::Text, "txtRunSpeed", IfFilled("txtRunSpeed")),
    Box("set in_mouse", "cbxUseMouse"),
    Box("set freelook", "cbxMouseLook"),
    Bind("txtMouseForward", "+forward"),
    Bind("txtStrafe", "+Strafe"),
    Bind("txtStrafeLeft", "+MoveLeft"),
    Bind("txtStrafeRight", "+MoveRight"),
    Set("set cl_sidespeed", Source::Text, "txtStrafeSpeed", IfFilled("txtStrafeSpeed")),
    Box("set cl_run", "cbxAlwaysRun"),
    Bind("txtRun", "+speed"),

    Line(""),
    Line("//Weapons & Inventory"),
    Bind("txtBlaster", "use Blaster"),
    Bind("txtShotgun", "use Shotgun"),
    Bind("txtSuperShotgun", "use Super Shotgun"),
    Bind("txtMachineGun", "use Machinegun"),
    Bind("txtChainGun", "use Chaingun"),
    Bind("txtGrenadeLauncher", "use Grenade Launcher"),
    Bind("txtRocketLauncher", "use Rocket Launcher"),
    Bind("txtHyperBlaster", "use HyperBlaster"),
    Bind("txtRailGun", "use RailGun"),
    Bind("txtBFG10k", "use BFG10K"),
    Bind("txtGrenade", "use Grenade"),
    Bind("txtAttack", "+Attack"),
    Box("set cl_vwep", "cbxVisibleWeapons"),
    Bind("txtPreviousWeapon", "weapprev"),
    Bind("txtNextWeapon", "weapNext"),
    Box("Set g_select_empty", "cbxEmptyWeapons"),
    Bind("txtShowInventory", "inven"),
    Bind("txtUse", "invuse"),
    Bind("txtDrop", "invdrop"),
    Bind("txtInventoryPrevious", "invprev"),
    Bind("txtInventoryNext", "invnext"),
    Bind("txtRebreather", "use rebreather"),
    Bind("txtInvulnerability", "use Invulnerability"),
    Bind("txtPowerShield", "use Power Shield"),
    Bind("txtQuadDamage", "use Quad Damage"),
    Bind("txtEnvironmentSuit", "use Environment Suit"),
    Bind("txtSilencer", "use Silencer"),

    Line(""),
    Line("//Globals Settings"),
};

constexpr LineRow kClientToEnd[] = {
    Line(""),
    Line("//Client Settings"),
    Box("Set Cl_Predict", "cbxPredictServer"),
    Box("Set Cl_ShowMiss", "cbxDisplayMissed"),
    Box("Set Cl_Stats", "cbxDisplayMapStats"),
    Box("Set cl_ShowNet", "cbxDisplayLatInfo"),
    Set("Set Cl_TimeOut", Source::Number, "edtTimeOut"),
    Set("Set Cl_MaxFps", Source::Number, "edtMaxPackets"),
    Set("set rate", Source::Number, "txtRate"),
    Box("Set Win_NoAltTab", "cbxNoWinTab"),
    Box("Set FixedTime", "cbxFixedTime"),

    Line(""),
    Line("//Server Settings"),
    // Always written: the reader turns a box off only for a value below 1,
    // so a missing line would bring a limit back on.
    {.prefix = "Set FragLimit", .source = Source::Limit, .id = "edtFragLimit", .arg = "cbxFragLimit"},
    {.prefix = "Set TimeLimit", .source = Source::Limit, .id = "edtTimeLimit", .arg = "cbxTimeLimit"},
    Set("Set HostName", Source::Text, "edtServerName", kServer, IfFilled("edtServerName")),
    Set("Set Password", Source::Text, "edtServerPassword", kServer, IfFilled("edtServerPassword")),
    ServerBox("Set Dedicated", {}, "cbxDedicatedServer"),
    ServerBox("set Cheats", "Set Cheats", "cbxAllowCheats"),
    ServerBox("Set Allow_download", "Set Allow_Download", "cbxAllowDownloads"),
    ServerBox("Set Public", {}, "cbxPublicServer"),
    Set("Set Master", Source::Text, "edtMasterServer", kServer, IfChecked("cbxPublicServer")),
    Set("Set MaxClients", Source::Number, "edtMaxClients", kServer),
    Set("Set sv_MaxVelocity", Source::Number, "edtMaxVelocity", kServer),
    Set("Set sv_Gravity", Source::Number, "edtGravity", kServer),
    Set("Set timeout", Source::Number, "edtClientTimeOut", kServer),
    Set("Set dmFlags", Source::Flags, {}, IfChecked("rbDeathMatch")),

    Line(""),
    Line(""),
    Line("//End of File"),
    Line("//Thank you for using TESK"),
    Line("//              Veyrand"),
};

bool Holds(const SettingsModel& model, const Condition& condition)
{
    switch (condition.test) {
    case Test::Always: return true;
    case Test::Filled: return !model.Text(condition.id).empty();
    case Test::Checked: return model.Checked(condition.id);
    case Test::Unchecked: return !model.Checked(condition.id);
    }
    return false;
}

// Exact decimal text of units / 10^decimals, built from the digits so that
// no rounding and no locale can touch it.
std::string ScaledDecimal(long long units, int decimals)
{
    const bool negative = units < 0;
    const auto magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    std::string digits = std::to_string(magnitude);
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, '.');
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.')
        digits.pop_back();
    return negative ? "-" + digits : digits;
}

std::string RadioIndex(const SettingsModel& model, std::string_view members)
{
    const auto ids = SplitByDelimiter(members, '|');
    std::size_t index = 0;
    while (index < ids.size() && !model.Checked(ids[index]))
        ++index;
    return std::to_string(index);
}

// No value means no line.
std::optional<std::string> ValueOf(const SettingsModel& model, const LineRow& row)
{
    switch (row.source) {
    case Source::Literal: return std::string();
    case Source::Text: return model.Text(row.id);
    case Source::Masked: return ReplaceChar(model.Text(row.id), ' ', '0');
    case Source::Number: return std::to_string(model.Number(row.id));
    case Source::Limit: return model.Checked(row.arg) ? std::to_string(model.Number(row.id)) : "0";
    case Source::Position: return std::to_string(model.Position(row.id));
    case Source::Scaled: return ScaledDecimal(static_cast<long long>(model.Position(row.id)) * row.units, row.decimals);
    case Source::Check: return std::string(model.Checked(row.id) ? row.on : row.off);
    case Source::Radio: return RadioIndex(model, row.arg);
    case Source::ItemIs: return std::string(model.SelectedText(row.id) == row.arg ? row.on : row.off);
    case Source::ModeDigit: {
        // Written only with a mode chosen: an empty mode would reset the game's video.
        const std::string item = model.SelectedText(row.id);
        return item.empty() ? std::nullopt : std::optional<std::string>(item.substr(0, 1));
    }
    case Source::Pair: return model.Text(row.id) + "/" + model.Text(row.arg);
    case Source::Say: return "say " + model.Text(row.id);
    case Source::Command: return std::string(row.arg);
    case Source::Flags: return std::to_string(DeathmatchFlags(model));
    }
    return std::nullopt;
}

std::string PrefixOf(const SettingsModel& model, const LineRow& row)
{
    std::string prefix(!row.offPrefix.empty() && !model.Checked(row.id) ? row.offPrefix : row.prefix);
    if (!row.key.empty())
        prefix.append(" ").append(model.Text(row.key));
    return prefix;
}

template <std::size_t N>
void AppendRows(const SettingsModel& model, const LineRow (&rows)[N], std::vector<std::string>& lines)
{
    for (const LineRow& row : rows) {
        if (!Holds(model, row.when) || !Holds(model, row.also))
            continue;
        if (row.source == Source::Literal) {
            lines.emplace_back(row.prefix);
        } else if (const auto value = ValueOf(model, row)) {
            lines.push_back(PrefixOf(model, row) + " \"" + *value + "\"");
        }
    }
}

} // namespace

std::vector<std::string> BuildConfigLines(const SettingsModel& model, const std::string& profileDirectory)
{
    std::vector<std::string> lines;
    AppendRows(model, kPlayerToWeapons, lines);
    AppendProfileStretch(model, profileDirectory, lines);
    AppendRows(model, kClientToEnd, lines);
    return lines;
}

bool IsWrittenBetweenQuotes(std::string_view id)
{
    const auto typed = [id](const LineRow& row) {
        switch (row.source) {
        case Source::Text:
        case Source::Say: return row.id == id;
        case Source::Pair: return row.id == id || row.arg == id;
        default: return false;
        }
    };
    return std::any_of(std::begin(kPlayerToWeapons), std::end(kPlayerToWeapons), typed)
           || std::any_of(std::begin(kClientToEnd), std::end(kClientToEnd), typed);
}

std::vector<std::string> BuildSettingLines(const SettingsModel& model)
{
    std::vector<std::string> lines;
    AppendRows(model, kPlayerToWeapons, lines);
    AppendRows(model, kClientToEnd, lines);
    return lines;
}

void WriteConfigFile(const SettingsModel& model, TokenList& tokens, const std::string& directory,
                     const std::string& fileName, const std::string& profileDirectory)
{
    tokens.clear();
    tokens = BuildConfigLines(model, profileDirectory);
    WriteTextLines(JoinPath(directory, fileName), tokens, "Cannot create file %s");
}

void CheckConfigFileExists(const std::string& path, const std::string& dataDirectory)
{
    const PathParts parts = SplitPath(path, dataDirectory);
    const std::string full = JoinPath(DriveAndDirectory(parts), parts.name);
    if (!DirectoryExists(DriveAndDirectory(parts)) || !FileExists(full))
        throw Error("The config file " + full + " does not exist. Use \"Save Config As..\" to create a new one.");
}

} // namespace tesk
