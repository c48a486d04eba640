// Our own engine rather than libsimpleini: a change must leave every other
// line byte for byte (comments, lines that are no key, the blanks around "="
// and the spelling of the keys), whereas the library writes the file anew from
// its own model; files must also be read in any line ending and written with
// CR LF whatever the platform.
#include "core/text/IniFile.h"

#include "core/text/TextFile.h"

#include <algorithm>
#include <charconv>

namespace tesk {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string NameKey(std::string_view name)
{
    std::string key(TrimBlanks(name));
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

// Values and names are one line each.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

bool IsQuoted(std::string_view text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

std::optional<std::string_view> HeaderName(std::string_view line)
{
    const auto text = TrimBlanks(line);
    const auto close = text.find(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(text.substr(1, close - 1));
}

std::optional<std::string_view> KeyName(std::string_view line)
{
    const auto text = TrimBlanks(line);
    const auto equals = text.find('=');
    if (text.empty() || text.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    const auto key = TrimBlanks(text.substr(0, equals));
    return key.empty() ? std::nullopt : std::optional<std::string_view>(key);
}

// Blanks around a value and one pair of enclosing quotes are not part of it.
std::string StoredValue(std::string_view line)
{
    auto value = TrimBlanks(line.substr(line.find('=') + 1));
    if (IsQuoted(value))
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Quotes keep what reading would otherwise strip, so a value reads back as
// it was written.
std::string ValueText(std::string_view value)
{
    std::string text = OneLine(value);
    const bool strippable = !text.empty()
        && (IsBlank(text.front()) || IsBlank(text.back()) || IsQuoted(text));
    return strippable ? '"' + text + '"' : text;
}

// Keeps the key as spelt and the blanks after the equals sign.
void ReplaceValue(std::string& line, const std::string& value)
{
    auto start = line.find('=') + 1;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    line.replace(start, std::string::npos, value);
}

std::optional<long long> ParseWholeNumber(std::string_view text)
{
    text = TrimBlanks(text);
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

char Folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Above this many keys a section indexes them in a hash map.
constexpr std::size_t kFewKeys = 16;

} // namespace

std::size_t IniFile::FoldedHash::operator()(std::string_view name) const
{
    std::size_t hash = 14695981039346656037ull;
    for (const char c : TrimBlanks(name))
        hash = (hash ^ static_cast<unsigned char>(Folded(c))) * 1099511628211ull;
    return hash;
}

bool IniFile::FoldedEqual::operator()(std::string_view a, std::string_view b) const
{
    a = TrimBlanks(a);
    b = TrimBlanks(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Folded(x) == Folded(y);
           });
}

const std::size_t* IniFile::KeyIndex::Find(std::string_view key) const
{
    if (!many_.empty()) {
        const auto found = many_.find(key);
        return found == many_.end() ? nullptr : &found->second;
    }
    for (const auto& [name, line] : few_)
        if (FoldedEqual()(name, key))
            return &line;
    return nullptr;
}

// Where a key stands twice, its first line counts.
void IniFile::KeyIndex::Add(std::string_view key, std::size_t line)
{
    if (!many_.empty()) {
        many_.try_emplace(NameKey(key), line);
        return;
    }
    if (Find(key))
        return;
    few_.emplace_back(NameKey(key), line);
    if (few_.size() <= kFewKeys)
        return;
    for (auto& [name, first] : few_)
        many_.try_emplace(std::move(name), first);
    few_.clear();
}

IniFile IniFile::Load(const std::string& path)
{
    const auto bytes = ReadFileIfExists(path);
    return Parse(bytes ? std::string_view(*bytes) : std::string_view(), path);
}

IniFile IniFile::Parse(std::string_view text, std::string path)
{
    IniFile ini;
    ini.path_ = std::move(path);
    // Editors that save UTF-8 may put a byte-order mark in front of the first
    // header; it is no part of that line, and a save puts it back.
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
        ini.byteOrderMark_ = true;
    }
    // Every header holds a "[": the sections are allocated once, not moved
    // (with their lines and keys) each time the list grows.
    ini.sections_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '[')) + 1);
    ini.sections_.emplace_back();
    for (auto& line : SplitLines(text))
        ini.AddParsedLine(std::move(line));
    ini.IndexSections();
    return ini;
}

IniFile IniFile::LoadSection(const std::string& path, std::string_view section)
{
    const auto bytes = ReadFileIfExists(path);
    const std::string wanted = NameKey(section);
    IniFile ini;
    ini.path_ = path;
    ini.sections_.emplace_back();
    bool inside = false;
    ForEachLine(bytes ? std::string_view(*bytes) : std::string_view(), [&](std::string_view line) {
        if (const auto name = HeaderName(line)) {
            if (inside)
                return false;
            inside = NameKey(*name) == wanted;
        }
        if (inside)
            ini.AddParsedLine(std::string(line));
        return true;
    });
    ini.IndexSections();
    return ini;
}

void IniFile::AddParsedLine(std::string line)
{
    if (const auto name = HeaderName(line)) {
        sections_.push_back(Section{NameKey(*name), std::move(line)});
        return;
    }
    Section& section = sections_.back();
    if (const auto key = KeyName(line); key && section.name)
        section.keys.Add(*key, section.lines.size());
    section.lines.push_back(std::move(line));
}

void IniFile::IndexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].name)
            sectionIndex_.try_emplace(*sections_[i].name, i);
}

