#pragma once

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
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (!visit(text.substr(start, i - start)))
            return;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        visit(text.substr(start));
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
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& errorFormat);

} // namespace tesk
