#include "window/win32/win32clipboard.h"

#include "preview/shareformats.h"
#include "window/facts.h"
#include "window/win32/wide.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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

namespace {
// A movable block holding these bytes; none if it could not be had.
HGLOBAL blockOf(const void *bytes, std::size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) {
        return nullptr;
    }
    if (void *into = GlobalLock(block)) {
        std::memcpy(into, bytes, size);
        GlobalUnlock(block);
        return block;
    }
    GlobalFree(block);
    return nullptr;
}

HGLOBAL textBlock(std::u16string_view text)
{
    std::u16string terminated(text);
    return blockOf(terminated.c_str(), (terminated.size() + 1) * sizeof(char16_t));
}
} // namespace

void WindowClipboard::put(std::initializer_list<std::pair<UINT, HGLOBAL>> blocks)
{
    std::vector<HGLOBAL> left; // the clipboard owns each block it took
    const bool open = openClipboard(owner_);
    if (open) {
        EmptyClipboard();
    }
    for (const auto &[format, block] : blocks) {
        if (block != nullptr && (!open || SetClipboardData(format, block) == nullptr)) {
            left.push_back(block);
        }
    }
    if (open) {
        CloseClipboard();
    }
    for (HGLOBAL block : left) {
        GlobalFree(block);
    }
}

void WindowClipboard::setText(std::u16string_view text)
{
    put({{CF_UNICODETEXT, textBlock(text)}});
}

void WindowClipboard::setHtml(std::u16string_view text, std::u16string_view html)
{
    const std::string page = windowsHtmlFormat(html);
    put({{CF_UNICODETEXT, textBlock(text)},
         {RegisterClipboardFormatW(L"HTML Format"), blockOf(page.c_str(), page.size() + 1)}});
}

PictureDone WindowClipboard::setPicture(const Picture &picture)
{
    const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    HDC dc = CreateCompatibleDC(screen);
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    if (dc == nullptr) {
        return {false, false};
    }
    // The preview's font and height at the screen's scale, its margins, each letter as wide as the font makes
    // it.
    HFONT font =
        CreateFontW(-MulDiv(static_cast<int>(box.points * 4), dpi, 72 * 4), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                    FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                    DEFAULT_PITCH, wide(std::string_view(facts::kFontFace)).c_str());
    HGDIOBJ before = SelectObject(dc, font);
    const int margin = MulDiv(4, dpi, 96);
    const int height = MulDiv(facts::pixels(box.height), dpi, 96);
    std::vector<int> widths;
    int width = 2 * margin;
    for (const Picture::Letter &letter : picture.letters) {
        const std::wstring text = wide(letter.text);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        if (width + size.cx > Picture::kWidest) {
            break;
        }
        width += size.cx;
        widths.push_back(size.cx);
    }
    // Drawn top down, 24 bits a pixel; the clipboard's copy is bottom up, as most programs read it.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGLOBAL block = nullptr;
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ plain = SelectObject(dc, bitmap);
        HBRUSH background = CreateSolidBrush(facts::kPreviewBackground);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, background);
        DeleteObject(background);
        SetBkMode(dc, TRANSPARENT);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int x = margin;
        for (std::size_t at = 0; at < widths.size(); ++at) {
            const std::wstring text = wide(picture.letters[at].text);
            SetTextColor(dc, picture.letters[at].color);
            TextOutW(dc, x, (height - metrics.tmHeight) / 2, text.c_str(), static_cast<int>(text.size()));
            x += widths[at];
        }
        GdiFlush();
        const auto stride = static_cast<std::size_t>((width * 3 + 3) & ~3);
        std::vector<unsigned char> dib(sizeof(BITMAPINFOHEADER) + stride * static_cast<std::size_t>(height));
        BITMAPINFOHEADER header = info.bmiHeader;
        header.biHeight = height;
        header.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(height));
        std::memcpy(dib.data(), &header, sizeof(header));
        for (int row = 0; row < height; ++row) {
            std::memcpy(dib.data() + sizeof(header) + stride * static_cast<std::size_t>(height - 1 - row),
                        static_cast<const unsigned char *>(bits) + stride * static_cast<std::size_t>(row),
                        stride);
        }
        block = blockOf(dib.data(), dib.size());
        SelectObject(dc, plain);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    SelectObject(dc, before);
    DeleteObject(font);
    DeleteDC(dc);
    put({{CF_DIB, block}});
    return {false, widths.size() < picture.letters.size()};
}

} // namespace hueprev::win32
