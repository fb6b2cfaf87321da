#include "window/win32/droptarget.h"

#include "window/win32/win32clipboard.h"

#include <algorithm>
#include <optional>

namespace hueprev::win32 {

namespace {
// More characters than a box shows, fewer than reach 32,767 pixels.
constexpr int kInView = 1'000;

FORMATETC textFormat()
{
    return {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The left edge of a character of the EDIT, in its client area; past the
// last character, where the EDIT answers -1, far right.
LONG leftOf(HWND edit, int position)
{
    const auto answer =
        static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(position), 0));
    return answer == -1 ? LONG_MAX : static_cast<SHORT>(LOWORD(answer));
}
} // namespace

DropTarget *DropTarget::registerOn(HWND control, Dropped dropped)
{
    auto *target = new DropTarget(control, std::move(dropped));
    if (FAILED(RegisterDragDrop(control, target))) {
        target->Release();
        return nullptr;
    }
    return target;
}

void DropTarget::revoke()
{
    RevokeDragDrop(control_);
    dropped_ = nullptr;
    Release();
}

HRESULT DropTarget::QueryInterface(REFIID iid, void **object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == __uuidof(IDropTarget)) {
        *object = static_cast<IDropTarget *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::AddRef()
{
    return ++references_;
}

ULONG DropTarget::Release()
{
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT DropTarget::DragEnter(IDataObject *data, DWORD keys, POINTL at, DWORD *effect)
{
    FORMATETC format = textFormat();
    text_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    return DragOver(keys, at, effect);
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD *effect)
{
    if (effect == nullptr) {
        return E_INVALIDARG;
    }
    *effect = text_ && dropped_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragLeave()
{
    text_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject *data, DWORD keys, POINTL at, DWORD *effect)
{
    if (DragEnter(data, keys, at, effect) != S_OK || *effect == DROPEFFECT_NONE) {
        return S_OK;
    }
    FORMATETC format = textFormat();
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const std::optional<std::u16string> text = globalText(medium.hGlobal);
    ReleaseStgMedium(&medium);
    if (text) {
        dropped_(*text, positionAt(at));
    }
    return S_OK;
}

int DropTarget::positionAt(POINTL at) const
{
    POINT point{at.x, at.y};
    ScreenToClient(control_, &point);
    // The characters whose left edge is left of the point, found by halves
    // among those in view: EM_CHARFROMPOS answers in 16 bits, and so does
    // EM_POSFROMCHAR's x, which wraps far from the box.
    const auto length = static_cast<int>(SendMessageW(control_, WM_GETTEXTLENGTH, 0, 0));
    int low = static_cast<int>(SendMessageW(control_, EM_GETFIRSTVISIBLELINE, 0, 0));
    int high = std::min(length, low + kInView);
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (leftOf(control_, middle - 1) <= point.x) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    // Before the character under the point when its left half is hit.
    if (low > 0) {
        const LONG left = leftOf(control_, low - 1);
        const LONG right = leftOf(control_, low);
        if (right != LONG_MAX && point.x - left < right - point.x) {
            --low;
        }
    }
    return low;
}

} // namespace hueprev::win32
