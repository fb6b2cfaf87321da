#pragma once

#include <cstddef>
#include <functional>

class QMenu;

namespace hueprev {

// Adds the name tools to a menu as the core describes them, submenus
// included; `chosen` is called with the chosen tool's index.
void addToolMenu(QMenu &menu, const std::function<void(std::size_t)> &chosen);

// Greys each tool of a menu made so where `enabled` says it would do
// nothing, and each submenu all of whose tools would; whether any is left.
bool enableToolMenu(QMenu &menu, const std::function<bool(std::size_t)> &enabled);

} // namespace hueprev
