#include "core/text/FileStamp.h"

#include "core/text/TextFile.h"

#include <exception>

namespace tesk {

FileStamp StampOfBytes(std::string_view bytes)
{
    // FNV-1a: quick, and two contents that differ anywhere differ here
    // unless by a chance nobody meets.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return {true, bytes.size(), hash};
}

FileStamp StampOfFile(const std::string& path)
{
    try {
        const std::optional<std::string> bytes = ReadFileIfExists(path);
        return bytes ? StampOfBytes(*bytes) : FileStamp{};
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace tesk

namespace tesk {

void StampedFile::Stamp(const std::string& path) { Stamp(path, StampOfFile(path)); }

void StampedFile::Stamp(const std::string& path, const FileStamp& stamp)
{
    path_ = path;
    stamp_ = stamp;
    setAside_.reset();
}

std::optional<FileStamp> StampedFile::ChangeOf(const std::string& path) const
{
    if (path.empty() || path != path_)
        return std::nullopt;
    const FileStamp now = StampOfFile(path);
    if (!now.exists || now == stamp_ || now == setAside_)
        return std::nullopt;
    return now;
}

} // namespace tesk
