#include "core/profiles/ProfileEntries.h"

#include "core/text/TextRules.h"

#include <algorithm>
#include <utility>

namespace tesk {

namespace {

constexpr std::string_view kAliasLinesKey = "AliasLines";

std::string AlineKey(std::size_t line) { return "Aline" + std::to_string(line); }

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

// The alias's number of lines; missing or not a number gives `missing`.
long long AliasLineCount(const IniFile& profile, const std::string& section, long long missing)
{
    const long long lines = profile.ReadInteger(section, kAliasLinesKey, missing);
    if (lines > kMaxAliasLines)
        throw Error(section + " of " + profile.path() + " has " + std::to_string(lines)
                    + " lines; an alias holds at most " + std::to_string(kMaxAliasLines) + " (AliasLines)");
    return lines;
}

// The section the editor's OK writes. A new entry follows the file's own
// last entry and starts empty: keys left over from an earlier entry of that
// number (a check mark among them) must not come back with it.
std::string TargetSection(IniFile& profile, ProfileEntryKind kind, const EntryTarget& target)
{
    if (!target.isNew) {
        CheckShownEntry(profile, kind, target.index, target.shownText);
        return EntrySection(kind, target.index);
    }
    const auto count = static_cast<std::size_t>(std::max(0LL, ReadEntryCount(profile, kind)));
    const std::string section = EntrySection(kind, count);
    profile.EraseSection(section);
    WriteCount(profile, kind, count + 1);
    return section;
}

// The list texts of the file's aliases, as the alias list shows them.
std::vector<std::string> AliasTexts(const IniFile& profile)
{
    const long long count = LimitEntryCount(profile, profile.ReadInteger(kNumberOfSections, "Aliases", 0));
    std::vector<std::string> texts;
    for (long long n = 1; n <= count; ++n)
        texts.push_back(profile.ReadString("Alias" + std::to_string(n), "DescriptiveName", kNotLoaded));
    return texts;
}

} // namespace

void CheckEntryToEdit(const std::string& path, ProfileEntryKind kind, std::size_t index, const std::string& shownText)
{
    const IniFile profile = IniFile::Load(path);
    CheckShownEntry(profile, kind, index, shownText);
    if (kind == ProfileEntryKind::Alias)
        AliasLineCount(profile, EntrySection(kind, index), 0);
}

AliasEntry ReadAliasEntry(const std::string& path, std::size_t index)
{
    const IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Alias, index);
    AliasEntry entry;
    entry.descriptiveName = profile.ReadString(section, "DescriptiveName", "No Name");
    entry.aliasName = profile.ReadString(section, "AliasName", "");
    const long long lines = AliasLineCount(profile, section, -1);
    for (long long line = 1; line <= lines; ++line)
        entry.lines.push_back(profile.ReadString(section, AlineKey(static_cast<std::size_t>(line)), ""));
    entry.description = profile.ReadString(section, "Description", "");
    return entry;
}

void WriteAliasEntry(const std::string& path, const EntryTarget& target, const AliasEntry& entry)
{
    if (static_cast<long long>(entry.lines.size()) > kMaxAliasLines)
        throw Error("An alias holds at most " + std::to_string(kMaxAliasLines) + " lines; this one has "
                    + std::to_string(entry.lines.size()) + " (" + path + ")");
    IniFile profile = IniFile::Load(path);
    const std::string section = TargetSection(profile, ProfileEntryKind::Alias, target);
    profile.WriteString(section, "DescriptiveName", entry.descriptiveName);
    profile.WriteString(section, "AliasName", entry.aliasName);
    profile.WriteString(section, "Description", WithoutLineBreaks(entry.description));
    profile.WriteString(section, kAliasLinesKey, std::to_string(entry.lines.size()));
    for (std::size_t line = 0; line < entry.lines.size(); ++line)
        profile.WriteString(section, AlineKey(line + 1), entry.lines[line]);
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

// The alias is looked up in the file as it is now, so that an alias list
// changed elsewhere cannot bind the key to another alias's name.
void WriteBindingEntry(const std::string& path, const EntryTarget& target, const std::string& key,
                       const std::string& comboText)
{
    IniFile profile = IniFile::Load(path);
    const std::string section = TargetSection(profile, ProfileEntryKind::Binding, target);
    profile.WriteString(section, "BindKey", key);
    if (const auto item = FindItemIgnoringCase(AliasTexts(profile), comboText)) {
        const std::string alias = EntrySection(ProfileEntryKind::Alias, *item);
        profile.WriteString(section, "Bindvalue", profile.ReadString(alias, "AliasName", ""));
    } else {
        profile.WriteString(section, "BindValue", comboText);
    }
    profile.Save();
}

SettingEntry ReadSettingEntry(const std::string& path, std::size_t index)
{
    const IniFile profile = IniFile::Load(path);
    const std::string section = EntrySection(ProfileEntryKind::Setting, index);
    return SettingEntry{profile.ReadString(section, "Setting", ""), profile.ReadString(section, "SettingValue", "")};
}

void WriteSettingEntry(const std::string& path, const EntryTarget& target, const SettingEntry& entry)
{
    IniFile profile = IniFile::Load(path);
    const std::string section = TargetSection(profile, ProfileEntryKind::Setting, target);
    profile.WriteString(section, "Setting", entry.setting);
    profile.WriteString(section, "SettingValue", entry.value);
    profile.Save();
}

std::string DeleteEntryQuestion(const std::string& listText) { return "Delete Alias " + listText + "?"; }

// Renaming the sections moves each entry whole, whatever keys it holds.
void DeleteProfileEntry(const std::string& path, ProfileEntryKind kind, std::size_t index, const std::string& shownText)
{
    IniFile profile = IniFile::Load(path);
    const long long count = ReadEntryCount(profile, kind);
    CheckShownEntry(profile, kind, index, shownText);
    profile.EraseSection(EntrySection(kind, index));
    std::vector<std::pair<std::string, std::string>> moves;
    for (auto next = index + 1; static_cast<long long>(next) < count; ++next)
        moves.emplace_back(EntrySection(kind, next), EntrySection(kind, next - 1));
    profile.RenameSections(moves);
    WriteCount(profile, kind, static_cast<std::size_t>(count - 1));
    profile.Save();
}

} // namespace tesk
