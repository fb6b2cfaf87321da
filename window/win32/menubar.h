#pragma once

#include "window/statusline.h"

#include <windows.h>

namespace hueprev {
class Form;
}

namespace hueprev::win32 {

// The window's own menu, outside its client area: Edit (the input's own
// items), Name (the tools), Help (About), and at its right end how long the
// name is, the core's status line. Alt and F10 reach it, as every menu.
class MenuBar final : public StatusLine
{
public:
    // Sets the window's menu; made() is false if it could not be.
    explicit MenuBar(HWND window);
    bool made() const { return made_; }

    // WM_INITMENUPOPUP: each item enabled as it would act now.
    void opening(HMENU menu, HWND edit, const Form &form) const;
    // WM_COMMAND from the menu; false if the id is none of the bar's.
    bool command(UINT id, HWND edit, Form &form) const;

    void show(std::u16string_view words) override;
    void announce(std::u16string_view words) override;

private:
    HWND window_;
    HMENU bar_ = nullptr;
    HMENU edit_ = nullptr;
    HMENU name_ = nullptr;
    bool made_ = false;
};

} // namespace hueprev::win32
