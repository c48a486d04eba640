#include "core/launch/Launch.h"

#include "core/launch/BatchFile.h"
#include "core/launch/CommandLine.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"
#include "core/text/TokenList.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tesk {

namespace {

// The child changes into the game directory before it starts the program, so
// a relative path is made absolute against the directory it is meant for.
std::string AbsolutePath(const std::string& path, const std::string& base)
{
    if (path.empty())
        return path;
    std::error_code ec;
    const std::filesystem::path given(path);
    const auto absolute =
        given.is_absolute() ? given : std::filesystem::absolute(std::filesystem::path(base) / given, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::vector<std::string> SplitAtBlanks(std::string_view text)
{
    std::vector<std::string> words;
    for (auto& word : SplitByDelimiter(text, ' '))
        if (!word.empty())
            words.push_back(std::move(word));
    return words;
}

bool IsExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A bare program name ("wine") is looked up on PATH as the system would;
// unfound, it stays bare and the start reports it.
std::string FindProgram(const std::string& name, const std::string& dataDirectory)
{
    if (name.find('/') != std::string::npos)
        return AbsolutePath(name, dataDirectory);
    const char* path = std::getenv("PATH");
    for (const std::string& directory : SplitByDelimiter(path ? path : "", ':')) {
        const std::string candidate = JoinPath(directory.empty() ? "." : directory, name);
        if (IsExecutableFile(candidate))
            return AbsolutePath(candidate, dataDirectory);
    }
    return name;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where a name "ulvex2.exe" (any letter case) ends in the line: at the start
// of the line or after a separator, and before a blank or the line's end.
std::vector<std::size_t> GameExecutableEnds(std::string_view line)
{
    std::vector<std::size_t> ends;
    const std::size_t length = kGameExecutable.size();
    for (std::size_t at = 0; at + length <= line.size(); ++at) {
        const bool startsName = at == 0 || line[at - 1] == '/' || line[at - 1] == '\\';
        const bool endsWord = at + length == line.size() || IsBlank(line[at + length]);
        if (startsName && endsWord && AsciiLower(line.substr(at, length)) == kGameExecutable)
            ends.push_back(at + length);
    }
    return ends;
}

// Where the game's executable named in the line ends. A directory may itself
// be named "ulvex2.exe something": the name that is `gameExecutable`, else
// the last one before the options (the first word starting with '+').
// Nothing when the line names none.
std::optional<std::size_t> GameExecutableEnd(std::string_view line, std::string_view gameExecutable)
{
    const std::vector<std::size_t> ends = GameExecutableEnds(line);
    if (ends.empty())
        return std::nullopt;
    for (const std::size_t end : ends)
        if (!gameExecutable.empty() && line.substr(0, end) == gameExecutable)
            return end;
    std::size_t options = ends.front();
    while (options < line.size() && !(line[options] == '+' && IsBlank(line[options - 1])))
        ++options;
    std::size_t chosen = ends.front();
    for (const std::size_t end : ends)
        if (end <= options)
            chosen = end;
    return chosen;
}

bool NeedsQuotes(const std::string& word)
{
    if (word.empty())
        return true;
    for (const char c : word) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                           || std::string_view("+-_./:,@%=").find(c) != std::string_view::npos;
        if (!plain)
            return true;
    }
    return false;
}

std::string Quoted(const std::string& word)
{
    if (!NeedsQuotes(word))
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

BatchCommand ParseBatchLine(std::string_view line, std::string_view gameExecutable)
{
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    std::size_t end = line.size();
    if (const auto gameEnd = GameExecutableEnd(line, gameExecutable))
        end = *gameEnd;
    else
        for (std::size_t at = 0; at < line.size(); ++at)
            if (IsBlank(line[at])) {
                end = at;
                break;
            }
    return {std::string(line.substr(0, end)), SplitAtBlanks(line.substr(end))};
}

std::string ReadBatchLine(const std::string& path)
{
    const std::vector<std::string> lines = ReadTextLines(path);
    return lines.empty() ? std::string() : lines.front();
}

ProgramStart PlanGameStart(const SettingsModel& model, const std::optional<std::string>& batchLine,
                           std::string_view runner, const std::string& dataDirectory)
{
    // Without a game directory the program is looked for where Tesk keeps its
    // data, where relative names lie.
    const std::string& gameDirectory = model.Text("txtU2Dir");
    const std::string directory = gameDirectory.empty() ? dataDirectory : AbsolutePath(gameDirectory, dataDirectory);
    BatchCommand command = batchLine ? ParseBatchLine(*batchLine, JoinPath(directory, std::string(kGameExecutable)))
                                     : BatchCommand{kGameExecutable.data(), SplitAtBlanks(BuildCommandLine(model))};
    // The options are the game's text, as the fields show it; the program
    // takes them in the system's encoding.
    for (std::string& argument : command.arguments)
        argument = Latin1ToUtf8(argument);
    ProgramStart start{AbsolutePath(command.program, directory), std::move(command.arguments), directory, {}, {}};
    start.game = start.program;
    std::vector<std::string> runnerWords = SplitAtBlanks(runner);
    if (runnerWords.empty())
        return start;
    start.arguments.insert(start.arguments.begin(), start.program);
    start.arguments.insert(start.arguments.begin(), runnerWords.begin() + 1, runnerWords.end());
    start.program = FindProgram(runnerWords.front(), dataDirectory);
    return start;
}

std::string FailureText(const SettingsModel& model, bool runBatchFile)
{
    const std::string program = runBatchFile ? model.Text("txtBatchFile") : std::string(kGameExecutable);
    const std::string parameters = runBatchFile ? std::string() : BuildCommandLine(model);
    return "Failed to execute " + program + parameters;
}

std::optional<std::string> StartProblem(const ProgramStart& start)
{
    if (!DirectoryExists(start.workingDirectory))
        return "The game directory " + start.workingDirectory + " does not exist.";
    if (start.program.empty())
        return std::string("No program to start is named.");
    if (start.program.find('/') == std::string::npos)
        return start.program + " was not found on the PATH.";
    if (!FileExists(start.program) && !DirectoryExists(start.program))
        return start.program + " does not exist.";
    if (!IsExecutableFile(start.program))
        return start.program + " is not an executable file.";
    if (start.game != start.program && !IsRegularFile(start.game))
        return start.game + " does not exist.";
    return std::nullopt;
}

std::string CommandText(const ProgramStart& start)
{
    std::string text;
    if (!start.workingDirectory.empty())
        text = "cd " + Quoted(start.workingDirectory) + " && ";
    if (!start.environment.empty()) {
        text += "env ";
        for (const EnvironmentVariable& variable : start.environment)
            text += Quoted(variable.name + '=' + variable.value) + ' ';
    }
    text += Quoted(start.program);
    for (const std::string& argument : start.arguments)
        text += ' ' + Quoted(argument);
    return text;
}

} // namespace tesk
