// WildcardMatch against a plain table-filling matcher that is correct by
// construction: same answer on every text and pattern, and no crash or
// runaway time on long ones. The input is the text, a zero byte and the
// pattern; without a zero byte it is cut in the middle.

#include "FuzzSupport.h"

#include "core/text/TextRules.h"
#include "core/text/TokenList.h"

#include <vector>

namespace {

// The lookups compare at most this much; the reference is quadratic.
constexpr std::size_t kReferenceLength = 255;

// matches[t][p]: the last t characters of the text match the last p of the
// pattern.
bool ReferenceMatch(std::string_view text, std::string_view pattern)
{
    const std::size_t n = text.size();
    const std::size_t m = pattern.size();
    std::vector<std::vector<char>> matches(n + 1, std::vector<char>(m + 1, 0));
    matches[0][0] = 1;
    for (std::size_t p = 1; p <= m; ++p) {
        const char c = pattern[m - p];
        for (std::size_t t = 0; t <= n; ++t) {
            if (c == '*')
                matches[t][p] = matches[t][p - 1] || (t > 0 && matches[t - 1][p]);
            else
                matches[t][p] = t > 0 && (c == '?' || tesk::UpperAscii(c) == tesk::UpperAscii(text[n - t]))
                                && matches[t - 1][p - 1];
        }
    }
    return matches[n][m] != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = tesk::fuzz::AsText(data, size);
    const auto zero = input.find('\0');
    const auto cut = zero == std::string_view::npos ? size / 2 : zero;
    const auto text = input.substr(0, cut);
    const auto pattern = input.substr(std::min(size, zero == std::string_view::npos ? cut : cut + 1));

    const bool matched = tesk::WildcardMatch(text, pattern);
    if (text.size() <= kReferenceLength && pattern.size() <= kReferenceLength)
        tesk::fuzz::Check(matched == ReferenceMatch(text, pattern));
    return 0;
}
