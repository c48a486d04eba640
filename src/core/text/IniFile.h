#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tesk {

// An INI file (tesk.ini, the profiles) kept as its lines, so that a change
// touches only the line it concerns. Section and key names are matched
// without regard to ASCII case and surrounding blanks; where a name occurs
// twice, the first occurrence counts. A leading UTF-8 byte-order mark is
// skipped when reading and kept when writing.
class IniFile {
public:
    // A missing file gives an empty one; a file that exists but cannot be
    // read throws Error("Cannot open file <path>").
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view text, std::string path = {});
    // Only the section that reads of `section` see (the first of that name),
    // for a few values of a big file: the rest is not built. Throws as Load.
    static IniFile LoadSection(const std::string& path, std::string_view section);

    const std::string& path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as a whole decimal number, else the default.
    long long ReadInteger(std::string_view section, std::string_view key,
                          long long defaultValue) const;
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
    // Names compared and hashed without regard to ASCII case, so that a
    // lookup needs no upper-cased copy of the name.
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual>;

    // The keys of a section and the line each first stands on. Most sections
    // hold a handful, looked up in a short list; a section of many keys (an
    // alias of thousands of lines) moves them into a hash map.
    class KeyIndex {
    public:
        const std::size_t* Find(std::string_view key) const;
        void Add(std::string_view key, std::size_t line);

    private:
        std::vector<std::pair<std::string, std::size_t>> few_;
        NameIndex many_;
    };

    struct Section {
        std::optional<std::string> name;  // upper-cased; none for the lines before the first header
        std::string header;
        std::vector<std::string> lines = {};
        KeyIndex keys = {};
    };

    void AddParsedLine(std::string line);
    void IndexSections();
    const std::string* FindLine(std::string_view section, std::string_view key) const;
    Section& SectionForWriting(const std::string& section);

    std::string path_;
    bool byteOrderMark_ = false;
    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

} // namespace tesk
