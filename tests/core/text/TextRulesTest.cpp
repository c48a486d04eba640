#include "core/text/TextRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace tesk;

TEST(TextRules, LetterCaseChangesOnlyAsciiLetters)
{
    const std::string bytes = "aZ09_[`{@\xE9\xC9\xFF";
    EXPECT_EQ(AsciiUpper(bytes), "AZ09_[`{@\xE9\xC9\xFF");
    EXPECT_EQ(AsciiLower(bytes), "az09_[`{@\xE9\xC9\xFF");
    EXPECT_TRUE(EqualIgnoringCase("Config.CFG", "cONFIG.cfg"));
    EXPECT_FALSE(EqualIgnoringCase("caf\xE9", "CAF\xC9"));
    EXPECT_FALSE(EqualIgnoringCase("ab", "abc"));
    EXPECT_TRUE(EqualIgnoringCase("", ""));
}

TEST(TextRules, TrimTakesOnlyTheGivenBlanksAtTheEnds)
{
    EXPECT_EQ(Trim(" \ta b\t "), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\t7 ", kSpaces), "\t7");
    EXPECT_EQ(Trim("\r\nx\r", ByteSet("\r\n")), "x");
}

TEST(TextRules, WholeNumbersTakeOneSignAndNothingElse)
{
    EXPECT_EQ(ParseWholeNumber(" 42 "), 42);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("-7"), -7);
    EXPECT_EQ(ParseWholeNumber("\t-0\t"), 0);
    EXPECT_EQ(ParseWholeNumber("-9223372036854775808"), std::numeric_limits<long long>::min());
    for (const char* bad : {"", " ", "+", "-", "+-1", "-+1", "++1", "1.5", "1e3", "0x10", "12a", "1 2",
                            "9223372036854775808", "-9223372036854775809"})
        EXPECT_FALSE(ParseWholeNumber(bad)) << bad;
    // Fields and the game's numbers have spaces around them, never tabs.
    EXPECT_EQ(ParseWholeNumber("  5 ", kSpaces), 5);
    EXPECT_FALSE(ParseWholeNumber("\t5", kSpaces));
}
