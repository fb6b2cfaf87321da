#pragma once

#include "window/menus.h"
#include "window/textbox.h"

#include <windows.h>

namespace hueprev {
class Form;
}

namespace hueprev::win32 {

class AccessibleControl;
class DropTarget;

// The text box on a single-line EDIT control, subclassed to forward its
// events to the form and to fetch the clipboard's or a drop's text for it.
class EditTextBox final : public TextBox
{
public:
    explicit EditTextBox(HWND edit);
    ~EditTextBox() override;
    EditTextBox(const EditTextBox &) = delete;
    EditTextBox &operator=(const EditTextBox &) = delete;
    // False if the control's events could not be had.
    bool subclassed() const { return subclassed_; }
    // The control reports to the form from now on, until unbound.
    void bind(Form *form) { form_ = form; }

    std::u16string text() const override;
    int length() const override;
    int selStart() const override;
    int selLength() const override;
    int caret() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;
    // In the input's tooltip.
    void showCount(std::u16string_view count) override;
    void describe(std::u16string_view description) override;
    HWND handle() const { return edit_; }
    // What its edit items would act on now.
    menus::EditState editState() const;
    // A menu's item: the form's, or one of the EDIT's own, carried out by its message.
    void choose(menus::Command command, Form &form);
    void showFactsIn(HWND toolTips, AccessibleControl *accessible)
    {
        toolTips_ = toolTips;
        accessible_ = accessible;
    }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void selection(int &from, int &to) const;

    HWND edit_;
    bool subclassed_ = false;
    DropTarget *drop_ = nullptr; // none where OLE is not to be had
    HWND toolTips_ = nullptr;
    AccessibleControl *accessible_ = nullptr;
    Form *form_ = nullptr;
    // An EDIT reports its selection as from-to and keeps which end the caret
    // is at to itself; it is the end that moved away from the anchor.
    mutable int anchor_ = 0;
    mutable int caret_ = 0;
};

} // namespace hueprev::win32
