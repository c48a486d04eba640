#pragma once

#include "core/app/ProgramKeys.h"

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

    // A missing or unreadable file reads as the defaults; a default that
    // depends on the game directory is taken for `gameDirectory`.
    std::string Read(const TextKey& key, const std::string& gameDirectory = {}) const;
    // The stored text, or `fallback` where the caller has a better one than
    // the key's default.
    std::string ReadOr(const TextKey& key, std::string_view fallback) const;
    // True exactly when the stored text is "true".
    bool Read(const FlagKey& key) const;

    // Throw Error("Unable to write to <path>") and leave the file as it was
    // when it cannot be written.
    void Write(const TextKey& key, std::string_view value);
    void Write(const FlagKey& key, bool value);

private:
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    template <typename Change>
    void Update(Change change);

    std::string path_;
};

} // namespace tesk
