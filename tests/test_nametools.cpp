// The name tools: worked examples, and properties over generated names
// against the reference model.
#include "preview/utf16.h"
#include "tests/generated.h"
#include "tests/nameproperties.h"
#include "tests/recordingsink.h"
#include "window/namelink.h"

#include <gtest/gtest.h>

#include <functional>

namespace hueprev::testing {
namespace {

using Tool = std::function<std::optional<NameEdit>(std::u16string_view)>;

Tool colourAll(Fade fade)
{
    return [fade](std::u16string_view name) { return colourLetters(name, 0, name.size(), fade); };
}

TEST(NameTools, WorkedExamples)
{
    struct Case
    {
        const char *name;
        std::u16string before;
        Tool tool;
        std::u16string after;
    };
    const auto tidy = [](std::u16string_view name) { return removeUnneededCodes(name); };
    const auto plain = [](std::size_t from, std::size_t to) {
        return [=](std::u16string_view name) { return removeColours(name, from, to); };
    };
    const auto steel = [](std::size_t from, std::size_t to) {
        return [=](std::u16string_view name) { return colourLetters(name, from, to, Fade::Steel); };
    };
    const Case cases[] = {
        {"rainbow", u"abcdef", colourAll(Fade::Rainbow), u"^1a^3b^2c^5d^4e^6f"},
        {"fire_in_even_bands", u"Nickname", colourAll(Fade::Fire), u"^1Nic^3kna^7me"},
        {"sea", u"abcd", colourAll(Fade::Sea), u"^4ab^8c^5d"},
        {"fewer_letters_than_colours", u"ab", colourAll(Fade::Rainbow), u"^1a^3b"},
        {"blanks_take_no_code", u"ab cd", colourAll(Fade::Steel), u"^9ab ^7cd"},
        {"codes_in_the_range_replaced", u"^2ab^4cd", colourAll(Fade::Steel), u"^9ab^7cd"},
        {"text_after_keeps_its_colour", u"^2abcd", steel(2, 4), u"^2^9a^7b^2cd"},
        {"range_inside_a_code_widens", u"x^2ab", steel(2, 5), u"x^9a^7b"},
        {"shown_caret_before_a_digit", u"^^12", colourAll(Fade::Steel), u"^9^^72"},
        {"nothing_to_colour", u"  ", colourAll(Fade::Fire), u"  "},
        {"tidy_trailing_and_doubled", u"^1^2ab^3", tidy, u"^2ab"},
        {"tidy_leading_white", u"^7ab", tidy, u"ab"},
        {"tidy_same_colour", u"^1a^1b", tidy, u"^1ab"},
        {"tidy_blank_text", u"^1a^2 ^1b", tidy, u"^1a b"},
        {"tidy_would_make_a_code", u"^^72", tidy, u"^^72"},
        {"tidy_literal_carets", u"a^b^^1c", tidy, u"a^b^^1c"},
        {"plain_whole_name", u"^1Red^7White", plain(0, 12), u"RedWhite"},
        {"plain_up_to_a_code", u"^1ab^2cd^3ef", plain(4, 8), u"^1abcd^3ef"},
        {"plain_keeps_the_rest", u"^1ab^2cd^3ef", plain(4, 7), u"^1abc^2d^3ef"},
        {"plain_would_make_a_code", u"^^72", plain(1, 3), u"^^72"},
        {"plain_keeps_the_rest_red", u"^^1^12", plain(1, 5), u"^^12"},
    };
    for (const Case &c : cases) {
        const std::optional<NameEdit> edit = c.tool(c.before);
        EXPECT_EQ(applied(c.before, edit), c.after) << c.name;
        EXPECT_EQ(edit.has_value(), c.before != c.after) << c.name << ": an edit only for a change";
    }
    EXPECT_EQ(countName(u"^1Nic^3kna^7me").received, 14U);
    EXPECT_EQ(countName(u"^1Nic^3kna^7me").shown, 8U);
    EXPECT_EQ(countName(u"a^b^^1c").shown, 5U);
}

TEST(NameLink, CarriesTheNameAsPlainTextOfBoundedLength)
{
    struct Case
    {
        const char *name;
        std::string fragment;
        std::optional<std::u16string> name16;
    };
    const Case cases[] = {
        {"plain", "Nick", u"Nick"},
        {"codes_and_accents", "%5E1N%C3%A9%20x", u"^1N\u00e9 x"},
        {"astral", "%F0%9F%98%80", u"\U0001F600"},
        {"markup_stays_text", "%3Cb%3E%5E1%3C%2Fb%3E", u"<b>^1</b>"},
        {"line_breaks_as_sent", "a%0D%0Ab", u"a\r\nb"},
        {"lowercase_hex", "%c3%a9", u"\u00e9"},
        {"cut_escape", "ab%4", std::nullopt},
        {"not_hex", "%zz", std::nullopt},
        {"not_utf8", "%C3", std::nullopt},
        {"overlong", "%C0%AF", std::nullopt},
        {"encoded_surrogate", "%ED%A0%80", std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(nameFromFragment(c.fragment), c.name16) << c.name;
        if (c.name16 && c.fragment.find('%') != std::string::npos &&
            c.fragment.find("%c") == std::string::npos) {
            EXPECT_EQ(linkFragment(*c.name16), c.fragment) << c.name << ": the way back";
        }
    }
    EXPECT_EQ(linkFragment(std::u16string{u'a', char16_t{0xD800}, u'b'}), "a%EF%BF%BDb")
        << "a lone surrogate";
    // A link longer than a name may be is cut, never in a character.
    std::string huge = "x";
    for (std::size_t i = 0; i < kLinkNameLimit; ++i) {
        huge += "%F0%9F%98%80";
    }
    const std::optional<std::u16string> cut = nameFromFragment(huge);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->size(), kLinkNameLimit - 1);
    EXPECT_FALSE(isHighSurrogate(cut->back()));
}

class NameToolProperties : public ::testing::Test
{
protected:
    const std::vector<std::u16string> names = generatedInputs(3000);
    static constexpr ColorTable table = colorTable();
};

TEST_F(NameToolProperties, TidyKeepsTheLookAndLeavesNothingToTidy)
{
    for (const std::u16string &name : names) {
        ASSERT_TRUE(tidyKeepsTheLook(name)) << printable(name);
    }
}

TEST_F(NameToolProperties, RangeToolsChangeOnlyTheRange)
{
    for (const std::u16string &name : names) {
        const std::size_t from = name.size() % 5;
        const std::size_t to = std::max(from, name.size() - name.size() % 3);
        const std::vector<ColoredChar> was = look(name);
        const std::size_t shownFrom = previewPosition(name, from);
        const std::size_t shownTo = previewPosition(name, to);
        for (const Fade fade : kFades) {
            const std::u16string after = applied(name, colourLetters(name, from, to, fade));
            const std::vector<ColoredChar> now = look(after);
            ASSERT_EQ(now.size(), was.size()) << printable(name);
            // Before and after the range, as it was; inside, the fade's bands in order.
            std::vector<int> bands;
            for (std::size_t i = 0; i < now.size(); ++i) {
                const bool inside = i >= shownFrom && i < shownTo;
                ASSERT_EQ(now[i].ch, was[i].ch) << printable(name);
                if (!inside) {
                    ASSERT_EQ(now[i].color, was[i].color) << printable(name) << " at " << i;
                } else if (!isBlankShown(now[i].ch)) {
                    const int index =
                        static_cast<int>(std::find(table.begin(), table.end(), now[i].color) - table.begin());
                    if (bands.empty() || bands.back() != index) {
                        bands.push_back(index);
                    }
                }
            }
            const std::span<const int> colours = fadeColours(fade);
            ASSERT_TRUE(std::equal(bands.begin(), bands.end(), colours.begin(),
                                   colours.begin() +
                                       static_cast<std::ptrdiff_t>(std::min(bands.size(), colours.size()))))
                << printable(name) << " " << printable(after) << " " << fadeName(fade);
            ASSERT_EQ(countName(after).shown, was.size());
        }
        const std::u16string plain = applied(name, removeColours(name, from, to));
        ASSERT_EQ(look(plain).size(), was.size()) << printable(name);
        for (std::size_t i = 0; i < was.size(); ++i) {
            if (i < shownFrom || i >= shownTo) {
                ASSERT_EQ(look(plain)[i], was[i]) << printable(name) << " at " << i;
            }
        }
    }
}

} // namespace
} // namespace hueprev::testing
