#pragma once

// The game's command line: the one place that knows its "+" options.

#include "core/settings/SettingsModel.h"

#include <string>

namespace tesk {

// The start options of the window as the game's command line. Every piece but
// the server's first begins with a blank, so a client line starts with one.
// Values are passed unchanged and unquoted.
std::string BuildCommandLine(const SettingsModel& model);

} // namespace tesk
