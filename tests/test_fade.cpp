// Colours as the eye sees them, and fades between any colours rounded to the ten codes.
#include "preview/colorscience.h"
#include "preview/fade.h"
#include "tests/generated.h"
#include "tests/nameproperties.h"
#include "tests/recordingsink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace hueprev::testing {
namespace {

TEST(ColorScience, OttossonsValuesAndTheRoundTrip)
{
    struct Case
    {
        ColorValue color;
        Lab lab; // Ottosson's published values; the greys' L is the cube root of their linear light
    };
    const Case cases[] = {
        {colorValue(255, 0, 0), {0.627955, 0.224863, 0.125846}},
        {colorValue(0, 255, 0), {0.866440, -0.233888, 0.179498}},
        {colorValue(0, 0, 255), {0.452014, -0.032457, -0.311528}},
        {colorValue(255, 255, 255), {1.0, 0.0, 0.0}},
        {colorValue(0, 0, 0), {0.0, 0.0, 0.0}},
        {colorValue(127, 127, 127), {0.596451, 0.0, 0.0}},
    };
    for (const Case &c : cases) {
        const Lab lab = toOklab(c.color);
        EXPECT_NEAR(lab.l, c.lab.l, 2e-4) << c.color;
        EXPECT_NEAR(lab.a, c.lab.a, 2e-4) << c.color;
        EXPECT_NEAR(lab.b, c.lab.b, 2e-4) << c.color;
    }
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15) {
                const ColorValue color = colorValue(r, g, b);
                ASSERT_EQ(fromOklab(fromLch(toLch(toOklab(color)))), color) << r << " " << g << " " << b;
            }
        }
    }
}

TEST(ColorScience, EachCodeIsItsOwnNearestAndGreysStayGrey)
{
    for (int index = 0; index < kColorCount; ++index) {
        EXPECT_EQ(nearestCode(toOklab(colorOf(index))), index);
    }
    EXPECT_EQ(nearestCode(toOklab(0x0000FF)), 1) << "#FF0000";
    // Black, then grey, then white, and no other code on the way.
    std::vector<int> ramp;
    for (int v = 0; v < 256; ++v) {
        const int code = nearestCode(toOklab(colorValue(v, v, v)));
        if (ramp.empty() || ramp.back() != code) {
            ramp.push_back(code);
        }
    }
    EXPECT_EQ(ramp, (std::vector<int>{0, 9, 7}));
}

// The codes each letter of a fade over `letters` letters gets, without a limit.
std::vector<int> fadeCodes(const ColorFade &fade, std::size_t letters)
{
    return chooseCodes(
        fadeTargets(fade, letters), 0.01,
        Ends{nearestCode(toOklab(fade.colors.front())), nearestCode(toOklab(fade.colors.back()))});
}

TEST(Fade, WorkedFades)
{
    const ColorValue red = colorValue(255, 0, 0);
    const ColorValue blue = colorValue(0, 0, 255);
    // Red to blue by the short way passes through magenta, never grey; the long way through green.
    const std::vector<int> shortWay = fadeCodes({{red, blue}, false}, 12);
    EXPECT_EQ(shortWay.front(), 1);
    EXPECT_EQ(shortWay.back(), 4);
    EXPECT_NE(std::find(shortWay.begin(), shortWay.end(), 6), shortWay.end());
    for (const int code : shortWay) {
        EXPECT_TRUE(code == 1 || code == 6 || code == 4) << code;
    }
    const std::vector<int> longWay = fadeCodes({{red, blue}, true}, 12);
    EXPECT_NE(std::find(longWay.begin(), longWay.end(), 2), longWay.end());
    // A colour without hue takes its neighbour's: white to red stays off the other hues.
    for (const int code : fadeCodes({{colorValue(255, 255, 255), red}, false}, 10)) {
        EXPECT_TRUE(code == 7 || code == 1 || code == 6 || code == 3) << code;
    }
    // One colour is its nearest code on every letter.
    EXPECT_EQ(fadeCodes({{colorValue(200, 20, 30)}, false}, 5), (std::vector<int>(5, 1)));
    // No code lasts a single letter inside a fade that passes near two.
    const std::vector<int> slow = fadeCodes({{colorValue(255, 80, 0), colorValue(255, 200, 0)}, false}, 30);
    for (std::size_t i = 1; i + 1 < slow.size(); ++i) {
        EXPECT_FALSE(slow[i] != slow[i - 1] && slow[i] != slow[i + 1]) << i;
    }
}

