#pragma once

#include <windows.h>

namespace hueprev {
class Form;
}

// The pieces the input's context menu and the window's menu bar are made of.
namespace hueprev::win32 {

// A tool's item: this plus its index, above every message an edit item carries.
inline constexpr UINT kToolBase = 0x1000;

// The EDIT's own items (Undo, Cut, Copy, Paste, Delete, Select All), each
// carried out by the message that is its id. False if one could not be added.
bool appendEditItems(HMENU menu);
// Each enabled as the EDIT would act on it now.
void enableEditItems(HMENU menu, HWND edit);
// Carries out the edit item `id`; false if it is none.
bool carryOutEditItem(HWND edit, UINT id, Form &form);

// Appends the name tools as the core describes them, submenus included; a
// tool's item is kToolBase plus its index. False if a menu could not be made.
bool appendToolMenu(HMENU menu);
// Greys each tool that would do nothing now, and each submenu all of whose
// tools would; whether any in the menu is left enabled.
bool enableToolItems(HMENU menu, const Form &form);

// Where a menu opened from the keyboard appears: below the caret, wherever
// it stands, the end of the name included.
POINT keyboardMenuPoint(HWND edit);

} // namespace hueprev::win32
