#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// The lines of a config file, or the "+" pieces of a batch line, that the
// readers search. Only the first kMaxLookupLength characters of an item take
// part in a lookup; nothing beyond an item is ever read.
using TokenList = std::vector<std::string>;
constexpr std::size_t kMaxLookupLength = 255;

// Wild-card match ignoring ASCII letter case: '*' any run, '?' one character.
bool WildcardMatch(std::string_view text, std::string_view pattern);

// The value of the first item that starts with the key (ignoring case) and
// has a non-empty value: at most 64 characters after the key, trimmed of
// blanks and control characters, then unquoted.
std::optional<std::string> FindPrefixedValue(const TokenList& tokens, std::string_view key);

// The second blank-separated word, unquoted, of the first item that holds the
// command (its double quotes included, '*' allowed) and has a non-empty one.
std::optional<std::string> FindContainedValue(const TokenList& tokens, std::string_view command);

// What one item gives for a key or a command, as the two lookups above
// judge it; nothing when the item does not match. An empty value is returned
// as it is (the lookups pass over it).
std::optional<std::string> PrefixedValueOf(std::string_view item, std::string_view key);
std::optional<std::string> ContainedValueOf(std::string_view item, std::string_view command);

// The text inside leading double quotes, doubled quotes taken as one; a text
// that does not begin with a quote is returned unchanged.
std::string UnquoteValue(std::string_view text);

// Pieces between the delimiters; an empty text gives one empty piece.
std::vector<std::string> SplitByDelimiter(std::string_view text, char delimiter);

std::string ReplaceChar(std::string text, char from, char to);

} // namespace tesk
