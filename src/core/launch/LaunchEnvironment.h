#pragma once

// The environment variables the game is started with, as the player writes
// them in "Game Runner...": one NAME=value a line. They are set as written,
// never expanded by a shell; only a value's leading "~/" stands for the home
// directory.

#include <string>
#include <string_view>
#include <vector>

namespace tesk {

struct EnvironmentVariable {
    std::string name;
    std::string value;
    bool operator==(const EnvironmentVariable&) const = default;
};

// The variables of the lines, in their order; blank lines are skipped. A
// line that is not NAME=value, with a name of letters, digits and
// underscores not starting with a digit, throws Error naming the line by its
// number and text. A value keeps its blanks; "~/" at its start becomes the
// home directory.
std::vector<EnvironmentVariable> ParseEnvironment(std::string_view lines);

// The lines as tesk.ini keeps them, on one line: a line break is written as
// "\n" and a backslash as "\\". DecodeEnvironment reads that back; a
// backslash before any other character stays as it is.
std::string EncodeEnvironment(std::string_view lines);
std::string DecodeEnvironment(std::string_view stored);

} // namespace tesk
