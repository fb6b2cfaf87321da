#include "window/win32/contextmenu.h"

#include "window/form.h"
#include "window/win32/edittextbox.h"
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

void showContextMenu(EditTextBox &box, LPARAM at, Form &form)
{
    Menu menu(CreatePopupMenu());
    if (!menu ||
        !fillMenu(menu.get(), form.menu(menus::Menu::Context, menus::Platform::Windows, box.editState()))) {
        return;
    }
    const POINT point = at == -1 ? keyboardMenuPoint(box.handle())
                                 : POINT{static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
    const auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x,
                                         point.y, 0, box.handle(), nullptr));
    if (chosen != 0) {
        box.choose(static_cast<menus::Command>(chosen), form);
    }
}

} // namespace hueprev::win32
