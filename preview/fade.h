#pragma once

#include "preview/colorscience.h"
#include "preview/nametools.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Fades between any colours, each letter given the code nearest to the eye.
namespace hueprev {

inline constexpr std::size_t kMostFadeColors = 8;

struct ColorFade
{
    std::vector<ColorValue> colors; // one to kMostFadeColors, spread evenly over the letters
    bool longWay = false;           // round the hue circle the longer way
};

// Each of `letters` letters' place in the fade, mixed in OKLCH; a colour
// without hue takes its neighbour's.
std::vector<Lab> fadeTargets(const ColorFade &fade, std::size_t letters);

// The codes for the letters, chosen for all at once: each letter's distance
// to its place plus `changeCost` for each change of code, the least in
// total; with `ends`, the first and last letters on these codes.
struct Ends
{
    int first, last;
};
std::vector<int> chooseCodes(std::span<const Lab> targets, double changeCost, std::optional<Ends> ends);
// The same with at most `changes` changes of code and no cost for one;
// none where the ends cannot be kept with so few.
std::optional<std::vector<int>> chooseCodesWithin(std::span<const Lab> targets, std::size_t changes,
                                                  std::optional<Ends> ends);

// What a fade makes of [from, to) of the name: the edit (none if nothing
// changes) and whether the whole name fits `limit` characters, codes
// included; without a limit it always does. Within a limit the fade changes
// code less often, its ends on their own codes while that still fits.
struct FadeResult
{
    std::optional<NameEdit> edit;
    bool fits;
};
FadeResult fadeLetters(std::u16string_view name, std::size_t from, std::size_t to, const ColorFade &fade,
                       std::optional<std::size_t> limit = std::nullopt);

} // namespace hueprev
