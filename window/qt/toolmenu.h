#pragma once

#include <cstddef>
#include <functional>

class QMenu;

namespace hueprev {

// Adds the name tools to a menu as the core describes them, submenus
// included; `chosen` is called with the chosen tool's index.
void addToolMenu(QMenu &menu, const std::function<void(std::size_t)> &chosen);

} // namespace hueprev
