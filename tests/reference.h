#pragma once

#include "preview/colorcodes.h"

#include <string_view>
#include <vector>

namespace hueprev::testing {

struct ColoredChar
{
    char16_t ch;
    ColorValue color;
    bool operator==(const ColoredChar &) const = default;
};

// The rule stated as plainly as possible, one character at a time:
// "^" plus an ASCII digit switches colour and is hidden, anything else is shown.
inline std::vector<ColoredChar> referencePreview(std::u16string_view text)
{
    std::vector<ColoredChar> shown;
    ColorValue color = colorOf(7);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isCode =
            text[i] == u'^' && i + 1 < text.size() && text[i + 1] >= u'0' && text[i + 1] <= u'9';
        if (isCode) {
            color = colorOf(text[i + 1] - u'0');
            ++i;
        } else {
            shown.push_back({text[i], color});
        }
    }
    return shown;
}

// Colours of the codes in the text, in order.
inline std::vector<ColorValue> referenceCodeColors(std::u16string_view text)
{
    std::vector<ColorValue> colors;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'^' && text[i + 1] >= u'0' && text[i + 1] <= u'9') {
            colors.push_back(colorOf(text[i + 1] - u'0'));
            ++i;
        }
    }
    return colors;
}

} // namespace hueprev::testing
