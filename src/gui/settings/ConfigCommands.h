#pragma once

// The config file commands: Save Config, Save Config As, Load Config and New,
// and the reading of a config file into the window.

#include <QString>

#include <string>
#include <vector>

namespace tesk {

class CommandContext;

class ConfigCommands {
public:
    // What the model holds now counts as saved.
    explicit ConfigCommands(const CommandContext& context);

    void SaveConfig1Click();
    // Save Config; false when nothing was written because the player said No.
    bool SaveConfig();
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

private:
    // Writes the config file, first asking before the game's own config.cfg
    // is replaced. False when the player said No.
    bool WriteAfterAsking(const std::string& directory, const std::string& fileName);

    const CommandContext& context_;
    std::vector<std::string> savedLines_;
};

} // namespace tesk
