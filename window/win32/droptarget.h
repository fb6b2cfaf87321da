#pragma once

#include <ole2.h>
#include <windows.h>

#include <functional>
#include <string>

namespace hueprev::win32 {

// Takes text dropped on a control from other programs, through OLE, and
// hands it over with the position of the control's text it was dropped at.
class DropTarget final : public IDropTarget
{
public:
    using Dropped = std::function<void(std::u16string_view text, int position)>;
    // Registered with the control until revoked; nullptr if OLE would not take it.
    static DropTarget *registerOn(HWND control, Dropped dropped);
    void revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject *data, DWORD keys, POINTL at, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject *data, DWORD keys, POINTL at, DWORD *effect) override;

private:
    DropTarget(HWND control, Dropped dropped) : control_(control), dropped_(std::move(dropped)) {}
    ~DropTarget() = default;
    // The position of the EDIT's text nearest a point of the screen.
    int positionAt(POINTL at) const;

    HWND control_;
    Dropped dropped_;
    ULONG references_ = 1;
    bool text_ = false; // what is dragged over has text
};

} // namespace hueprev::win32
