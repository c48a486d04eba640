#include "core/launch/BatchFile.h"

#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

namespace tesk {

namespace {

constexpr std::string_view kCannotCreate = "Cannot create file %s";

} // namespace

std::string GameExecutablePath(const std::string& directory)
{
    return JoinPath(directory, std::string(kGameExecutable));
}

std::string BatchLine(const std::string& directory, const std::string& commandLine)
{
    return GameExecutablePath(directory) + " " + commandLine;
}

std::string BatchDirectory(const std::string& batchPath, const std::string& dataDirectory)
{
    const std::string directory = DirectoryPart(batchPath);
    return directory.empty() ? dataDirectory : directory;
}

void WriteBatchFile(const std::string& batchPath, const std::string& directory, const std::string& commandLine)
{
    if (batchPath.empty())
        throw Error(FormatText(kCannotCreate, batchPath));
    WriteTextLines(batchPath, {BatchLine(directory, commandLine)}, std::string(kCannotCreate));
}

} // namespace tesk
