#pragma once

// Everything Run does to start the game, planned from the start options and
// tesk.ini alone: the window's Run, its "Show Command Line" and the Run
// button's tooltip, and "tesk --run" and "tesk --print-command" all plan here,
// so the terminal starts exactly what the window starts.

#include "core/launch/GameProcess.h"
#include "core/launch/Launch.h"

#include <functional>
#include <optional>
#include <string>

namespace tesk {

class ProgramSettings;

// The environment lines as "Game Runner..." shows them.
std::string StoredEnvironmentLines(const ProgramSettings& settings);

struct LaunchPlan {
    bool runBatchFile = false;            // "Save Files on Run": the batch file's line is started
    std::optional<std::string> batchLine; // that line
    ProgramStart start;
    std::string logPath; // where the game's output goes
};

// The line Run will start the game from: the one Save Batch is about to write
// with "Save Files on Run" ticked; none otherwise.
std::optional<std::string> UpcomingBatchLine(const SettingsModel& model, const std::string& dataDirectory);

// Run's plan: through `batchLine` (with "Save Files on Run"; Run passes the
// line it has just saved, the others the upcoming one), else the game
// directly; the runner and the environment of tesk.ini applied. Throws Error
// naming the line when the stored environment holds a bad one. Relative
// names lie in `dataDirectory`.
LaunchPlan PlanLaunch(const SettingsModel& model, const ProgramSettings& settings,
                      const std::optional<std::string>& batchLine, const std::string& dataDirectory);

// Starts a planned game; throws Error saying why it could not be started.
// The window starts through its Desktop, the terminal StartGameProcess.
using GameStarter = std::function<GameProcessId(const ProgramStart& start, const std::string& logPath)>;

struct LaunchResult {
    LaunchPlan plan;
    std::optional<GameProcessId> process; // the started game
    std::string failure;                  // Run's message when it was not started
};

// Run's start after its saves: plans (through the line `batchLine` gives,
// with "Save Files on Run"), checks that the start can work and starts it.
// A failure is Run's message: "Failed to execute " with the program, why,
// and a hint at the runner when the game itself cannot be executed.
LaunchResult LaunchGame(const SettingsModel& model, const ProgramSettings& settings,
                        const std::function<std::string()>& batchLine, const GameStarter& starter,
                        const std::string& dataDirectory);

// The lower area's fields as start-up reads them from tesk.ini for the game
// directory it uses: the batch and config files and the four check boxes.
void ReadLowerAreaSettings(const ProgramSettings& settings, const std::string& gameDirectory, SettingsModel& model);

// The start options as the main window holds them after start-up, read
// without writing anything: the game directory and ReadLowerAreaSettings
// from tesk.ini, then the batch file's options when that file exists. Throws
// Error when tesk.ini names no game directory.
void ReadStartOptions(const ProgramSettings& settings, SettingsModel& model);

} // namespace tesk
