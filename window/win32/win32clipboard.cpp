#include "window/win32/win32clipboard.h"

#include <algorithm>

namespace hueprev::win32 {

namespace {
// Another program (a clipboard manager, say) may hold the clipboard for a
// moment after it changes; about a quarter of a second in all is waited.
constexpr int kOpenTries = 12;
constexpr DWORD kRetryMilliseconds = 20;

bool openClipboard(HWND owner)
{
    for (int tries = 1;; ++tries) {
        if (OpenClipboard(owner) != FALSE) {
            return true;
        }
        if (tries == kOpenTries) {
            return false;
        }
        Sleep(kRetryMilliseconds);
    }
}
} // namespace

std::optional<std::u16string> globalText(HGLOBAL block)
{
    const auto *chars = static_cast<const char16_t *>(GlobalLock(block));
    if (chars == nullptr) {
        return std::nullopt;
    }
    // Up to its NUL, but never past the block, whoever wrote it.
    const std::u16string_view whole(chars, GlobalSize(block) / sizeof(char16_t));
    std::u16string text(whole.substr(0, whole.find(u'\0')));
    GlobalUnlock(block);
    return text;
}

std::optional<std::u16string> clipboardText(HWND owner)
{
    if (!openClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = globalText(data);
    }
    CloseClipboard();
    return text;
}

void WindowClipboard::setText(std::u16string_view text)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    if (block == nullptr) {
        return;
    }
    if (auto *chars = static_cast<char16_t *>(GlobalLock(block))) {
        std::copy(text.begin(), text.end(), chars);
        chars[text.size()] = u'\0';
        GlobalUnlock(block);
        if (openClipboard(owner_)) {
            EmptyClipboard();
            // The clipboard owns the block once it took it.
            if (SetClipboardData(CF_UNICODETEXT, block) != nullptr) {
                block = nullptr;
            }
            CloseClipboard();
        }
    }
    if (block != nullptr) {
        GlobalFree(block);
    }
}

} // namespace hueprev::win32
