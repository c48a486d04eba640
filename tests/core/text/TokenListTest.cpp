#include "core/text/TokenList.h"

#include <gtest/gtest.h>

namespace tesk {
namespace {

TEST(WildcardMatch, StarsQuestionMarksAndCase)
{
    EXPECT_TRUE(WildcardMatch("", "*"));
    EXPECT_TRUE(WildcardMatch("set FOV 90", "SET fov*"));
    EXPECT_TRUE(WildcardMatch("xaxxbyb", "*a*b"));
    EXPECT_TRUE(WildcardMatch("abc", "a?c"));
    EXPECT_FALSE(WildcardMatch("ac", "a?c"));
    EXPECT_FALSE(WildcardMatch("abcd", "abc"));
    EXPECT_FALSE(WildcardMatch("abc", "abcd*x"));
    EXPECT_FALSE(WildcardMatch("\xe9t\xe9", "\xc9T\xc9")) << "only ASCII letters fold";
    // Many stars over a long text that fails late must not take exponential time.
    const std::string text(255, 'a');
    EXPECT_FALSE(WildcardMatch(text, "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

TEST(FindPrefixedValue, LineMustStartWithTheKey)
{
    EXPECT_FALSE(FindPrefixedValue({"  set fov \"75\"", "//set fov \"75\""}, "set fov"));
    EXPECT_EQ(FindPrefixedValue({"SET FOV \"75\""}, "set fov"), "75");
    EXPECT_EQ(FindPrefixedValue({"set fovx 5"}, "set fov"), "x 5");
    EXPECT_EQ(FindPrefixedValue({"set fov"}, "set fov"), std::nullopt);
}

TEST(FindPrefixedValue, FirstNonEmptyValueWins)
{
    EXPECT_EQ(FindPrefixedValue({"set fov \"\"", "set fov \"75\""}, "set fov"), "75");
    EXPECT_EQ(FindPrefixedValue({"set fov \"75\"", "set fov \"80\""}, "set fov"), "75");
    EXPECT_EQ(FindPrefixedValue({"set fov \t\x01", "set fov 9"}, "set fov"), "9");
}

TEST(FindPrefixedValue, TakesAtMostSixtyFourCharacters)
{
    const std::string name(70, 'n');
    // " \"" and 62 characters are kept; the open quote then costs one more.
    EXPECT_EQ(FindPrefixedValue({"set name \"" + name + "\""}, "set name"), std::string(61, 'n'));
    const std::string words = std::string(64, 'w') + "cut";
    EXPECT_EQ(FindPrefixedValue({"connect" + words}, "connect"), std::string(64, 'w'));
}

TEST(FindPrefixedValue, BatchTokens)
{
    const TokenList tokens = SplitByDelimiter("ulvex2.exe +SET GAME mymod +set game +connect \"a b\" c", '+');
    EXPECT_EQ(FindPrefixedValue(tokens, "set game"), "mymod");
    EXPECT_EQ(FindPrefixedValue(tokens, "connect"), "a b");
    EXPECT_EQ(FindPrefixedValue(SplitByDelimiter("ulvex2.exe +set game ", '+'), "set game"), std::nullopt);
}

TEST(FindPrefixedValue, LongLinesCountOnTheirFirst255Characters)
{
    const std::string key(250, 'k');
    EXPECT_EQ(FindPrefixedValue({key + "value" + std::string(40, 'z')}, key), "value");
    EXPECT_FALSE(FindPrefixedValue({std::string(300, 'x') + "set fov 1"}, std::string(256, 'x')));
}

TEST(FindContainedValue, QuotesArePartOfTheCommand)
{
    const TokenList lines = {"bind a \"+moveleft\"", "bind g \"use grenade launcher\""};
    EXPECT_EQ(FindContainedValue(lines, "\"+moveleft\""), "a");
    EXPECT_FALSE(FindContainedValue(lines, "\"+Left\""));
    EXPECT_FALSE(FindContainedValue(lines, "\"use grenade\""));
    EXPECT_EQ(FindContainedValue({"bind F1 \"cmd help\""}, "\"CMD HELP\""), "F1");
}

TEST(FindContainedValue, MouseBindingAndLastLine)
{
    const TokenList both = {"set a 1", "bind UPARROW \"+forward\"", "bind MOUSE3 \"+forward\""};
    EXPECT_EQ(FindContainedValue(both, "\"+forward\""), "UPARROW");
    EXPECT_EQ(FindContainedValue(both, "MOUSE*\"+forward\""), "MOUSE3");
    const TokenList mouseOnly = {"set a 1", "bind MOUSE3 \"+forward\""};
    EXPECT_EQ(FindContainedValue(mouseOnly, "\"+forward\""), "MOUSE3");
}

TEST(FindContainedValue, LinesWithoutASecondWordArePassedOver)
{
    EXPECT_FALSE(FindContainedValue({"\"pause\""}, "\"pause\""));
    const TokenList lines = {"\"pause\"", "bind  \"pause\"", "bind P \"pause\""};
    EXPECT_EQ(FindContainedValue(lines, "\"pause\""), "P");
}

TEST(UnquoteValue, Examples)
{
    EXPECT_EQ(UnquoteValue("Player"), "Player");
    EXPECT_EQ(UnquoteValue("\"Player\""), "Player");
    EXPECT_EQ(UnquoteValue("\"say hello\" more"), "say hello");
    EXPECT_EQ(UnquoteValue("\"\""), "");
    EXPECT_EQ(UnquoteValue("\"a\"\"b\""), "a\"b");
    EXPECT_EQ(UnquoteValue("\"abc"), "ab");
    EXPECT_EQ(UnquoteValue("\""), "");
    EXPECT_EQ(UnquoteValue(""), "");
}

TEST(SplitByDelimiter, EmptyPiecesAreKept)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(SplitByDelimiter("", '/'), Pieces{""});
    EXPECT_EQ(SplitByDelimiter("male/grunt", '/'), (Pieces{"male", "grunt"}));
    EXPECT_EQ(SplitByDelimiter("a//b/", '/'), (Pieces{"a", "", "b", ""}));
    EXPECT_EQ(SplitByDelimiter("C:\\ulvex2\\ulvex2.exe  +map exMap +exec config.cfg", '+'),
              (Pieces{"C:\\ulvex2\\ulvex2.exe  ", "map exMap ", "exec config.cfg"}));
    EXPECT_EQ(SplitByDelimiter(std::string(300, '+'), '+').size(), 301u);
}

TEST(ReplaceChar, ReplacesEveryOccurrence) { EXPECT_EQ(ReplaceChar("a\"b\"", '"', '\''), "a'b'"); }

} // namespace
} // namespace tesk
