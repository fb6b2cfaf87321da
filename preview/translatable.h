#pragma once

namespace hueprev {

// Marks an English word of hueprev's for the catalogues, where it is not
// translated on the spot: it is translated where it is shown.
constexpr const char *translatable(const char *english)
{
    return english;
}

} // namespace hueprev
