#pragma once

// The lookups of a reader, narrowed to the lines that can match.
//
// A config reader asks the same fixed keys of every file. Looking each one up
// in turn costs one pass over the file per key; an index built in one pass
// lists, for every key, the lines that start with it and, for every quoted
// command, the lines that hold it. The lookups then read only those lines, in
// file order, and give exactly what FindPrefixedValue and FindContainedValue
// give over the whole list.

#include "core/text/TokenList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// The keys and commands a reader will look up, prepared once.
class LookupKeys {
public:
    LookupKeys(const std::vector<std::string_view>& prefixKeys, const std::vector<std::string_view>& commands);
    ~LookupKeys();
    LookupKeys(const LookupKeys&) = delete;
    LookupKeys& operator=(const LookupKeys&) = delete;

private:
    friend class TokenIndex;
    struct Tables;
    std::unique_ptr<Tables> tables_;
};

class TokenIndex {
public:
    // The index keeps a reference to tokens, which must outlive it unchanged.
    TokenIndex(const TokenList& tokens, const LookupKeys& keys);

    // As FindPrefixedValue / FindContainedValue over the whole list; keys and
    // commands the index was not built for are looked up the long way.
    std::optional<std::string> FindPrefixedValue(std::string_view key) const;
    std::optional<std::string> FindContainedValue(std::string_view command) const;

private:
    const TokenList& tokens_;
    const LookupKeys& keys_;
    std::vector<std::vector<std::uint32_t>> prefixLines_;
    std::vector<std::vector<std::uint32_t>> commandLines_;
};

} // namespace tesk
