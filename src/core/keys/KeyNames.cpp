#include "core/keys/KeyNames.h"

#include <algorithm>
#include <iterator>

namespace tesk {
namespace {

constexpr KeyButton kKeyButtons[] = {
    {"Esc", "Esc", "ESCAPE", "Escape"},
    {"Tab", "Tab", "TAB", "Tab"},
    {"Enter", "Enter", "ENTER", "Enter"},
    {"Space", "Space", "SPACE", "Space"},
    {"RShift", "Shift", "SHIFT", "Shift"},
    {"RAlt", "Alt", "ALT", "Alt"},
    {"RCtrl", "Ctrl", "CTRL", "Ctrl"},
    {"btnIns", "Ins", "INS", "Insert"},
    {"btnDel", "Del", "DEL", "Delete"},
    {"BtnHome", "Hm", "HOME", "Home"},
    {"btnEnd", "End", "END", "End"},
    {"btnPageUp", "PU", "PGUP", "Page Up"},
    {"btnPageDown", "PD", "PGDN", "Page Down"},
    {"btnPause", "pse", "PAUSE", "Pause"},
    {"F1", "F1", "F1", "F1"},
    {"F2", "F2", "F2", "F2"},
    {"F3", " F3", "F3", "F3"},
    {"F4", "F4", "F4", "F4"},
    {"F5", "F5", "F5", "F5"},
    {"F6", "F6", "F6", "F6"},
    {"F7", "F7", "F7", "F7"},
    {"F8", "F8", "F8", "F8"},
    {"F9", "F9", "F9", "F9"},
    {"F10", "F10", "F10", "F10"},
    {"F11", "F11", "F11", "F11"},
    {"F12", "F12", "F12", "F12"},
    {"Up", "", "UPARROW", "Up Arrow", KeyArrow::Up},
    {"Down", "", "DOWNARROW", "Down Arrow", KeyArrow::Down},
    {"Left", "", "LEFTARROW", "Left Arrow", KeyArrow::Left},
    {"Right", "", "RIGHTARROW", "Right Arrow", KeyArrow::Right},
    // The mouse buttons' control names run the other way round from their
    // captions; the captions and key names are what the player sees and gets.
    {"RMCLick", "L", "MOUSE1", "Left Mouse Button"},
    {"CMClick", "C", "MOUSE2", "Middle Mouse Button"},
    {"LMClick", "R", "MOUSE3", "Right Mouse Button"},
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
