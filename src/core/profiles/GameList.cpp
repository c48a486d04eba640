#include "core/profiles/GameList.h"

#include "core/app/GameDirectoryLists.h"
#include "core/profiles/ProfileFile.h"
#include "core/text/Error.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tesk {

namespace {

constexpr std::array<std::string_view, 4> kLeftOutCandidates{".", "baseu2", "docs", "tesk"};

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// A game name is one directory name: it must not lead the profile file
// out of the profile directory.
void CheckGameName(const std::string& name)
{
    const bool valid = !name.empty() && name.find('/') == std::string::npos
                       && name.find(kPathSeparator) == std::string::npos && name.find('\0') == std::string::npos;
    if (!valid)
        throw Error(FormatText("'%s' is not a valid game name", name));
}

// Any kind of entry, a dangling symbolic link included.
bool EntryExists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A folder the user marked read-only stays untouched, even for root.
bool IsWritableDirectory(const std::string& directory)
{
    struct stat info {};
    return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0222) != 0
           && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

Error CannotRename(const std::string& from, const std::string& to, const std::string& reason)
{
    return Error("Cannot rename " + from + " to " + to + ": " + reason);
}

Error CannotRename(const std::string& from, const std::string& to, int error)
{
    return CannotRename(from, to, std::strerror(error));
}

// rename() would silently replace an existing target; a hard link refuses
// to. Where hard links are not available the target is checked first.
void MoveWithoutReplacing(const std::string& directory, const std::string& from, const std::string& to)
{
    if (EntryExists(to))
        throw CannotRename(from, to, to + " already exists");
    if (!IsWritableDirectory(directory))
        throw CannotRename(from, to, directory + " is not writable");
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0)
            return;
        const int error = errno;
        ::unlink(to.c_str());
        throw CannotRename(from, to, error);
    }
    const int error = errno;
    const bool noHardLinks = error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK;
    if (!noHardLinks)
        throw error == EEXIST ? CannotRename(from, to, to + " already exists") : CannotRename(from, to, error);
    if (EntryExists(to))
        throw CannotRename(from, to, to + " already exists");
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw CannotRename(from, to, errno);
}

void CreateProfile(const std::string& path)
{
    IniFile profile = IniFile::Parse({}, path);
    for (const ProfileEntryKind kind : kProfileEntryKinds)
        profile.WriteString(kNumberOfSections, AsciiLower(CountKey(kind)), "0");
    profile.Save();
}

} // namespace

std::string BackupPath(const std::string& profileDirectory, const std::string& name)
{
    return JoinPath(profileDirectory, name + std::string(kBackupExtension));
}

std::vector<std::string> ListGameCandidates(const std::string& gameDirectory)
{
    std::vector<std::string> candidates;
    for (const std::string& entry : ListDirectory(gameDirectory, "*.*")) {
        std::string name = AsciiLower(entry);
        const bool leftOut =
            std::find(kLeftOutCandidates.begin(), kLeftOutCandidates.end(), name) != kLeftOutCandidates.end()
            || IsHiddenEntry(name) || HasDotFourthFromEnd(name);
        if (!leftOut)
            candidates.push_back(std::move(name));
    }
    return candidates;
}

std::string PickedGameName(const std::string& comboText)
{
    return std::all_of(comboText.begin(), comboText.end(), IsBlank) ? std::string() : comboText;
}

std::optional<std::string> GameToUse(const std::vector<std::string>& games, std::optional<std::size_t> selected)
{
    if (selected && *selected < games.size())
        return games[*selected];
    if (games.empty())
        return std::nullopt;
    return games.front();
}

void CheckGameToAdd(const std::string& name, const std::vector<std::string>& listed)
{
    const std::string wanted = AsciiLower(name);
    if (wanted == AsciiLower(kGlobalProfileName))
        throw Error("'" + name + "' is the name of the global profile; a game needs another name");
    const auto same = [&wanted](const std::string& game) { return AsciiLower(game) == wanted; };
    if (std::any_of(listed.begin(), listed.end(), same))
        throw Error("'" + name + "' is listed already");
}

AddGameResult AddGame(const std::string& profileDirectory, const std::string& name)
{
    CheckGameName(name);
    const std::string profile = ProfilePath(profileDirectory, name);
    if (EntryExists(profile))
        return AddGameResult::Kept;
    const std::string backup = BackupPath(profileDirectory, name);
    if (EntryExists(backup)) {
        MoveWithoutReplacing(profileDirectory, backup, profile);
        return AddGameResult::Restored;
    }
    CreateProfile(profile);
    return AddGameResult::Created;
}

std::string DeleteGameQuestion(const std::string& name) { return "Delete Game Setting for " + name + "?"; }

DeleteGameResult DeleteGame(const std::string& profileDirectory, const std::string& name)
{
    CheckGameName(name);
    const std::string profile = ProfilePath(profileDirectory, name);
    if (!EntryExists(profile))
        return DeleteGameResult::ProfileGone;
    MoveWithoutReplacing(profileDirectory, profile, BackupPath(profileDirectory, name));
    return DeleteGameResult::BackedUp;
}

} // namespace tesk
