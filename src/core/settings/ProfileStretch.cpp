#include "core/settings/ProfileStretch.h"

#include "core/profiles/ProfileFile.h"
#include "core/text/Error.h"
#include "core/text/IniFile.h"

#include <string_view>

namespace tesk {
namespace {

enum class Profile { Global, Game };

// A profile may not make the config file larger than this: the game reads
// a few kilobytes, and checked entries by the million would exhaust memory.
constexpr std::size_t kMaxProfileBytes = 16 * 1024 * 1024;

// Counts the bytes a profile adds and refuses the profile beyond the limit.
class ProfileBudget {
public:
    explicit ProfileBudget(const std::string& path) : path_(path) {}
    void Spend(const std::string& line)
    {
        used_ += line.size() + 2;
        if (used_ > kMaxProfileBytes)
            throw Error("The checked entries of " + path_ + " would make the config file larger than "
                        + std::to_string(kMaxProfileBytes / (1024 * 1024)) + " MB; uncheck some of them");
    }

private:
    const std::string& path_;
    std::size_t used_ = 0;
};

// The bindings and settings groups: each checked entry gives one line,
// command word, name, a blank and the value in double quotes.
struct PairGroup {
    std::string_view header;
    ProfileEntryKind kind;
    std::string_view command;
    std::string_view nameKey;
    std::string_view valueKey;
};

constexpr PairGroup kPairGroups[] = {
    {"//--Bindings--", ProfileEntryKind::Binding, "Bind ", "BindKey", "BindValue"},
    {"//--Settings--", ProfileEntryKind::Setting, "Set ", "Setting", "SettingValue"},
};

// A check mark counts only when it is exactly "true".
bool IsChecked(const IniFile& profile, const std::string& section)
{
    return profile.ReadString(section, "checked", "false") == "true";
}

long long AliasLineCount(const IniFile& profile, const std::string& section)
{
    const long long count = profile.ReadInteger(section, "AliasLines", 0);
    return count <= kMaxAliasLines ? count : 0;
}

void AppendAliases(const IniFile& profile, Profile kind, ProfileBudget& budget, std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back("//--Aliases--");
    const long long count = ReadEntryCount(profile, ProfileEntryKind::Alias);
    // A game profile's alias lines are stored without their closing quote.
    const std::string_view ending = kind == Profile::Game ? "\"" : "";
    for (long long n = 1; n <= count; ++n) {
        const std::string section = "Alias" + std::to_string(n);
        if (!IsChecked(profile, section))
            continue;
        if (kind == Profile::Global) {
            lines.push_back("//...." + profile.ReadString(section, "DescriptiveName", "Unknown Alias") + "....");
            budget.Spend(lines.back());
        }
        const long long aliasLines = AliasLineCount(profile, section);
        for (long long k = 1; k <= aliasLines; ++k) {
            lines.push_back(profile.ReadString(section, "ALine" + std::to_string(k), "").append(ending));
            budget.Spend(lines.back());
        }
    }
}

void AppendPairs(const IniFile& profile, const PairGroup& group, ProfileBudget& budget,
                 std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back(group.header);
    const long long count = ReadEntryCount(profile, group.kind);
    for (long long n = 1; n <= count; ++n) {
        const std::string section = std::string(SectionPrefix(group.kind)) + std::to_string(n);
        if (!IsChecked(profile, section))
            continue;
        lines.push_back(std::string(group.command) + profile.ReadString(section, group.nameKey, "") + " \""
                        + profile.ReadString(section, group.valueKey, "") + "\"");
        budget.Spend(lines.back());
    }
}

void AppendProfile(const std::string& path, Profile kind, std::vector<std::string>& lines)
{
    const IniFile profile = IniFile::Load(path);
    ProfileBudget budget(path);
    AppendAliases(profile, kind, budget, lines);
    for (const PairGroup& group : kPairGroups)
        AppendPairs(profile, group, budget, lines);
}

} // namespace

void AppendProfileStretch(const SettingsModel& model, const std::string& profileDirectory,
                          std::vector<std::string>& lines)
{
    AppendProfile(ProfilePath(profileDirectory, std::string(kGlobalProfileName)), Profile::Global, lines);
    const std::string& game = model.Text("txtCurrentGame");
    if (game.empty())
        return;
    lines.emplace_back();
    lines.push_back("//" + game + "Settings");
    AppendProfile(ProfilePath(profileDirectory, game), Profile::Game, lines);
}

} // namespace tesk
