#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace hueprev::win32 {

// The clipboard's text; none when it holds no text, or when another program
// still holds it open after a few brief retries.
std::optional<std::u16string> clipboardText(HWND owner);

// The text of a memory block of UTF-16 (the clipboard's, or a drop's): up to
// its NUL or its end, whichever comes first; none if it cannot be locked.
std::optional<std::u16string> globalText(HGLOBAL block);

} // namespace hueprev::win32
