#include "window/win32/contextmenu.h"

#include "window/form.h"
#include "window/win32/menus.h"

#include <memory>
#include <type_traits>

namespace hueprev::win32 {

namespace {
struct MenuDeleter
{
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
} // namespace

void showContextMenu(HWND edit, LPARAM at, Form &form)
{
    Menu menu(CreatePopupMenu());
    if (!menu || !appendEditItems(menu.get()) || AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) == FALSE ||
        !appendToolMenu(menu.get())) {
        return;
    }
    enableEditItems(menu.get(), edit);
    enableToolItems(menu.get(), form);
    const POINT point = at == -1 ? keyboardMenuPoint(edit)
                                 : POINT{static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
    const auto chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, 0, edit, nullptr));
    if (chosen >= kToolBase) {
        form.mnuTool_Click(chosen - kToolBase);
    } else if (chosen != 0) {
        carryOutEditItem(edit, chosen, form);
    }
}

} // namespace hueprev::win32
