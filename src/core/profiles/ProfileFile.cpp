#include "core/profiles/ProfileFile.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <unordered_map>

namespace tesk {

namespace {

// What a bound value shows: each alias, in list order, whose name equals the
// text replaced so far gives its descriptive name, so the last match wins.
// Comparing every binding with every alias would let a damaged count (a
// million of each) hang the load for hours: aliases are found by name, and
// where each alias's replacement leads is worked out once.
class AliasNames {
public:
    explicit AliasNames(std::vector<ProfileAlias> aliases)
        : aliases_(std::move(aliases)), resolved_(aliases_.size(), nullptr)
    {
        positions_.reserve(aliases_.size());
        for (std::size_t i = 0; i < aliases_.size(); ++i)
            positions_[aliases_[i].aliasName].push_back(i);
    }

    std::string_view Shown(std::string_view value)
    {
        const auto named = positions_.find(value);
        return named == positions_.end() ? value : Resolved(named->second.front());
    }

private:
    // The text alias `match` leads to: its descriptive name, replaced in
    // turn by later aliases of that name.
    const std::string& Resolved(std::size_t match)
    {
        path_.clear();
        std::size_t at = match;
        while (!resolved_[at]) {
            path_.push_back(at);
            const auto named = positions_.find(aliases_[at].descriptiveName);
            if (named == positions_.end())
                break;
            const auto later = std::upper_bound(named->second.begin(), named->second.end(), at);
            if (later == named->second.end())
                break;
            at = *later;
        }
        const std::string* shown = resolved_[at] ? resolved_[at] : &aliases_[at].descriptiveName;
        for (const std::size_t step : path_)
            resolved_[step] = shown;
        return *shown;
    }

