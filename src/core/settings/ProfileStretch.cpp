#include "core/settings/ProfileStretch.h"

#include "core/text/Error.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"

#include <string_view>

namespace tesk {
namespace {

enum class Profile { Global, Game };

// Counts beyond these come only from a damaged file; honouring them would
// hang the writer or exhaust memory on entries and lines that hold nothing.
constexpr long long kMaxEntries = 1'000'000;
constexpr long long kMaxAliasLines = 10'000;

// The bindings and settings groups: each checked entry gives one line,
// command word, name, a blank and the value in double quotes.
struct PairGroup {
    std::string_view header;
    std::string_view countKey;
    std::string_view section;
    std::string_view command;
    std::string_view nameKey;
    std::string_view valueKey;
};

constexpr PairGroup kPairGroups[] = {
    {"//--Bindings--", "Bindings", "Bind", "Bind ", "BindKey", "BindValue"},
    {"//--Settings--", "Settings", "Setting", "Set ", "Setting", "SettingValue"},
};

long long EntryCount(const IniFile& profile, std::string_view countKey)
{
    const std::string text = profile.ReadString("NumberOfSections", countKey, "0");
    long long count = 0;
    if (!ParseWholeNumber(text, count) || count > kMaxEntries)
        throw Error(FormatText("'%s' is not a valid integer value", text));
    return count;
}

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

void AppendAliases(const IniFile& profile, Profile kind, std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back("//--Aliases--");
    const long long count = EntryCount(profile, "Aliases");
    // A game profile's alias lines are stored without their closing quote.
    const std::string_view ending = kind == Profile::Game ? "\"" : "";
    for (long long n = 1; n <= count; ++n) {
        const std::string section = "Alias" + std::to_string(n);
        if (!IsChecked(profile, section))
            continue;
        if (kind == Profile::Global)
            lines.push_back("//...." + profile.ReadString(section, "DescriptiveName", "Unknown Alias") + "....");
        const long long aliasLines = AliasLineCount(profile, section);
        for (long long k = 1; k <= aliasLines; ++k)
            lines.push_back(profile.ReadString(section, "ALine" + std::to_string(k), "").append(ending));
    }
}

void AppendPairs(const IniFile& profile, const PairGroup& group, std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back(group.header);
    const long long count = EntryCount(profile, group.countKey);
    for (long long n = 1; n <= count; ++n) {
        const std::string section = std::string(group.section) + std::to_string(n);
        if (IsChecked(profile, section))
            lines.push_back(std::string(group.command) + profile.ReadString(section, group.nameKey, "") + " \""
                            + profile.ReadString(section, group.valueKey, "") + "\"");
    }
}

void AppendProfile(const std::string& path, Profile kind, std::vector<std::string>& lines)
{
    const IniFile profile = IniFile::Load(path);
    AppendAliases(profile, kind, lines);
    for (const PairGroup& group : kPairGroups)
        AppendPairs(profile, group, lines);
}

} // namespace

void AppendProfileStretch(const SettingsModel& model, const std::string& profileDirectory,
                          std::vector<std::string>& lines)
{
    AppendProfile(JoinPath(profileDirectory, "Global Aliases.tesk"), Profile::Global, lines);
    const std::string& game = model.Text("txtCurrentGame");
    if (game.empty())
        return;
    lines.emplace_back();
    lines.push_back("//" + game + "Settings");
    AppendProfile(JoinPath(profileDirectory, game + ".tesk"), Profile::Game, lines);
}

} // namespace tesk
