#pragma once

// The batch file and launch commands: Save Batch, Save Batch As, Save All,
// Load Batch and Run, the reading of a batch file into the start options,
// and the launch keys of the program settings that Run and closing write.

#include <optional>
#include <string>

namespace tesk {

class CommandContext;
class ConfigCommands;
struct FlagKey;
struct ProgramStart;

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
    // "Game Runner...": the command that Run puts in front of the game.
    void onGameRunnerTriggered();
    // "Show Command Line": what Run will start, in a window.
    void onShowCommandLineTriggered();
    // What Run will start, on one line, for the Run button's tooltip.
    std::string RunCommandText() const;

    // Reads a batch file into the start options, as Load Batch does after its
    // dialog; errors are raised to the caller.
    void ReadBatchInto(const std::string& path);

    // The six keys that closing and Run write; each spells the minimise key
    // its own way (kMinimizeOnClosingKey, kMinimizeKey).
    void WriteLaunchKeys(const FlagKey& minimizeKey);

private:
    // Run's start: through `batchLine` (the batch file's line) when there is
    // one, else the game directly; the runner of the program settings in
    // front. Run, its tooltip and the command line window all plan here.
    ProgramStart PlanStart(const std::optional<std::string>& batchLine) const;
    // The line Run will start the game from: the one Save Batch is about to
    // write, with "Save Files on Run" ticked; none otherwise.
    std::optional<std::string> UpcomingBatchLine() const;
    // Starts the game; false after saying why it could not be started.
    bool StartGame(bool runBatchFile);
    // After a successful start: closes the window ("Close on Exit"), unless
    // that would drop unsaved settings; a window that stays open minimises
    // when asked and writes the launch keys.
    void AfterGameStarted();

    const CommandContext& context_;
    ConfigCommands& config_;
};

} // namespace tesk
