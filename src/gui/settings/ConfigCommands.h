#pragma once

// The config file commands: Save Config, Save Config As, Load Config and New,
// and the reading of a config file into the window.

#include "core/text/FileStamp.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace tesk {

class CommandContext;
class FileWatch;

// How a save of the config file ended.
enum class SaveOutcome {
    Saved,
    Declined, // the player would not replace the original config file
    WentBack, // the player went back (or took the file's settings): nothing written
};

class ConfigCommands {
public:
    // What the model holds now counts as saved.
    explicit ConfigCommands(const CommandContext& context);

    void SaveConfig1Click();
    SaveOutcome SaveConfig();
    void SaveConfigAs1Click();
    void OpenConfig1Click();
    void New1Click();
    // The save button beside the config file's field.
    void SpeedButton1Click();

    // Reads a config file into the window, as Load Config does after its
    // dialog; errors are raised to the caller.
    void ReadConfigInto(const std::string& path);
    // Start-up: the file of the config file's field, or the game's own
    // config.cfg when the field is empty.
    void ReadStartupConfig();

    // Whether the settings differ from what was last read, saved or reset,
    // so that Save Config would write something else than then.
    bool HasUnsavedChanges() const;
    // What the model holds now counts as saved.
    void MarkSaved();
    // Before New, Load Config or closing drop the pages' unsaved changes:
    // asks whether to save them to the config file first (`when` ends the
    // question: "before closing"). True when the caller may go on: nothing
    // was unsaved, the player dropped the changes, or they were saved.
    bool MayDropUnsavedChanges(const QString& when);

    // Whether the game Tesk started still runs: saving its config file then
    // warns that the game writes the file again when it exits.
    void SetGameRunningCheck(std::function<bool()> gameRunning) { gameRunning_ = std::move(gameRunning); }
    // The config file on disk against what Tesk last read or wrote there:
    // when another program changed it, it is read again if the pages hold no
    // unsaved change, else the player chooses. Run when the file changes,
    // when the window becomes active and when the game has ended.
    void CheckFileOnDisk();

private:
    // Writes the config file, first asking when the game still runs, when
    // another program changed the file, and before the game's own config.cfg
    // is replaced.
    SaveOutcome WriteAfterAsking(const std::string& directory, const std::string& fileName);
    // Reads the file into the window and takes it as saved and as last read.
    void ReadAndStamp(const std::string& directory, const std::string& fileName);
    void Stamp(const std::string& path);

    const CommandContext& context_;
    std::vector<std::string> savedLines_;
    StampedFile file_;
    FileWatch* watch_;
    std::function<bool()> gameRunning_;
    bool checking_ = false;
};

} // namespace tesk
