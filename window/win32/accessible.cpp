#include "window/win32/accessible.h"

#include <commctrl.h>

#include <utility>

namespace hueprev::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 0xACC;

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT copy(const std::wstring &words, BSTR *out)
{
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = SysAllocStringLen(words.data(), static_cast<UINT>(words.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}
} // namespace

// __uuidof, not IID_IAccessible: mingw-w64's import library of oleacc.dll
// links that name to a function thunk instead of the GUID.
AccessibleControl *AccessibleControl::attach(HWND control, std::wstring name, std::wstring description)
{
    IAccessible *standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&standard)))) {
        return nullptr;
    }
    auto *self = new AccessibleControl(control, standard, std::move(name), std::move(description));
    if (SetWindowSubclass(control, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(self)) == FALSE) {
        self->Release();
        return nullptr;
    }
    return self;
}

AccessibleControl::AccessibleControl(HWND control, IAccessible *standard, std::wstring name,
                                     std::wstring description)
    : control_(control), standard_(standard), name_(std::move(name)), description_(std::move(description))
{}

AccessibleControl::~AccessibleControl()
{
    standard_->Release();
}

void AccessibleControl::setDescription(std::wstring description)
{
    description_ = std::move(description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK AccessibleControl::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                 UINT_PTR, DWORD_PTR self)
{
    auto *object = reinterpret_cast<AccessibleControl *>(self);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible *>(object));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProc, kSubclassId);
        object->Release();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

HRESULT AccessibleControl::QueryInterface(REFIID iid, void **object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible *>(this);
    } else if (iid == __uuidof(IOleWindow)) {
        *object = static_cast<IOleWindow *>(this);
    } else {
        // Handing out the standard object's other interfaces would give them
        // its identity, not this one's; none of the controls has children.
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AccessibleControl::AddRef()
{
    return ++references_;
}

ULONG AccessibleControl::Release()
{
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT AccessibleControl::get_accName(VARIANT child, BSTR *name)
{
    return isSelf(child) ? copy(name_, name) : standard_->get_accName(child, name);
}

HRESULT AccessibleControl::get_accDescription(VARIANT child, BSTR *description)
{
    return isSelf(child) ? copy(description_, description)
                         : standard_->get_accDescription(child, description);
}

// The rest is the standard object's.
HRESULT AccessibleControl::GetTypeInfoCount(UINT *count)
{
    return standard_->GetTypeInfoCount(count);
}
HRESULT AccessibleControl::GetTypeInfo(UINT index, LCID locale, ITypeInfo **info)
{
    return standard_->GetTypeInfo(index, locale, info);
}
HRESULT AccessibleControl::GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids)
{
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
}
HRESULT AccessibleControl::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS *params,
                                  VARIANT *result, EXCEPINFO *exception, UINT *argument)
{
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
}
HRESULT AccessibleControl::get_accParent(IDispatch **parent)
{
    return standard_->get_accParent(parent);
}
HRESULT AccessibleControl::get_accChildCount(LONG *count)
{
    return standard_->get_accChildCount(count);
}
HRESULT AccessibleControl::get_accChild(VARIANT child, IDispatch **dispatch)
{
    return standard_->get_accChild(child, dispatch);
}
HRESULT AccessibleControl::get_accValue(VARIANT child, BSTR *value)
{
    return standard_->get_accValue(child, value);
}
HRESULT AccessibleControl::get_accRole(VARIANT child, VARIANT *role)
{
    return standard_->get_accRole(child, role);
}
HRESULT AccessibleControl::get_accState(VARIANT child, VARIANT *state)
{
    return standard_->get_accState(child, state);
}
HRESULT AccessibleControl::get_accHelp(VARIANT child, BSTR *help)
{
    return standard_->get_accHelp(child, help);
}
HRESULT AccessibleControl::get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic)
{
    return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT AccessibleControl::get_accKeyboardShortcut(VARIANT child, BSTR *shortcut)
{
    return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT AccessibleControl::get_accFocus(VARIANT *child)
{
    return standard_->get_accFocus(child);
}
HRESULT AccessibleControl::get_accSelection(VARIANT *children)
{
    return standard_->get_accSelection(children);
}
HRESULT AccessibleControl::get_accDefaultAction(VARIANT child, BSTR *action)
{
    return standard_->get_accDefaultAction(child, action);
}
HRESULT AccessibleControl::accSelect(LONG flags, VARIANT child)
{
    return standard_->accSelect(flags, child);
}
HRESULT AccessibleControl::accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child)
{
    return standard_->accLocation(left, top, width, height, child);
}
HRESULT AccessibleControl::accNavigate(LONG direction, VARIANT start, VARIANT *end)
{
    return standard_->accNavigate(direction, start, end);
}
HRESULT AccessibleControl::accHitTest(LONG left, LONG top, VARIANT *child)
{
    return standard_->accHitTest(left, top, child);
}
HRESULT AccessibleControl::accDoDefaultAction(VARIANT child)
{
    return standard_->accDoDefaultAction(child);
}
HRESULT AccessibleControl::put_accName(VARIANT child, BSTR name)
{
    return standard_->put_accName(child, name);
}
HRESULT AccessibleControl::put_accValue(VARIANT child, BSTR value)
{
    return standard_->put_accValue(child, value);
}

HRESULT AccessibleControl::GetWindow(HWND *window)
{
    if (window == nullptr) {
        return E_INVALIDARG;
    }
    *window = control_;
    return S_OK;
}
HRESULT AccessibleControl::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

} // namespace hueprev::win32
