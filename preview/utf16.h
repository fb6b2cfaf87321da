#pragma once

#include <cstddef>
#include <string_view>

namespace hueprev {

constexpr bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether a cut before text[at] would part a surrogate pair.
constexpr bool splitsPair(std::u16string_view text, std::size_t at)
{
    return at > 0 && at < text.size() && isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]);
}

} // namespace hueprev
