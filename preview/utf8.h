#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hueprev {

// One code point of UTF-8: its value and how many bytes it took.
struct Utf8Char
{
    char32_t code;
    std::size_t length;
};
// The code point at bytes[at]; none where the bytes there are not UTF-8 (a
// stray or missing continuation, an overlong form, a surrogate, or above U+10FFFF).
std::optional<Utf8Char> decodeUtf8(std::string_view bytes, std::size_t at);

// Appends a code point's UTF-8 bytes.
void appendUtf8(std::string &out, char32_t code);

} // namespace hueprev
