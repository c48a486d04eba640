#include "core/settings/ProfileStretch.h"

#include "core/profiles/ProfileFile.h"
#include "core/text/ConsoleText.h"
#include "core/text/Error.h"
#include "core/text/IniFile.h"

#include <array>
#include <optional>
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
    // How a refusal names the entry and its two parts.
    std::string_view entry;
    std::string_view name;
    std::string_view value;
};

constexpr PairGroup kPairGroups[] = {
    {"//--Bindings--", ProfileEntryKind::Binding, "Bind ", "BindKey", "BindValue", "binding", "key", "command"},
    {"//--Settings--", ProfileEntryKind::Setting, "Set ", "Setting", "SettingValue", "setting", "name", "value"},
};

// A checked entry the game would read cut refuses the whole save: its line
// would end early and the rest would run as further commands.
void CheckReadsBackWhole(const PairGroup& group, std::string_view name, std::string_view value, const std::string& path)
{
    const auto refuse = [&](std::string_view part, std::string_view what) {
        throw Error("The " + std::string(group.entry) + " \"" + std::string(name) + "\" in " + path + " has "
                    + std::string(what) + " in its " + std::string(part)
                    + ", which the game would not read back as written. Change it on the Games & Aliases page, "
                      "then save again.");
    };
    if (!ReadsBackWhole(name, kCutsConsoleWord))
        refuse(group.name, "a blank, a double quote or a semicolon");
    if (!ReadsBackWhole(value, kCutsQuotedValue))
        refuse(group.value, "a double quote");
}

// Each entry's keys are read in one pass through its lines; a check mark
// counts only when it is exactly "true".
bool IsChecked(const std::optional<std::string_view>& mark) { return mark == "true"; }

// An alias over kMaxAliasLines counts as one without lines.
std::size_t AliasLineCount(const std::optional<std::string_view>& count)
{
    const long long lines = IniFile::IntegerValue(count.value_or("0"), 0);
    return lines > 0 && lines <= kMaxAliasLines ? static_cast<std::size_t>(lines) : 0;
}

void AppendAliases(const EntrySections& sections, Profile kind, ProfileBudget& budget, std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back("//--Aliases--");
    const long long count = sections.Count(ProfileEntryKind::Alias);
    // A game profile's alias lines are stored without their closing quote.
    const std::string_view ending = kind == Profile::Game ? "\"" : "";
    constexpr std::array<std::string_view, 3> keys{"checked", "DescriptiveName", "AliasLines"};
    std::array<std::optional<std::string_view>, 3> values;
    for (const EntrySections::Lines entry : sections.Entries(ProfileEntryKind::Alias, count)) {
        IniFile::ReadValues(entry, keys, values);
        if (!IsChecked(values[0]))
            continue;
        if (kind == Profile::Global) {
            lines.push_back("//...." + std::string(values[1].value_or("Unknown Alias")) + "....");
            budget.Spend(lines.back());
        }
        for (const auto& aliasLine : EntrySections::NumberedValues(entry, "ALine", AliasLineCount(values[2]))) {
            lines.push_back(std::string(aliasLine.value_or("")).append(ending));
            budget.Spend(lines.back());
        }
    }
}

void AppendPairs(const EntrySections& sections, const PairGroup& group, const std::string& path, ProfileBudget& budget,
                 std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back(group.header);
    const long long count = sections.Count(group.kind);
    const std::array<std::string_view, 3> keys{"checked", group.nameKey, group.valueKey};
    std::array<std::optional<std::string_view>, 3> values;
    for (const EntrySections::Lines entry : sections.Entries(group.kind, count)) {
        IniFile::ReadValues(entry, keys, values);
        if (!IsChecked(values[0]))
            continue;
        CheckReadsBackWhole(group, values[1].value_or(""), values[2].value_or(""), path);
        std::string line(group.command);
        line.append(values[1].value_or("")).append(" \"").append(values[2].value_or("")).append("\"");
        lines.push_back(std::move(line));
        budget.Spend(lines.back());
    }
}

void AppendProfile(const std::string& path, Profile kind, std::vector<std::string>& lines)
{
    const IniFile profile = IniFile::Load(path);
    const EntrySections sections(profile);
    ProfileBudget budget(path);
    AppendAliases(sections, kind, budget, lines);
    for (const PairGroup& group : kPairGroups)
        AppendPairs(sections, group, path, budget, lines);
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
