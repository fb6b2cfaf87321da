#include "window/win32/menubar.h"

#include "window/form.h"
#include "window/tools.h"
#include "window/win32/edittextbox.h"
#include "window/win32/menus.h"
#include "window/win32/wide.h"

namespace hueprev::win32 {

namespace {
// Above every command's id.
constexpr UINT kCount = 0x7000;
// The count: at the bar's right end, in the bar's own colour, never chosen.
constexpr UINT kCountFlags = MF_STRING | MF_RIGHTJUSTIFY | MF_DISABLED;
} // namespace

MenuBar::MenuBar(HWND window) : window_(window), bar_(CreateMenu())
{
    made_ = bar_ != nullptr;
    for (const menus::Title &title : menus::menuBar()) {
        HMENU popup = made_ ? CreatePopupMenu() : nullptr;
        // Once appended, the menu is the bar's, destroyed with it; it is filled as it opens.
        if (popup != nullptr && AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                                            wide(title.label).c_str()) == FALSE) {
            DestroyMenu(popup);
            popup = nullptr;
        }
        made_ = popup != nullptr;
        popups_.push_back({popup, title.menu});
    }
    made_ = made_ && AppendMenuW(bar_, kCountFlags, kCount, L" ") != FALSE && SetMenu(window_, bar_) != FALSE;
    if (!made_ && bar_ != nullptr) {
        DestroyMenu(bar_);
        bar_ = nullptr;
    }
}

void MenuBar::opening(HMENU menu, EditTextBox &box, const Form &form) const
{
    for (const Popup &popup : popups_) {
        if (popup.handle == menu) {
            fillMenu(menu, form.menu(popup.menu, menus::Platform::Windows, box.editState()));
        }
    }
}

bool MenuBar::command(UINT id, EditTextBox &box, Form &form) const
{
    if (id == kCount || id > kCount) {
        return false;
    }
    const auto command = static_cast<menus::Command>(id);
    if (command == menus::Command::About) {
        form.mnu_Click(command);
        MessageBoxW(window_, wide(tools::aboutText(HUEPREV_VERSION)).c_str(),
                    wide(menus::aboutTitle()).c_str(), MB_OK | MB_ICONINFORMATION);
        box.setFocus();
        return true;
    }
    box.choose(command, form);
    return true;
}

void MenuBar::show(std::u16string_view words)
{
    if (bar_ != nullptr) {
        ModifyMenuW(bar_, kCount, MF_BYCOMMAND | kCountFlags, kCount, wide(words).c_str());
        DrawMenuBar(window_);
    }
}

void MenuBar::announce(std::u16string_view words)
{
    show(words);
    // The count is the bar's fourth item: a screen reader hears its new name.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_MENU, 4);
}

} // namespace hueprev::win32
