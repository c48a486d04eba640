// The launch environment as tesk.ini keeps it, over arbitrary bytes: decoding
// and parsing may refuse a line but never crash; an accepted variable has a
// name and a value of one line; and the variables of the Game Runner box are
// the same after their one-line form in tesk.ini.

#include "FuzzSupport.h"

#include "core/launch/LaunchEnvironment.h"
#include "core/text/Error.h"

namespace {

// The variables of the lines, or the refusal's message.
std::string Parsed(const std::string& lines)
{
    std::string parsed;
    try {
        for (const tesk::EnvironmentVariable& variable : tesk::ParseEnvironment(lines)) {
            tesk::fuzz::Check(!variable.name.empty() && variable.name.find('=') == std::string::npos);
            tesk::fuzz::Check(variable.value.find_first_of("\r\n") == std::string::npos);
            parsed += variable.name + '=' + variable.value + '\0';
        }
    } catch (const tesk::Error& error) {
        return error.what();
    }
    return parsed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string lines = tesk::DecodeEnvironment(tesk::fuzz::AsText(data, size));
    const std::string stored = tesk::EncodeEnvironment(lines);
    tesk::fuzz::Check(stored.find_first_of("\r\n") == std::string::npos);
    tesk::fuzz::Check(Parsed(tesk::DecodeEnvironment(stored)) == Parsed(lines));
    return 0;
}
