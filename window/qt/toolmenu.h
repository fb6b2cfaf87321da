#pragma once

#include <cstddef>
#include <functional>

class QMenu;

namespace hueprev {

// Adds the name tools to a menu as the core describes them, submenus
// included: `chosen` is called with the chosen tool's index, and an item is
// greyed where `enabled` says it would do nothing (a submenu where all its
// items would).
void addToolMenu(QMenu &menu, const std::function<void(std::size_t)> &chosen,
                 const std::function<bool(std::size_t)> &enabled);

} // namespace hueprev
