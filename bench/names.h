#pragma once

#include <string>

namespace hueprev::bench {

// A name of `length` characters: with codes, a colour code every six
// characters ("^1abcd^2efgh..."); without, plain letters.
inline std::u16string nickname(std::size_t length, bool codes)
{
    std::u16string name;
    name.reserve(length);
    for (std::size_t i = 0; name.size() < length; ++i) {
        if (codes && i % 6 == 0) {
            name += u'^';
            name += static_cast<char16_t>(u'0' + (i / 6) % 10);
            ++i;
        } else {
            name += static_cast<char16_t>(u'a' + i % 26);
        }
    }
    name.resize(length);
    return name;
}

} // namespace hueprev::bench
