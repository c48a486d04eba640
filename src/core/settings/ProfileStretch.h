#pragma once

// The stretch of the config file that carries the user's own aliases,
// bindings and settings: the checked entries of the global profile and of
// the current game's profile, read from their files at the moment of writing.

#include "core/settings/SettingsModel.h"

#include <string>
#include <vector>

namespace tesk {

// Appends, after "//Globals Settings", the three groups of
// profileDirectory/"Global Aliases.tesk" and, while txtCurrentGame is not
// empty, an empty line, "//<game>Settings" and the groups of <game>.tesk.
// A missing profile file has no entries. A count in "NumberOfSections" that
// is not a whole number throws Error("'<text>' is not a valid integer value"
// followed by the key and the file); a profile whose checked entries would
// make the config file larger than a sane size throws an Error naming it.
void AppendProfileStretch(const SettingsModel& model, const std::string& profileDirectory,
                          std::vector<std::string>& lines);

} // namespace tesk
