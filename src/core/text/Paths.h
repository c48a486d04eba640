#pragma once

#include <string>
#include <vector>

namespace tesk {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// A path as the dialogs and fields pass it on: drive ("C:" on Windows, empty
// elsewhere), directory without the drive, and file name.
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
};

// A path without a directory lies in `baseDirectory` (Tesk's data directory,
// where relative names lie); the root directory keeps its separator.
PathParts SplitPath(const std::string& path, const std::string& baseDirectory);
std::string DriveAndDirectory(const PathParts& parts);
std::string JoinPath(const std::string& directory, const std::string& name);

// Text-only split at the last separator (on Windows also ':'); the directory
// part loses that separator unless it is needed to name a root ("C:\", "/").
std::string DirectoryPart(const std::string& path);
std::string FileNamePart(const std::string& path);

std::string CurrentDirectory();
std::string HomeDirectory();

// Makes Tesk's own data directory the working directory for the rest of the
// run: the profiles, their backups and the map and server lists live there,
// wherever Tesk was started from. On Windows that is the directory it was
// started in; elsewhere the per-user data directory $XDG_DATA_HOME/tesk
// (~/.local/share/tesk when the variable is unset or not absolute), created
// when missing. Returns the directory, absolute. Throws Error naming the
// directory when it cannot be created or entered; the working directory then
// stays as it was.
std::string EnterDataDirectory();
// That directory, whether it exists or not, without entering it.
std::string DataDirectory();
std::string DefaultGameDirectory();
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Names of all entries of a directory, "." and ".." included, sorted as
// Windows lists them (without regard to letter case), whose names match the wild-card pattern without
// regard to letter case; "*.*" matches every name. A directory that cannot
// be read gives no names.
std::vector<std::string> ListDirectory(const std::string& directory, const std::string& pattern);

} // namespace tesk