const std::string* IniFile::FindLine(std::string_view section, std::string_view key) const
{
    const auto found = sectionIndex_.find(section);
    if (found == sectionIndex_.end())
        return nullptr;
    const Section& lines = sections_[found->second];
    const std::size_t* line = lines.keys.Find(key);
    return line ? &lines.lines[*line] : nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    const std::string* line = FindLine(section, key);
    return line ? StoredValue(*line) : std::string(defaultValue);
}

long long IniFile::ReadInteger(std::string_view section, std::string_view key,
                               long long defaultValue) const
{
    const std::string* line = FindLine(section, key);
    return line ? ParseWholeNumber(StoredValue(*line)).value_or(defaultValue) : defaultValue;
}

bool IniFile::SectionExists(std::string_view section) const
{
    return sectionIndex_.contains(section);
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindLine(section, key) != nullptr;
}

IniFile::Section& IniFile::SectionForWriting(const std::string& section)
{
    const auto [found, added] = sectionIndex_.try_emplace(NameKey(section), sections_.size());
    if (added)
        sections_.push_back(Section{found->first, "[" + std::string(TrimBlanks(section)) + "]"});
    return sections_[found->second];
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& lines = SectionForWriting(OneLine(section));
    const std::string keyName(TrimBlanks(OneLine(key)));
    const std::string text = ValueText(value);
    if (const std::size_t* found = lines.keys.Find(keyName)) {
        ReplaceValue(lines.lines[*found], text);
        return;
    }
    // Blank lines that close the section stay between it and the next one.
    auto end = lines.lines.size();
    while (end > 0 && TrimBlanks(lines.lines[end - 1]).empty())
        --end;
    const auto at = lines.lines.begin() + static_cast<std::ptrdiff_t>(end);
    lines.lines.insert(at, keyName + "=" + text);
    lines.keys.Add(keyName, end);
}

void IniFile::EraseSection(std::string_view section)
{
    const std::string name = NameKey(section);
    if (!sectionIndex_.contains(name))
        return;
    std::erase_if(sections_, [&name](const Section& lines) { return lines.name == name; });
    IndexSections();
}

void IniFile::RenameSections(const std::vector<std::pair<std::string, std::string>>& renames)
{
    std::unordered_map<std::string, std::string> newNames;
    for (const auto& [from, to] : renames)
        newNames.emplace(NameKey(from), OneLine(to));
    for (Section& section : sections_) {
        const auto renamed = section.name ? newNames.find(*section.name) : newNames.end();
        if (renamed == newNames.end())
            continue;
        section.name = NameKey(renamed->second);
        section.header = "[" + std::string(TrimBlanks(renamed->second)) + "]";
    }
    IndexSections();
}

std::string IniFile::Serialize() const
{
    std::string text(byteOrderMark_ ? kByteOrderMark : std::string_view());
    for (const Section& section : sections_) {
        if (section.name)
            text.append(section.header).append("\r\n");
        text.append(JoinCrlf(section.lines));
    }
    return text;
}

void IniFile::Save() const
{
    WriteFileAtomically(path_, Serialize(), "Unable to write to %s");
}

} // namespace tesk
