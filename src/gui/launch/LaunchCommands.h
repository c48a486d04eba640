#pragma once

// The batch file and launch commands: Save Batch, Save Batch As, Save All,
// Load Batch and Run, the reading of a batch file into the start options,
// and the launch keys of the program settings that Run and closing write.

#include "core/launch/GameProcess.h"
#include "core/text/FileStamp.h"

#include <QPointer>

#include <string>

namespace tesk {

class CommandContext;
class ConfigCommands;
struct FlagKey;
class GameWatch;
struct LaunchPlan;

class LaunchCommands {
public:
    // Save All saves the config file through `config`.
    LaunchCommands(const CommandContext& context, ConfigCommands& config) : context_(context), config_(config) {}

    void SaveBatch1Click();
    void SaveBatchAs1Click();
    void SaveAll1Click();
    void OpenBatch1Click();
    void btnRunClick();
    // The save button beside the batch file's field.
    void SpeedButton3Click();
    // "Game Runner...": the command that Run puts in front of the game, and
    // the environment of every start.
    void onGameRunnerTriggered();
    // "Show Command Line": what Run will start, in a window.
    void onShowCommandLineTriggered();
    // What Run will start, on one line, for the Run button's tooltip.
    std::string RunCommandText() const;
    // Whether the game Run started last still runs.
    bool GameRunning() const;

    // Reads a batch file into the start options, as Load Batch does after its
    // dialog; errors are raised to the caller.
    void ReadBatchInto(const std::string& path);

    // The six keys that closing and Run write; each spells the minimise key
    // its own way (kMinimizeOnClosingKey, kMinimizeKey).
    void WriteLaunchKeys(const FlagKey& minimizeKey);

private:
    // Save All; false when the player went back and nothing was written.
    bool SaveAll();
    // Writes the batch file, first asking when another program changed it.
    // False when the player went back (or took the file's options).
    bool WriteBatchAfterAsking(const std::string& path, const std::string& directory);
    // What Run will start: the plan that Show Command Line and the tooltip
    // show.
    LaunchPlan PlanUpcomingStart() const;
    // Starts the game and watches it; false after saying why it could not
    // be started.
    bool StartGame();
    // Shows the report when the game ends badly at once.
    void WatchGame(GameProcessId process, const std::string& logPath);
    // After a successful start: closes the window ("Close on Exit"), unless
    // that would drop unsaved settings; a window that stays open minimises
    // when asked and writes the launch keys.
    void AfterGameStarted();

    const CommandContext& context_;
    ConfigCommands& config_;
    QPointer<GameWatch> watch_;
    StampedFile batchFile_;
};

} // namespace tesk
