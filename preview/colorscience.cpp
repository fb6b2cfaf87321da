#include "preview/colorscience.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hueprev {

namespace {
double linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t encoded(double c)
{
    const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

double degrees(double radians)
{
    const double d = radians * 180 / std::numbers::pi;
    return d < 0 ? d + 360 : d;
}
} // namespace

Lab toOklab(ColorValue color)
{
    const double r = linear(redOf(color));
    const double g = linear(greenOf(color));
    const double b = linear(blueOf(color));
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

ColorValue fromOklab(const Lab &lab)
{
    const double l = std::pow(lab.l + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
    const double m = std::pow(lab.l - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
    const double s = std::pow(lab.l - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
    return colorValue(encoded(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
                      encoded(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
                      encoded(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

Lch toLch(const Lab &lab)
{
    return {lab.l, std::hypot(lab.a, lab.b), degrees(std::atan2(lab.b, lab.a))};
}

Lab fromLch(const Lch &lch)
{
    const double radians = lch.h * std::numbers::pi / 180;
    return {lch.l, lch.c * std::cos(radians), lch.c * std::sin(radians)};
}

double distance2(const Lab &x, const Lab &y)
{
    const double dl = x.l - y.l;
    const double da = 2 * (x.a - y.a);
    const double db = 2 * (x.b - y.b);
    return dl * dl + da * da + db * db;
}

const std::array<Lab, kColorCount> &codeColors()
{
    static const std::array<Lab, kColorCount> made = [] {
        std::array<Lab, kColorCount> labs{};
        const ColorTable table = colorTable();
        std::transform(table.begin(), table.end(), labs.begin(), toOklab);
        return labs;
    }();
    return made;
}

int nearestCode(const Lab &lab)
{
    const auto &codes = codeColors();
    int best = 0;
    for (int index = 1; index < kColorCount; ++index) {
        if (distance2(lab, codes[static_cast<std::size_t>(index)]) <
            distance2(lab, codes[static_cast<std::size_t>(best)])) {
            best = index;
        }
    }
    return best;
}

} // namespace hueprev
