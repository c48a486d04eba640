#include "core/text/TokenList.h"

#include <algorithm>

namespace tesk {

namespace {

constexpr std::size_t kMaxValueLength = 64;

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view LookupPart(const std::string& token)
{
    return std::string_view(token).substr(0, kMaxLookupLength);
}

std::optional<std::string> PrefixedValue(std::string_view line, std::string_view key)
{
    const std::string pattern = std::string(key) + "*";
    if (!WildcardMatch(line, pattern))
        return std::nullopt;
    const auto after = line.substr(std::min(key.size(), line.size()), kMaxValueLength);
    return UnquoteValue(Trim(after));
}

std::optional<std::string> ContainedValue(std::string_view line, std::string_view pattern)
{
    if (!WildcardMatch(line, pattern))
        return std::nullopt;
    const auto words = SplitByDelimiter(line, ' ');
    if (words.size() < 2)
        return std::nullopt;
    return UnquoteValue(words[1]);
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
        } else if (p < pattern.size()
                   && (pattern[p] == '?' || UpperAscii(pattern[p]) == UpperAscii(text[t]))) {
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

std::optional<std::string> FindPrefixedValue(const TokenList& tokens, std::string_view key)
{
    return FirstValue(tokens, [key](std::string_view line) { return PrefixedValue(line, key); });
}

std::optional<std::string> FindContainedValue(const TokenList& tokens, std::string_view command)
{
    const std::string pattern = "*" + std::string(command) + "*";
    return FirstValue(tokens,
                      [&pattern](std::string_view line) { return ContainedValue(line, pattern); });
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
