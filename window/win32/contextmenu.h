#pragma once

#include <windows.h>

namespace hueprev {
class Form;
}

namespace hueprev::win32 {

class EditTextBox;

// The input's context menu, as the form describes it: the EDIT's own items,
// then the name tools. `at` is WM_CONTEXTMENU's point, -1 for the keyboard
// (the Menu key, Shift+F10), which opens it at the caret.
void showContextMenu(EditTextBox &box, LPARAM at, Form &form);

} // namespace hueprev::win32
