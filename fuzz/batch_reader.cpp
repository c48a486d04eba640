// The batch reader over arbitrary bytes, then the command line built from the
// start options it set: neither may crash, and the command line must stay
// one line, as the batch file holds exactly one.

#include "FuzzSupport.h"

#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/text/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& scratch = tesk::fuzz::Scratch();
    scratch.Write("tesk.bat", tesk::fuzz::AsText(data, size));

    tesk::SettingsModel model;
    model.SetText("txtU2Dir", scratch.str());
    // Where a map goes depends on "Start a Server"; let the input choose both ways.
    model.SetChecked("cbxStartServer", size % 2 != 0);
    tesk::TokenList tokens;
    try {
        tesk::ReadBatchFile(model, tokens, scratch.str(), "tesk.bat");
    } catch (const tesk::Error&) {
        return 0;
    }
    tesk::fuzz::Check(!tokens.empty());
    tesk::fuzz::Check(tesk::BuildCommandLine(model).find_first_of("\r\n") == std::string::npos);
    return 0;
}
