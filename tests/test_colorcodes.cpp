#include "preview/colorcodes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

namespace hueprev {
namespace {

struct TableRow
{
    int index;
    int r, g, b;
    ColorValue value; // as published, red in the low byte
};

inline void PrintTo(const TableRow &row, std::ostream *os)
{
    *os << '^' << row.index;
}

class ColorTableTest : public ::testing::TestWithParam<TableRow>
{
};

TEST_P(ColorTableTest, EntryMatchesPublishedChannelsAndValue)
{
    const TableRow row = GetParam();
    const ColorValue c = colorOf(row.index);
    EXPECT_EQ(c, row.value);
    EXPECT_EQ(redOf(c), row.r);
    EXPECT_EQ(greenOf(c), row.g);
    EXPECT_EQ(blueOf(c), row.b);
}

INSTANTIATE_TEST_SUITE_P(
    AllTen, ColorTableTest,
    ::testing::Values(TableRow{0, 0, 0, 0, 0}, TableRow{1, 255, 0, 0, 255}, TableRow{2, 0, 255, 0, 65280},
                      TableRow{3, 255, 255, 0, 65535}, TableRow{4, 0, 0, 255, 16711680},
                      TableRow{5, 0, 255, 255, 16776960}, TableRow{6, 255, 0, 255, 16711935},
                      TableRow{7, 255, 255, 255, 16777215}, TableRow{8, 0, 127, 127, 8355584},
                      TableRow{9, 127, 127, 127, 8355711}));

TEST(ColorCodes, DefaultIsWhite)
{
    EXPECT_EQ(kDefaultColor, 16777215U);
}

TEST(ColorCodes, IndexOutsideTableIsRejected)
{
    for (const int bad : {-1, 10, 42}) {
        EXPECT_THROW(colorOf(bad), std::out_of_range) << bad;
        EXPECT_THROW(colorCode(bad), std::out_of_range) << bad;
        EXPECT_THROW(colorName(bad), std::out_of_range) << bad;
    }
}

TEST(ColorCodes, CodeIsCaretAndDigit)
{
    for (int i = 0; i < kColorCount; ++i) {
        const std::u16string code = colorCode(i);
        ASSERT_EQ(code.size(), 2U);
        EXPECT_EQ(code[0], u'^');
        EXPECT_EQ(colorDigitIndex(code[1]), i);
    }
}

struct DigitCase
{
    char16_t ch;
    std::optional<int> index;
};

inline void PrintTo(const DigitCase &c, std::ostream *os)
{
    *os << "U+" << std::hex << int(c.ch);
}

class DigitTest : public ::testing::TestWithParam<DigitCase>
{
};

TEST_P(DigitTest, OnlyAsciiDigitsSelectAColour)
{
    EXPECT_EQ(colorDigitIndex(GetParam().ch), GetParam().index) << int(GetParam().ch);
}

INSTANTIATE_TEST_SUITE_P(Characters, DigitTest,
                         ::testing::Values(DigitCase{u'0', 0}, DigitCase{u'5', 5}, DigitCase{u'9', 9},
                                           DigitCase{u'/', std::nullopt}, // just below '0'
                                           DigitCase{u':', std::nullopt}, // just above '9'
                                           DigitCase{u'a', std::nullopt}, DigitCase{u' ', std::nullopt},
                                           DigitCase{u'^', std::nullopt}, DigitCase{u'\0', std::nullopt},
                                           DigitCase{u'\u00B2', std::nullopt}, // superscript two
                                           DigitCase{u'\u0661', std::nullopt}, // Arabic-Indic one
                                           DigitCase{u'\u0967', std::nullopt}, // Devanagari one
                                           DigitCase{u'\uFF11', std::nullopt}, // full-width one
                                           DigitCase{u'\u2460', std::nullopt}, // circled one
                                           DigitCase{static_cast<char16_t>(u'1' + 0x100), std::nullopt}));

} // namespace
} // namespace hueprev
