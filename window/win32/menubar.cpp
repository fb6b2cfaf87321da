#include "window/win32/menubar.h"

#include "window/form.h"
#include "window/tools.h"
#include "window/win32/menus.h"
#include "window/win32/wide.h"

namespace hueprev::win32 {

namespace {
constexpr UINT kAbout = 0x2000;
constexpr UINT kCount = 0x2001;
// The count: at the bar's right end, in the bar's own colour, never chosen.
constexpr UINT kCountFlags = MF_STRING | MF_RIGHTJUSTIFY | MF_DISABLED;

bool appendMenu(HMENU bar, HMENU menu, const std::string &title)
{
    if (menu == nullptr) {
        return false;
    }
    // Once appended, the menu is the bar's, destroyed with it.
    if (AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide(title).c_str()) == FALSE) {
        DestroyMenu(menu);
        return false;
    }
    return true;
}
} // namespace

MenuBar::MenuBar(HWND window) : window_(window), bar_(CreateMenu())
{
    if (bar_ == nullptr) {
        return;
    }
    const tools::MenuBarWords words = tools::menuBarWords();
    edit_ = CreatePopupMenu();
    name_ = CreatePopupMenu();
    HMENU help = CreatePopupMenu();
    const bool filled = edit_ != nullptr && appendEditItems(edit_) && name_ != nullptr &&
                        appendToolMenu(name_) && help != nullptr &&
                        AppendMenuW(help, MF_STRING, kAbout, wide(words.about).c_str()) != FALSE;
    made_ = filled && appendMenu(bar_, edit_, words.edit) && appendMenu(bar_, name_, words.name) &&
            appendMenu(bar_, help, words.help) && AppendMenuW(bar_, kCountFlags, kCount, L" ") != FALSE &&
            SetMenu(window_, bar_) != FALSE;
    if (!made_) {
        DestroyMenu(bar_);
        bar_ = nullptr;
    }
}

void MenuBar::opening(HMENU menu, HWND edit, const Form &form) const
{
    if (menu == edit_) {
        enableEditItems(menu, edit);
    } else if (menu == name_) {
        enableToolItems(menu, form);
    }
}

bool MenuBar::command(UINT id, HWND edit, Form &form) const
{
    if (id >= kToolBase && id < kAbout) {
        form.mnuTool_Click(id - kToolBase);
        return true;
    }
    if (id == kAbout) {
        const tools::MenuBarWords words = tools::menuBarWords();
        MessageBoxW(window_, wide(tools::aboutText(HUEPREV_VERSION)).c_str(),
                    wide(tools::withoutAccessKey(words.about)).c_str(), MB_OK | MB_ICONINFORMATION);
        SetFocus(edit);
        return true;
    }
    return carryOutEditItem(edit, id, form);
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
