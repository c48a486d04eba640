#include "core/launch/Launch.h"

#include "core/launch/BatchFile.h"
#include "core/launch/CommandLine.h"
#include "core/text/Paths.h"
#include "core/text/TokenList.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tesk {

namespace {

constexpr std::string_view kShell = "/bin/sh";

// The batch file is written with CR LF line ends, which /bin/sh would keep as
// part of the last word. The shell reads the file with the CRs deleted and
// runs that text itself: the file's path is "$0", so it needs no quoting and
// shows in the shell's messages, the file is read when the start happens, and
// the game keeps the launcher's standard input (a pipe into a second shell
// would hand the game the rest of the script as its console input).
constexpr std::string_view kRunWithoutCarriageReturns = R"sh(eval "$(tr -d '\r' < "$0")")sh";

// The child changes into the game directory before it starts the program, so
// a relative path would be looked up from there instead of from here.
std::string AbsolutePath(const std::string& path)
{
    if (path.empty())
        return path;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

std::vector<std::string> SplitAtBlanks(const std::string& text)
{
    std::vector<std::string> words;
    for (auto& word : SplitByDelimiter(text, ' '))
        if (!word.empty())
            words.push_back(std::move(word));
    return words;
}

bool IsBatchRun(const ProgramStart& start)
{
    return start.program == kShell && start.arguments.size() == 3
        && start.arguments[1] == kRunWithoutCarriageReturns;
}

bool IsFileWithAccess(const std::string& path, int mode)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), mode) == 0;
}

} // namespace

ProgramStart PlanGameStart(const SettingsModel& model, bool runBatchFile)
{
    // Without a game directory the program is looked for where Tesk runs.
    const std::string& gameDirectory = model.Text("txtU2Dir");
    const std::string directory = gameDirectory.empty() ? CurrentDirectory() : AbsolutePath(gameDirectory);
    if (runBatchFile)
        return {std::string(kShell),
                {"-c", std::string(kRunWithoutCarriageReturns), AbsolutePath(model.Text("txtBatchFile"))},
                directory};
    return {GameExecutablePath(directory), SplitAtBlanks(BuildCommandLine(model)), directory};
}

std::string FailureText(const SettingsModel& model, bool runBatchFile)
{
    const std::string program = runBatchFile ? model.Text("txtBatchFile") : std::string(kGameExecutable);
    const std::string parameters = runBatchFile ? std::string() : BuildCommandLine(model);
    return "Failed to execute " + program + parameters;
}

bool CanStart(const ProgramStart& start)
{
    if (!IsFileWithAccess(start.program, X_OK) || !DirectoryExists(start.workingDirectory))
        return false;
    return !IsBatchRun(start) || IsFileWithAccess(start.arguments[2], R_OK);
}

} // namespace tesk
