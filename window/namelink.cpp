#include "window/namelink.h"

#include "preview/utf16.h"
#include "preview/utf8.h"

#include <algorithm>
#include <optional>

namespace hueprev {

namespace {
// What encodeURIComponent leaves as it is.
bool unreserved(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           std::u32string_view(U"-_.!~*'()").find(c) != std::u32string_view::npos;
}

// The code point percent-encoded as encodeURIComponent does.
void appendEncoded(std::string &out, char32_t code)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (code < 0x80 && unreserved(code)) {
        out += static_cast<char>(code);
        return;
    }
    std::string bytes;
    appendUtf8(bytes, code);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        out += '%';
        out += kHex[value >> 4U];
        out += kHex[value & 0xFU];
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The bytes a fragment stands for; none if a "%" is not followed by two hex digits.
std::optional<std::string> percentDecoded(std::string_view fragment)
{
    std::string bytes;
    for (std::size_t at = 0; at < fragment.size(); ++at) {
        if (fragment[at] != '%') {
            bytes += fragment[at];
            continue;
        }
        const int high = at + 2 < fragment.size() ? hexValue(fragment[at + 1]) : -1;
        const int low = at + 2 < fragment.size() ? hexValue(fragment[at + 2]) : -1;
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return bytes;
}
} // namespace

std::string linkFragment(std::u16string_view name)
{
    std::string out;
    forEachCodePoint(name, [&](char32_t code) { appendEncoded(out, code); });
    return out;
}

std::variant<std::u16string, LinkError> nameFromFragment(std::string_view fragment)
{
    // The longest name a link may bring is at most this long: a character
    // is at most nine, a pair twelve.
    if (fragment.size() > 12 * kLinkNameLimit) {
        return LinkError::TooLong;
    }
    const std::optional<std::string> bytes = percentDecoded(fragment);
    if (!bytes) {
        return LinkError::Unreadable;
    }
    std::u16string name;
    for (std::size_t at = 0; at < bytes->size();) {
        const std::optional<Utf8Char> next = decodeUtf8(*bytes, at);
        if (!next) {
            return LinkError::Unreadable;
        }
        if (name.size() + (next->code >= 0x10000 ? 2 : 1) > kLinkNameLimit) {
            return LinkError::TooLong;
        }
        appendUtf16(name, next->code);
        at += next->length;
    }
    return name;
}

} // namespace hueprev
