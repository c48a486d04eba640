#pragma once

// The small rules of text that the files, the game and the window share:
// ASCII letter case, blanks and whole numbers. Files are bytes: only the
// ASCII letters A to Z change case, every other byte (those above 127 among
// them) stays as it is.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace tesk {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

// The blanks of INI lines and of most values: a space or a tab.
constexpr std::string_view kBlanks = " \t";
// The blank of the window's fields and of the game's numbers: a space only.
constexpr std::string_view kSpaces = " ";

// `text` without the bytes of `blanks` at either end.
inline std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks)
{
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A whole decimal number between optional blanks, with an optional sign
// ("+7", "-7"); none for anything else, an empty text or an overflow.
std::optional<long long> ParseWholeNumber(std::string_view text, std::string_view blanks = kBlanks);

} // namespace tesk
