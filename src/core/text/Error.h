#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tesk {

// A failure that the user must see; what() is the complete message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message texts carry one "%s" for the file or value they name.
inline std::string FormatText(std::string_view format, std::string_view argument)
{
    std::string text(format);
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace tesk