    std::vector<ProfileAlias> aliases_;
    std::unordered_map<std::string_view, std::vector<std::size_t>> positions_; // ascending, per alias name
    std::vector<const std::string*> resolved_;
    std::vector<std::size_t> path_;
};

// An entry's values as its list item shows them: the item's keys, then
// "Checked".
using EntryValues = std::array<std::optional<std::string_view>, 3>;
using ItemTextFunction = std::string (*)(const EntryValues& values, AliasNames& aliases);

std::string_view Shown(const std::optional<std::string_view>& value) { return value.value_or(kNotLoaded); }

std::string PairText(std::string_view name, std::string_view value)
{
    std::string text;
    text.reserve(name.size() + 3 + value.size());
    return text.append(name).append(" = ").append(value);
}

std::string AliasItemText(const EntryValues& values, AliasNames&) { return std::string(Shown(values[0])); }

// A bound alias is shown by its descriptive name.
std::string BindingItemText(const EntryValues& values, AliasNames& aliases)
{
    return PairText(Shown(values[0]), aliases.Shown(Shown(values[1])));
}

std::string SettingItemText(const EntryValues& values, AliasNames&)
{
    return PairText(Shown(values[0]), Shown(values[1]));
}

struct KindRow {
    std::string_view prefix;
    std::string_view countKey;
    std::array<std::string_view, 3> keys;
    ItemTextFunction itemText;
};

// In the order of ProfileEntryKind. An alias reads its descriptive name
// twice: the second one is not shown.
constexpr std::array<KindRow, 3> kKindRows{{
    {"Alias", "Aliases", {"DescriptiveName", "DescriptiveName", "Checked"}, AliasItemText},
    {"Bind", "Bindings", {"BindKey", "BindValue", "Checked"}, BindingItemText},
    {"Setting", "Settings", {"Setting", "SettingValue", "Checked"}, SettingItemText},
}};

const KindRow& Row(ProfileEntryKind kind) { return kKindRows[static_cast<std::size_t>(kind)]; }

constexpr std::array kListMembers{&ProfileLists::aliases, &ProfileLists::bindings, &ProfileLists::settings};

// Names the key and the file, so that the player knows what to mend.
std::string CountKeyAndFile(const IniFile& profile, std::string_view key)
{
    return " (\"" + std::string(key) + "\" under [" + std::string(kNumberOfSections) + "] in " + profile.path() + ")";
}

std::string TooManyEntries(const IniFile& profile, std::string_view key, std::string_view count)
{
    return FormatText("'%s' is more entries than a profile can hold", count) + CountKeyAndFile(profile, key);
}

} // namespace

std::string_view SectionPrefix(ProfileEntryKind kind) { return Row(kind).prefix; }

std::string_view CountKey(ProfileEntryKind kind) { return Row(kind).countKey; }

std::string EntrySection(ProfileEntryKind kind, std::size_t index)
{
    return std::string(SectionPrefix(kind)) + std::to_string(index + 1);
}

ProfileChanged::ProfileChanged(const std::string& path)
    : Error(path + " changed since it was shown. The lists now show it as it is; nothing was changed.")
{
}

std::string ProfilePath(const std::string& profileDirectory, const std::string& profileName)
{
    const std::string fileName = profileName + std::string(kProfileExtension);
    const std::string exact = JoinPath(profileDirectory, fileName);
    if (FileExists(exact))
        return exact;
    for (const std::string& entry : ListDirectory(profileDirectory, "*" + std::string(kProfileExtension)))
        if (entry.size() == fileName.size() && entry.compare(0, profileName.size(), profileName) == 0)
            return JoinPath(profileDirectory, entry);
    return exact;
}

namespace {

long long ParseEntryCount(const IniFile& profile, ProfileEntryKind kind, const std::string& text)
{
    const auto count = ParseWholeNumber(text, kSpaces);
    if (!count)
        throw Error(FormatText("'%s' is not a valid integer value", text) + CountKeyAndFile(profile, CountKey(kind)));
    if (*count > kMaxProfileEntries)
        throw Error(TooManyEntries(profile, CountKey(kind), text));
    return *count;
}

// The aliases as bindings show them, their count read leniently.
std::vector<ProfileAlias> ReadProfileAliases(const IniFile& profile, const EntrySections& sections)
{
    const long long count =
        LimitEntryCount(profile, IniFile::IntegerValue(sections.CountText(ProfileEntryKind::Alias), 0));
    std::vector<ProfileAlias> aliases;
    aliases.reserve(static_cast<std::size_t>(std::max(0LL, count)));
    constexpr std::array<std::string_view, 2> keys{"AliasName", "DescriptiveName"};
    std::array<std::optional<std::string_view>, 2> values;
    for (const EntrySections::Lines lines : sections.Entries(ProfileEntryKind::Alias, count)) {
        IniFile::ReadValues(lines, keys, values);
        aliases.push_back(ProfileAlias{std::string(values[0].value_or("")), std::string(values[1].value_or(""))});
    }
    return aliases;
}

ProfileList LoadEntryList(const IniFile& profile, const EntrySections& sections, ProfileEntryKind kind)
{
    const long long count = sections.Count(kind);
    // Only bindings show aliases; reading them once serves every binding.
    AliasNames aliases(kind == ProfileEntryKind::Binding ? ReadProfileAliases(profile, sections)
                                                         : std::vector<ProfileAlias>());
    const KindRow& row = Row(kind);
    ProfileList list;
    list.reserve(static_cast<std::size_t>(std::max(0LL, count)));
    EntryValues values;
    for (const EntrySections::Lines lines : sections.Entries(kind, count)) {
        IniFile::ReadValues(lines, row.keys, values);
        list.push_back(ProfileListItem{row.itemText(values, aliases), values[2] == "true"});
    }
    return list;
}

} // namespace

long long ReadEntryCount(const IniFile& profile, ProfileEntryKind kind)
{
    return ParseEntryCount(profile, kind, profile.ReadString(kNumberOfSections, CountKey(kind), "0"));
}

long long LimitEntryCount(const IniFile& profile, long long count)
{
    if (count > kMaxProfileEntries)
        throw Error("Too many entries (" + std::to_string(count) + ") in " + profile.path());
    return count;
}

namespace {

// A name that is `prefix` (in any case) followed by a whole number
// written without leading zeros.
std::optional<std::size_t> NumberAfter(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || !StartsWithIniName(name, prefix))
        return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.front() == '0' || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

} // namespace

EntrySections::EntrySections(const IniFile& profile) : profile_(profile)
{
    profile.ForEachSection([this](std::string_view name, Lines lines) {
        if (!counts_ && SameIniName(name, kNumberOfSections)) {
            counts_ = lines;
            return;
        }
        for (const ProfileEntryKind kind : kProfileEntryKinds)
            if (const auto number = NumberAfter(name, SectionPrefix(kind))) {
                found_.push_back(Found{kind, *number, lines});
                return;
            }
    });
}

std::string EntrySections::CountText(ProfileEntryKind kind) const
{
    std::optional<std::string_view> value;
    if (counts_)
        IniFile::ReadValues(*counts_, std::array{CountKey(kind)}, std::span(&value, 1));
    return std::string(value.value_or("0"));
}

long long EntrySections::Count(ProfileEntryKind kind) const { return ParseEntryCount(profile_, kind, CountText(kind)); }

std::vector<EntrySections::Lines> EntrySections::Entries(ProfileEntryKind kind, long long count) const
{
    std::vector<Lines> entries(static_cast<std::size_t>(std::max(0LL, count)));
    std::vector<bool> found(entries.size());
    for (const Found& section : found_)
        if (section.kind == kind && section.number <= entries.size() && !found[section.number - 1]) {
            entries[section.number - 1] = section.lines;
            found[section.number - 1] = true;
        }
    return entries;
}

std::vector<std::optional<std::string_view>> EntrySections::NumberedValues(Lines lines, std::string_view prefix,
                                                                           std::size_t count)
{
    std::vector<std::optional<std::string_view>> values(count);
    for (const std::string_view line : lines) {
        const auto key = IniFile::KeyOf(line);
        const auto number = key ? NumberAfter(*key, prefix) : std::nullopt;
        if (number && *number <= count && !values[*number - 1])
            values[*number - 1] = IniFile::ValueOf(line);
    }
    return values;
}

std::vector<ProfileAlias> ReadProfileAliases(const IniFile& profile)
{
    return ReadProfileAliases(profile, EntrySections(profile));
}

ProfileList LoadEntryList(const IniFile& profile, ProfileEntryKind kind)
{
    return LoadEntryList(profile, EntrySections(profile), kind);
}

ProfileList LoadAliasList(const IniFile& profile) { return LoadEntryList(profile, ProfileEntryKind::Alias); }

ProfileList LoadBindingList(const IniFile& profile) { return LoadEntryList(profile, ProfileEntryKind::Binding); }

ProfileList LoadSettingList(const IniFile& profile) { return LoadEntryList(profile, ProfileEntryKind::Setting); }

void LoadProfileLists(const IniFile& profile, ProfileLists& lists)
{
    const EntrySections sections(profile);
    for (const ProfileEntryKind kind : kProfileEntryKinds) {
        std::optional<ProfileList>& list = lists.*kListMembers[static_cast<std::size_t>(kind)];
        // Cleared first, so that a list whose count fails shows empty.
        list.emplace();
        *list = LoadEntryList(profile, sections, kind);
    }
}

void CheckEntryCounts(const std::string& path)
{
    const IniFile counts = IniFile::LoadSection(path, kNumberOfSections);
    for (const ProfileEntryKind kind : kProfileEntryKinds)
        ReadEntryCount(counts, kind);
}

void CheckShownEntry(const IniFile& profile, ProfileEntryKind kind, std::size_t index, const std::string& shownText)
{
    const ProfileList list = LoadEntryList(profile, kind);
    if (index >= list.size() || list[index].text != shownText)
        throw ProfileChanged(profile.path());
}

void CheckShownList(const IniFile& profile, ProfileEntryKind kind, const std::vector<std::string>& shownTexts)
{
    const ProfileList list = LoadEntryList(profile, kind);
    const auto sameText = [](const ProfileListItem& item, const std::string& text) { return item.text == text; };
    if (!std::equal(list.begin(), list.end(), shownTexts.begin(), shownTexts.end(), sameText))
        throw ProfileChanged(profile.path());
}

// The check-mark operations spell the key "checked"; an existing "Checked"
// is the same key and keeps its spelling.
void StoreEntryCheck(const std::string& path, ProfileEntryKind kind, std::size_t index, const std::string& shownText,
                     bool checked)
{
    IniFile profile = IniFile::Load(path);
    CheckShownEntry(profile, kind, index, shownText);
    profile.WriteString(EntrySection(kind, index), "checked", checked ? "true" : "false");
    profile.Save();
}

void SelectAllEntries(const std::string& path, ProfileEntryKind kind, const std::vector<std::string>& shownTexts,
                      bool checked)
{
    if (shownTexts.empty())
        return;
    IniFile profile = IniFile::Load(path);
    CheckShownList(profile, kind, shownTexts);
    for (std::size_t index = 0; index < shownTexts.size(); ++index)
        profile.WriteString(EntrySection(kind, index), "checked", checked ? "true" : "false");
    profile.Save();
}

} // namespace tesk
