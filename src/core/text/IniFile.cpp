// Our own engine rather than libsimpleini: a change must leave every other
// line byte for byte (comments, lines that are no key, the blanks around "="
// and the spelling of the keys), whereas the library writes the file anew from
// its own model; files must also be read in any line ending and written with
// CR LF whatever the platform.
#include "core/text/IniFile.h"

#include "core/text/TextFile.h"
#include "core/text/TextRules.h"

#include <algorithm>

namespace tesk {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Values and names are one line each.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

bool IsQuoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

std::optional<std::string_view> HeaderName(std::string_view line)
{
    // Most lines are keys: they are told apart by their first character.
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first]))
        ++first;
    if (first == line.size() || line[first] != '[')
        return std::nullopt;
    const auto text = Trim(line);
    const auto close = text.find(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

std::optional<std::string_view> KeyName(std::string_view line)
{
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    const auto equals = line.find('=', start);
    if (equals == std::string_view::npos || line[start] == ';')
        return std::nullopt;
    auto end = equals;
    while (end > start && IsBlank(line[end - 1]))
        --end;
    return end > start ? std::optional<std::string_view>(line.substr(start, end - start)) : std::nullopt;
}

// Blanks around a value and one pair of enclosing quotes are not part of it.
std::string_view StoredValue(std::string_view line)
{
    auto value = Trim(line.substr(line.find('=') + 1));
    if (IsQuoted(value))
        value = value.substr(1, value.size() - 2);
    return value;
}

// Quotes keep what reading would otherwise strip, so a value reads back as
// it was written.
std::string ValueText(std::string_view value)
{
    std::string text = OneLine(value);
    const bool strippable = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) || IsQuoted(text));
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

// Above this many lines a section indexes its keys in a hash map.
constexpr std::size_t kFewLines = 16;

} // namespace

std::size_t IniFile::FoldedHash::operator()(std::string_view name) const
{
    std::size_t hash = 14695981039346656037ull;
    for (const char c : Trim(name))
        hash = (hash ^ static_cast<unsigned char>(UpperAscii(c))) * 1099511628211ull;
    return hash;
}

bool IniFile::FoldedEqual::operator()(std::string_view a, std::string_view b) const { return SameIniName(a, b); }

bool SameIniName(std::string_view a, std::string_view b) { return EqualIgnoringCase(Trim(a), Trim(b)); }

bool StartsWithIniName(std::string_view name, std::string_view prefix)
{
    return name.size() >= prefix.size() && EqualIgnoringCase(name.substr(0, prefix.size()), prefix);
}

IniFile IniFile::Load(const std::string& path) { return FromFile(path, {}); }

IniFile IniFile::Parse(std::string_view text, std::string path)
{
    IniFile ini;
    ini.path_ = std::move(path);
    ini.bytes_ = std::make_unique<const std::string>(text);
    ini.ParseLines(*ini.bytes_, {});
    return ini;
}

IniFile IniFile::LoadSection(const std::string& path, std::string_view section) { return FromFile(path, section); }

IniFile IniFile::FromFile(const std::string& path, std::string_view onlySection)
{
    auto bytes = ReadFileIfExists(path);
    IniFile ini;
    ini.path_ = path;
    ini.bytes_ = std::make_unique<const std::string>(bytes ? std::move(*bytes) : std::string());
    ini.ParseLines(*ini.bytes_, onlySection);
    return ini;
}

// With `onlySection`, only the first section of that name is kept.
void IniFile::ParseLines(std::string_view text, std::string_view onlySection)
{
    // Editors that save UTF-8 may put a byte-order mark in front of the first
    // header; it is no part of that line, and a save puts it back.
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
        byteOrderMark_ = onlySection.empty();
    }
    sections_.emplace_back();
    bool inside = onlySection.empty();
    ForEachLine(text, [&](std::string_view line) {
        if (const auto name = HeaderName(line)) {
            if (!onlySection.empty()) {
                if (inside)
                    return false;
                inside = FoldedEqual()(*name, onlySection);
            }
            if (inside)
                sections_.push_back(Section{true, *name, line, lines_.size()});
        } else if (inside) {
            lines_.push_back(line);
            ++sections_.back().count;
        }
        return true;
    });
}

// Built on the first lookup by name: going through the lists in file
// order needs none.
const IniFile::NameIndex& IniFile::SectionIndex() const
{
    if (!indexed_) {
        sectionIndex_.clear();
        sectionIndex_.reserve(sections_.size());
        for (std::size_t i = 0; i < sections_.size(); ++i)
            if (sections_[i].named)
                sectionIndex_.try_emplace(sections_[i].name, i);
        indexed_ = true;
    }
    return sectionIndex_;
}

std::span<const std::string_view> IniFile::Lines(const Section& section) const
{
    if (section.own)
        return *section.own;
    return std::span<const std::string_view>(lines_).subspan(section.first, section.count);
}

std::vector<std::string_view>& IniFile::OwnLines(Section& section)
{
    if (!section.own) {
        const auto lines = Lines(section);
        section.own = std::make_unique<std::vector<std::string_view>>(lines.begin(), lines.end());
    }
    return *section.own;
}

