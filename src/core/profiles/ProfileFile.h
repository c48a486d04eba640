#pragma once

// Profile files: per-game (and one global) collections of aliases, bindings
// and settings in INI form. Nothing of a profile is kept in memory: the
// check lists are rebuilt from the file, and every change is written to it
// at once, each operation loading the file once and saving it once.

#include "core/text/Error.h"
#include "core/text/IniFile.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// Entries of a kind live in sections prefix + N, N counted from 1 in list
// order, and are counted under kNumberOfSections / the kind's count key.
enum class ProfileEntryKind { Alias, Binding, Setting };

inline constexpr std::array kProfileEntryKinds{ProfileEntryKind::Alias, ProfileEntryKind::Binding,
                                               ProfileEntryKind::Setting};

inline constexpr std::string_view kNumberOfSections = "NumberOfSections";
inline constexpr std::string_view kGlobalProfileName = "Global Aliases";
inline constexpr std::string_view kProfileExtension = ".tesk";
// What an entry shows for a key that is missing from the file.
inline constexpr std::string_view kNotLoaded = "didn't load";
// Counts above this are refused: a damaged count must not make a list of
// billions of placeholder items.
inline constexpr long long kMaxProfileEntries = 1'000'000;
// The most command lines an alias may hold ("AliasLines"). Every reader and
// writer of alias lines keeps to it: the config writer reads an alias over
// it as one without lines, the editor and Delete refuse to touch it.
inline constexpr long long kMaxAliasLines = 10'000;

// The profile no longer holds what the lists show (another window or a text
// editor changed it): the command changed nothing. Names the file.
class ProfileChanged : public Error {
public:
    explicit ProfileChanged(const std::string& path);
};

// "Alias", "Bind" or "Setting".
std::string_view SectionPrefix(ProfileEntryKind kind);
// "Aliases", "Bindings" or "Settings".
std::string_view CountKey(ProfileEntryKind kind);
// Section of list item `index` (counted from 0): prefix + (index + 1).
std::string EntrySection(ProfileEntryKind kind, std::size_t index);

// profileDirectory + separator + profileName + ".tesk". The profile
// directory is Tesk's data directory, as start-up found it; the global
// profile is named kGlobalProfileName.
// The games are listed without regard to the extension's letter case, so
// when that file is missing, an existing profileName + ".TESK" (any case of
// the extension) is the profile.
std::string ProfilePath(const std::string& profileDirectory, const std::string& profileName);

struct ProfileListItem {
    std::string text;
    bool checked = false;
};
using ProfileList = std::vector<ProfileListItem>;

// The kind's count as the lists read it. A count that is not a whole number
// throws Error("'<text>' is not a valid integer value", followed by the key
// and the file); one above kMaxProfileEntries throws an Error naming both.
long long ReadEntryCount(const IniFile& profile, ProfileEntryKind kind);
// Refuses a count read leniently (ReadInteger) that no profile can hold.
long long LimitEntryCount(const IniFile& profile, long long count);

// The sections of a profile's entries, found in one pass through the file,
// for reading every entry without looking each section up by name: an
// entry is the first section named prefix + N (N written without leading
// zeros), as a lookup finds it, counted by the first [NumberOfSections].
class EntrySections {
public:
    using Lines = std::span<const std::string_view>;

    explicit EntrySections(const IniFile& profile);
    // The count's stored text, "0" when it is missing, and the count as
    // ReadEntryCount reads it (and throws).
    std::string CountText(ProfileEntryKind kind) const;
    long long Count(ProfileEntryKind kind) const;
    // The lines of entries 1 to `count` of a kind; none for an entry whose
    // section is missing.
    std::vector<Lines> Entries(ProfileEntryKind kind, long long count) const;
    // The values of keys prefix + 1 to prefix + count ("ALine1"...) in an
    // entry's lines, each the first of its name, as lookups read them.
    static std::vector<std::optional<std::string_view>> NumberedValues(Lines lines, std::string_view prefix,
                                                                       std::size_t count);

private:
    struct Found {
        ProfileEntryKind kind;
        std::size_t number;
        Lines lines;
    };

    const IniFile& profile_;
    std::optional<Lines> counts_;
    std::vector<Found> found_;
};

// An alias as bindings refer to it: "AliasName" and "DescriptiveName" of
// sections 1 to the alias count (read leniently: not a number counts as 0),
// both with the default empty.
struct ProfileAlias {
    std::string aliasName;
    std::string descriptiveName;
};
std::vector<ProfileAlias> ReadProfileAliases(const IniFile& profile);

// One check list: an item per entry 1 to the count, checked exactly when
// its "Checked" value is "true" (with case). Aliases show their descriptive
// name; bindings "key = value", where a value equal (with case) to an
// alias's name shows that alias's descriptive name instead, the last match
// winning; settings "name = value". Throws as ReadEntryCount does.
ProfileList LoadAliasList(const IniFile& profile);
ProfileList LoadBindingList(const IniFile& profile);
ProfileList LoadSettingList(const IniFile& profile);
ProfileList LoadEntryList(const IniFile& profile, ProfileEntryKind kind);

// The three lists as the window shows them. A list that has a value
// replaces the window's list; one without is left as the window shows it.
struct ProfileLists {
    std::optional<ProfileList> aliases;
    std::optional<ProfileList> bindings;
    std::optional<ProfileList> settings;
};

// Loads aliases, bindings and settings, in this order, into `lists`. On a
// bad count the Error propagates: the lists before it are loaded, the
// failing one is empty (it is cleared first) and the ones after it have no
// value, so the window can show exactly what was loaded.
void LoadProfileLists(const IniFile& profile, ProfileLists& lists);

// Reads only the counts of the profile at `path` and throws as
// LoadProfileLists would for them (or for a file that cannot be read), so
// that a broken count is found without loading the entries.
void CheckEntryCounts(const std::string& path);

// Commands act on the file as it is now: each one first makes sure that the
// entries it touches are still the ones the list shows (by their list
// texts), else throws ProfileChanged.
void CheckShownEntry(const IniFile& profile, ProfileEntryKind kind, std::size_t index, const std::string& shownText);
void CheckShownList(const IniFile& profile, ProfileEntryKind kind, const std::vector<std::string>& shownTexts);

// Stores the check mark of list item `index`, shown as `shownText`, as key
// "checked" ("true" or "false"). A failed save throws Error("Unable to
// write to <path>") and leaves the file as it was.
void StoreEntryCheck(const std::string& path, ProfileEntryKind kind, std::size_t index, const std::string& shownText,
                     bool checked);
// Stores the same check mark for every entry of the list shown as
// `shownTexts`, in one save; an empty list writes nothing.
void SelectAllEntries(const std::string& path, ProfileEntryKind kind, const std::vector<std::string>& shownTexts,
                      bool checked);

} // namespace tesk
