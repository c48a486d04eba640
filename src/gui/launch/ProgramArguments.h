#pragma once

// Tesk's own command line: "tesk" opens the window, "tesk --run" starts the
// game as Run would, "tesk --print-command" prints the command Copy Command
// copies. Parsed with only QtCore, so that --help, --version and a mistake
// are answered without a window or a display. Qt's own options (such as
// "-platform offscreen") are accepted for the window.

#include <QStringList>

#include <ostream>

namespace tesk {

enum class ProgramMode { Window, Run, PrintCommand, Exit };

struct ProgramArguments {
    ProgramMode mode = ProgramMode::Window;
    int exitStatus = 0; // with ProgramMode::Exit
};

// Parses the program's arguments (the first is the program). --help and
// --version write to `out` and give Exit with 0; an unknown option or a
// stray argument writes one line naming it and the usage to `errors` and
// gives Exit with 2.
ProgramArguments ParseProgramArguments(const QStringList& arguments, std::ostream& out, std::ostream& errors);

} // namespace tesk
