#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tesk {

// Section and key names as the files compare them: without regard to ASCII
// case and surrounding blanks.
bool SameIniName(std::string_view a, std::string_view b);
// Whether a trimmed name begins with `prefix` compared that way.
bool StartsWithIniName(std::string_view name, std::string_view prefix);

// An INI file (tesk.ini, the profiles) kept as its lines, so that a change
// touches only the line it concerns. The lines are views into the bytes
// read: loading a profile of thousands of entries makes no string per line.
// Section and key names are matched without regard to ASCII case and
// surrounding blanks; where a name occurs twice, the first occurrence
// counts. A leading UTF-8 byte-order mark is skipped when reading and kept
// when writing.

class IniFile {
public:
    IniFile() = default;
    IniFile(IniFile&&) noexcept = default;
    IniFile& operator=(IniFile&&) noexcept = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // A missing file gives an empty one; a file that exists but cannot be
    // read throws Error("Cannot open file <path>").
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view text, std::string path = {});
    // Only the section that reads of `section` see (the first of that name),
    // for a few values of a big file: the rest is not built. Throws as Load.
    static IniFile LoadSection(const std::string& path, std::string_view section);

    const std::string& path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value as a whole decimal number, else the default.
    long long ReadInteger(std::string_view section, std::string_view key, long long defaultValue) const;
    // The values of several keys (spelt without surrounding blanks) in the
    // lines of a section given by ForEachSection, found in one pass: each
    // the value ReadString gives, or none where the key is missing. The
    // views last as long as this file.
    static void ReadValues(std::span<const std::string_view> lines, std::span<const std::string_view> keys,
                           std::span<std::optional<std::string_view>> values);
    // Every section in file order (a name given twice is visited twice) with
    // its lines, visit(name, lines), for reading many sections without
    // looking each one up.
    template <typename Visit>
    void ForEachSection(Visit&& visit) const
    {
        for (const Section& section : sections_)
            if (section.named)
                visit(section.name, Lines(section));
    }
    // A line's key, and its value as ReadString reads it: for going through
    // a section's lines given by ForEachSection.
    static std::optional<std::string_view> KeyOf(std::string_view line);
    static std::string_view ValueOf(std::string_view line);
    // A stored value as ReadInteger reads it.
    static long long IntegerValue(std::string_view value, long long defaultValue);
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Replaces the value in place, keeping the key's spelling, or adds the key
    // at the end of its section, or the section at the end of the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines.
    void EraseSection(std::string_view section);
    // Gives every section named `from` of each pair the name `to`, all at
    // once, keeping its place in the file and every line it holds.
    void RenameSections(const std::vector<std::pair<std::string, std::string>>& renames);

    // The file's text with CR LF line ends.
    std::string Serialize() const;
    // Replaces the file at once; throws Error("Unable to write to <path>").
    void Save() const;

private:
    // Names compared and hashed without regard to ASCII case and the blanks
    // around them, so that a lookup needs no upper-cased copy of the name.
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual>;

    // A section's lines lie in the file's line table until a line is added
    // to it; then it keeps them in a list of its own. Its keys are found by
    // going through its lines; a section of many lines (an alias of
    // thousands) indexes its keys the first time one is looked up.
    struct Section {
        bool named = false;    // false for the lines before the first header
        std::string_view name; // trimmed, as spelt
        std::string_view header;
        std::size_t first = 0;
        std::size_t count = 0;
        std::unique_ptr<std::vector<std::string_view>> own = {};
        mutable std::unique_ptr<NameIndex> keys = {};
    };

    std::span<const std::string_view> Lines(const Section& section) const;
    std::vector<std::string_view>& OwnLines(Section& section);
    const std::string_view* FindKey(const Section& section, std::string_view key) const;
    static IniFile FromFile(const std::string& path, std::string_view onlySection);
    void ParseLines(std::string_view text, std::string_view onlySection);
    const NameIndex& SectionIndex() const;
    const std::string_view* FindLine(std::string_view section, std::string_view key) const;
    Section& SectionForWriting(std::string_view section);
    std::string_view Keep(std::string text);

    std::string path_;
    bool byteOrderMark_ = false;
    // The bytes read, which the lines point into, and the text of every
    // line a change made (a deque: its strings never move).
    std::unique_ptr<const std::string> bytes_;
    std::deque<std::string> written_;
    std::vector<std::string_view> lines_;
    std::vector<Section> sections_;
    mutable NameIndex sectionIndex_;
    mutable bool indexed_ = false;
};

} // namespace tesk
