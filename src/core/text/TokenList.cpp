#include "core/text/TokenList.h"

#include "core/text/TextRules.h"

#include <algorithm>

namespace tesk {

namespace {

constexpr std::size_t kMaxValueLength = 64;

// A value's surroundings: the bytes up to the space, control characters
// among them.
constexpr std::string_view kBlanksAndControlsBytes{
    "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f"
    "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f\x20",
    33};
constexpr ByteSet kBlanksAndControls(kBlanksAndControlsBytes);

std::string_view LookupPart(const std::string& token) { return std::string_view(token).substr(0, kMaxLookupLength); }

bool HasWildcards(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

// Without wild cards, "key*" is a prefix and "*command*" a part of the line;
// comparing directly spares building a pattern for every line.
bool StartsWith(std::string_view line, std::string_view key)
{
    if (HasWildcards(key))
        return WildcardMatch(line, std::string(key) + "*");
    return line.size() >= key.size() && EqualIgnoringCase(line.substr(0, key.size()), key);
}

bool Contains(std::string_view line, std::string_view command)
{
    if (HasWildcards(command))
        return WildcardMatch(line, "*" + std::string(command) + "*");
    const auto at = std::search(line.begin(), line.end(), command.begin(), command.end(),
                                [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
    return at != line.end() || command.empty();
}

// The second word when the text is split at every single blank.
std::optional<std::string_view> SecondWord(std::string_view line)
{
    const auto first = line.find(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto rest = line.substr(first + 1);
    return rest.substr(0, rest.find(' '));
}

// First non-empty value that valueOf gives for an item, in list order.
template <typename ValueOf>
std::optional<std::string> FirstValue(const TokenList& tokens, ValueOf valueOf)
{
    for (const auto& token : tokens)
        if (auto value = valueOf(LookupPart(token)); value && !value->empty())
            return value;
    return std::nullopt;
}

} // namespace

// Greedy star with a return to the last star: linear in practice, never
// exponential whatever the number of stars.
bool WildcardMatch(std::string_view text, std::string_view pattern)
{
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || UpperAscii(pattern[p]) == UpperAscii(text[t]))) {
            ++p;
            ++t;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::optional<std::string> PrefixedValueOf(std::string_view item, std::string_view key)
{
    const auto line = item.substr(0, kMaxLookupLength);
    if (!StartsWith(line, key))
        return std::nullopt;
    const auto after = line.substr(std::min(key.size(), line.size()), kMaxValueLength);
    return UnquoteValue(Trim(after, kBlanksAndControls));
}

std::optional<std::string> ContainedValueOf(std::string_view item, std::string_view command)
{
    const auto line = item.substr(0, kMaxLookupLength);
    if (!Contains(line, command))
        return std::nullopt;
    const auto word = SecondWord(line);
    if (!word)
        return std::nullopt;
    return UnquoteValue(*word);
}

std::optional<std::string> FindPrefixedValue(const TokenList& tokens, std::string_view key)
{
    return FirstValue(tokens, [key](std::string_view line) { return PrefixedValueOf(line, key); });
}

std::optional<std::string> FindContainedValue(const TokenList& tokens, std::string_view command)
{
    return FirstValue(tokens, [command](std::string_view line) { return ContainedValueOf(line, command); });
}

std::string UnquoteValue(std::string_view text)
{
    if (text.empty() || text.front() != '"')
        return std::string(text);
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            value += '"';
            ++i;
        } else {
            return value;
        }
    }
    // No closing quote: the last character is taken for it.
    if (!value.empty())
        value.pop_back();
    return value;
}

std::vector<std::string> SplitByDelimiter(std::string_view text, char delimiter)
{
    std::vector<std::string> pieces;
    for (auto at = text.find(delimiter); at != std::string_view::npos; at = text.find(delimiter)) {
        pieces.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    pieces.emplace_back(text);
    return pieces;
}

std::string ReplaceChar(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

} // namespace tesk
