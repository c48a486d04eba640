#include "core/app/ProgramKeys.h"

#include "core/text/Paths.h"

namespace tesk {

std::string DefaultBatchFile(const std::string& gameDirectory) { return JoinPath(gameDirectory, "tesk.bat"); }

std::string DefaultConfigFile(const std::string& gameDirectory)
{
    return JoinPath(JoinPath(gameDirectory, "baseu2"), "config.cfg");
}

std::string DefaultGameDirectoryKey(const std::string&) { return DefaultGameDirectory(); }

} // namespace tesk
