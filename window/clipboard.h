#pragma once

#include <string_view>

namespace hueprev {

// The platform's clipboard, lent to the core for what it copies.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(std::u16string_view text) = 0;
};

} // namespace hueprev
