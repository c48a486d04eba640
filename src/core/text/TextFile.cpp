#include "core/text/TextFile.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tesk {

namespace {

Error CannotOpen(const std::string& path) { return Error("Cannot open file " + path); }

// Replacing a symbolic link must replace the file it names, not the link.
std::string ResolveLinks(std::string path)
{
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = link.is_absolute() ? link.string() : (fs::path(path).parent_path() / link).string();
    }
    return path;
}

std::string DirectoryOf(const std::string& path)
{
    const std::string directory = std::filesystem::path(path).parent_path().string();
    return directory.empty() ? std::string(".") : directory;
}

// The bits are checked as well as access(), which lets root write anywhere:
// a file or folder the user marked read-only must stay untouched.
bool IsWritableDirectory(const std::string& directory)
{
    struct stat info {};
    return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0222) != 0
           && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

struct Target {
    bool exists;
    mode_t mode;
};

// What is to be replaced; no value when it must not be replaced.
std::optional<Target> InspectTarget(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::optional<Target>(Target{false, 0}) : std::nullopt;
    const bool writable = S_ISREG(info.st_mode) && (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
    return writable ? std::optional<Target>(Target{true, info.st_mode & 07777}) : std::nullopt;
}

// Closes the file when the reading is over, however it ends.
struct Descriptor {
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd;
};

void SyncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Temporary files are named after their target and their writer, so that a
// later write of the target finds what an interrupted one left behind:
// "." + target's name (cut to leave room) + ".tesk-" + process id + "-" +
// counter + ".tmp".
std::string PendingPrefix(const std::string& target)
{
    constexpr std::size_t kNameRoom = 100;
    return "." + std::filesystem::path(target).filename().string().substr(0, kNameRoom) + ".tesk-";
}

bool ProcessIsGone(const std::string& id)
{
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), pid);
    return error == std::errc() && end != id.data() && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of earlier writes of the target whose writer
// is gone (killed part way); a live writer's file is left alone.
void RemoveLeftovers(const std::string& directory, const std::string& target)
{
    const std::string prefix = PendingPrefix(target);
    for (const std::string& name : ListDirectory(directory, "*.tmp")) {
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string rest = name.substr(prefix.size());
        if (ProcessIsGone(rest.substr(0, rest.find('-'))))
            ::unlink(JoinPath(directory, name).c_str());
    }
}

// The temporary file that becomes the target; removed unless renamed.
class PendingFile {
public:
    PendingFile(const std::string& directory, const std::string& target) { Create(directory, PendingPrefix(target)); }
    ~PendingFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty() && !renamed_)
            ::unlink(path_.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    bool Write(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    // A new file keeps the creation mode 0666 less the umask.
    bool Finish(const Target& target)
    {
        if (target.exists && ::fchmod(fd_, target.mode) != 0)
            return false;
        const bool synced = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return synced && closed;
    }

    bool RenameTo(const std::string& target)
    {
        renamed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return renamed_;
    }

private:
    void Create(const std::string& directory, const std::string& prefix)
    {
        static std::atomic<unsigned> counter{0};
        constexpr int kAttempts = 100;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            const std::string name = prefix + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
            const std::string path = JoinPath(directory, name);
            fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0)
                path_ = path;
            if (fd_ >= 0 || errno != EEXIST)
                return;
        }
    }

    int fd_ = -1;
    std::string path_;
    bool renamed_ = false;
};

} // namespace

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    // Line feeds end nearly every line of the files read here: the list is
    // allocated once instead of being moved as it grows.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLine(text, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

std::string JoinCrlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text.append(line).append("\r\n");
    return text;
}

std::optional<std::string> ReadFileIfExists(const std::string& path)
{
    // Opened without waiting, so that a FIFO or a device is refused rather
    // than blocking the program until something writes to it.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw CannotOpen(path);
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || S_ISDIR(info.st_mode))
        throw CannotOpen(path);
    if (!S_ISREG(info.st_mode))
        throw Error("Cannot open file " + path + ": it is not a regular file");
    // One read of the size the file has, then whatever it grew by meanwhile
    // (or all of it, when the system gives no size, as for /proc files).
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw CannotOpen(path);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& path)
{
    const auto bytes = ReadFileIfExists(path);
    if (!bytes)
        throw CannotOpen(path);
    return SplitLines(*bytes);
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines, const std::string& errorFormat)
{
    WriteFileAtomically(path, JoinCrlf(lines), errorFormat);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const std::string& errorFormat)
{
    const std::string target = ResolveLinks(path);
    const std::string directory = DirectoryOf(target);
    const auto replaced = InspectTarget(target);
    if (!replaced || !IsWritableDirectory(directory))
        throw Error(FormatText(errorFormat, path));
    RemoveLeftovers(directory, target);
    PendingFile file(directory, target);
    if (!file.IsOpen() || !file.Write(bytes) || !file.Finish(*replaced) || !file.RenameTo(target))
        throw Error(FormatText(errorFormat, path));
    SyncDirectory(directory);
}

} // namespace tesk
