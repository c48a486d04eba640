#pragma once

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// Lines of a text in any line ending (CR LF, LF or a lone CR), never keeping a
// CR; a final line without an ending counts, a final ending adds no line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines, each given to `visit` in turn until it returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit)
{
    // The next line feed and the next carriage return are each searched for
    // once (memchr compares many bytes at a time), and only again once the
    // lines have passed them.
    const auto next = [text](char end, std::size_t from) {
        const void* found = std::memchr(text.data() + from, end, text.size() - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : text.size();
    };
    if (text.empty())
        return;
    std::size_t nextLf = next('\n', 0);
    std::size_t nextCr = next('\r', 0);
    std::size_t start = 0;
    while (start < text.size()) {
        if (nextLf < start)
            nextLf = next('\n', start);
        if (nextCr < start)
            nextCr = next('\r', start);
        std::size_t end = std::min(nextLf, nextCr);
        if (!visit(text.substr(start, end - start)) || end == text.size())
            return;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}
// Every line followed by CR LF, the last one included.
std::string JoinCrlf(const std::vector<std::string>& lines);

// Whole content of a file; no value when the file does not exist. A file that
// exists but cannot be read throws Error("Cannot open file <path>"); anything
// but a regular file or a directory (a FIFO, a device) is refused at once,
// with a message that says so, rather than waited on.
std::optional<std::string> ReadFileIfExists(const std::string& path);
// Lines of a file; throws Error("Cannot open file <path>") when it is missing
// or cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    const std::string& errorFormat = "Cannot create file %s");

// Replaces the file (the target of a symbolic link) by the bytes in one step:
// written whole to a temporary file in the same directory, flushed to disk and
// renamed over it, keeping the old file's permissions. On any failure the old
// file is left as it was and Error(errorFormat with %s = path) is thrown.
// Temporary files that earlier writes of the same file left behind (their
// writer was killed part way) are removed first.
void WriteFileAtomically(const std::string& path, std::string_view bytes, const std::string& errorFormat);

} // namespace tesk
