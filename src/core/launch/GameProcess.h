#pragma once

// The started game as a process: its output goes to the game's log, it runs
// on in a session of its own after Tesk ends, and while Tesk runs it can tell
// how the game ended. A game that dies within the first seconds gets a report
// of why.

#include "core/launch/Launch.h"

#include <chrono>
#include <optional>
#include <string>

namespace tesk {

// $XDG_STATE_HOME/tesk/game.log (~/.local/state/tesk/game.log when the
// variable is unset or not absolute).
std::string GameLogPath();

// How long after its start an ending game gets a report: ten seconds, or the
// seconds (a decimal number) of the environment variable
// TESK_QUICK_EXIT_SECONDS when it holds a positive one.
std::chrono::milliseconds QuickExitTime();

using GameProcessId = long long;

// Starts the program with its arguments, in its working directory, with
// Tesk's environment plus the start's, detached from Tesk (a session of its
// own, input from /dev/null) and its output and errors going to a new log at
// `logPath`; the previous log is kept as `logPath` + ".1". Never through a
// shell. Throws Error naming the program or the log when either fails.
GameProcessId StartGameProcess(const ProgramStart& start, const std::string& logPath);

struct GameExit {
    bool signalled = false; // killed by a signal rather than ending itself
    int code = 0;           // the exit status, or the signal's number
    // A non-zero status or a signal.
    bool Failed() const { return signalled || code != 0; }
};

// How a game Tesk started ended, collected once; nothing while it runs. A
// process that is not Tesk's child (or already collected) counts as ended
// well.
std::optional<GameExit> CollectGameExit(GameProcessId process);

// Waits up to `limit` for the game to end: its exit, or nothing while it runs
// on. Only for a caller without an event loop ("tesk --run").
std::optional<GameExit> WaitForGameExit(GameProcessId process, std::chrono::milliseconds limit);

// How many of the log's last lines a report shows.
inline constexpr std::size_t kReportLineCount = 20;

// How a game ended and after how long, as one sentence.
std::string QuickExitHeadline(const GameExit& exit, std::chrono::milliseconds ran);

// The report of a game that ended badly soon after its start: the headline
// and the last lines (at most `lineCount`) of its log.
std::string QuickExitReport(const GameExit& exit, std::chrono::milliseconds ran, const std::string& logPath,
                            std::size_t lineCount = kReportLineCount);

// The last `count` lines of a file, without their endings; none when it
// cannot be read.
std::vector<std::string> LastLines(const std::string& path, std::size_t count);

} // namespace tesk
