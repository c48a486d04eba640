#include "core/text/TokenIndex.h"

#include <gtest/gtest.h>

#include <random>

namespace tesk {
namespace {

const std::vector<std::string_view> kKeys{"set fov", "SET NAME", "alias message1", "set s_volume",
                                          "x",       "SET FOV",  "set name"};
const std::vector<std::string_view> kCommands{"\"+forward\"", "\"+Left\"",    "\"+left\"",         "\"use grenade\"",
                                              "\"message1\"", "\"cmd help\"", "MOUSE*\"+forward\""};

// The index must give exactly what the lookups over the whole list give.
void ExpectSameAsLookups(const TokenList& tokens, const LookupKeys& keys)
{
    const TokenIndex index(tokens, keys);
    for (const std::string_view key : kKeys)
        EXPECT_EQ(index.FindPrefixedValue(key), FindPrefixedValue(tokens, key)) << key;
    for (const std::string_view key : {"set", "set fo", "unknown key"})
        EXPECT_EQ(index.FindPrefixedValue(key), FindPrefixedValue(tokens, key)) << key;
    for (const std::string_view command : kCommands)
        EXPECT_EQ(index.FindContainedValue(command), FindContainedValue(tokens, command)) << command;
    EXPECT_EQ(index.FindContainedValue("\"wave 1\""), FindContainedValue(tokens, "\"wave 1\""));
}

TEST(TokenIndexTest, GivesWhatTheLookupsGiveOnTheReadersEdgeCases)
{
    const LookupKeys keys(kKeys, kCommands);
    ExpectSameAsLookups({"  set fov \"75\"", "//set fov \"1\"", "SET FOV \"75\"", "set fovx 5", "set fov \"80\""},
                        keys);
    ExpectSameAsLookups({"set fov \"\"", "set fov \"75\""}, keys);
    ExpectSameAsLookups({"bind UPARROW \"+forward\"", "bind MOUSE3 \"+forward\""}, keys);
    ExpectSameAsLookups({"bind MOUSE3 \"+forward\""}, keys);
    ExpectSameAsLookups({"bind a \"+moveleft\"", "bind b \"use grenade launcher\"", "bind c \"+LEFT\""}, keys);
    ExpectSameAsLookups({"bind \"x\" \"+forward\" \"y\"", "bind\"+forward\"", "bind  \"+forward\""}, keys);
    ExpectSameAsLookups({"set name \"" + std::string(70, 'n') + "\""}, keys);
    ExpectSameAsLookups({std::string(250, ' ') + "bind k \"+forward\"", std::string(300, 'x')}, keys);
    ExpectSameAsLookups({}, keys);
    ExpectSameAsLookups({""}, keys);
}

TEST(TokenIndexTest, GivesWhatTheLookupsGiveOnRandomLines)
{
    const LookupKeys keys(kKeys, kCommands);
    std::mt19937 random(7);
    const std::vector<std::string> pieces{"set ",
                                          "SET ",
                                          "fov",
                                          "name",
                                          " ",
                                          "\"",
                                          "+forward",
                                          "+Left",
                                          "left",
                                          "bind ",
                                          "MOUSE",
                                          "x",
                                          "alias message1 ",
                                          "\"\"",
                                          "use grenade",
                                          "\xe9"};
    for (int round = 0; round < 300; ++round) {
        TokenList tokens;
        const int lines = static_cast<int>(random() % 6);
        for (int i = 0; i < lines; ++i) {
            std::string line;
            const int parts = static_cast<int>(random() % 8);
            for (int p = 0; p < parts; ++p)
                line += pieces[random() % pieces.size()];
            tokens.push_back(line);
        }
        ExpectSameAsLookups(tokens, keys);
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace
} // namespace tesk
