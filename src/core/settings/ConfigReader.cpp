#include "core/settings/ConfigReader.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"
#include "core/text/TokenIndex.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>

namespace tesk {
namespace {

// P finds a "set" style line by its start, K the key bound to a quoted command.
enum class Lookup { P, K };

// What a found value does to the row's settings.
enum class Rule {
    Text,         // the value becomes the text (a masked decimal fits it to its pattern)
    MixAhead,     // as Text, but "0" becomes "0.0"
    Skin,         // "model/skin": each piece selects its combo's item (ignoring case), else becomes its text
    Radio,        // the value's first digit turns on that member of `extra`; another character changes nothing
    OnUnless,     // the box is on unless the value is `extra`
    OffUnless,    // the box is off unless the value is `extra`
    SoundQuality, // item "High" for "22", else item "Low"
    TrackBar,     // the number times `perUnit`, to the nearest position
    VideoMode,    // the item whose index is the value's first character
    Spin,         // the whole number, set as a number
    Message,      // the text after the writer's "say ", then the key bound to `extra` into `id2`
    Limit,        // a whole number below 1 turns the box off; else the box on and `id2` := the number
    Public,       // "1": the box on, `id2` := the value of the line `extra`; else off and the default master
    Flags,        // the deathmatch flags number
};

// What a missing line, or the New reset, does to the row's settings.
enum class Reset { Keep, Text, Hint, On, Off, Item, Index, Position, Number, Flags, Clear };

struct Default {
    Reset reset = Reset::Keep;
    std::string_view text = {};
    long long number = 0;
    std::string_view target = {}; // the setting it applies to, when not the row's own
};

struct ReadRow {
    Lookup lookup = Lookup::P;
    std::string_view key = {};
    Rule rule = Rule::Text;
    std::string_view id = {};
    std::string_view id2 = {};
    std::string_view extra = {};
    int perUnit = 1; // track bars: positions per unit of the value
    Default missing = {};
    Default fresh = {};
};

constexpr Default Keep{};
constexpr Default Empty{Reset::Text};
constexpr Default HintText{Reset::Hint};
constexpr Default ClearBoth{Reset::Clear};
constexpr Default TextOf(std::string_view text) { return {Reset::Text, text}; }
constexpr Default On(std::string_view target = {}) { return {.reset = Reset::On, .target = target}; }
constexpr Default Off(std::string_view target = {}) { return {.reset = Reset::Off, .target = target}; }
constexpr Default Item(std::string_view name) { return {Reset::Item, name}; }
constexpr Default Index(long long index) { return {.reset = Reset::Index, .number = index}; }
constexpr Default Position(long long position) { return {.reset = Reset::Position, .number = position}; }
constexpr Default Number(long long number) { return {.reset = Reset::Number, .number = number}; }
constexpr Default FlagsOf(long long flags) { return {.reset = Reset::Flags, .number = flags}; }

constexpr ReadRow P(std::string_view key, std::string_view id, Default missing, Default fresh)
{
    return {.key = key, .id = id, .missing = missing, .fresh = fresh};
}

// A key binding: missing, the key field is emptied; New gives it its hint.
constexpr ReadRow K(std::string_view command, std::string_view id)
{
    return {.lookup = Lookup::K, .key = command, .id = id, .missing = Empty, .fresh = HintText};
}

constexpr ReadRow Box(std::string_view key, std::string_view id, Rule rule, std::string_view value, Default missing,
                      Default fresh)
{
    return {.key = key, .rule = rule, .id = id, .extra = value, .missing = missing, .fresh = fresh};
}

constexpr ReadRow OneOrOff(std::string_view key, std::string_view id, Default fresh)
{
    return Box(key, id, Rule::OffUnless, "1", Off(), fresh);
}

constexpr ReadRow OneOrKeep(std::string_view key, std::string_view id, Default fresh)
{
    return Box(key, id, Rule::OffUnless, "1", Keep, fresh);
}

constexpr ReadRow Spin(std::string_view key, std::string_view id, long long fresh)
{
    return {.key = key, .rule = Rule::Spin, .id = id, .missing = Keep, .fresh = Number(fresh)};
}

constexpr ReadRow Bar(std::string_view key, std::string_view id, int perUnit, long long fallback)
{
    return {.key = key,
            .rule = Rule::TrackBar,
            .id = id,
            .perUnit = perUnit,
            .missing = Position(fallback),
            .fresh = Position(fallback)};
}

constexpr ReadRow Message(std::string_view alias, std::string_view command, std::string_view textId,
                          std::string_view keyId)
{
    return {.key = alias,
            .rule = Rule::Message,
            .id = textId,
            .id2 = keyId,
            .extra = command,
            .missing = ClearBoth,
            .fresh = Keep};
}

constexpr ReadRow Limit(std::string_view key, std::string_view boxId, std::string_view numberId)
{
    return {.key = key, .rule = Rule::Limit, .id = boxId, .id2 = numberId, .missing = Keep, .fresh = Off()};
}

constexpr ReadRow kRows[] = {
    P("set name", "txtPlayer", Empty, TextOf("Player")),
    {.key = "set skin", .rule = Rule::Skin, .id = "cboModel", .id2 = "cboSkin"},
    {.key = "set hand",
     .rule = Rule::Radio,
     .extra = "rbRight|rbLeft|rbCenter",
     .missing = On("rbRight"),
     .fresh = On("rbRight")},
    {.key = "set crosshair",
     .rule = Rule::Radio,
     .extra = "rbCrossNone|rbCrossX|rbCrossDot|rbCrossAngle",
     .missing = On("rbCrossX"),
     .fresh = On("rbCrossX")},
    P("set bob_pitch", "txtWalkPitch", TextOf("0.002"), HintText),
    P("set bob_roll", "txtWalkRoll", TextOf("0.002"), HintText),
    P("set bob_up", "txtBobStart", TextOf("0.005"), TextOf("0.005")),
    P("set run_pitch", "txtRunPitch", TextOf("0.002"), TextOf("0.002")),
    P("set run_roll", "txtRunRoll", TextOf("0.005"), TextOf("0.005")),
    P("set gun_x", "txtGunX", TextOf("0"), TextOf("0")),
    P("set gun_y", "txtGunY", TextOf("0"), TextOf("0")),
    P("set gun_z", "txtGunZ", TextOf("0"), TextOf("0")),
    P("set fov", "txtfov", TextOf("90"), TextOf("90")),
    P("set viewscreen", "txtViewSize", TextOf("100"), TextOf("100")),
    Box("set cd_nocd", "cbxCdAudio", Rule::OnUnless, "1", On(), On()),
    Box("set s_initsound", "cbxSound", Rule::OnUnless, "0", On(), On()),
    Box("set s_primary", "cbxDPrimary", Rule::OffUnless, "1", Off(), Off()),
    {.key = "set s_khz",
     .rule = Rule::SoundQuality,
     .id = "cboSndQuality",
     .missing = Item("Low"),
     .fresh = Item("Low")},
    {.key = "set s_mixahead",
     .rule = Rule::MixAhead,
     .id = "txtSndDelay",
     .missing = TextOf("0.2"),
     .fresh = TextOf("0.2")},
    Box("set cl_footsteps", "cbxFootSteps", Rule::OnUnless, "0", On(), On()),
    Box("set s_loadas8bit", "cbx8Bit", Rule::OffUnless, "1", Off(), Off()),
    Box("set s_waveonly", "cbxWaveOnly", Rule::OffUnless, "1", Off(), Off()),
    Bar("set s_volume", "barVolume", 40, 7),
    Box("set s_show", "cbxShowSnd", Rule::OffUnless, "1", Off(), Off()),
    Box("set s_testsound", "cbxTestSnd", Rule::OffUnless, "1", Off(), Off()),
    Box("set vid_fullscreen", "cbxFullScreen", Rule::OffUnless, "1", Off(), Off()),
    Bar("set vid_gamma", "barGamma", 4, 7),
    {.key = "set sw_mode", .rule = Rule::VideoMode, .id = "cboVidMode", .missing = Index(0), .fresh = Index(0)},
    Box("set sw_stipplealpha", "cbxStippleAlpha", Rule::OffUnless, "1", Off(), Off()),
    K(R"("SizeUp")", "txtSizeUp"),
    K(R"("sizeDown")", "txtSizeDown"),
    K(R"("togglemenu")", "txtToggleMenu"),
    K(R"("toggleconsole")", "txtToggleConsole"),
    Spin("set scr_conspeed", "txtConsoleSpeed", 3),
    Spin("set con_notifytime", "txtConNotifyTime", 3),
    K(R"("cmd help")", "txtHelp"),
    K(R"("menu_savegame")", "txtSaveGame"),
    K(R"("menu_LoadGame")", "txtLoadGame"),
    K(R"("menu_Keys")", "txtKeys"),
    K(R"("menu_startserver")", "txtStartServer"),
    K(R"("echo Quick Saving...; wait; save quick")", "txtQuickSave"),
    K(R"("echo Quick Loading...; wait; load quick")", "txtQuickLoad"),
    K(R"("menu_quit")", "txtQuit"),
    K(R"("screenshot")", "txtScreenShot"),
    K(R"("pause")", "txtPause"),
    K(R"("messagemode")", "txtTalk"),
    K(R"("score")", "txtScore"),
    K(R"("wave 3")", "txtWave"),
    K(R"("wave 4")", "txtPoint"),
    K(R"("wave 1")", "txtSalute"),
    K(R"("wave 2")", "txtTaunt"),
    K(R"("wave 0")", "txtFlipOff"),
    Message("alias message1", R"("message1")", "txtMsg1Msg", "txtMsg1Key"),
    Message("alias message2", R"("message2")", "txtMsg2Msg", "txtMsg2Key"),
    Message("alias message3", R"("message3")", "txtMsg3Msg", "txtMsg3Key"),
    Message("alias message4", R"("message4")", "txtMsg4Msg", "txtMsg4Key"),
    Message("alias message5", R"("message5")", "txtMsg5Msg", "txtMsg5Key"),
    OneOrOff("set lookspring", "cbxLookSpring", Off()),
    OneOrOff("set lookstrafe", "cbxLookStrafe", Off()),
    K(R"("+lookup")", "txtLookUp"),
    K(R"("+lookdown")", "txtLookDown"),
    K(R"("centerview")", "txtLookCenter"),
    K(R"("+mlook")", "txtMLook"),
    K(R"("+moveup")", "txtMoveUp"),
    K(R"("+movedown")", "txtMoveDown"),
    K(R"("+forward")", "txtMoveForward"),
    K(R"("+back")", "txtMoveBack"),
    K(R"("+Left")", "txtMoveLeft"),
    K(R"("+right")", "txtMoveRight"),
    OneOrKeep("set in_mouse", "cbxUseMouse", On()),
    OneOrOff("set freelook", "cbxMouseLook", Off()),
    K(R"(MOUSE*"+forward")", "txtMouseForward"),
    Bar("set sensitivity", "barSensitivity", 1, 5),
    K(R"("+strafe")", "txtStrafe"),
    K(R"("+moveleft")", "txtStrafeLeft"),
    K(R"("+moveright")", "txtStrafeRight"),
    P("set cl_sidespeed", "txtStrafeSpeed", TextOf("200"), TextOf("200")),
    OneOrOff("set cl_run", "cbxAlwaysRun", Off()),
    K(R"("+speed")", "txtRun"),
    P("set cl_forwardspeed", "txtRunSpeed", TextOf("200"), TextOf("200")),
    K(R"("use blaster")", "txtBlaster"),
    K(R"("use Shotgun")", "txtShotgun"),
    K(R"("use super shotgun")", "txtSuperShotgun"),
    K(R"("use machinegun")", "txtMachineGun"),
    K(R"("use chaingun")", "txtChainGun"),
    K(R"("use grenade launcher")", "txtGrenadeLauncher"),
    K(R"("use rocket launcher")", "txtRocketLauncher"),
    K(R"("use Hyperblaster")", "txtHyperBlaster"),
    K(R"("use Railgun")", "txtRailGun"),
    K(R"("use BFG10k")", "txtBFG10k"),
    K(R"("use grenade")", "txtGrenade"),
    OneOrKeep("set cl_vwep", "cbxVisibleWeapons", Off()),
    K(R"("+Attack")", "txtAttack"),
    K(R"("weapprev")", "txtPreviousWeapon"),
    K(R"("weapnext")", "txtNextWeapon"),
    OneOrKeep("Set g_select_empty", "cbxEmptyWeapons", Off()),
    K(R"("inven")", "txtShowInventory"),
    K(R"("invuse")", "txtUse"),
    K(R"("invdrop")", "txtDrop"),
    K(R"("invprev")", "txtInventoryPrevious"),
    K(R"("invnext")", "txtInventoryNext"),
    K(R"("use rebreather")", "txtRebreather"),
    K(R"("use invulnerability")", "txtInvulnerability"),
    K(R"("use power shield")", "txtPowerShield"),
    K(R"("use Quad Damage")", "txtQuadDamage"),
    K(R"("use Environment Suit")", "txtEnvironmentSuit"),
    K(R"("use Silencer")", "txtSilencer"),
    OneOrKeep("Set Cl_Predict", "cbxPredictServer", Off()),
    OneOrKeep("Set Cl_ShowMiss", "cbxDisplayMissed", Off()),
    OneOrKeep("Set Cl_Stats", "cbxDisplayMapStats", Off()),
    OneOrKeep("Set cl_ShowNet", "cbxDisplayLatInfo", Off()),
    Spin("Set Cl_TimeOut", "edtTimeOut", 120),
    Spin("Set Cl_MaxFps", "edtMaxPackets", 90),
    Spin("Set rate", "txtRate", 2500),
    OneOrKeep("Set Win_NoAltTab", "cbxNoWinTab", Off()),
    OneOrKeep("Set FixedTime", "cbxFixedTime", Off()),
    P("Set HostName", "edtServerName", Empty, Keep),
    P("Set Password", "edtServerPassword", Empty, Keep),
    Limit("Set FragLimit", "cbxFragLimit", "edtFragLimit"),
    Limit("Set TimeLimit", "cbxTimeLimit", "edtTimeLimit"),
    OneOrKeep("set Cheats", "cbxAllowCheats", Off()),
    OneOrKeep("Set Allow_download", "cbxAllowDownloads", Off()),
    {.key = "Set Public",
     .rule = Rule::Public,
     .id = "cbxPublicServer",
     .id2 = "edtMasterServer",
     .extra = "Set Master",
     .missing = Keep,
     .fresh = Off()},
    Spin("Set MaxClients", "edtMaxClients", 16),
    Spin("Set sv_MaxVelocity", "edtMaxVelocity", 2000),
    Spin("Set sv_Gravity", "edtGravity", 800),
    Spin("Set timeout", "edtClientTimeOut", 125),
    {.key = "Set dmFlags", .rule = Rule::Flags, .missing = FlagsOf(16), .fresh = On("cbxInstantPowerups")},
};
static_assert(std::size(kRows) == 128, "one row per setting line of the config file");

// The file being read, for the lookups of a row and the message of a bad number.
struct Reading {
    SettingsModel& model;
    const TokenIndex& tokens;
    const std::string& path;
};

Error NotANumber(const Reading& reading, const ReadRow& row, const std::string& value, std::string_view kind)
{
    return Error("Error reading " + reading.path + ": \"" + std::string(row.key) + "\" has the value '" + value
                 + "', which is not " + std::string(kind));
}

long long WholeNumber(const Reading& reading, const ReadRow& row, const std::string& value)
{
    const auto number = ParseWholeNumber(value, kSpaces);
    if (!number)
        throw NotANumber(reading, row, value, "a whole number");
    return *number;
}

// A decimal number as written: its digits, and how many of them stand
// before the point (negative or beyond the digits when an exponent moves it).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t TakeDigits(std::string_view text, std::size_t at, std::string& digits)
{
    while (at < text.size() && IsDigit(text[at]))
        digits += text[at++];
    return at;
}

// Optional blanks, a sign, digits with at most one point (at least one
// digit), an exponent, blanks; read the same whatever the locale.
std::optional<Decimal> ParseDecimal(std::string_view text)
{
    text = Trim(text, kSpaces);
    if (text.empty())
        return std::nullopt;
    Decimal number;
    std::size_t at = 0;
    if (text[at] == '+' || text[at] == '-')
        number.negative = text[at++] == '-';
    at = TakeDigits(text, at, number.digits);
    number.point = static_cast<long long>(number.digits.size());
    if (at < text.size() && text[at] == '.')
        at = TakeDigits(text, at + 1, number.digits);
    if (number.digits.empty())
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        bool negativeExponent = false;
        if (++at < text.size() && (text[at] == '+' || text[at] == '-'))
            negativeExponent = text[at++] == '-';
        std::string exponentDigits;
        at = TakeDigits(text, at, exponentDigits);
        if (exponentDigits.empty())
            return std::nullopt;
        // Far beyond any track bar either way; the bound keeps the sum defined.
        constexpr long long kFarOut = 1000;
        long long exponent = 0;
        for (const char digit : exponentDigits)
            exponent = std::min(exponent * 10 + (digit - '0'), kFarOut);
        number.point += negativeExponent ? -exponent : exponent;
    }
    // Leading zeros say nothing of the size.
    const auto zeros = std::min(number.digits.find_first_not_of('0'), number.digits.size());
    number.digits.erase(0, zeros);
    number.point -= static_cast<long long>(zeros);
    return at == text.size() ? std::optional<Decimal>(number) : std::nullopt;
}

// The number times perUnit to the nearest whole number, a half going to the
// even neighbour, computed on the decimal digits so that no binary fraction
// turns 0.0375 times 40 into 1.4999...
long long NearestPosition(const Decimal& number, int perUnit)
{
    // Whole parts this long are far beyond any track bar.
    constexpr long long kWholeDigits = 15;
    if (number.point > kWholeDigits)
        return number.negative ? -1'000'000'000'000'000 : 1'000'000'000'000'000;
    const auto split = static_cast<std::size_t>(std::clamp<long long>(number.point, 0, number.digits.size()));
    long long whole = 0;
    for (std::size_t i = 0; i < split; ++i)
        whole = whole * 10 + (number.digits[i] - '0');
    for (long long i = static_cast<long long>(number.digits.size()); i < number.point; ++i)
        whole *= 10;
    std::string fraction(static_cast<std::size_t>(std::max<long long>(0, -number.point)), '0');
    fraction += number.digits.substr(split);
    // The fraction times perUnit, digit by digit from the right; what carries
    // out of it is whole positions.
    int carry = 0;
    for (auto digit = fraction.rbegin(); digit != fraction.rend(); ++digit) {
        const int product = (*digit - '0') * perUnit + carry;
        *digit = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    long long nearest = whole * perUnit + carry;
    const bool aboveHalf =
        !fraction.empty()
        && (fraction[0] > '5' || (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos));
    const bool half = !fraction.empty() && fraction[0] == '5' && !aboveHalf;
    if (aboveHalf || (half && nearest % 2 != 0))
        ++nearest;
    return number.negative ? -nearest : nearest;
}

int FindItem(const SettingsModel& model, std::string_view id, std::string_view text, bool ignoreCase)
{
    const auto& items = model.Items(id);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (ignoreCase ? EqualIgnoringCase(items[i], text) : items[i] == text)
            return static_cast<int>(i);
    return -1;
}

// A listed name selects its item, so the combo shows it as listed; any other
// text becomes the combo's text.
void SetSkinPiece(SettingsModel& model, std::string_view id, const std::string& piece)
{
    if (const int index = FindItem(model, id, piece, true); index >= 0)
        model.SelectItem(id, index);
    else
        model.SetText(id, piece);
}

void SetSkin(SettingsModel& model, const ReadRow& row, const std::string& value)
{
    const auto pieces = SplitByDelimiter(value, '/');
    SetSkinPiece(model, row.id, pieces[0]);
    // A value without a skin leaves no skin of the model shown before.
    SetSkinPiece(model, row.id2, pieces.size() > 1 ? pieces[1] : std::string());
}

void SetRadio(SettingsModel& model, const ReadRow& row, const std::string& value)
{
    const auto members = SplitByDelimiter(row.extra, '|');
    const char digit = value.front();
    if (digit >= '0' && static_cast<std::size_t>(digit - '0') < members.size())
        model.SetChecked(members[static_cast<std::size_t>(digit - '0')], true);
}

void SetTrackBar(const Reading& reading, const ReadRow& row, const std::string& value)
{
    const auto number = ParseDecimal(value);
    if (!number)
        throw NotANumber(reading, row, value, "a number");
    reading.model.SetPosition(row.id, NearestPosition(*number, row.perUnit));
}

// The mode number is the value's first character, so "12" selects item 1.
void SetVideoMode(const Reading& reading, const ReadRow& row, const std::string& value)
{
    const auto index = ParseWholeNumber(value.substr(0, 1), kSpaces);
    if (!index)
        throw NotANumber(reading, row, value, "a whole number");
    reading.model.SelectItem(row.id, static_cast<int>(*index));
}

void SetMessage(const Reading& reading, const ReadRow& row, const std::string& value)
{
    constexpr std::size_t kSayLength = 4; // "say " in front of the text
    reading.model.SetText(row.id, value.size() > kSayLength ? value.substr(kSayLength) : std::string());
    if (const auto key = reading.tokens.FindContainedValue(row.extra))
        reading.model.SetText(row.id2, *key);
}

void SetLimit(const Reading& reading, const ReadRow& row, const std::string& value)
{
    const long long limit = WholeNumber(reading, row, value);
    reading.model.SetChecked(row.id, limit >= 1);
    if (limit >= 1)
        reading.model.SetNumber(row.id2, limit);
}

void SetPublic(const Reading& reading, const ReadRow& row, const std::string& value)
{
    const bool isPublic = value == "1";
    reading.model.SetChecked(row.id, isPublic);
    reading.model.SetText(row.id2, isPublic ? reading.tokens.FindPrefixedValue(row.extra).value_or("")
                                            : std::string(kDefaultMasterServer));
}

void ApplyFound(const Reading& reading, const ReadRow& row, const std::string& value)
{
    SettingsModel& model = reading.model;
    switch (row.rule) {
    case Rule::Text: model.SetText(row.id, value); return;
    case Rule::MixAhead: model.SetText(row.id, value == "0" ? "0.0" : value); return;
    case Rule::Skin: SetSkin(model, row, value); return;
    case Rule::Radio: SetRadio(model, row, value); return;
    case Rule::OnUnless: model.SetChecked(row.id, value != row.extra); return;
    case Rule::OffUnless: model.SetChecked(row.id, value == row.extra); return;
    case Rule::SoundQuality:
        model.SelectItem(row.id, FindItem(model, row.id, value == "22" ? "High" : "Low", false));
        return;
    case Rule::TrackBar: SetTrackBar(reading, row, value); return;
    case Rule::VideoMode: SetVideoMode(reading, row, value); return;
    case Rule::Spin: model.SetNumber(row.id, WholeNumber(reading, row, value)); return;
    case Rule::Message: SetMessage(reading, row, value); return;
    case Rule::Limit: SetLimit(reading, row, value); return;
    case Rule::Public: SetPublic(reading, row, value); return;
    case Rule::Flags: ApplyDeathmatchFlags(model, WholeNumber(reading, row, value)); return;
    }
}

// The default a hint starts with; for a key field that is the whole hint.
std::string HintDefault(const SettingsModel& model, std::string_view id)
{
    const std::string_view hint = model.Def(id).hint;
    return std::string(hint.substr(0, hint.find(' ')));
}

void ApplyDefault(SettingsModel& model, const ReadRow& row, const Default& fallback)
{
    const std::string_view id = fallback.target.empty() ? row.id : fallback.target;
    switch (fallback.reset) {
    case Reset::Keep: return;
    case Reset::Text: model.SetText(id, fallback.text); return;
    case Reset::Hint: model.SetText(id, HintDefault(model, id)); return;
    case Reset::On: model.SetChecked(id, true); return;
    case Reset::Off: model.SetChecked(id, false); return;
    case Reset::Item: model.SelectItem(id, FindItem(model, id, fallback.text, false)); return;
    case Reset::Index: model.SelectItem(id, static_cast<int>(fallback.number)); return;
    case Reset::Position: model.SetPosition(id, fallback.number); return;
    case Reset::Number: model.SetNumber(id, fallback.number); return;
    case Reset::Flags: ApplyDeathmatchFlags(model, fallback.number); return;
    case Reset::Clear:
        model.SetText(row.id, "");
        model.SetText(row.id2, "");
        return;
    }
}

// Every key and command of the table, so that one pass over a file finds
// the lines of all of them.
const LookupKeys& TableKeys()
{
    static const LookupKeys keys = [] {
        std::vector<std::string_view> prefixKeys;
        std::vector<std::string_view> commands;
        for (const ReadRow& row : kRows) {
            for (const std::string_view key : {row.key, row.extra}) {
                prefixKeys.push_back(key);
                commands.push_back(key);
            }
        }
        return LookupKeys(prefixKeys, commands);
    }();
    return keys;
}

void ReadRowOf(const Reading& reading, const ReadRow& row)
{
    const auto value = row.lookup == Lookup::P ? reading.tokens.FindPrefixedValue(row.key)
                                               : reading.tokens.FindContainedValue(row.key);
    if (value)
        ApplyFound(reading, row, *value);
    else
        ApplyDefault(reading.model, row, row.missing);
}

} // namespace

void ApplyNewSettings(SettingsModel& model)
{
    for (const ReadRow& row : kRows)
        ApplyDefault(model, row, row.fresh);
}

void ReadConfigFile(SettingsModel& model, TokenList& tokens, const std::string& directory, const std::string& fileName)
{
    if (directory == kNewFileDirectory && fileName == kNewFileName) {
        ApplyNewSettings(model);
        return;
    }
    const std::string path = JoinPath(directory, fileName);
    // Read into copies, applied only once the whole file was read: a file
    // that stops at a bad value must not leave a half-read window, which the
    // next save would write over the player's file.
    TokenList lines = ReadTextLines(path);
    SettingsModel read = model;
    {
        const TokenIndex index(lines, TableKeys());
        const Reading reading{read, index, path};
        for (const ReadRow& row : kRows)
            ReadRowOf(reading, row);
    }
    model = std::move(read);
    tokens = std::move(lines);
}

} // namespace tesk