// Where a key stands twice, its first line counts.
const std::string_view* IniFile::FindKey(const Section& section, std::string_view key) const
{
    if (!section.named)
        return nullptr;
    const auto lines = Lines(section);
    if (lines.size() <= kFewLines) {
        key = Trim(key);
        for (const std::string_view& line : lines)
            if (const auto name = KeyName(line); name && EqualIgnoringCase(*name, key))
                return &line;
        return nullptr;
    }
    if (!section.keys) {
        section.keys = std::make_unique<NameIndex>();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (const auto name = KeyName(lines[i]))
                section.keys->try_emplace(*name, i);
    }
    const auto found = section.keys->find(key);
    return found == section.keys->end() ? nullptr : &lines[found->second];
}

const std::string_view* IniFile::FindLine(std::string_view section, std::string_view key) const
{
    const NameIndex& index = SectionIndex();
    const auto found = index.find(section);
    return found == index.end() ? nullptr : FindKey(sections_[found->second], key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::string_view* line = FindLine(section, key);
    return std::string(line ? StoredValue(*line) : defaultValue);
}

long long IniFile::ReadInteger(std::string_view section, std::string_view key, long long defaultValue) const
{
    const std::string_view* line = FindLine(section, key);
    return line ? IntegerValue(StoredValue(*line), defaultValue) : defaultValue;
}

std::optional<std::string_view> IniFile::KeyOf(std::string_view line) { return KeyName(line); }

std::string_view IniFile::ValueOf(std::string_view line) { return StoredValue(line); }

long long IniFile::IntegerValue(std::string_view value, long long defaultValue)
{
    return ParseWholeNumber(value).value_or(defaultValue);
}

// One pass through the lines serves every key.
void IniFile::ReadValues(std::span<const std::string_view> lines, std::span<const std::string_view> keys,
                         std::span<std::optional<std::string_view>> values)
{
    std::fill(values.begin(), values.end(), std::nullopt);
    std::size_t missing = keys.size();
    for (auto line = lines.begin(); missing > 0 && line != lines.end(); ++line) {
        const auto name = KeyName(*line);
        for (std::size_t i = 0; name && i < keys.size(); ++i)
            if (!values[i] && name->size() == keys[i].size()
                && (*name == keys[i] || EqualIgnoringCase(*name, keys[i]))) {
                values[i] = StoredValue(*line);
                --missing;
            }
    }
}

bool IniFile::SectionExists(std::string_view section) const { return SectionIndex().contains(section); }

bool IniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindLine(section, key) != nullptr;
}

std::string_view IniFile::Keep(std::string text) { return written_.emplace_back(std::move(text)); }

IniFile::Section& IniFile::SectionForWriting(std::string_view section)
{
    if (const auto found = SectionIndex().find(section); found != sectionIndex_.end())
        return sections_[found->second];
    const std::string_view header = Keep("[" + std::string(Trim(section)) + "]");
    Section& added = sections_.emplace_back(Section{true, header.substr(1, header.size() - 2), header});
    added.own = std::make_unique<std::vector<std::string_view>>();
    sectionIndex_.try_emplace(added.name, sections_.size() - 1);
    return added;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = SectionForWriting(OneLine(section));
    const std::string keyName(Trim(OneLine(key)));
    const std::string text = ValueText(value);
    if (const std::string_view* found = FindKey(target, keyName)) {
        const auto index = static_cast<std::size_t>(found - Lines(target).data());
        std::string line(*found);
        ReplaceValue(line, text);
        (target.own ? (*target.own)[index] : lines_[target.first + index]) = Keep(std::move(line));
        return;
    }
    // Blank lines that close the section stay between it and the next one.
    std::vector<std::string_view>& lines = OwnLines(target);
    auto end = lines.size();
    while (end > 0 && Trim(lines[end - 1]).empty())
        --end;
    const std::string_view added = Keep(keyName + "=" + text);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), added);
    if (target.keys)
        target.keys->try_emplace(KeyName(added).value_or(std::string_view()), end);
}

void IniFile::EraseSection(std::string_view section)
{
    if (!SectionIndex().contains(section))
        return;
    std::erase_if(sections_,
                  [section](const Section& lines) { return lines.named && FoldedEqual()(lines.name, section); });
    indexed_ = false;
}

void IniFile::RenameSections(const std::vector<std::pair<std::string, std::string>>& renames)
{
    std::unordered_map<std::string_view, std::string, FoldedHash, FoldedEqual> newNames;
    for (const auto& [from, to] : renames)
        newNames.emplace(from, OneLine(to));
    for (Section& section : sections_) {
        const auto renamed = section.named ? newNames.find(section.name) : newNames.end();
        if (renamed == newNames.end())
            continue;
        section.header = Keep("[" + std::string(Trim(renamed->second)) + "]");
        section.name = section.header.substr(1, section.header.size() - 2);
    }
    indexed_ = false;
}

std::string IniFile::Serialize() const
{
    std::string text(byteOrderMark_ ? kByteOrderMark : std::string_view());
    std::size_t size = text.size();
    for (const Section& section : sections_) {
        size += section.header.size() + 2;
        for (const std::string_view line : Lines(section))
            size += line.size() + 2;
    }
    text.reserve(size);
    for (const Section& section : sections_) {
        if (section.named)
            text.append(section.header).append("\r\n");
        for (const std::string_view line : Lines(section))
            text.append(line).append("\r\n");
    }
    return text;
}

void IniFile::Save() const { WriteFileAtomically(path_, Serialize(), "Unable to write to %s"); }

} // namespace tesk
