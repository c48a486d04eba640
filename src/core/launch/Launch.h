#pragma once

// How Run starts the game, as plain data: the window only executes it,
// detached, and reports a failure with FailureText and StartProblem. No value
// ever reaches a shell: the program is started with its arguments as they are.

#include "core/launch/LaunchEnvironment.h"
#include "core/settings/SettingsModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

struct ProgramStart {
    std::string program;                          // absolute path; a runner's bare name is looked up on PATH
    std::vector<std::string> arguments;           // passed as they are, never through a shell
    std::string workingDirectory;                 // absolute path
    std::string game;                             // the game's executable: the program, or the runner's argument
    std::vector<EnvironmentVariable> environment; // set for the program on top of Tesk's own
};

// What a batch file's line starts: the program it names, whose path may hold
// blanks (the game's executable as Save Batch writes it), and the rest of the
// line split at blanks. A line that names no game executable starts its first
// word. Where directories of the path are named like the game ("ulvex2.exe
// old"), the program is `gameExecutable` when the line names it, else the
// last such name before the options.
struct BatchCommand {
    std::string program;
    std::vector<std::string> arguments;
};
BatchCommand ParseBatchLine(std::string_view line, std::string_view gameExecutable = {});

// The first line of a batch file, as the batch reader reads it (an empty file
// gives an empty line). Throws Error("Cannot open file <path>") when the file
// is missing or cannot be read.
std::string ReadBatchLine(const std::string& path);

// Run's start in the game directory txtU2Dir (relative to `dataDirectory`,
// Tesk's data directory, which is also the start's directory without one). With a batch line, the program it names with
// its arguments (a relative program lies in the game directory); without, ulvex2.exe of the game directory with the
// command line split at blanks. A runner ("wine", split at blanks) is put in front: it is started with the game and its
// arguments as its own arguments.
ProgramStart PlanGameStart(const SettingsModel& model, const std::optional<std::string>& batchLine,
                           std::string_view runner, const std::string& dataDirectory);

// "Failed to execute " followed at once by the program as the player knows it
// (ulvex2.exe, or the batch file's path) and the parameter text.
std::string FailureText(const SettingsModel& model, bool runBatchFile);

// Why the start cannot work, as a sentence naming the file or directory: the
// working directory is missing, the program is missing or not an executable
// file, or (with a runner) the game is missing. Nothing when it can be tried.
std::optional<std::string> StartProblem(const ProgramStart& start);

// The start as one command line a terminal would run the same way from any
// directory: it changes into the working directory first ("cd DIR && "),
// words holding blanks or a shell's special characters are quoted, and the
// environment goes in front of the program as "env NAME=value ...".
std::string CommandText(const ProgramStart& start);

} // namespace tesk
