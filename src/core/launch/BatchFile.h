#pragma once

// The one-line batch file that holds the game's command line.

#include <string>
#include <string_view>

namespace tesk {

inline constexpr std::string_view kGameExecutable = "ulvex2.exe";

// The game's executable in a directory ("/" gives "/ulvex2.exe").
std::string GameExecutablePath(const std::string& directory);

// The batch file's line: the executable in the directory, a blank, then the
// command line.
std::string BatchLine(const std::string& directory, const std::string& commandLine);

// The directory that Save Batch names the executable in: the batch file's
// own. A path without a directory lies in `dataDirectory`.
std::string BatchDirectory(const std::string& batchPath, const std::string& dataDirectory);

// Replaces the batch file by its one line, ended by CR LF. The old file stays
// as it was when that fails: throws Error("Cannot create file <path>"), also
// for an empty path.
void WriteBatchFile(const std::string& batchPath, const std::string& directory, const std::string& commandLine);

} // namespace tesk
