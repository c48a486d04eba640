#pragma once

// How Run starts the game, as plain data: the window only executes it,
// detached, and reports a failure with FailureText.

#include "core/settings/SettingsModel.h"

#include <string>
#include <vector>

namespace tesk {

struct ProgramStart {
    std::string program;                // absolute path, never looked up on PATH
    std::vector<std::string> arguments; // passed as they are, never through a shell
    std::string workingDirectory;       // absolute path
};

// With runBatchFile, the batch file in txtBatchFile run by /bin/sh with its
// carriage returns ignored; otherwise ulvex2.exe of txtU2Dir with the command
// line split at blanks. Either runs in the game directory txtU2Dir.
ProgramStart PlanGameStart(const SettingsModel& model, bool runBatchFile);

// "Failed to execute " followed at once by the program as the player knows it
// (ulvex2.exe, or the batch file's path) and the parameter text.
std::string FailureText(const SettingsModel& model, bool runBatchFile);

// False when the start cannot work: the program is not an executable file,
// the batch file it is to run is not a readable file, or the working
// directory is missing. A shell starts even when its batch file is gone, so
// this is checked before starting rather than read from the start's result.
bool CanStart(const ProgramStart& start);

} // namespace tesk
