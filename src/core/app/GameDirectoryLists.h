#pragma once

// The choices that start-up and the model and skin combos take from the
// game's directory tree and from the program's own lists.

#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// ASCII letters A to Z made lower case; other bytes stay as they are.
std::string AsciiLower(std::string_view text);

// True when the fourth character from the end is a point (the first
// character when the name is shorter): names with a three-letter extension,
// and "..", which the listings leave out.
bool HasDotFourthFromEnd(std::string_view name);

// Player models: the entries of <game>/baseu2/players, lower-cased, without
// "." and names with a three-letter extension, in listing order.
std::vector<std::string> ListPlayerModels(const std::string& gameDirectory);

// Skins of one model: the "*.pcx" files of its directory, lower-cased and
// without extension, leaving out icons ("_i" and the like) and "weapon".
std::vector<std::string> ListPlayerSkins(const std::string& gameDirectory, const std::string& model);

// Saved games: the entries of <game>/baseu2/save, lower-cased, without "."
// and names with a three-letter extension.
std::vector<std::string> ListSavedGames(const std::string& gameDirectory);

// Start maps as start-up offers them: the text before the first blank of
// each line of the map list. A missing list gives none; an unreadable one
// throws an Error naming it.
std::vector<std::string> ReadMapNames(const std::string& mapListPath);

// The games that have a profile: the "*.tesk" entries of the profile
// directory without their extension, leaving out the global profile
// "Global Aliases.tesk" (compared with case).
std::vector<std::string> ListGames(const std::string& profileDirectory);

// The lines of a list file unchanged; a missing file gives none.
std::vector<std::string> ReadListLines(const std::string& path);

} // namespace tesk