TEST(Fade, ZeroChangeCostIsEachLettersNearestCode)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Lab> targets;
    for (int i = 0; i < 200; ++i) {
        targets.push_back({unit(random), unit(random) - 0.5, unit(random) - 0.5});
    }
    const std::vector<int> codes = chooseCodes(targets, 0, std::nullopt);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        ASSERT_EQ(codes[i], nearestCode(targets[i])) << i;
    }
    // With no change allowed: one code, the best for all.
    const auto one = chooseCodesWithin(targets, 0, std::nullopt);
    ASSERT_TRUE(one);
    EXPECT_EQ(std::count(one->begin(), one->end(), one->front()), static_cast<long>(one->size()));
}

TEST(Fade, TheNameFitsTheLimitAndTheEndsKeepTheirCodes)
{
    const ColorFade orange{{colorValue(255, 136, 0), colorValue(136, 0, 255)}, false};
    const FadeResult free = fadeLetters(u"Tarnvale", 0, 8, orange);
    ASSERT_TRUE(free.fits && free.edit);
    const FadeResult fitted = fadeLetters(u"Tarnvale", 0, 8, orange, 12);
    ASSERT_TRUE(fitted.fits && fitted.edit);
    const std::u16string name = applied(u"Tarnvale", fitted.edit);
    EXPECT_LE(name.size(), 12U) << printable(name);
    EXPECT_GT(name.size(), 10U) << "the most codes the limit has room for";
    EXPECT_FALSE(fadeLetters(u"Tarnvale", 0, 8, orange, 9).fits) << "no room for a single code";
    EXPECT_TRUE(fadeLetters(u"Tarnvale", 0, 8, orange, 10).fits);

    // Over generated names and a long one: the tools' promises, within the limit
    // whenever it fits, the ends on their colours' codes without one.
    std::vector<std::u16string> names = generatedInputs(400);
    std::u16string longName;
    for (int i = 0; i < 300; ++i) {
        longName += u"ab ^3c";
    }
    names.push_back(longName);
    const ColorFade fades[] = {
        orange,
        {{colorValue(255, 0, 0), colorValue(0, 0, 255)}, true},
        {{colorValue(20, 20, 20), colorValue(255, 255, 0), colorValue(0, 255, 255)}, false}};
    for (const std::u16string &text : names) {
        const std::size_t from = text.size() % 4;
        const std::size_t to = std::max(from, text.size() - text.size() % 3);
        for (const ColorFade &fade : fades) {
            const FadeResult result = fadeLetters(text, from, to, fade);
            ASSERT_EQ(toolBreaks(text, from, to, result.edit, {}), "") << printable(text);
            const std::size_t limit = text.size() + 8;
            const FadeResult within = fadeLetters(text, from, to, fade, limit);
            ASSERT_EQ(toolBreaks(text, from, to, within.edit, {}), "") << printable(text);
            ASSERT_TRUE(!within.fits || applied(text, within.edit).size() <= limit) << printable(text);
            if (result.edit) {
                // The first and last letters that show a colour are on their colours' own codes.
                const std::u16string after = applied(text, result.edit);
                const std::vector<ColoredChar> cells = referencePreview(after);
                std::vector<ColorValue> shown;
                for (std::size_t at = previewPosition(after, result.edit->from);
                     at < previewPosition(after, result.edit->from + result.edit->text.size()); ++at) {
                    if (!isBlankShown(cells[at].ch)) {
                        shown.push_back(cells[at].color);
                    }
                }
                ASSERT_FALSE(shown.empty()) << printable(text);
                EXPECT_EQ(shown.front(), colorOf(nearestCode(toOklab(fade.colors.front()))))
                    << printable(text);
                const ColorValue last =
                    fade.colors[lettersTaken(text, from, to) > 1 ? fade.colors.size() - 1 : 0];
                EXPECT_EQ(shown.back(), colorOf(nearestCode(toOklab(last)))) << printable(text);
            }
        }
    }
}

} // namespace
} // namespace hueprev::testing
