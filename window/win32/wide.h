#pragma once

#include "window/language.h"

#include <string>
#include <string_view>

namespace hueprev::win32 {

// UTF-8, as the facts and catalogues hold it, as Windows' wide text.
inline std::wstring wide(std::string_view utf8)
{
    const std::u16string text = utf16(utf8);
    return {text.begin(), text.end()};
}

// UTF-16, as the core hands it over, as Windows' wide text (the same units).
inline std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

} // namespace hueprev::win32
