#pragma once

// The choices that start-up and the model and skin combos take from the
// game's directory tree and from the program's own lists.

#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// Names starting with a point are hidden: never offered as a game, a model,
// a skin or a saved game.
bool IsHiddenEntry(std::string_view name);

// True when the fourth character from the end is a point (the first
// character when the name is shorter): names with a three-letter extension,
// and "..", which the listings leave out.
bool HasDotFourthFromEnd(std::string_view name);

// Player models: the entries of <game>/baseu2/players, lower-cased, without
// hidden ones and names with a three-letter extension, in listing order.
std::vector<std::string> ListPlayerModels(const std::string& gameDirectory);

// Skins of one model: the "*.pcx" files of its directory, lower-cased and
// without extension, leaving out icons ("_i" and the like) and "weapon".
std::vector<std::string> ListPlayerSkins(const std::string& gameDirectory, const std::string& model);

// Saved games: the entries of <game>/baseu2/save, lower-cased, without
// hidden ones and names with a three-letter extension.
std::vector<std::string> ListSavedGames(const std::string& gameDirectory);

// Start maps as start-up offers them: the text before the first blank of
// each line of the map list, leaving out empty ones (a blank choice would
// start the game with a bare option). A missing list gives none; an
// unreadable one throws an Error naming it.
std::vector<std::string> ReadMapNames(const std::string& mapListPath);

// The games that have a profile: the "*.tesk" entries of the profile
// directory without their extension, leaving out hidden ones and the
// global profile "Global Aliases" + ".tesk" (the name compared with case,
// the extension without).
std::vector<std::string> ListGames(const std::string& profileDirectory);

// The lines of a list file unchanged; a missing file gives none.
std::vector<std::string> ReadListLines(const std::string& path);
// The servers a list offers: its lines unchanged, leaving out empty (or
// blank) ones.
std::vector<std::string> ReadListEntries(const std::string& path);

} // namespace tesk
