#pragma once

#include "window/clipboard.h"

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

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
    // As CF_UNICODETEXT, and as "HTML Format" with its header.
    void setHtml(std::u16string_view text, std::u16string_view html) override;
    // As CF_DIB, from which Windows makes the other bitmap formats.
    PictureDone setPicture(const Picture &picture) override;

private:
    // Each format's block, given to the clipboard at once; the blocks are freed if it took none.
    void put(std::initializer_list<std::pair<UINT, HGLOBAL>> blocks);
    HWND owner_;
};

} // namespace hueprev::win32
