// The Steam library list over arbitrary text: it never fails, and every path
// it gives is text of the file's quoted strings, so no longer than the file.

#include "FuzzSupport.h"

#include "core/app/GameFinder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = tesk::fuzz::AsText(data, size);
    std::size_t total = 0;
    for (const std::string& path : tesk::ReadSteamLibraryFolders(text))
        total += path.size();
    tesk::fuzz::Check(total <= text.size());
    return 0;
}
