#include "core/profiles/ProfileEntries.h"

#include "core/app/GameDirectoryLists.h"

#include <algorithm>
#include <span>

namespace tesk {

namespace {

constexpr std::string_view kAliasLinesKey = "AliasLines";

// The keys an entry takes along when it moves down a number; an alias's
// command lines and every entry's check mark go with them.
constexpr std::array<std::string_view, 3> kAliasKeys{"DescriptiveName", "AliasName", "Description"};
constexpr std::array<std::string_view, 2> kBindingKeys{"BindKey", "BindValue"};
constexpr std::array<std::string_view, 2> kSettingKeys{"Setting", "SettingValue"};
constexpr std::array<std::span<const std::string_view>, 3> kMovedKeys{kAliasKeys, kBindingKeys, kSettingKeys};

std::string AlineKey(std::size_t line)
{
    return "Aline" + std::to_string(line);
}

std::optional<std::size_t> FindItemIgnoringCase(const std::vector<std::string>& items, const std::string& text)
{
    const std::string wanted = AsciiLower(text);
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&wanted](const std::string& item) { return AsciiLower(item) == wanted; });
    if (found == items.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - items.begin());
}

void WriteCount(IniFile& profile, ProfileEntryKind kind, std::size_t count)
{
    profile.WriteString(kNumberOfSections, CountKey(kind), std::to_string(count));
}

// The box's line breaks join its lines with no separator.
std::string WithoutLineBreaks(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

// Overwrites entry `to` with entry `from` in place, its check mark
// included; keys missing from `from` arrive as kNotLoaded. Keys that only
// `to` had (such as "Aline" keys beyond the moved count) stay, unread.
void CopyEntry(IniFile& profile, ProfileEntryKind kind, const std::string& from, const std::string& to)
{
    for (const std::string_view key : kMovedKeys[static_cast<std::size_t>(kind)])
        profile.WriteString(to, key, profile.ReadString(from, key, kNotLoaded));
    if (kind == ProfileEntryKind::Alias) {
        const long long lines = LimitEntryCount(profile, profile.ReadInteger(from, kAliasLinesKey, 0));
        profile.WriteString(to, kAliasLinesKey, std::to_string(lines));
        for (long long line = 1; line <= lines; ++line) {
            const std::string key = AlineKey(static_cast<std::size_t>(line));
            profile.WriteString(to, key, profile.ReadString(from, key, kNotLoaded));
        }
    }
    if (profile.ValueExists(from, "Checked") || profile.ValueExists(to, "Checked"))
        profile.WriteString(to, "Checked", profile.ReadString(from, "Checked", "false"));
}

} // namespace

AliasEntry ReadAliasEntry(const std::string& path, std::size_t index)
{
    const IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Alias, index);
    AliasEntry entry;
    entry.descriptiveName = profile.ReadString(section, "DescriptiveName", "No Name");
    entry.aliasName = profile.ReadString(section, "AliasName", "");
    const long long lines = LimitEntryCount(profile, profile.ReadInteger(section, kAliasLinesKey, -1));
    for (long long line = 1; line <= lines; ++line)
        entry.lines.push_back(profile.ReadString(section, AlineKey(static_cast<std::size_t>(line)), ""));
    entry.description = profile.ReadString(section, "Description", "");
    return entry;
}

void WriteAliasEntry(const std::string& path, std::size_t index, const AliasEntry& entry, bool isNew,
                     std::size_t numberOfLines)
{
    IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Alias, index);
    profile.WriteString(section, "DescriptiveName", entry.descriptiveName);
    profile.WriteString(section, "AliasName", entry.aliasName);
    profile.WriteString(section, "Description", WithoutLineBreaks(entry.description));
    profile.WriteString(section, kAliasLinesKey, std::to_string(entry.lines.size()));
    for (std::size_t line = 0; line < entry.lines.size(); ++line)
        profile.WriteString(section, AlineKey(line + 1), entry.lines[line]);
    WriteCount(profile, ProfileEntryKind::Alias, isNew ? numberOfLines + 1 : numberOfLines);
    profile.Save();
}

BindingEditorState ReadBindingEntry(const std::string& path, std::size_t index,
                                    const std::vector<std::string>& aliasItems)
{
    const IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Binding, index);
    BindingEditorState state;
    state.key = profile.ReadString(section, "BindKey", "");
    state.value = profile.ReadString(section, "BindValue", "");
    // Each match replaces the selection, even with none when the alias's
    // name is not in the combo.
    for (const ProfileAlias& alias : ReadProfileAliases(profile))
        if (alias.aliasName == state.value)
            state.selectedAlias = FindItemIgnoringCase(aliasItems, alias.descriptiveName);
    return state;
}

void WriteBindingEntry(const std::string& path, std::size_t index, const std::string& key,
                       const std::string& comboText, const std::vector<std::string>& aliasItems,
                       bool isNew, std::size_t numberOfLines)
{
    IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Binding, index);
    profile.WriteString(section, "BindKey", key);
    if (const auto item = FindItemIgnoringCase(aliasItems, comboText)) {
        const std::string alias = EntrySection(ProfileEntryKind::Alias, *item);
        profile.WriteString(section, "Bindvalue", profile.ReadString(alias, "AliasName", ""));
    } else {
        profile.WriteString(section, "BindValue", comboText);
    }
    if (isNew)
        WriteCount(profile, ProfileEntryKind::Binding, numberOfLines + 1);
    profile.Save();
}

SettingEntry ReadSettingEntry(const std::string& path, std::size_t index)
{
    const IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Setting, index);
    return SettingEntry{profile.ReadString(section, "Setting", ""),
                        profile.ReadString(section, "SettingValue", "")};
}

void WriteSettingEntry(const std::string& path, std::size_t index, const SettingEntry& entry, bool isNew,
                       std::size_t numberOfLines)
{
    IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Setting, index);
    profile.WriteString(section, "Setting", entry.setting);
    profile.WriteString(section, "SettingValue", entry.value);
    if (isNew)
        WriteCount(profile, ProfileEntryKind::Setting, numberOfLines + 1);
    profile.Save();
}

std::string DeleteEntryQuestion(const std::string& listText)
{
    return "Delete Alias " + listText + "?";
}

bool DeleteProfileEntry(const std::string& path, ProfileEntryKind kind, std::size_t index)
{
    IniFile profile = IniFile::Load(path);
    const long long count = LimitEntryCount(profile, profile.ReadInteger(kNumberOfSections, CountKey(kind), 0));
    // Deleting a number the file does not count would erase its real last entry.
    if (static_cast<long long>(index) >= count)
        return false;
    // Moving in place keeps each section where it is in the file and erases
    // only the last one, which then holds a second copy of the last entry.
    for (auto next = index + 1; static_cast<long long>(next) < count; ++next)
        CopyEntry(profile, kind, EntrySection(kind, next), EntrySection(kind, next - 1));
    profile.EraseSection(EntrySection(kind, static_cast<std::size_t>(count - 1)));
    WriteCount(profile, kind, static_cast<std::size_t>(count - 1));
    profile.Save();
    return true;
}

} // namespace tesk
