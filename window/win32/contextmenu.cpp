#include "window/win32/contextmenu.h"

#include "preview/translatable.h"
#include "window/form.h"
#include "window/language.h"
#include "window/tools.h"
#include "window/win32/wide.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace hueprev::win32 {

namespace {
// The EDIT's own commands are the messages that carry them out.
struct EditItem
{
    const char *label;
    UINT message; // 0: a separator
};
constexpr EditItem kEditItems[] = {
    {translatable("&Undo"), EM_UNDO},
    {nullptr, 0},
    {translatable("Cu&t"), WM_CUT},
    {translatable("&Copy"), WM_COPY},
    {translatable("&Paste"), WM_PASTE},
    {translatable("&Delete"), WM_CLEAR},
    {nullptr, 0},
    {translatable("Select &All"), EM_SETSEL},
};
constexpr UINT_PTR kToolBase = 0x1000; // a tool's item: this plus its index, above every message

struct MenuDeleter
{
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

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

bool appendToolMenu(HMENU menu, UINT firstId)
{
    std::vector<HMENU> open{menu};
    for (const tools::Entry &entry : tools::entries(tools::Surface::Desktop)) {
        bool made = true;
        switch (entry.kind) {
        case tools::Kind::Item:
            made = append(open.back(), MF_STRING, firstId + entry.tool, entry.label);
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

void showContextMenu(HWND edit, LPARAM at, Form &form)
{
    Menu menu(CreatePopupMenu());
    if (!menu) {
        return;
    }
    for (const EditItem &item : kEditItems) {
        const bool made = item.message == 0
                              ? AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) != FALSE
                              : append(menu.get(), MF_STRING | (enabled(edit, item.message) ? 0U : MF_GRAYED),
                                       item.message, translate(item.label));
        if (!made) {
            return;
        }
    }
    if (AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) == FALSE ||
        !appendToolMenu(menu.get(), kToolBase)) {
        return;
    }
    const POINT point = at == -1 ? keyboardMenuPoint(edit)
                                 : POINT{static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
    const auto chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, 0, edit, nullptr));
    if (chosen >= kToolBase) {
        form.mnuTool_Click(chosen - kToolBase);
    } else if (chosen == EM_SETSEL) {
        SendMessageW(edit, EM_SETSEL, 0, -1);
        form.txtIn_CaretMove();
    } else if (chosen != 0) {
        SendMessageW(edit, chosen, 0, 0);
    }
}

} // namespace hueprev::win32
