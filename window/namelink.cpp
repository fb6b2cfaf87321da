#include "window/namelink.h"

#include "preview/utf16.h"

#include <algorithm>
#include <array>

namespace hueprev {

namespace {
// What encodeURIComponent leaves as it is.
bool unreserved(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           std::u32string_view(U"-_.!~*'()").find(c) != std::u32string_view::npos;
}

void appendUtf8(std::string &out, char32_t code)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::array<unsigned char, 4> bytes{};
    std::size_t count = 0;
    if (code < 0x80) {
        bytes[count++] = static_cast<unsigned char>(code);
    } else if (code < 0x800) {
        bytes[count++] = static_cast<unsigned char>(0xC0 | (code >> 6U));
        bytes[count++] = static_cast<unsigned char>(0x80 | (code & 0x3FU));
    } else if (code < 0x10000) {
        bytes[count++] = static_cast<unsigned char>(0xE0 | (code >> 12U));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((code >> 6U) & 0x3FU));
        bytes[count++] = static_cast<unsigned char>(0x80 | (code & 0x3FU));
    } else {
        bytes[count++] = static_cast<unsigned char>(0xF0 | (code >> 18U));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((code >> 12U) & 0x3FU));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((code >> 6U) & 0x3FU));
        bytes[count++] = static_cast<unsigned char>(0x80 | (code & 0x3FU));
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (count == 1 && unreserved(code)) {
            out += static_cast<char>(code);
        } else {
            out += '%';
            out += kHex[bytes[i] >> 4U];
            out += kHex[bytes[i] & 0xFU];
        }
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
    for (std::size_t at = 0; at < name.size(); ++at) {
        char32_t code = name[at];
        if (splitsPair(name, at + 1)) {
            code = 0x10000 + ((code - 0xD800) << 10U) + (name[at + 1] - 0xDC00);
            ++at;
        } else if (isHighSurrogate(name[at]) || isLowSurrogate(name[at])) {
            code = 0xFFFD;
        }
        appendUtf8(out, code);
    }
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
        const auto lead = static_cast<unsigned char>((*bytes)[at]);
        const std::size_t extra = lead < 0x80                   ? 0
                                  : lead >= 0xC2 && lead < 0xE0 ? 1
                                  : lead >= 0xE0 && lead < 0xF0 ? 2
                                  : lead >= 0xF0 && lead < 0xF5 ? 3
                                                                : 4;
        if (extra == 4 || at + extra >= bytes->size()) {
            return LinkError::Unreadable;
        }
        char32_t code = extra == 0 ? lead : lead & (0x3FU >> extra);
        for (std::size_t i = 1; i <= extra; ++i) {
            const auto next = static_cast<unsigned char>((*bytes)[at + i]);
            if ((next & 0xC0U) != 0x80) {
                return LinkError::Unreadable;
            }
            code = (code << 6U) | (next & 0x3FU);
        }
        const bool overlong = (extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return LinkError::Unreadable;
        }
        const std::size_t units = code >= 0x10000 ? 2 : 1;
        if (name.size() + units > kLinkNameLimit) {
            return LinkError::TooLong;
        }
        if (units == 2) {
            name += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10U));
            name += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FFU));
        } else {
            name += static_cast<char16_t>(code);
        }
        at += extra + 1;
    }
    return name;
}

} // namespace hueprev
