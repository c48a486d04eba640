#pragma once

// The batch file and launch commands: Save Batch, Save Batch As, Save All,
// Load Batch and Run, the reading of a batch file into the start options,
// and the launch keys of the program settings that Run and closing write.

#include <string>

namespace tesk {

class CommandContext;
class ConfigCommands;

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

    // Reads a batch file into the start options, as Load Batch does after its
    // dialog; errors are raised to the caller.
    void ReadBatchInto(const std::string& path);

    // The six keys that closing and Run write; closing spells the minimise
    // key "Minimize", Run "minimize" (the same key to the INI file).
    void WriteLaunchKeys(const char* minimizeKey);

private:
    // After a successful start: closes the window ("Close on Exit"), unless
    // that would drop unsaved settings; a window that stays open minimises
    // when asked and writes the launch keys.
    void AfterGameStarted();

    const CommandContext& context_;
    ConfigCommands& config_;
};

} // namespace tesk
