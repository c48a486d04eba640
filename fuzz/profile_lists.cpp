// The profile list loaders over an arbitrary INI text: no crash, and the
// lists come out as the window expects them, each loaded whole up to the
// first one whose count is refused, that one empty and the rest not loaded.

#include "FuzzSupport.h"

#include "core/profiles/ProfileFile.h"
#include "core/text/Error.h"

#include <algorithm>

namespace {

using tesk::ProfileLists;

constexpr std::optional<tesk::ProfileList> ProfileLists::*kMembers[] = {&ProfileLists::aliases, &ProfileLists::bindings,
                                                                        &ProfileLists::settings};

// The number of items a list of this kind must have, or nothing when its
// count is refused.
std::optional<std::size_t> ExpectedSize(const tesk::IniFile& profile, tesk::ProfileEntryKind kind)
{
    try {
        return static_cast<std::size_t>(std::max(0LL, tesk::ReadEntryCount(profile, kind)));
    } catch (const tesk::Error&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto profile = tesk::IniFile::Parse(tesk::fuzz::AsText(data, size), "fuzz.tesk");
    ProfileLists lists;
    bool failed = false;
    try {
        tesk::LoadProfileLists(profile, lists);
    } catch (const tesk::Error&) {
        failed = true;
    }

    bool stopped = false;
    for (std::size_t i = 0; i < std::size(kMembers); ++i) {
        const auto& list = lists.*kMembers[i];
        if (stopped) {
            tesk::fuzz::Check(!list);
            continue;
        }
        tesk::fuzz::Check(list.has_value());
        const auto expected = ExpectedSize(profile, tesk::kProfileEntryKinds[i]);
        tesk::fuzz::Check(list->size() == expected.value_or(0));
        stopped = !expected;
    }
    tesk::fuzz::Check(stopped == failed);
    return 0;
}
