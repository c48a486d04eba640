#pragma once

// The one declarative description of every setting of the main window.
// The settings model, the window's pages, the New defaults and the hint line
// are all built from these tables, so each fact about a setting (its caption,
// initial value, range, items, hint, key-capture name) is written once.

#include <span>
#include <string_view>

namespace tesk {

enum class SettingKind {
    Text,          // one line of free text
    MaskedDecimal, // digit, point, one or three digits; blanks count as zeros
    Spin,          // a whole number held as text, with up/down arrows
    Check,         // on or off
    Radio,         // one member of a radio group (the group is its frame)
    Combo,         // editable text with a drop-down list of items
    TrackBar,      // a whole-number position between a minimum and a maximum
    Key,           // a key name of the game's binding syntax
};

enum class Page {
    General,
    VideoSound,
    MenuComm,
    Movement,
    WeaponsInventory,
    Client,
    Server,
    GamesAliases,
    Lower, // the file and launch area below the pages
};

struct PageDef {
    Page page;
    std::string_view id;      // object name of the page
    std::string_view caption; // tab caption
};

// A frame, panel or radio group that holds settings. Its hint is shown for
// every control inside it that has no hint of its own.
struct FrameDef {
    std::string_view id;
    Page page;
    std::string_view caption; // empty for an untitled frame or a panel
    std::string_view hint;
};

struct SettingDef {
    std::string_view id = {}; // the control's name, the setting's identifier everywhere
    SettingKind kind = SettingKind::Text;
    Page page = Page::General;
    std::string_view frame = {};   // enclosing frame or radio group; empty when none
    std::string_view caption = {}; // caption of the control or of its label
    std::string_view initial = {}; // text; "1"/"0" for checks and radio members; number for spins and track bars
    int minimum = 0;               // spins and track bars; a spin with minimum == maximum has no limits
    int maximum = 0;
    int step = 1;
    int maxLength = 0;                 // longest text the user can type; 0: no limit
    std::string_view mask = {};        // masked decimals: "9.999" or "9.9"
    std::string_view items = {};       // combos with fixed items, separated by '|'
    std::string_view hint = {};        // "default   (meaning)"; empty when none
    std::string_view captureName = {}; // key fields: the name in the key-capture title
    long bit = 0;                      // deathmatch flag boxes: the bit the box stands for
    std::string_view labelHint = {};   // hint of the setting's own label, when it has one
    bool path = false;                 // the text names a file or directory of this system, not bytes of a game file
};

std::span<const FrameDef> FrameTable();
std::span<const SettingDef> SettingTable();

// nullptr when the identifier names no setting or frame.
const SettingDef* FindSetting(std::string_view id);
const FrameDef* FindFrame(std::string_view id);
const PageDef& PageInfo(Page page);

// The address offered as master server until the player types another.
inline constexpr std::string_view kDefaultMasterServer = "192.0.2.1:27900";

} // namespace tesk
