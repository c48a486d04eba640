// The config reader over arbitrary bytes, then the writer over the settings
// it produced: neither may crash, and the lines written must stay lines.

#include "FuzzSupport.h"

#include "core/settings/ConfigReader.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& scratch = tesk::fuzz::Scratch();
    // Holds no profile, so the written file depends on the settings alone.
    static const std::string profiles = scratch.Directory("profiles");
    scratch.Write("config.cfg", tesk::fuzz::AsText(data, size));

    tesk::SettingsModel model;
    tesk::TokenList tokens;
    try {
        tesk::ReadConfigFile(model, tokens, scratch.str(), "config.cfg");
    } catch (const tesk::Error&) {
        // A bad number stops the reading; the settings read so far stay.
    }
    // A line break inside a line would split it in the file.
    for (const auto& line : tesk::BuildConfigLines(model, profiles))
        tesk::fuzz::Check(line.find_first_of("\r\n") == std::string::npos);
    return 0;
}
