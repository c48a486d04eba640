#pragma once

// The games that have a profile, the picker's candidates, and adding and
// deleting a game's profile. A deleted game's profile survives as its backup
// name + ".u2bk" until the same name is added again.

#include "core/app/GameDirectoryLists.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

inline constexpr std::string_view kBackupExtension = ".u2bk";

// profileDirectory + separator + name + ".u2bk".
std::string BackupPath(const std::string& profileDirectory, const std::string& name);

// The game list itself is ListGames (GameDirectoryLists.h), which start-up
// shares.

// The game picker's list: every entry of the game directory in lower case
// (ASCII letters), leaving out hidden entries (a leading point), "baseu2",
// "docs", "tesk" and names whose fourth character from the end is a point.
// An unreadable directory gives none.
std::vector<std::string> ListGameCandidates(const std::string& gameDirectory);

// The picker's answer on Ok: the empty text when the combo's text is blanks
// only, otherwise the text unchanged (blanks at its ends included).
std::string PickedGameName(const std::string& comboText);

// "Use this Game": the selected game, else the first one; none for an empty
// list.
std::optional<std::string> GameToUse(const std::vector<std::string>& games, std::optional<std::size_t> selected);

enum class AddGameResult {
    Restored, // the backup became the profile again, entries and all
    Kept,     // a profile of that name already existed and is used as it is
    Created,  // a new profile with all three counts 0
};

// A name the game list cannot take: the global profile's name or one listed
// already, in any letter case. Throws an Error saying why.
void CheckGameToAdd(const std::string& name, const std::vector<std::string>& listed);

// Gives the game a profile. A name that is empty or holds a path separator
// throws Error naming it; a backup that cannot be moved back, or a profile
// that cannot be written, throws Error naming the files.
AddGameResult AddGame(const std::string& profileDirectory, const std::string& name);

// "Delete Game Setting for " + name + "?".
std::string DeleteGameQuestion(const std::string& name);

enum class DeleteGameResult {
    BackedUp,    // the profile is now the backup
    ProfileGone, // there was no profile left to back up
};

// Moves the game's profile to its backup. When the backup already exists or
// the move fails, throws Error naming both files and changes nothing; the
// caller then keeps the game listed.
DeleteGameResult DeleteGame(const std::string& profileDirectory, const std::string& name);

} // namespace tesk
