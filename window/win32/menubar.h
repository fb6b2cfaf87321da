#pragma once

#include "window/menus.h"
#include "window/statusline.h"

#include <vector>

#include <windows.h>

namespace hueprev {
class Form;
}

namespace hueprev::win32 {

class EditTextBox;

// The window's own menu, outside its client area: Edit, Name and Help as
// the form describes them, and at its right end how long the name is, the
// core's status line. Alt and F10 reach it, as every menu.
class MenuBar final : public StatusLine
{
public:
    // Sets the window's menu; made() is false if it could not be.
    explicit MenuBar(HWND window);
    bool made() const { return made_; }

    // WM_INITMENUPOPUP: the menu made anew as it would act now.
    void opening(HMENU menu, EditTextBox &box, const Form &form) const;
    // WM_COMMAND from the menu; false if the id is none of the bar's.
    bool command(UINT id, EditTextBox &box, Form &form) const;

    void show(std::u16string_view words) override;
    void announce(std::u16string_view words) override;

private:
    struct Popup
    {
        HMENU handle;
        menus::Menu menu;
    };
    HWND window_;
    HMENU bar_ = nullptr;
    std::vector<Popup> popups_;
    bool made_ = false;
};

} // namespace hueprev::win32
