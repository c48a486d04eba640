#pragma once

// The entry editors' reads and writes and the deletion of an entry. The
// editors address an entry by its list index (`txtLineNumber`, from 0) in
// the file ProfilePath(profile directory, `txtCurrentGame`). A new entry is
// always appended: its index is the list's entry count, passed again as
// numberOfLines (`txtNumberOfLines`). Every write loads the file once and
// saves it once; a failed save throws Error("Unable to write to <path>")
// and leaves the file byte for byte.

#include "core/profiles/ProfileFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tesk {

struct AliasEntry {
    std::string descriptiveName;
    std::string aliasName;
    // The description box's whole text. Its line breaks are dropped when
    // stored, so lines typed apart come back joined with no separator.
    std::string description;
    // The alias's command lines, one per line of the alias box.
    std::vector<std::string> lines;
};

// The alias editor's fields: the descriptive name defaults to "No Name",
// the rest to empty; an "AliasLines" that is missing or not a number gives
// no lines.
AliasEntry ReadAliasEntry(const std::string& path, std::size_t index);
// Writes "DescriptiveName", "AliasName", "Description", "AliasLines" and
// "Aline" 1 to the number of lines ("Aline" keys beyond it stay, unread),
// then the alias count: numberOfLines + 1 for a new alias, else
// numberOfLines.
void WriteAliasEntry(const std::string& path, std::size_t index, const AliasEntry& entry, bool isNew,
                     std::size_t numberOfLines);

// What the binding editor shows for an existing binding. The window's combo
// lists aliasItems, the texts of the alias list.
struct BindingEditorState {
    std::string key;    // "BindKey"
    std::string value;  // "BindValue" as stored
    // The combo item to select: the item equal, ignoring case, to the
    // descriptive name of the last alias whose alias name equals the value
    // with case. Without one, the combo's text is the value.
    std::optional<std::size_t> selectedAlias;
};
BindingEditorState ReadBindingEntry(const std::string& path, std::size_t index,
                                    const std::vector<std::string>& aliasItems);
// Writes "BindKey" = key and the bound command: when comboText equals an
// item of aliasItems ignoring case (first equal item p), "Bindvalue" = the
// alias name of alias p + 1; otherwise "BindValue" = comboText as typed.
// Only a new binding writes the count, numberOfLines + 1.
void WriteBindingEntry(const std::string& path, std::size_t index, const std::string& key,
                       const std::string& comboText, const std::vector<std::string>& aliasItems,
                       bool isNew, std::size_t numberOfLines);

struct SettingEntry {
    std::string setting;  // the console variable
    std::string value;
};
// Both fields default to empty.
SettingEntry ReadSettingEntry(const std::string& path, std::size_t index);
// Only a new setting writes the count, numberOfLines + 1.
void WriteSettingEntry(const std::string& path, std::size_t index, const SettingEntry& entry, bool isNew,
                       std::size_t numberOfLines);

// The confirmation asked before deleting an entry of any kind:
// "Delete Alias " + its list text + "?".
std::string DeleteEntryQuestion(const std::string& listText);

// Deletes list item `index`: every following entry moves down by one
// number with its check mark, the last section is erased and the count
// lowered. An index beyond the file's count (the list no longer matches
// the file) changes nothing and gives false. A count no profile can hold
// throws Error naming the file.
bool DeleteProfileEntry(const std::string& path, ProfileEntryKind kind, std::size_t index);

} // namespace tesk
