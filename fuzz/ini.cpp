// The INI engine: parsing arbitrary bytes, then writing values into it. Every
// written value must read back the same, in memory and after the text is
// parsed again; the keys not written must keep their values; serializing must
// be stable; an erased section must stay gone.

#include "FuzzSupport.h"

#include "core/text/IniFile.h"
#include "core/text/TextFile.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

using tesk::IniFile;
using tesk::fuzz::Check;

struct Name {
    std::string section;
    std::string key;
};

// Names the program itself uses, in other letter cases as well, plus one that
// no file has yet.
const std::vector<Name> kProgramNames = {
    {"NumberOfSections", "Aliases"}, {"numberofsections", "BINDINGS"},
    {"Alias1", "DescriptiveName"},   {"Bind2", "checked"},
    {"tesk", "configfile"},          {"New Section", "New Key"},
};
constexpr std::size_t kMaxFileNames = 6;

std::pair<std::string, std::string> Identity(const Name& name)
{
    return {tesk::AsciiUpper(name.section), tesk::AsciiUpper(name.key)};
}

// A name an INI line can hold: one line, no brackets, equals sign or leading
// comment mark, no blanks at its ends (those are not part of a name).
bool IsPlainName(std::string_view name)
{
    return !name.empty() && name.find_first_of("[]=\r\n") == std::string_view::npos && name.front() != ';'
           && tesk::Trim(name) == name;
}

// Section and key names that the file seems to hold, found by a rough scan:
// they only propose names, the engine decides what they are.
std::vector<Name> NamesInFile(const std::vector<std::string>& lines)
{
    std::vector<Name> names;
    std::optional<std::string> section;
    for (const auto& line : lines) {
        const auto text = tesk::Trim(line);
        if (!text.empty() && text.front() == '[' && text.find(']') != std::string_view::npos) {
            section = std::string(tesk::Trim(text.substr(1, text.find(']') - 1)));
            continue;
        }
        const auto key = tesk::Trim(text.substr(0, text.find('=')));
        if (section && IsPlainName(*section) && text.find('=') != std::string_view::npos && IsPlainName(key))
            names.push_back({*section, std::string(key)});
        if (names.size() == kMaxFileNames)
            break;
    }
    return names;
}

// The value written for the i-th name: a line of the input, as it is or
// with what reading would strip from a value that is not protected.
std::string ValueFor(std::size_t i, const std::vector<std::string>& lines)
{
    const std::string line = lines.empty() ? std::string() : lines[i % lines.size()];
    switch (i % 5) {
    case 0: return line;
    case 1: return " " + line + " ";
    case 2: return "\"" + line + "\"";
    case 3: return line + "\t";
    default: return std::to_string(static_cast<long long>(std::hash<std::string>{}(line)));
    }
}

using Values = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

std::optional<std::string> ValueOf(const IniFile& ini, const Name& name)
{
    if (!ini.ValueExists(name.section, name.key))
        return std::nullopt;
    return ini.ReadString(name.section, name.key, "");
}

void CheckValues(const IniFile& ini, const std::vector<Name>& names, const Values& expected)
{
    for (const Name& name : names)
        Check(ValueOf(ini, name) == expected.at(Identity(name)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = tesk::fuzz::AsText(data, size);
    IniFile ini = IniFile::Parse(text, "fuzz.ini");
    const auto lines = tesk::SplitLines(text);

    // Every other name from the file is written; the rest must not change.
    std::vector<Name> written = kProgramNames;
    std::vector<Name> kept;
    const auto fileNames = NamesInFile(lines);
    for (std::size_t i = 0; i < fileNames.size(); ++i)
        (i % 2 == 0 ? written : kept).push_back(fileNames[i]);

    Values expected;
    for (const Name& name : kept)
        expected[Identity(name)] = ValueOf(ini, name);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string value = ValueFor(i, lines);
        ini.WriteString(written[i].section, written[i].key, value);
        expected[Identity(written[i])] = value;
    }
    std::erase_if(kept, [&written](const Name& name) {
        return std::any_of(written.begin(), written.end(),
                           [&name](const Name& other) { return Identity(other) == Identity(name); });
    });

    const IniFile reread = IniFile::Parse(ini.Serialize());
    for (const IniFile* file : std::initializer_list<const IniFile*>{&ini, &reread}) {
        CheckValues(*file, written, expected);
        CheckValues(*file, kept, expected);
    }
    // Whole numbers read back as numbers too, unless a later name overwrote them.
    for (std::size_t i = 4; i < written.size(); i += 5) {
        const std::string value = ValueFor(i, lines);
        if (expected.at(Identity(written[i])) == value)
            Check(reread.ReadInteger(written[i].section, written[i].key, 0) == std::stoll(value));
    }
    Check(reread.Serialize() == ini.Serialize());

    const std::string& erased = written.back().section;
    ini.EraseSection(erased);
    Check(!ini.SectionExists(erased));
    Check(!IniFile::Parse(ini.Serialize()).SectionExists(erased));
    return 0;
}
