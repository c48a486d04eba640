#include "core/keys/KeyNames.h"

#include <algorithm>
#include <iterator>

namespace tesk {
namespace {

constexpr KeyButton kKeyButtons[] = {
    {"Esc", "Esc", "ESCAPE"},
    {"Tab", "Tab", "TAB"},
    {"Enter", "Enter", "ENTER"},
    {"Space", "Space", "SPACE"},
    {"RShift", "Shift", "SHIFT"},
    {"RAlt", "Alt", "ALT"},
    {"RCtrl", "Ctrl", "CTRL"},
    {"btnIns", "Ins", "INS"},
    {"btnDel", "Del", "DEL"},
    {"BtnHome", "Hm", "HOME"},
    {"btnEnd", "End", "END"},
    {"btnPageUp", "PU", "PGUP"},
    {"btnPageDown", "PD", "PGDN"},
    {"btnPause", "pse", "PAUSE"},
    {"F1", "F1", "F1"},
    {"F2", "F2", "F2"},
    {"F3", " F3", "F3"},
    {"F4", "F4", "F4"},
    {"F5", "F5", "F5"},
    {"F6", "F6", "F6"},
    {"F7", "F7", "F7"},
    {"F8", "F8", "F8"},
    {"F9", "F9", "F9"},
    {"F10", "F10", "F10"},
    {"F11", "F11", "F11"},
    {"F12", "F12", "F12"},
    {"Up", "", "UPARROW", KeyArrow::Up},
    {"Down", "", "DOWNARROW", KeyArrow::Down},
    {"Left", "", "LEFTARROW", KeyArrow::Left},
    {"Right", "", "RIGHTARROW", KeyArrow::Right},
    // The mouse buttons' control names run the other way round from their
    // captions; the captions and key names are what the player sees and gets.
    {"RMCLick", "L", "MOUSE1"},
    {"CMClick", "C", "MOUSE2"},
    {"LMClick", "R", "MOUSE3"},
};

} // namespace

std::span<const KeyButton> KeyButtons() { return kKeyButtons; }

const KeyButton* FindKeyButton(std::string_view control)
{
    const auto found = std::find_if(std::begin(kKeyButtons), std::end(kKeyButtons),
                                    [control](const KeyButton& button) { return button.control == control; });
    return found == std::end(kKeyButtons) ? nullptr : &*found;
}

std::string KeyCaptureTitle(std::string_view name) { return "Bind " + std::string(name) + " to Key:"; }

} // namespace tesk
