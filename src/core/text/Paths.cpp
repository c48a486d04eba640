#include "core/text/Paths.h"

#include "core/text/Error.h"
#include "core/text/TextRules.h"
#include "core/text/TokenList.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <system_error>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace tesk {

namespace {

bool IsSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// Position of the last character that ends a directory in the text, or npos.
std::size_t LastDirectoryMark(const std::string& path)
{
    for (std::size_t i = path.size(); i-- > 0;) {
#ifdef _WIN32
        if (path[i] == ':')
            return i;
#endif
        if (IsSeparator(path[i]))
            return i;
    }
    return std::string::npos;
}

// Removes a leading "C:" and returns it; there are no drives outside Windows.
std::string TakeDrive([[maybe_unused]] std::string& path)
{
#ifdef _WIN32
    const bool hasDrive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    if (hasDrive) {
        std::string drive = path.substr(0, 2);
        path.erase(0, 2);
        return drive;
    }
#endif
    return {};
}

// The root keeps its separator; any other directory loses trailing ones.
std::string WithoutTrailingSeparators(std::string directory)
{
    while (directory.size() > 1 && IsSeparator(directory.back()))
        directory.pop_back();
    return directory;
}

// A directory without a drive is on the base directory's drive.
PathParts DirectoryParts(std::string directory, [[maybe_unused]] std::string baseDirectory)
{
    PathParts parts;
    parts.drive = TakeDrive(directory);
#ifdef _WIN32
    if (parts.drive.empty())
        parts.drive = TakeDrive(baseDirectory);
#endif
    parts.directory = WithoutTrailingSeparators(std::move(directory));
    return parts;
}

// The order of a Windows folder: names compared as upper case, byte by byte;
// names that differ only in case keep a fixed order.
bool ListedBefore(const std::string& a, const std::string& b)
{
    const auto folded = [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) < static_cast<unsigned char>(UpperAscii(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded))
        return false;
    return a < b;
}

std::size_t LastSeparator(const std::string& path)
{
    for (std::size_t i = path.size(); i-- > 0;)
        if (IsSeparator(path[i]))
            return i;
    return std::string::npos;
}

} // namespace

PathParts SplitPath(const std::string& path, const std::string& baseDirectory)
{
    const auto last = LastSeparator(path);
    PathParts parts =
        DirectoryParts(last == std::string::npos ? baseDirectory : path.substr(0, last + 1), baseDirectory);
    parts.name = path.substr(last + 1);
    return parts;
}

std::string DriveAndDirectory(const PathParts& parts) { return parts.drive + parts.directory; }

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    if (IsSeparator(directory.back()))
        return directory + name;
    return directory + kPathSeparator + name;
}

std::string DirectoryPart(const std::string& path)
{
    const auto last = LastDirectoryMark(path);
    if (last == std::string::npos)
        return {};
    const bool keepMark = last == 0 || !IsSeparator(path[last]) || path[last - 1] == ':' || IsSeparator(path[last - 1]);
    return path.substr(0, keepMark ? last + 1 : last);
}

std::string FileNamePart(const std::string& path)
{
    const auto last = LastDirectoryMark(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string CurrentDirectory()
{
    std::error_code ec;
    const auto here = std::filesystem::current_path(ec);
    return ec ? std::string(".") : here.string();
}

std::string HomeDirectory()
{
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
    return home ? home : CurrentDirectory();
#else
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : CurrentDirectory();
#endif
}

std::string DataDirectory()
{
#ifdef _WIN32
    return CurrentDirectory();
#else
    namespace fs = std::filesystem;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const fs::path base = dataHome && fs::path(dataHome).is_absolute() ? fs::path(dataHome)
                                                                       : fs::path(HomeDirectory()) / ".local" / "share";
    return (base / "tesk").string();
#endif
}

std::string EnterDataDirectory()
{
#ifdef _WIN32
    return CurrentDirectory();
#else
    namespace fs = std::filesystem;
    const fs::path directory = DataDirectory();
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (!ec)
        fs::current_path(directory, ec);
    if (ec)
        throw Error("Cannot use " + directory.string() + " for the profiles and lists: " + ec.message());
    return directory.string();
#endif
}

std::string DefaultGameDirectory()
{
#ifdef _WIN32
    return "c:\\ulvex2";
#else
    return JoinPath(HomeDirectory(), "ulvex2");
#endif
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

std::vector<std::string> ListDirectory(const std::string& directory, const std::string& pattern)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(directory.c_str()), ::closedir);
    if (!listing)
        return names;
    // As on Windows, "*.*" also takes names without an extension.
    const std::string_view wanted = pattern == "*.*" ? std::string_view("*") : pattern;
    while (const dirent* entry = ::readdir(listing.get()))
        if (WildcardMatch(entry->d_name, wanted))
            names.emplace_back(entry->d_name);
    std::sort(names.begin(), names.end(), ListedBefore);
    return names;
}

} // namespace tesk
