#include "core/app/ProgramSettings.h"

#include "core/text/Error.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tesk {

namespace {

constexpr const char* kTrue = "true";
constexpr const char* kFalse = "false";

#ifndef _WIN32
std::string ConfigurationDirectory()
{
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME"); configHome && *configHome)
        return configHome;
    return JoinPath(HomeDirectory(), ".config");
}
#endif

} // namespace

ProgramSettings::ProgramSettings(std::string path) : path_(std::move(path)) {}

std::string ProgramSettings::DefaultPath()
{
#ifdef _WIN32
    const char* windows = std::getenv("WINDIR");
    return JoinPath(windows ? windows : "c:\\windows", "tesk.ini");
#else
    return JoinPath(JoinPath(ConfigurationDirectory(), "tesk"), "tesk.ini");
#endif
}

std::string ProgramSettings::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const
{
    try {
        return IniFile::Load(path_).ReadString(section, key, defaultValue);
    } catch (const Error&) {
        return std::string(defaultValue);
    }
}

std::string ProgramSettings::Read(const TextKey& key, const std::string& gameDirectory) const
{
    return ReadOr(key, key.defaultValue ? key.defaultValue(gameDirectory) : std::string());
}

std::string ProgramSettings::ReadOr(const TextKey& key, std::string_view fallback) const
{
    return ReadString(key.section, key.key, fallback);
}

bool ProgramSettings::Read(const FlagKey& key) const
{
    return ReadString(key.section, key.key, key.defaultValue ? kTrue : kFalse) == kTrue;
}

// A file that exists but cannot be read is not replaced: its keys would be
// lost. A change that leaves the text as it was writes nothing, so that a
// start-up that stores the values already there does not touch the disk.
template <typename Change>
void ProgramSettings::Update(Change change)
{
    try {
        const auto bytes = ReadFileIfExists(path_);
        IniFile ini = IniFile::Parse(bytes ? std::string_view(*bytes) : std::string_view(), path_);
        change(ini);
        const std::string text = ini.Serialize();
        if (bytes && *bytes == text)
            return;
        // A directory that cannot be made shows as the save's failure.
        std::error_code ignored;
        const auto directory = std::filesystem::path(path_).parent_path();
        if (!directory.empty())
            std::filesystem::create_directories(directory, ignored);
        WriteFileAtomically(path_, text, "Unable to write to %s");
    } catch (const Error&) {
        throw Error(FormatText("Unable to write to %s", path_));
    }
}

void ProgramSettings::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Update([&](IniFile& ini) { ini.WriteString(section, key, value); });
}

void ProgramSettings::Write(const TextKey& key, std::string_view value) { WriteString(key.section, key.key, value); }

void ProgramSettings::Write(const FlagKey& key, bool value)
{
    WriteString(key.section, key.key, value ? kTrue : kFalse);
}

} // namespace tesk
