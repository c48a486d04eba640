#pragma once

// What the fuzz targets share: a file system place for the readers, which
// read files rather than texts, and a check that stops the run on a wrong
// result as a crash would.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tesk::fuzz {

// A wrong result is as much a finding as a crash; trapping makes libFuzzer
// keep the input that caused it.
inline void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A directory of this process under the temporary directory ($TMPDIR),
// removed when the process ends normally.
class ScratchDirectory {
public:
    ScratchDirectory() : path_(std::filesystem::temp_directory_path() / ("tesk-fuzz-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string str() const { return path_.string(); }

    // A subdirectory, created when missing.
    std::string Directory(const std::string& name) const
    {
        const auto path = path_ / name;
        std::filesystem::create_directories(path);
        return path.string();
    }

    // Replaces the file `name` by the bytes, exactly.
    void Write(const std::string& name, std::string_view bytes) const
    {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        Check(static_cast<bool>(out.flush()));
    }

private:
    std::filesystem::path path_;
};

// The one scratch directory of this fuzzing process.
inline const ScratchDirectory& Scratch()
{
    static const ScratchDirectory scratch;
    return scratch;
}

} // namespace tesk::fuzz
