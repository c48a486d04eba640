#pragma once

// "tesk --run" and "tesk --print-command": the launch without a window. The
// start options are read as start-up reads them, and the plan is Run's own
// (LaunchGame), so the terminal starts what the window's Run starts. Nothing
// is written but the game's log.

#include <ostream>
#include <string>

namespace tesk {

// Starts the game as Run does and waits QuickExitTime() for it. Returns 0
// when it runs on (or ended well); 1 after writing Run's failure message, or
// the report of a game that ended badly at once, to `errors`.
int RunGameFromTerminal(const std::string& settingsPath, std::ostream& errors);

// Writes the command that "Copy Command" copies, and a line break, to `out`;
// 0, or 1 after writing why there is none to `errors`.
int PrintGameCommand(const std::string& settingsPath, std::ostream& out, std::ostream& errors);

} // namespace tesk
