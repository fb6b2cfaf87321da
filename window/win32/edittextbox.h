#pragma once

#include "window/textbox.h"

#include <windows.h>

namespace hueprev::win32 {

// What the input box tells its window, besides EN_CHANGE.
class EditEvents
{
public:
    virtual ~EditEvents() = default;
    // A typed character; setting keyAscii to 0 cancels the key.
    virtual void keyPress(char16_t &keyAscii) = 0;
    virtual void caretMoved() = 0;
};

// The text box on a single-line EDIT control, subclassed for KeyPress, a
// paste that keeps the name on one line, and Ctrl+A.
class EditTextBox final : public TextBox
{
public:
    EditTextBox(HWND edit, EditEvents &events);
    ~EditTextBox() override;
    EditTextBox(const EditTextBox &) = delete;
    EditTextBox &operator=(const EditTextBox &) = delete;

    std::u16string text() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;

    // Where the caret stands, in UTF-16 units: at either end of a selection,
    // wherever the user moved it.
    int caret();

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void paste();

    HWND edit_;
    EditEvents &events_;
    // An EDIT reports its selection as from-to and keeps which end the caret
    // is at to itself; it is the end that moved away from the anchor.
    int anchor_ = 0;
    int caret_ = 0;
};

} // namespace hueprev::win32
