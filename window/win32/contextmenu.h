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

// Appends the name tools as the core describes them, submenus included; a
// tool's item is `firstId` plus its index. False if a menu could not be made.
bool appendToolMenu(HMENU menu, UINT firstId);

// Where a menu opened from the keyboard appears: below the caret, wherever
// it stands, the end of the name included.
POINT keyboardMenuPoint(HWND edit);

} // namespace hueprev::win32
