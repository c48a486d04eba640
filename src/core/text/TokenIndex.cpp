#include "core/text/TokenIndex.h"

#include "core/text/TextRules.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tesk {
namespace {

bool HasWildcards(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

// A command the index can serve: a text in double quotes with no quote or
// wild card inside. Such a text can only stand between two neighbouring
// quotes of a line.
bool IsPlainQuoted(std::string_view command)
{
    return command.size() >= 2 && command.front() == '"' && command.back() == '"'
           && command.substr(1, command.size() - 2).find_first_of("\"*?") == std::string_view::npos;
}

// Upper-cased keys in a tree of characters: one walk down the tree along a
// line finds every key the line starts with.
struct KeyTree {
    static constexpr int kNone = -1;
    struct Node {
        std::vector<std::pair<char, std::int32_t>> next; // few children each: a short list is enough
        int key = kNone;
    };
    std::vector<Node> nodes{Node()};

    int Next(std::size_t node, char c) const
    {
        for (const auto& [label, child] : nodes[node].next)
            if (label == c)
                return child;
        return kNone;
    }

    void Add(std::string_view upperKey, int key)
    {
        std::size_t node = 0;
        for (const char c : upperKey) {
            int child = Next(node, c);
            if (child == kNone) {
                child = static_cast<std::int32_t>(nodes.size());
                nodes[node].next.emplace_back(c, child);
                nodes.emplace_back();
            }
            node = static_cast<std::size_t>(child);
        }
        nodes[node].key = key;
    }
};

struct TransparentHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

} // namespace

struct LookupKeys::Tables {
    KeyTree tree;
    std::unordered_map<std::string, int> prefixKeys;   // a key → its group of keys equal but for letter case
    std::unordered_map<std::string, int> prefixGroups; // upper-cased key → group
    std::unordered_map<std::string, int, TransparentHash, std::equal_to<>> commandTexts; // upper text inside the quotes
    std::unordered_map<std::string, int> commands;
    std::size_t longestCommand = 0;
    // The first characters (upper-cased) that a command's text can start
    // with: most quoted texts of a file are values, which this rules out
    // without building and hashing their text.
    std::array<bool, 256> commandStarts{};
};

LookupKeys::LookupKeys(const std::vector<std::string_view>& prefixKeys, const std::vector<std::string_view>& commands)
    : tables_(std::make_unique<Tables>())
{
    for (const std::string_view key : prefixKeys) {
        if (key.empty() || HasWildcards(key) || key.size() > kMaxLookupLength
            || tables_->prefixKeys.count(std::string(key)))
            continue;
        // Keys that differ only in letter case match the same lines.
        const std::string upper = AsciiUpper(key);
        const auto [group, added] =
            tables_->prefixGroups.emplace(upper, static_cast<int>(tables_->prefixGroups.size()));
        tables_->prefixKeys.emplace(key, group->second);
        if (added)
            tables_->tree.Add(upper, group->second);
    }
    for (const std::string_view command : commands) {
        // A command with wild cards can only match lines that hold its last
        // quoted piece: those lines are its candidates.
        const std::string_view indexed =
            command.substr(command.rfind('*') == std::string_view::npos ? 0 : command.rfind('*') + 1);
        if (!IsPlainQuoted(indexed) || tables_->commands.count(std::string(command)))
            continue;
        const std::string inner = AsciiUpper(indexed.substr(1, indexed.size() - 2));
        const auto [it, added] = tables_->commandTexts.emplace(inner, static_cast<int>(tables_->commandTexts.size()));
        tables_->commands.emplace(command, it->second);
        tables_->longestCommand = std::max(tables_->longestCommand, inner.size());
        if (!inner.empty())
            tables_->commandStarts[static_cast<unsigned char>(inner.front())] = true;
    }
}

LookupKeys::~LookupKeys() = default;

TokenIndex::TokenIndex(const TokenList& tokens, const LookupKeys& keys)
    : tokens_(tokens),
      keys_(keys),
      prefixLines_(keys.tables_->prefixGroups.size()),
      commandLines_(keys.tables_->commandTexts.size())
{
    const LookupKeys::Tables& tables = *keys.tables_;
    std::string inner;
    for (std::uint32_t lineIndex = 0; lineIndex < tokens.size(); ++lineIndex) {
        const std::string_view line = std::string_view(tokens[lineIndex]).substr(0, kMaxLookupLength);

        std::size_t node = 0;
        for (const char c : line) {
            const int child = tables.tree.Next(node, UpperAscii(c));
            if (child == KeyTree::kNone)
                break;
            node = static_cast<std::size_t>(child);
            if (const int key = tables.tree.nodes[node].key; key != KeyTree::kNone)
                prefixLines_[static_cast<std::size_t>(key)].push_back(lineIndex);
        }

        for (auto open = line.find('"'); open != std::string_view::npos;) {
            const auto close = line.find('"', open + 1);
            if (close == std::string_view::npos)
                break;
            const std::size_t length = close - open - 1;
            const bool mayBeCommand =
                length == 0 ? tables.commandTexts.count("") != 0
                            : tables.commandStarts[static_cast<unsigned char>(UpperAscii(line[open + 1]))];
            if (mayBeCommand && length <= tables.longestCommand) {
                inner.assign(line.substr(open + 1, length));
                std::transform(inner.begin(), inner.end(), inner.begin(), UpperAscii);
                if (const auto found = tables.commandTexts.find(std::string_view(inner));
                    found != tables.commandTexts.end()) {
                    auto& lines = commandLines_[static_cast<std::size_t>(found->second)];
                    if (lines.empty() || lines.back() != lineIndex)
                        lines.push_back(lineIndex);
                }
            }
            open = close;
        }
    }
}

namespace {

template <typename ValueOf>
std::optional<std::string> FirstValueIn(const TokenList& tokens, const std::vector<std::uint32_t>& lines,
                                        ValueOf valueOf)
{
    for (const std::uint32_t line : lines)
        if (auto value = valueOf(tokens[line]); value && !value->empty())
            return value;
    return std::nullopt;
}

} // namespace

std::optional<std::string> TokenIndex::FindPrefixedValue(std::string_view key) const
{
    const auto& keys = keys_.tables_->prefixKeys;
    const auto found = keys.find(std::string(key));
    if (found == keys.end())
        return tesk::FindPrefixedValue(tokens_, key);
    return FirstValueIn(tokens_, prefixLines_[static_cast<std::size_t>(found->second)],
                        [key](const std::string& line) { return PrefixedValueOf(line, key); });
}

std::optional<std::string> TokenIndex::FindContainedValue(std::string_view command) const
{
    const auto& commands = keys_.tables_->commands;
    const auto found = commands.find(std::string(command));
    if (found == commands.end())
        return tesk::FindContainedValue(tokens_, command);
    return FirstValueIn(tokens_, commandLines_[static_cast<std::size_t>(found->second)],
                        [command](const std::string& line) { return ContainedValueOf(line, command); });
}

} // namespace tesk
