#pragma once

#include "preview/colorcodes.h"

#include <array>

// Colours as the eye sees them: sRGB, OKLab and OKLCH (Björn Ottosson's
// matrices), and a distance that keeps greys grey.
namespace hueprev {

struct Lab
{
    double l, a, b;
};
struct Lch
{
    double l, c, h; // h in degrees, [0, 360)
};

Lab toOklab(ColorValue color);
// Out-of-gamut channels are clipped.
ColorValue fromOklab(const Lab &lab);
Lch toLch(const Lab &lab);
Lab fromLch(const Lch &lch);

// Below this chroma a colour has no hue of its own (black, white, a grey).
inline constexpr double kAchromatic = 1e-4;

// OKLab's distance, squared, with a and b doubled: a dark grey is nearer
// grey than dark cyan, as it looks.
double distance2(const Lab &x, const Lab &y);

// The ten codes' colours in OKLab, from the colour table.
const std::array<Lab, kColorCount> &codeColors();
// The code whose colour is nearest.
int nearestCode(const Lab &lab);

} // namespace hueprev
