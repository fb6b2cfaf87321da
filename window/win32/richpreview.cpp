#include "window/win32/richpreview.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace hueprev::win32 {

namespace {
struct Reader
{
    const std::string &rtf;
    std::size_t at = 0;
};

// Tab and Shift+Tab leave the preview, as in the rest of the window.
LRESULT CALLBACK previewProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(box, message, wParam, lParam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, previewProc, 1);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

DWORD CALLBACK readRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *given)
{
    auto &reader = *reinterpret_cast<Reader *>(cookie);
    const std::size_t count = std::min(static_cast<std::size_t>(wanted), reader.rtf.size() - reader.at);
    std::memcpy(buffer, reader.rtf.data() + reader.at, count);
    reader.at += count;
    *given = static_cast<LONG>(count);
    return 0;
}
} // namespace

void setUpPreview(HWND box)
{
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, RGB(64, 64, 64));
    SendMessageW(box, EM_SETUNDOLIMIT, 0, 0);
    // Without this the control stops at 64,000 characters.
    SendMessageW(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageW(box, EM_SETEVENTMASK, 0, 0);
    SetWindowSubclass(box, previewProc, 1, 0);
}

namespace {
// The same control anew, in the old one's place, tab order and font.
HWND renew(HWND box)
{
    HWND parent = GetParent(box);
    RECT place{};
    GetWindowRect(box, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&place), 2);
    HWND fresh =
        CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)), L"RICHEDIT50W", L"",
                        static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), place.left, place.top,
                        place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(GetWindowLongPtrW(box, GWLP_ID)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(box, GWLP_HINSTANCE)), nullptr);
    if (fresh == nullptr) {
        return box;
    }
    setUpPreview(fresh);
    SendMessageW(fresh, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(fresh, box, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetFocus() == box) {
        SetFocus(fresh);
    }
    DestroyWindow(box);
    return fresh;
}
} // namespace

HWND streamRtf(HWND box, const std::string &rtf)
{
    // Emptying a rich-edit control takes time quadratic in its length under
    // Wine (100,000 characters: half a second); past this length a fresh
    // control is cheaper (about 10 ms).
    constexpr int kRenewAbove = 20'000;
    if (GetWindowTextLengthW(box) > kRenewAbove) {
        box = renew(box);
    }
    Reader reader{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = readRtf;
    SendMessageW(box, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return box;
}

void showPreviewPosition(HWND box, std::size_t position)
{
    CHARRANGE at{static_cast<LONG>(position), static_cast<LONG>(position)};
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

} // namespace hueprev::win32
