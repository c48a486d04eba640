#pragma once

// What a file held when Tesk last read or wrote it, to tell later whether
// another program has changed it since: the game rewrites its config file
// when it exits, whether Tesk is open or not.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesk {

struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0; // of the bytes

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOfBytes(std::string_view bytes);
// The file as it is now; a missing file, or one that cannot be read, has
// the stamp of no file.
FileStamp StampOfFile(const std::string& path);

} // namespace tesk

namespace tesk {

// A file Tesk reads and writes that another program may write too: what it
// held when Tesk last read or wrote it, by path.
class StampedFile {
public:
    // After Tesk read or wrote the file at `path` (a missing file included).
    void Stamp(const std::string& path);
    void Stamp(const std::string& path, const FileStamp& stamp);
    const std::string& path() const { return path_; }

    // The file's stamp when it changed on disk since Tesk last read or wrote
    // it, and that change was not set aside; nothing when it did not, when it
    // is gone (nothing is left to lose), or when Tesk never stamped `path`.
    std::optional<FileStamp> ChangeOf(const std::string& path) const;
    // Asks no more about this change; a later one counts again.
    void SetAside(const FileStamp& change) { setAside_ = change; }

private:
    std::string path_;
    FileStamp stamp_;
    std::optional<FileStamp> setAside_;
};

} // namespace tesk
