#include "window/tools.h"

#include "window/language.h"

namespace hueprev::tools {

std::string label(const Item &item)
{
    return translate(item.fade ? fadeName(*item.fade) : item.label);
}

} // namespace hueprev::tools
