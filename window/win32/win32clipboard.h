#pragma once

#include "window/clipboard.h"

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

// The core's clipboard on Windows', opened for this window.
class WindowClipboard final : public Clipboard
{
public:
    explicit WindowClipboard(HWND owner) : owner_(owner) {}
    // Nothing is copied when another program holds the clipboard too long.
    void setText(std::u16string_view text) override;

private:
    HWND owner_;
};

} // namespace hueprev::win32
