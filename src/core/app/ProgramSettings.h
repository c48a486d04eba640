#pragma once

#include <string>
#include <string_view>

namespace tesk {

// The program settings file tesk.ini. Every read loads the file afresh and
// every write stores one key at once, so keys that another process wrote in
// the meantime survive.
class ProgramSettings {
public:
    explicit ProgramSettings(std::string path);
    // The Windows directory on Windows; elsewhere tesk/tesk.ini in the
    // per-user configuration directory.
    static std::string DefaultPath();

    const std::string& path() const { return path_; }

    // A missing or unreadable file reads as the defaults.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // True exactly when the stored text is "true".
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Throw Error("Unable to write to <path>") and leave the file as it was
    // when it cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void EraseSection(std::string_view section);

private:
    template <typename Change>
    void Update(Change change);

    std::string path_;
};

} // namespace tesk
