#pragma once

// The reader of the game's config file. It does not walk the file line by
// line: for every setting of a fixed list it searches the whole file for the
// one line that carries it, so lines may stand in any order and files written
// by hand or by the game read as well as our own.

#include "core/settings/SettingsModel.h"
#include "core/text/TokenList.h"

#include <string>
#include <string_view>

namespace tesk {

// Passed as directory and file name, they ask for the New reset instead of a file.
inline constexpr std::string_view kNewFileDirectory = "This is a";
inline constexpr std::string_view kNewFileName = "New file";

// Sets the settings of the config file to their New defaults; settings that
// the file does not carry (model, skin, chat messages, start options...) stay.
// Applying it twice gives the same settings as once.
void ApplyNewSettings(SettingsModel& model);

// Reads directory/fileName into tokens (replaced) and sets the settings from
// it, all at once when the whole file was read. A file that cannot be opened,
// or a value that should be a number but is not, throws Error naming the file
// (and the line's key and the value) and changes neither the settings nor
// tokens.
//
// With kNewFileDirectory and kNewFileName it applies ApplyNewSettings and
// leaves tokens alone: emptying them is the New command's own step.
void ReadConfigFile(SettingsModel& model, TokenList& tokens, const std::string& directory, const std::string& fileName);

} // namespace tesk
