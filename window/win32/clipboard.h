#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace hueprev::win32 {

// The clipboard's text; none when it holds no text, or when another program
// still holds it open after a few brief retries.
std::optional<std::u16string> clipboardText(HWND owner);

} // namespace hueprev::win32
