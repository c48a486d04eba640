#pragma once

#include "core/profiles/ProfileFile.h"
#include "core/text/Error.h"

#include <string>
#include <vector>

namespace tesk::testing {

inline std::vector<std::string> Texts(const ProfileList& list)
{
    std::vector<std::string> texts;
    for (const auto& item : list)
        texts.push_back(item.text);
    return texts;
}

inline std::vector<bool> Checks(const ProfileList& list)
{
    std::vector<bool> checks;
    for (const auto& item : list)
        checks.push_back(item.checked);
    return checks;
}

// What a throwing call said; empty when it did not throw.
template <typename Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

} // namespace tesk::testing
