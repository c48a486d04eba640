#pragma once

// The small rules of text that the files, the game and the window share:
// ASCII letter case, blanks and whole numbers. Files are bytes: only the
// ASCII letters A to Z change case, every other byte (those above 127 among
// them) stays as it is.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tesk {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// The game's files and lists hold one byte per character (Latin-1), and the
// windows show them so; programs take their arguments in UTF-8, the
// encoding of the system's names and arguments.
std::string Latin1ToUtf8(std::string_view latin1);

inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

// A set of bytes, looked up in one step: trims run over every line of
// every file read.
class ByteSet {
public:
    constexpr ByteSet(std::string_view bytes)
    {
        for (const char c : bytes)
            has_[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool Has(char c) const { return has_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> has_{};
};

// The blanks of INI lines and of most values: a space or a tab.
inline constexpr ByteSet kBlanks{" \t"};
// The blank of the window's fields and of the game's numbers: a space only.
inline constexpr ByteSet kSpaces{" "};

// `text` without the bytes of `blanks` at either end.
inline std::string_view Trim(std::string_view text, const ByteSet& blanks = kBlanks)
{
    while (!text.empty() && blanks.Has(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blanks.Has(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole decimal number between optional blanks, with an optional sign
// ("+7", "-7"); none for anything else, an empty text or an overflow.
std::optional<long long> ParseWholeNumber(std::string_view text, const ByteSet& blanks = kBlanks);

} // namespace tesk
