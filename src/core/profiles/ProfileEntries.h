#pragma once

// The entry editors' reads and writes and the deletion of an entry. The
// editors address an entry by its list index (`txtLineNumber`, from 0) in
// the file ProfilePath(profile directory, `txtCurrentGame`). Every command
// acts on the file as it is when it runs: a new entry is appended after the
// file's own last entry, and an entry that is edited or deleted must still
// be the one the list shows, else ProfileChanged is thrown and nothing
// changes. Every write loads the file once and saves it once; a failed save
// throws Error("Unable to write to <path>") and leaves the file byte for
// byte.

#include "core/profiles/ProfileFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tesk {

// The entry an editor's OK writes: a new one, or list item `index` shown as
// `shownText`.
struct EntryTarget {
    bool isNew = true;
    std::size_t index = 0;
    std::string shownText;
};

// Throws unless list item `index` can be edited: ProfileChanged when it is
// no longer shown as `shownText`, an Error naming the file and the entry
// when it is an alias of more than kMaxAliasLines lines.
void CheckEntryToEdit(const std::string& path, ProfileEntryKind kind, std::size_t index, const std::string& shownText);

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
// no lines, one above kMaxAliasLines throws an Error naming the entry.
AliasEntry ReadAliasEntry(const std::string& path, std::size_t index);
// Writes "DescriptiveName", "AliasName", "Description", "AliasLines" and
// "Aline" 1 to the number of lines ("Aline" keys beyond it stay, unread).
// A new alias starts from an empty section and raises the count by one.
// More than kMaxAliasLines lines are refused with an Error.
void WriteAliasEntry(const std::string& path, const EntryTarget& target, const AliasEntry& entry);

// What the binding editor shows for an existing binding. The window's combo
// lists aliasItems, the texts of the alias list.
struct BindingEditorState {
    std::string key;   // "BindKey"
    std::string value; // "BindValue" as stored
    // The combo item to select: the item equal, ignoring case, to the
    // descriptive name of the last alias whose alias name equals the value
    // with case. Without one, the combo's text is the value.
    std::optional<std::size_t> selectedAlias;
};
BindingEditorState ReadBindingEntry(const std::string& path, std::size_t index,
                                    const std::vector<std::string>& aliasItems);
// Writes "BindKey" = key and the bound command: when comboText equals the
// list text of one of the file's aliases ignoring case (first equal alias
// p), "Bindvalue" = the alias name of alias p; otherwise "BindValue" =
// comboText as typed. Only a new binding writes the count.
void WriteBindingEntry(const std::string& path, const EntryTarget& target, const std::string& key,
                       const std::string& comboText);

struct SettingEntry {
    std::string setting; // the console variable
    std::string value;
};
// Both fields default to empty.
SettingEntry ReadSettingEntry(const std::string& path, std::size_t index);
// Only a new setting writes the count.
void WriteSettingEntry(const std::string& path, const EntryTarget& target, const SettingEntry& entry);

// The confirmation asked before deleting an entry of any kind:
// "Delete Alias " + its list text + "?".
std::string DeleteEntryQuestion(const std::string& listText);

// Deletes list item `index`, shown as `shownText`: its section is erased
// and every following section takes the number before it, whole and
// untouched (check mark, every alias line, and a missing key stays
// missing); then the count is lowered. A count that is not a whole number
// or no profile can hold throws Error naming the file and the key.
void DeleteProfileEntry(const std::string& path, ProfileEntryKind kind, std::size_t index,
                        const std::string& shownText);

} // namespace tesk
