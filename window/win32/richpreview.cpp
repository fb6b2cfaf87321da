#include "window/win32/richpreview.h"

#include "preview/rtf.h"
#include "window/facts.h"
#include "window/win32/wide.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

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
    std::copy_n(reader.rtf.data() + reader.at, count, buffer);
    reader.at += count;
    *given = static_cast<LONG>(count);
    return 0;
}
} // namespace

bool setUpPreview(HWND box)
{
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, facts::kPreviewBackground);
    SendMessageW(box, EM_SETUNDOLIMIT, 0, 0);
    // Without this the control stops at 64,000 characters.
    SendMessageW(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageW(box, EM_SETEVENTMASK, 0, 0);
    return SetWindowSubclass(box, previewProc, 1, 0) != FALSE;
}

void streamRtf(HWND box, const std::string &rtf)
{
    Reader reader{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = readRtf;
    SendMessageW(box, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void RichEditPreviewBox::describe(std::u16string_view words)
{
    words_.setDescription(wide(words));
}

void RichEditPreviewBox::rebuild(const PreviewRuns &runs)
{
    streamRtf(box_, rtfDocument(runs, facts::kFontFace, halfPoints_));
}

void RichEditPreviewBox::showPosition(std::size_t position)
{
    CHARRANGE at{static_cast<LONG>(position), static_cast<LONG>(position)};
    SendMessageW(box_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    SendMessageW(box_, EM_SCROLLCARET, 0, 0);
}

} // namespace hueprev::win32
