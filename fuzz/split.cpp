// SplitByDelimiter over arbitrary text: the first byte is the delimiter, the
// rest the text. The pieces joined with the delimiter give the text back, and
// there is one piece more than there are delimiters.

#include "FuzzSupport.h"

#include "core/text/TokenList.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto input = tesk::fuzz::AsText(data, size);
    const char delimiter = input.front();
    const auto text = input.substr(1);

    const auto pieces = tesk::SplitByDelimiter(text, delimiter);
    tesk::fuzz::Check(pieces.size() == static_cast<std::size_t>(std::count(text.begin(), text.end(), delimiter)) + 1);
    std::string joined = pieces.front();
    for (std::size_t i = 1; i < pieces.size(); ++i)
        joined.append(1, delimiter).append(pieces[i]);
    tesk::fuzz::Check(joined == text);
    return 0;
}
