#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hueprev {

// A colour as R + 256*G + 65536*B (red in the low byte).
using ColorValue = std::uint32_t;

constexpr ColorValue colorValue(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return ColorValue{r} | (ColorValue{g} << 8U) | (ColorValue{b} << 16U);
}
constexpr std::uint8_t redOf(ColorValue c)
{
    return c & 0xFFU;
}
constexpr std::uint8_t greenOf(ColorValue c)
{
    return (c >> 8U) & 0xFFU;
}
constexpr std::uint8_t blueOf(ColorValue c)
{
    return (c >> 16U) & 0xFFU;
}

constexpr char16_t kCodeIntroducer = u'^';
constexpr int kColorCount = 10;
constexpr int kDefaultColorIndex = 7;

using ColorTable = std::array<ColorValue, kColorCount>;

// The ten colours, indexed by the digit of their code. The half channels are 127.
constexpr ColorTable colorTable()
{
    return {
        colorValue(0, 0, 0),       // ^0 black
        colorValue(255, 0, 0),     // ^1 red
        colorValue(0, 255, 0),     // ^2 green
        colorValue(255, 255, 0),   // ^3 yellow
        colorValue(0, 0, 255),     // ^4 blue
        colorValue(0, 255, 255),   // ^5 cyan
        colorValue(255, 0, 255),   // ^6 magenta
        colorValue(255, 255, 255), // ^7 white
        colorValue(0, 127, 127),   // ^8 dark cyan
        colorValue(127, 127, 127), // ^9 grey
    };
}

constexpr ColorValue kDefaultColor = colorTable()[kDefaultColorIndex];

// Throws std::out_of_range for an index outside 0..9.
ColorValue colorOf(int index);

// English name of a colour ("red"), for tooltips and screen readers, which
// show it translated.
const char *colorName(int index);

// Only the ASCII digits select a colour; any other character, even one that
// some test would call numeric, is ordinary text.
constexpr std::optional<int> colorDigitIndex(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    return std::nullopt;
}

// "^" followed by the index's digit. Throws std::out_of_range outside 0..9.
std::u16string colorCode(int index);

} // namespace hueprev
