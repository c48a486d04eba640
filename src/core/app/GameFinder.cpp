#include "core/app/GameFinder.h"

#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tesk {
namespace {

constexpr std::string_view kGameExecutableName = "ulvex2.exe";

// The places a search looks into, and when its time is up.
class Search {
public:
    explicit Search(const GameSearch& search)
        : home_(search.home), deadline_(std::chrono::steady_clock::now() + search.budget)
    {
    }

    bool TimeIsUp() const { return std::chrono::steady_clock::now() >= deadline_; }

    // The subdirectories of `directory`, by name; none once the time is up.
    std::vector<std::string> Subdirectories(const std::string& directory) const
    {
        std::vector<std::string> found;
        if (TimeIsUp())
            return found;
        for (const std::string& name : ListDirectory(directory, "*"))
            if (name != "." && name != ".." && DirectoryExists(JoinPath(directory, name)))
                found.push_back(JoinPath(directory, name));
        return found;
    }

    // `directory` when it holds the game.
    void Look(const std::string& directory, const std::string& source)
    {
        if (TimeIsUp() || !DirectoryExists(directory))
            return;
        for (const std::string& name : ListDirectory(directory, std::string(kGameExecutableName)))
            if (!DirectoryExists(JoinPath(directory, name))) {
                Add(directory, source);
                return;
            }
    }

    // "~/.wine" for a path in the home directory.
    std::string Shown(const std::string& path) const
    {
        const std::string prefix = home_ + "/";
        return path.rfind(prefix, 0) == 0 ? "~/" + path.substr(prefix.size()) : path;
    }

    const std::string& home() const { return home_; }
    std::vector<FoundGame> TakeFound() { return std::move(found_); }

private:
    void Add(const std::string& directory, const std::string& source)
    {
        std::error_code ec;
        const std::string same = std::filesystem::weakly_canonical(directory, ec).string();
        const std::string key = ec ? directory : same;
        if (std::find(seen_.begin(), seen_.end(), key) != seen_.end())
            return;
        seen_.push_back(key);
        found_.push_back({directory, source});
    }

    std::string home_;
    std::chrono::steady_clock::time_point deadline_;
    std::vector<std::string> seen_;
    std::vector<FoundGame> found_;
};

void LookInSteam(Search& search)
{
    const std::string& home = search.home();
    const std::vector<std::pair<std::string, std::string>> roots{
        {JoinPath(home, ".local/share/Steam"), "Steam"},
        {JoinPath(home, ".steam/steam"), "Steam"},
        {JoinPath(home, ".var/app/com.valvesoftware.Steam/.local/share/Steam"), "Steam (Flatpak)"},
        {JoinPath(home, ".var/app/com.valvesoftware.Steam/data/Steam"), "Steam (Flatpak)"},
    };
    for (const auto& [root, source] : roots) {
        if (!DirectoryExists(root))
            continue;
        std::vector<std::string> libraries{root};
        try {
            if (const auto vdf = ReadFileIfExists(JoinPath(root, "steamapps/libraryfolders.vdf")))
                for (std::string& library : ReadSteamLibraryFolders(*vdf))
                    libraries.push_back(std::move(library));
        } catch (const std::exception&) {
            // An unreadable list leaves the root's own library.
        }
        for (const std::string& library : libraries)
            for (const std::string& game : search.Subdirectories(JoinPath(library, "steamapps/common")))
                search.Look(game, source);
    }
}

void LookInPrefix(Search& search, const std::string& prefix, const std::string& source)
{
    for (const char* folder : {"Program Files", "Program Files (x86)", "GOG Games", "Games"}) {
        for (const std::string& first : search.Subdirectories(JoinPath(JoinPath(prefix, "drive_c"), folder))) {
            search.Look(first, source);
            for (const std::string& second : search.Subdirectories(first))
                search.Look(second, source);
        }
    }
}

void LookInWinePrefixes(Search& search, const std::optional<std::string>& winePrefix)
{
    const std::string& home = search.home();
    if (winePrefix && !winePrefix->empty())
        LookInPrefix(search, *winePrefix, "Wine prefix " + search.Shown(*winePrefix));
    LookInPrefix(search, JoinPath(home, ".wine"), "Wine prefix ~/.wine");
    for (const std::string& prefix : search.Subdirectories(JoinPath(home, "Games")))
        LookInPrefix(search, prefix, "Lutris prefix " + search.Shown(prefix));
    for (const std::string& bottle : search.Subdirectories(JoinPath(home, ".local/share/bottles/bottles")))
        LookInPrefix(search, bottle, "Bottles bottle " + search.Shown(bottle));
    for (const std::string& prefix : search.Subdirectories(JoinPath(home, "Games/Heroic")))
        LookInPrefix(search, prefix, "Heroic prefix " + search.Shown(prefix));
}

} // namespace

std::vector<std::string> ReadSteamLibraryFolders(std::string_view vdf)
{
    // The format is quoted strings and braces; a "path" key is followed by
    // its value.
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < vdf.size(); ++at) {
        if (vdf[at] != '"')
            continue;
        std::string text;
        for (++at; at < vdf.size() && vdf[at] != '"'; ++at) {
            if (vdf[at] == '\\' && at + 1 < vdf.size())
                ++at;
            text += vdf[at];
        }
        strings.push_back(std::move(text));
    }
    std::vector<std::string> paths;
    for (std::size_t i = 0; i + 1 < strings.size(); ++i)
        if (EqualIgnoringCase(strings[i], "path"))
            paths.push_back(strings[++i]);
    return paths;
}

std::vector<FoundGame> FindGameInstalls(const GameSearch& search)
{
    Search places(search);
    places.Look(JoinPath(search.home, "ulvex2"), "~/ulvex2");
    LookInSteam(places);
    LookInWinePrefixes(places, search.winePrefix);
    return places.TakeFound();
}

GameSearch UserGameSearch()
{
    GameSearch search;
    search.home = HomeDirectory();
    if (const char* prefix = std::getenv("WINEPREFIX"))
        search.winePrefix = prefix;
    return search;
}

} // namespace tesk
