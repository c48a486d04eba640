// UnquoteValue over arbitrary text: no crash, never a longer result, a text
// without a leading quote unchanged and a quoted one shorter by that quote
// at least.

#include "FuzzSupport.h"

#include "core/text/TokenList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = tesk::fuzz::AsText(data, size);
    const std::string value = tesk::UnquoteValue(text);
    if (text.empty() || text.front() != '"')
        tesk::fuzz::Check(value == text);
    else
        tesk::fuzz::Check(value.size() < text.size());
    return 0;
}
