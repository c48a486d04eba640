#include "core/launch/GameProcess.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tesk {
namespace {

constexpr std::chrono::milliseconds kQuickExitTime{10000};

// Tesk's environment with the start's variables put over it.
std::vector<std::string> ChildEnvironment(const std::vector<EnvironmentVariable>& variables)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        const std::string_view name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const EnvironmentVariable& variable : variables)
            replaced = replaced || variable.name == name;
        if (!replaced)
            entries.emplace_back(text);
    }
    for (const EnvironmentVariable& variable : variables)
        entries.push_back(variable.name + '=' + variable.value);
    return entries;
}

std::vector<char*> NullTerminated(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The new log, the previous one moved aside; its descriptor, closed on exec.
int OpenNewLog(const std::string& logPath)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(fs::path(logPath).parent_path(), ec);
    if (FileExists(logPath))
        fs::rename(logPath, logPath + ".1", ec);
    const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log < 0)
        throw Error("Cannot create file " + logPath + ": " + std::strerror(errno));
    return log;
}

class SpawnActions {
public:
    SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
};

std::string Seconds(std::chrono::milliseconds time)
{
    const long long tenths = (time.count() + 50) / 100;
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

} // namespace

std::string GameLogPath()
{
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    const std::filesystem::path base = stateHome && std::filesystem::path(stateHome).is_absolute()
                                           ? std::filesystem::path(stateHome)
                                           : std::filesystem::path(HomeDirectory()) / ".local" / "state";
    return (base / "tesk" / "game.log").string();
}

std::chrono::milliseconds QuickExitTime()
{
    const char* text = std::getenv("TESK_QUICK_EXIT_SECONDS");
    if (!text || !*text)
        return kQuickExitTime;
    char* end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (*end != '\0' || !(seconds > 0) || seconds > 3600)
        return kQuickExitTime;
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

GameProcessId StartGameProcess(const ProgramStart& start, const std::string& logPath)
{
    std::vector<std::string> words{start.program};
    words.insert(words.end(), start.arguments.begin(), start.arguments.end());
    std::vector<std::string> environment = ChildEnvironment(start.environment);
    const std::vector<char*> argv = NullTerminated(words);
    const std::vector<char*> envp = NullTerminated(environment);

    const int log = OpenNewLog(logPath);
    SpawnActions actions;
    ::posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_adddup2(actions.get(), log, STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(actions.get(), log, STDERR_FILENO);
    ::posix_spawn_file_actions_addchdir_np(actions.get(), start.workingDirectory.c_str());
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    // Its own session: closing the terminal or ending Tesk leaves it running.
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    sigset_t signals;
    sigemptyset(&signals);
    ::posix_spawnattr_setsigmask(&attributes, &signals);
    // What Tesk ignores or catches the game gets as the system gives it.
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGCHLD})
        sigaddset(&signals, signal);
    ::posix_spawnattr_setsigdefault(&attributes, &signals);
    pid_t process = 0;
    const int failure =
        ::posix_spawn(&process, start.program.c_str(), actions.get(), &attributes, argv.data(), envp.data());
    ::posix_spawnattr_destroy(&attributes);
    ::close(log);
    if (failure != 0)
        throw Error("The system cannot run " + start.program + ": " + std::strerror(failure) + ".");
    return process;
}

std::optional<GameExit> CollectGameExit(GameProcessId process)
{
    // Never waitpid's "any child" or "any of the group".
    if (process <= 0)
        return GameExit{};
    int status = 0;
    pid_t collected = 0;
    do
        collected = ::waitpid(static_cast<pid_t>(process), &status, WNOHANG);
    while (collected < 0 && errno == EINTR);
    if (collected == 0)
        return std::nullopt;
    if (collected < 0)
        return GameExit{};
    if (WIFSIGNALED(status))
        return GameExit{true, WTERMSIG(status)};
    return GameExit{false, WEXITSTATUS(status)};
}

std::optional<GameExit> WaitForGameExit(GameProcessId process, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (auto exit = CollectGameExit(process))
            return exit;
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::vector<std::string> LastLines(const std::string& path, std::size_t count)
{
    std::optional<std::string> text;
    try {
        text = ReadFileIfExists(path);
    } catch (const Error&) {
    }
    if (!text)
        return {};
    std::vector<std::string> lines = SplitLines(*text);
    if (lines.size() > count)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(count));
    return lines;
}

std::string QuickExitHeadline(const GameExit& exit, std::chrono::milliseconds ran)
{
    std::string text = "The game ended " + Seconds(ran) + " seconds after it started, ";
    if (exit.signalled) {
        const char* name = ::strsignal(exit.code);
        text += "killed by signal " + std::to_string(exit.code) + (name ? " (" + std::string(name) + ")" : "") + ".";
    } else {
        text += "with exit status " + std::to_string(exit.code) + ".";
    }
    return text;
}

std::string QuickExitReport(const GameExit& exit, std::chrono::milliseconds ran, const std::string& logPath,
                            std::size_t lineCount)
{
    std::string text = QuickExitHeadline(exit, ran);
    const std::vector<std::string> lines = LastLines(logPath, lineCount);
    if (lines.empty())
        return text + "\nIts log " + logPath + " is empty.";
    text += "\nThe last lines of its log " + logPath + ":";
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

} // namespace tesk
