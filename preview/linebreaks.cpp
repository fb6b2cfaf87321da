#include "preview/linebreaks.h"

#include <algorithm>

namespace hueprev {

bool hasLineBreak(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), isLineBreak);
}

std::u16string joinLines(std::u16string_view text)
{
    std::u16string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!isLineBreak(c)) {
            joined.push_back(c);
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        joined.push_back(u' ');
    }
    return joined;
}

} // namespace hueprev
