#include "window/win32/contextmenu.h"

#include "preview/translatable.h"
#include "window/form.h"
#include "window/language.h"
#include "window/tools.h"
#include "window/win32/wide.h"

#include <memory>
#include <type_traits>

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

void showContextMenu(HWND edit, LPARAM at, Form &form)
{
    Menu menu(CreatePopupMenu());
    Menu fades(CreatePopupMenu());
    if (!menu || !fades) {
        return;
    }
    for (const EditItem &item : kEditItems) {
        if (item.message == 0) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            append(menu.get(), MF_STRING | (enabled(edit, item.message) ? 0U : MF_GRAYED), item.message,
                   translate(item.label));
        }
    }
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (std::size_t index = 0; index < tools::kItems.size(); ++index) {
        const tools::Item &item = tools::kItems[index];
        if (item.pageOnly) {
            continue;
        }
        if (item.opensFades()) {
            append(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(fades.get()), tools::label(item));
            continue;
        }
        append(item.fade ? fades.get() : menu.get(), MF_STRING, kToolBase + index, tools::label(item));
    }
    // The submenu is the menu's now, destroyed with it.
    static_cast<void>(fades.release());

    POINT point{static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
    if (at == -1) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const auto caret = static_cast<LONG>(SendMessageW(edit, EM_POSFROMCHAR, end, 0));
        RECT box{};
        GetClientRect(edit, &box);
        point = caret == -1 ? POINT{box.right / 2, box.bottom / 2}
                            : POINT{static_cast<SHORT>(LOWORD(caret)), static_cast<SHORT>(HIWORD(caret))};
        ClientToScreen(edit, &point);
    }
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
