#include "core/launch/LaunchEnvironment.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

namespace tesk {
namespace {

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

bool IsValidName(std::string_view name)
{
    if (name.empty() || !IsNameStart(name.front()))
        return false;
    for (const char c : name)
        if (!IsNameChar(c))
            return false;
    return true;
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::string WithHome(std::string_view value)
{
    if (value.substr(0, 2) == "~/")
        return JoinPath(HomeDirectory(), std::string(value.substr(2)));
    return std::string(value);
}

} // namespace

std::vector<EnvironmentVariable> ParseEnvironment(std::string_view lines)
{
    std::vector<EnvironmentVariable> variables;
    const std::vector<std::string> split = SplitLines(lines);
    for (std::size_t number = 1; number <= split.size(); ++number) {
        const std::string_view line = split[number - 1];
        if (IsBlankLine(line))
            continue;
        const std::size_t equals = line.find('=');
        const std::string_view name = line.substr(0, equals);
        if (equals == std::string_view::npos || !IsValidName(name))
            throw Error("Line " + std::to_string(number) + " of the environment, \"" + std::string(line)
                        + "\", is not NAME=value with a name of letters, digits and underscores.");
        variables.push_back({std::string(name), WithHome(line.substr(equals + 1))});
    }
    return variables;
}

std::string EncodeEnvironment(std::string_view lines)
{
    std::string stored;
    const std::vector<std::string> split = SplitLines(lines);
    for (std::size_t i = 0; i < split.size(); ++i) {
        if (i > 0)
            stored += "\\n";
        for (const char c : split[i])
            stored += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return stored;
}

std::string DecodeEnvironment(std::string_view stored)
{
    std::string lines;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
        if (stored[i] == '\\' && (next == 'n' || next == '\\')) {
            lines += next == 'n' ? '\n' : '\\';
            ++i;
        } else {
            lines += stored[i];
        }
    }
    return lines;
}

} // namespace tesk
