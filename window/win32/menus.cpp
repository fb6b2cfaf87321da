#include "window/win32/menus.h"

#include "preview/translatable.h"
#include "window/form.h"
#include "window/language.h"
#include "window/tools.h"
#include "window/win32/wide.h"

#include <vector>

namespace hueprev::win32 {

namespace {
// The EDIT's own commands are the messages that carry them out.
struct EditItem
{
    const char *label;
    UINT message;    // 0: a separator
    const char *key; // its shortcut: with Ctrl, or alone
    bool withCtrl = true;
};
constexpr EditItem kEditItems[] = {
    {translatable("&Undo"), EM_UNDO, "Z"},
    {nullptr, 0, nullptr},
    {translatable("Cu&t"), WM_CUT, "X"},
    {translatable("&Copy"), WM_COPY, "C"},
    {translatable("&Paste"), WM_PASTE, "V"},
    // TRANSLATORS: the Delete key as a menu names it.
    {translatable("&Delete"), WM_CLEAR, translatable("Del"), false},
    {nullptr, 0, nullptr},
    {translatable("Select &All"), EM_SETSEL, "A"},
};

// An item's words and, after a tab, its shortcut, in the keyboard's words ("Strg+Z").
std::string labelOf(const EditItem &item)
{
    // TRANSLATORS: the Ctrl key as a menu names it in a shortcut.
    const std::string key =
        item.withCtrl ? std::string(translate("Ctrl")) + "+" + item.key : translate(item.key);
    return std::string(translate(item.label)) + "\t" + key;
}

bool enabled(HWND edit, UINT message)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    switch (message) {
    case EM_UNDO:
        return SendMessageW(edit, EM_CANUNDO, 0, 0) != 0;
    case WM_CUT:
    case WM_COPY:
    case WM_CLEAR:
        return start != end;
    case WM_PASTE:
        return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    default: // Select All
        return length > 0 && !(start == 0 && end == length);
    }
}

bool append(HMENU menu, UINT flags, UINT_PTR id, const std::string &label)
{
    return AppendMenuW(menu, flags, id, wide(label).c_str()) != FALSE;
}
} // namespace

bool appendEditItems(HMENU menu)
{
    for (const EditItem &item : kEditItems) {
        const bool made = item.message == 0 ? AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE
                                            : append(menu, MF_STRING, item.message, labelOf(item));
        if (!made) {
            return false;
        }
    }
    return true;
}

void enableEditItems(HMENU menu, HWND edit)
{
    for (const EditItem &item : kEditItems) {
        if (item.message != 0) {
            EnableMenuItem(menu, item.message,
                           MF_BYCOMMAND | (enabled(edit, item.message) ? MF_ENABLED : MF_GRAYED));
        }
    }
}

bool carryOutEditItem(HWND edit, UINT id, Form &form)
{
    for (const EditItem &item : kEditItems) {
        if (item.message == 0 || item.message != id) {
            continue;
        }
        if (id == EM_SETSEL) {
            SendMessageW(edit, EM_SETSEL, 0, -1);
            form.txtIn_CaretMove();
        } else {
            SendMessageW(edit, id, 0, 0);
        }
        SetFocus(edit);
        return true;
    }
    return false;
}

bool enableToolItems(HMENU menu, const Form &form)
{
    bool any = false;
    const int count = GetMenuItemCount(menu);
    for (int at = 0; at < count; ++at) {
        const UINT id = GetMenuItemID(menu, at);
        bool on = false;
        if (HMENU submenu = GetSubMenu(menu, at)) {
            on = enableToolItems(submenu, form);
        } else if (id != static_cast<UINT>(-1) && id >= kToolBase) {
            on = form.toolEnabled(id - kToolBase);
        } else {
            continue;
        }
        EnableMenuItem(menu, static_cast<UINT>(at), MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
        any = any || on;
    }
    return any;
}

bool appendToolMenu(HMENU menu)
{
    std::vector<HMENU> open{menu};
    for (const tools::Entry &entry : tools::entries(tools::Surface::Desktop)) {
        bool made = true;
        switch (entry.kind) {
        case tools::Kind::Item:
            made = append(open.back(), MF_STRING, kToolBase + entry.tool, entry.label);
            break;
        case tools::Kind::Submenu: {
            HMENU submenu = CreatePopupMenu();
            // Once appended, the submenu is its menu's, destroyed with it.
            made = submenu != nullptr &&
                   append(open.back(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.label);
            if (!made && submenu != nullptr) {
                DestroyMenu(submenu);
            }
            open.push_back(submenu);
            break;
        }
        case tools::Kind::End:
            open.pop_back();
            break;
        case tools::Kind::Separator:
            made = AppendMenuW(open.back(), MF_SEPARATOR, 0, nullptr) != FALSE;
            break;
        }
        if (!made) {
            return false;
        }
    }
    return true;
}

POINT keyboardMenuPoint(HWND edit)
{
    // The caret's own rectangle: EM_POSFROMCHAR has no answer for the end of the text.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    POINT point{};
    if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) != FALSE && thread.hwndCaret == edit) {
        point = {thread.rcCaret.left, thread.rcCaret.bottom};
    } else {
        RECT box{};
        GetClientRect(edit, &box);
        point = {box.right / 2, box.bottom / 2};
    }
    ClientToScreen(edit, &point);
    return point;
}

} // namespace hueprev::win32
