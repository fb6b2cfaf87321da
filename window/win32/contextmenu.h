#pragma once

#include <windows.h>

namespace hueprev {
class Form;
}

namespace hueprev::win32 {

// The input's context menu: the EDIT's own items (Undo, Cut, Copy, Paste,
// Delete, Select All), enabled as the EDIT enables them, and after them the
// name tools, the fades in a submenu. `at` is WM_CONTEXTMENU's point, -1
// for the keyboard (the Menu key, Shift+F10), which opens it at the caret.
void showContextMenu(HWND edit, LPARAM at, Form &form);

} // namespace hueprev::win32
