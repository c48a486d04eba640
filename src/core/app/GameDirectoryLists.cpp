#include "core/app/GameDirectoryLists.h"

#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"

namespace tesk {
namespace {

// The game's files come from a system that ignores letter case: a directory
// named "Male" is the model "male". The entry of that name in any case is
// taken when there is no exact one.
std::string Resolve(const std::string& directory, const std::string& name)
{
    const std::string exact = JoinPath(directory, name);
    if (DirectoryExists(exact) || FileExists(exact))
        return exact;
    const std::string wanted = AsciiLower(name);
    for (const std::string& entry : ListDirectory(directory, "*.*"))
        if (AsciiLower(entry) == wanted)
            return JoinPath(directory, entry);
    return exact;
}

std::string BaseDirectory(const std::string& gameDirectory, const std::string& name)
{
    return Resolve(Resolve(gameDirectory, "baseu2"), name);
}

std::string PlayersDirectory(const std::string& gameDirectory) { return BaseDirectory(gameDirectory, "players"); }

// The rule shared by the player models and the saved games.
std::vector<std::string> ListLowerCasedEntries(const std::string& directory)
{
    std::vector<std::string> names;
    for (const std::string& entry : ListDirectory(directory, "*.*")) {
        std::string name = AsciiLower(entry);
        if (!IsHiddenEntry(name) && !HasDotFourthFromEnd(name))
            names.push_back(std::move(name));
    }
    return names;
}

bool IsSkinIcon(std::string_view base)
{
    const char marker = base.size() < 2 ? base.front() : base[base.size() - 2];
    return marker == '_';
}

} // namespace

bool IsHiddenEntry(std::string_view name) { return !name.empty() && name.front() == '.'; }

bool HasDotFourthFromEnd(std::string_view name)
{
    if (name.empty())
        return false;
    return (name.size() < 4 ? name.front() : name[name.size() - 4]) == '.';
}

std::vector<std::string> ListPlayerModels(const std::string& gameDirectory)
{
    return ListLowerCasedEntries(PlayersDirectory(gameDirectory));
}

std::vector<std::string> ListPlayerSkins(const std::string& gameDirectory, const std::string& model)
{
    std::vector<std::string> skins;
    for (const std::string& entry : ListDirectory(Resolve(PlayersDirectory(gameDirectory), model), "*.pcx")) {
        const std::string base = AsciiLower(entry).substr(0, entry.size() - 4);
        if (base.empty() || IsHiddenEntry(base) || IsSkinIcon(base) || base == "weapon")
            continue;
        skins.push_back(base);
    }
    return skins;
}

std::vector<std::string> ListSavedGames(const std::string& gameDirectory)
{
    return ListLowerCasedEntries(BaseDirectory(gameDirectory, "save"));
}

std::vector<std::string> ReadMapNames(const std::string& mapListPath)
{
    std::vector<std::string> names;
    for (const std::string& line : ReadListLines(mapListPath))
        if (std::string name = line.substr(0, line.find(' ')); !name.empty())
            names.push_back(std::move(name));
    return names;
}

std::vector<std::string> ListGames(const std::string& profileDirectory)
{
    constexpr std::string_view kExtension = ".tesk";
    std::vector<std::string> games;
    for (const std::string& entry : ListDirectory(profileDirectory, "*.tesk")) {
        std::string name = entry.substr(0, entry.size() - kExtension.size());
        if (name != "Global Aliases" && !IsHiddenEntry(name))
            games.push_back(std::move(name));
    }
    return games;
}

std::vector<std::string> ReadListLines(const std::string& path)
{
    if (!FileExists(path) && !DirectoryExists(path))
        return {};
    return ReadTextLines(path);
}

std::vector<std::string> ReadListEntries(const std::string& path)
{
    std::vector<std::string> entries = ReadListLines(path);
    std::erase_if(entries, [](const std::string& line) { return Trim(line).empty(); });
    return entries;
}

} // namespace tesk
