#pragma once

// The key names of the game's binding syntax that the key-capture dialog
// produces, and the dialog's key buttons that give them.

#include <span>
#include <string>
#include <string_view>

namespace tesk {

// The text the game's binding syntax uses for a key: "ESCAPE", "MOUSE1", or a
// single character as typed ("a", "7", "/").
using KeyName = std::string;

// Buttons that show an arrow picture instead of a caption.
enum class KeyArrow { None, Up, Down, Left, Right };

struct KeyButton {
    std::string_view control; // the button's control name
    std::string_view caption; // empty when the button shows an arrow
    std::string_view keyName;
    std::string_view fullName; // the key as a person names it: "Page Up"
    KeyArrow arrow = KeyArrow::None;
};

// Every key button of the dialog, in a fixed order.
std::span<const KeyButton> KeyButtons();

// The button of that control name (compared with case); nullptr when there is none.
const KeyButton* FindKeyButton(std::string_view control);

// The dialog's title when it picks a key for the field called `name`.
std::string KeyCaptureTitle(std::string_view name);

} // namespace tesk
