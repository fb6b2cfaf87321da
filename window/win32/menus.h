#pragma once

#include "window/menus.h"

#include <span>

#include <windows.h>

// The pieces the input's context menu and the window's menu bar are made of.
namespace hueprev::win32 {

// Makes `menu` anew of the core's entries, submenus included; an item's id
// is its command. False if an item could not be added.
bool fillMenu(HMENU menu, std::span<const menus::Entry> entries);

// Where a menu opened from the keyboard appears: below the caret, wherever
// it stands, the end of the name included.
POINT keyboardMenuPoint(HWND edit);

} // namespace hueprev::win32
