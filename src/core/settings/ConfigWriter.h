#pragma once

// The writer of the game's config file, the one home of its format: every
// line shape, its order and the letter case of every command word.

#include "core/settings/SettingsModel.h"
#include "core/text/TokenList.h"

#include <string>
#include <vector>

namespace tesk {

// The complete file as lines, in the fixed order: the settings of the pages,
// the checked profile entries (read from the profile files in
// profileDirectory), the client and server variables and the closing block.
// Throws Error when a profile file holds a count that is not a whole number.
std::vector<std::string> BuildConfigLines(const SettingsModel& model, const std::string& profileDirectory);

// The lines that come from the settings alone: the file without the profile
// entries. Settings that give the same lines are saved as the same file.
std::vector<std::string> BuildSettingLines(const SettingsModel& model);

// Whether the setting's text is written between double quotes as the player
// typed it (the player's name, skin, server names, chat messages...).
bool IsWrittenBetweenQuotes(std::string_view id);

// Builds the lines, leaves them in tokens (emptied first) and replaces the
// file directory/fileName with them, CR LF after every line. Nothing is
// written when building fails; a file that cannot be written throws
// Error("Cannot create file <path>") and keeps its old content.
void WriteConfigFile(const SettingsModel& model, TokenList& tokens, const std::string& directory,
                     const std::string& fileName, const std::string& profileDirectory);

// Save Config replaces an existing file only: throws Error naming the path
// and "Save Config As.." when the file or its directory is missing. A bare
// file name lies in `dataDirectory`.
void CheckConfigFileExists(const std::string& path, const std::string& dataDirectory);

} // namespace tesk
