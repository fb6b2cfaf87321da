#pragma once

#include <cstddef>
#include <string>
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

// The code point a surrogate pair stands for.
constexpr char32_t codePointOf(char16_t high, char16_t low)
{
    return 0x10000 + ((char32_t{high} - 0xD800) << 10U) + (char32_t{low} - 0xDC00);
}

// Appends a code point: a surrogate pair above U+FFFF.
inline void appendUtf16(std::u16string &out, char32_t code)
{
    if (code >= 0x10000) {
        out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10U));
        out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FFU));
    } else {
        out += static_cast<char16_t>(code);
    }
}

// Whether a cut before text[at] would part a surrogate pair.
constexpr bool splitsPair(std::u16string_view text, std::size_t at)
{
    return at > 0 && at < text.size() && isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]);
}

// Calls `visit(char32_t)` for each code point of the text, in order; a
// surrogate without its other half is U+FFFD, as encoders write it.
template <typename Visit> void forEachCodePoint(std::u16string_view text, Visit &&visit)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (splitsPair(text, at + 1)) {
            visit(codePointOf(text[at], text[at + 1]));
            ++at;
        } else {
            visit(isHighSurrogate(text[at]) || isLowSurrogate(text[at]) ? U'\uFFFD' : char32_t{text[at]});
        }
    }
}

} // namespace hueprev
