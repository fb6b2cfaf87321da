#include "preview/utf8.h"

namespace hueprev {

std::optional<Utf8Char> decodeUtf8(std::string_view bytes, std::size_t at)
{
    if (at >= bytes.size()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t extra = lead < 0x80                   ? 0
                              : lead >= 0xC2 && lead < 0xE0 ? 1
                              : lead >= 0xE0 && lead < 0xF0 ? 2
                              : lead >= 0xF0 && lead < 0xF5 ? 3
                                                            : 4;
    if (extra == 4 || at + extra >= bytes.size()) {
        return std::nullopt;
    }
    char32_t code = extra == 0 ? lead : lead & (0x3FU >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0U) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6U) | (next & 0x3FU);
    }
    const bool overlong = (extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000);
    if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Char{code, extra + 1};
}

void appendUtf8(std::string &out, char32_t code)
{
    const auto byte = [&](char32_t value) { out += static_cast<char>(static_cast<unsigned char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6U));
        byte(0x80 | (code & 0x3FU));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12U));
        byte(0x80 | ((code >> 6U) & 0x3FU));
        byte(0x80 | (code & 0x3FU));
    } else {
        byte(0xF0 | (code >> 18U));
        byte(0x80 | ((code >> 12U) & 0x3FU));
        byte(0x80 | ((code >> 6U) & 0x3FU));
        byte(0x80 | (code & 0x3FU));
    }
}

} // namespace hueprev
