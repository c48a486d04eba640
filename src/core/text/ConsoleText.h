#pragma once

// What the game's console can read back of a line Tesk writes. It takes a
// value between double quotes up to the next double quote, and has no way to
// write one inside; a bare word ends at a blank or a double quote, and a
// semicolon ends the command. So a value Tesk writes between quotes may hold
// no double quote, and a word it writes bare (a binding's key, a setting's
// name) none of these.

#include <string_view>

namespace tesk {

inline constexpr std::string_view kCutsQuotedValue = "\"";
inline constexpr std::string_view kCutsConsoleWord = " \t\";";

// Whether the console reads `text` back whole where `cutting` would end it.
inline bool ReadsBackWhole(std::string_view text, std::string_view cutting)
{
    return text.find_first_of(cutting) == std::string_view::npos;
}

} // namespace tesk
