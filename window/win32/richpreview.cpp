#include "window/win32/richpreview.h"

#include "window/facts.h"
#include "window/speech.h"
#include "window/win32/rtf.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <utility>

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
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, facts::kPreviewBackground);
    SendMessageW(box, EM_SETUNDOLIMIT, 0, 0);
    // Without this the control stops at 64,000 characters.
    SendMessageW(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageW(box, EM_SETEVENTMASK, 0, 0);
    SetWindowSubclass(box, previewProc, 1, 0);
}

void streamRtf(HWND box, const std::string &rtf)
{
    Reader reader{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = readRtf;
    SendMessageW(box, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

namespace {
constexpr UINT_PTR kBoxSubclassId = 2;
constexpr UINT_PTR kSettledTimer = 1;
} // namespace

RichEditPreviewBox::RichEditPreviewBox(HWND box, int halfPoints, AccessibleControl &words)
    : box_(box), halfPoints_(halfPoints), words_(words)
{
    SetWindowSubclass(box_, subclassProc, kBoxSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

RichEditPreviewBox::~RichEditPreviewBox()
{
    KillTimer(box_, kSettledTimer);
    RemoveWindowSubclass(box_, subclassProc, kBoxSubclassId);
}

void RichEditPreviewBox::describe(std::u16string_view words)
{
    pending_.assign(words.begin(), words.end());
    SetTimer(box_, kSettledTimer, kSpeechSettleMilliseconds, nullptr);
}

LRESULT CALLBACK RichEditPreviewBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                  UINT_PTR, DWORD_PTR self)
{
    if (message == WM_TIMER && wParam == kSettledTimer) {
        auto &box = *reinterpret_cast<RichEditPreviewBox *>(self);
        KillTimer(window, kSettledTimer);
        box.words_.setDescription(std::move(box.pending_));
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
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
