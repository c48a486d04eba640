#include "core/launch/LaunchEnvironment.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"

#include <gtest/gtest.h>

namespace tesk {
namespace {

TEST(LaunchEnvironmentTest, LinesBecomeVariablesAsWrittenWithOnlyALeadingTildeSlashForHome)
{
    const std::string lines =
        "WINEPREFIX=~/Games/ulvex\r\n"
        "\n"
        "  \n"
        "WINEDEBUG=-all\n"
        "_X1= two  words =and more \n"
        "EMPTY=\n"
        "LIKE_A_SHELL=$HOME/`id` ~ ~user a~/b \"q\"\r"
        "TILDE_ONLY=~";
    const std::vector<EnvironmentVariable> expected{
        {"WINEPREFIX", JoinPath(HomeDirectory(), "Games/ulvex")},
        {"WINEDEBUG", "-all"},
        {"_X1", " two  words =and more "},
        {"EMPTY", ""},
        {"LIKE_A_SHELL", "$HOME/`id` ~ ~user a~/b \"q\""},
        {"TILDE_ONLY", "~"},
    };
    EXPECT_EQ(ParseEnvironment(lines), expected);
    EXPECT_TRUE(ParseEnvironment("").empty());
}

TEST(LaunchEnvironmentTest, ABadLineIsRefusedByItsNumberAndText)
{
    const auto problem = [](const std::string& lines) {
        try {
            ParseEnvironment(lines);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(problem("A=1\n\nWINEDEBUG =-all"),
              "Line 3 of the environment, \"WINEDEBUG =-all\", is not NAME=value with a name of letters, digits and "
              "underscores.");
    for (const char* bad : {"NAME", "=value", "1ST=x", "NA-ME=x", " A=b", "export A=b", "\xe9=x"})
        EXPECT_NE(problem(bad).find(std::string("Line 1 of the environment, \"") + bad + "\""), std::string::npos)
            << bad;
}

TEST(LaunchEnvironmentTest, TeskIniKeepsTheLinesOnOneLineAndGivesThemBack)
{
    const std::string lines = "A=C:\\new\\dir\nB=\\n stays\n\nC=x";
    const std::string stored = EncodeEnvironment(lines);
    EXPECT_EQ(stored, "A=C:\\\\new\\\\dir\\nB=\\\\n stays\\n\\nC=x");
    EXPECT_EQ(stored.find('\n'), std::string::npos);
    EXPECT_EQ(DecodeEnvironment(stored), lines);
    // CR LF in the box reads as one line break; a lone backslash stays.
    EXPECT_EQ(DecodeEnvironment(EncodeEnvironment("A=1\r\nB=2\r\n")), "A=1\nB=2");
    EXPECT_EQ(DecodeEnvironment("A=\\x\\"), "A=\\x\\");
}

} // namespace
} // namespace tesk
