#pragma once

#include "window/menus.h"

#include <functional>
#include <span>

class QMenu;

namespace hueprev {

// Makes `menu` anew of the core's entries, submenus included (the old ones
// deleted); `chosen` is called with a chosen item's command.
void fillMenu(QMenu &menu, std::span<const menus::Entry> entries,
              const std::function<void(menus::Command)> &chosen);

} // namespace hueprev
