#include "window/win32/edittextbox.h"

#include "window/form.h"
#include "window/win32/accessible.h"
#include "window/win32/contextmenu.h"
#include "window/win32/droptarget.h"
#include "window/win32/wide.h"
#include "window/win32/win32clipboard.h"

#include <commctrl.h>

#include <optional>
#include <string>

namespace hueprev::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 1;

// What moved the focus to the box from `from`, the control that had it.
FocusArrival arrival(HWND box, HWND from)
{
    // From no window, or another program's: the window was activated (by
    // Alt+Tab too, whose Tab is still down).
    if (from == nullptr || GetAncestor(from, GA_ROOT) != GetAncestor(box, GA_ROOT)) {
        return FocusArrival::WindowActivation;
    }
    if (GetKeyState(VK_TAB) < 0) {
        return FocusArrival::TabKey;
    }
    if (GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0) {
        return FocusArrival::PointerPress;
    }
    return FocusArrival::Program;
}
} // namespace

EditTextBox::EditTextBox(HWND edit) : edit_(edit)
{
    // The default limit cuts typing and pastes at 30,000 characters.
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
    subclassed_ =
        SetWindowSubclass(edit_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    drop_ = DropTarget::registerOn(edit_, [this](std::u16string_view text, int position) {
        if (form_ != nullptr) {
            form_->txtIn_Drop(text, position);
        }
    });
}

EditTextBox::~EditTextBox()
{
    if (drop_ != nullptr) {
        drop_->revoke();
    }
    RemoveWindowSubclass(edit_, subclassProc, kSubclassId);
}

std::u16string EditTextBox::text() const
{
    // Asked of the control itself: GetWindowText may answer from a copy.
    std::wstring buffer(static_cast<std::size_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    const auto length =
        SendMessageW(edit_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return {reinterpret_cast<const char16_t *>(buffer.data()), static_cast<std::size_t>(length)};
}

int EditTextBox::length() const
{
    return static_cast<int>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0));
}

void EditTextBox::selection(int &from, int &to) const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    from = static_cast<int>(start);
    to = static_cast<int>(end);
}

int EditTextBox::selStart() const
{
    int from = 0;
    int to = 0;
    selection(from, to);
    return from;
}

int EditTextBox::selLength() const
{
    int from = 0;
    int to = 0;
    selection(from, to);
    return to - from;
}

int EditTextBox::caret() const
{
    int start = 0;
    int end = 0;
    selection(start, end);
    if (start == end) {
        anchor_ = start;
        caret_ = start;
    } else if (start == anchor_) {
        caret_ = end;
    } else if (end == anchor_) {
        caret_ = start;
    } else {
        // Made at once (a double-click, select all): the caret is at its end.
        anchor_ = start;
        caret_ = end;
    }
    return caret_;
}

void EditTextBox::setSelStart(int position)
{
    SendMessageW(edit_, EM_SETSEL, position, position);
    anchor_ = caret_ = position;
}

void EditTextBox::setSelLength(int length)
{
    const int start = selStart();
    SendMessageW(edit_, EM_SETSEL, start, start + length);
    anchor_ = start;
    caret_ = start + length;
}

void EditTextBox::setSelText(std::u16string_view text)
{
    const std::wstring replacement = wide(text);
    // An EDIT has one level of undo, which grows with each adjacent insert;
    // emptied first, it undoes this replacement alone.
    SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
}

menus::EditState EditTextBox::editState() const
{
    int from = 0;
    int to = 0;
    selection(from, to);
    return {SendMessageW(edit_, EM_CANUNDO, 0, 0) != 0, false, from != to,
            IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE, from == 0 && to == length()};
}

void EditTextBox::choose(menus::Command command, Form &form)
{
    const std::optional<menus::Command> own = form.mnu_Click(command);
    const std::optional<menus::EditCommand> edit = own ? menus::editOf(*own) : std::nullopt;
    if (!edit) {
        return;
    }
    switch (*edit) {
    case menus::EditCommand::Undo:
        SendMessageW(edit_, EM_UNDO, 0, 0);
        break;
    case menus::EditCommand::Redo:
        break; // an EDIT has none, and offers none
    case menus::EditCommand::Cut:
        SendMessageW(edit_, WM_CUT, 0, 0);
        break;
    case menus::EditCommand::Copy:
        SendMessageW(edit_, WM_COPY, 0, 0);
        break;
    case menus::EditCommand::Paste:
        SendMessageW(edit_, WM_PASTE, 0, 0);
        break;
    case menus::EditCommand::Delete:
        SendMessageW(edit_, WM_CLEAR, 0, 0);
        break;
    case menus::EditCommand::SelectAll:
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        form.txtIn_CaretMove();
        break;
    }
    SetFocus(edit_);
}

void EditTextBox::setFocus()
{
    SetFocus(edit_);
}

void EditTextBox::showCount(std::u16string_view count)
{
    if (toolTips_ != nullptr) {
        std::wstring tip = wide(count);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = GetParent(edit_);
        tool.uId = reinterpret_cast<UINT_PTR>(edit_);
        tool.lpszText = tip.data(); // copied by the control
        SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void EditTextBox::describe(std::u16string_view description)
{
    if (accessible_ != nullptr) {
        accessible_->setDescription(wide(description));
    }
}

LRESULT CALLBACK EditTextBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self)
{
    auto &box = *reinterpret_cast<EditTextBox *>(self);
    if (box.form_ == nullptr) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
    Form &form = *box.form_;
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter belongs to the box, not to the dialog navigation.
        LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        const auto *msg = reinterpret_cast<const MSG *>(lParam);
        if (msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
            msg->wParam == VK_RETURN) {
            code |= DLGC_WANTALLKEYS;
        }
        return code;
    }
    case WM_CHAR: {
        auto keyAscii = static_cast<char16_t>(wParam);
        form.txtIn_KeyPress(keyAscii);
        if (keyAscii == 0) {
            return 0; // cancelled: no character, and no beep
        }
        if (keyAscii == 1) { // Ctrl+A, which a single-line EDIT answers with a beep
            SendMessageW(window, EM_SETSEL, 0, -1);
            form.txtIn_CaretMove();
            return 0;
        }
        wParam = keyAscii;
        break;
    }
    case WM_PASTE: {
        const std::optional<std::u16string> clip = clipboardText(window);
        form.txtIn_Paste(clip ? std::optional<std::u16string_view>(*clip) : std::nullopt);
        return 0;
    }
    case WM_KILLFOCUS:
        form.txtIn_LostFocus();
        break;
    case WM_CONTEXTMENU:
        showContextMenu(box, lParam, form);
        return 0;
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        form.txtIn_GotFocus(arrival(window, reinterpret_cast<HWND>(wParam)));
        return result;
    }
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_KEYDOWN || message == WM_LBUTTONUP ||
        (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0)) {
        form.txtIn_CaretMove();
    }
    return result;
}

} // namespace hueprev::win32
