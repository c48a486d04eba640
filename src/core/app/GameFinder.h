#pragma once

// Where the game may already be installed: the places players of a Windows
// game on Linux keep it (the default directory, Steam libraries, Wine
// prefixes), looked at before the first start asks for ulvex2.exe. The
// search looks into a fixed set of places, a level or two deep, and stops
// when its time is up, so a large home directory never slows the start.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

struct FoundGame {
    std::string directory; // holds ulvex2.exe (in any letter case)
    std::string source;    // where it was found: "Steam", "Wine prefix ~/.wine"...

    friend bool operator==(const FoundGame&, const FoundGame&) = default;
};

struct GameSearch {
    std::string home;
    std::optional<std::string> winePrefix; // $WINEPREFIX
    std::chrono::milliseconds budget{300};
};

// The libraries a Steam libraryfolders.vdf lists: every "path" value, in
// file order, its escapes ("\\\\") undone.
std::vector<std::string> ReadSteamLibraryFolders(std::string_view vdf);

// Every directory holding the game, each once, in the order of the places:
// ~/ulvex2, the Steam libraries (steamapps/common/*), then the Wine prefixes
// ($WINEPREFIX, ~/.wine, Lutris's ~/Games/*, Bottles' bottles and Heroic's
// ~/Games/Heroic/*, each under drive_c in "Program Files", "Program Files
// (x86)", "GOG Games" and "Games", one or two levels down).
std::vector<FoundGame> FindGameInstalls(const GameSearch& search);

// The search for this user: $HOME and $WINEPREFIX.
GameSearch UserGameSearch();

} // namespace tesk
