// What a letter is: Unicode's own test cases, and letters in names with codes.
#include "preview/letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hueprev::testing {
namespace {

struct UnicodeCase
{
    int line;
    std::vector<char32_t> codePoints;
    const char *starts; // '1' where a letter starts at that code point
};
#include "graphemebreaktest.inc"

std::u16string utf16Of(const std::vector<char32_t> &codePoints)
{
    std::u16string text;
    for (const char32_t cp : codePoints) {
        appendUtf16(text, cp);
    }
    return text;
}

TEST(Letters, EveryCaseOfUnicodesGraphemeBreakTest)
{
    ASSERT_GT(std::size(kUnicodeCases), 600U);
    // A newer unicode-data may add rules these letters do not follow yet: the failures say so.
    const std::string read = std::string("GraphemeBreakTest-") + kTestVersion +
                             ".txt, the rules being Unicode " + kRulesVersion + "'s";
    EXPECT_EQ(std::string(unicodeVersion()).substr(0, 4), std::string(kTestVersion).substr(0, 4))
        << "the letters' table and the test cases come from different versions";
    for (const UnicodeCase &c : kUnicodeCases) {
        const std::u16string text = utf16Of(c.codePoints);
        std::string starts;
        forEachShownUnit(text, Codes::Shown, [&](std::size_t at, bool letter) {
            if (!isLowSurrogate(text[at]) || letter) {
                starts += letter ? '1' : '0';
            }
        });
        EXPECT_EQ(starts, c.starts) << read << ": line " << c.line;
    }
}

TEST(Letters, InNamesAndAtTheEdgesOfAPreview)
{
    const std::u16string marks(100, u'\u0301'); // one letter longer than any edge keeps whole
    struct Case
    {
        const char *name;
        std::u16string text;
        std::size_t letters;
        ShownRange range;
        ShownRange whole;
    };
    const Case cases[] = {
        {"emoji_is_one", u"Zo\u00eb\U0001F600x", 5, {4, 5}, {3, 5}},
        {"mark_after_a_code_joins", u"e^1\u0301x", 2, {1, 2}, {0, 2}},
        {"code_between_the_halves", u"a\xD83D^1\xDE00", 2, {2, 2}, {1, 3}},
        {"family_and_flag", u"\U0001F468\u200D\U0001F469\U0001F1E9\U0001F1EA", 2, {2, 6}, {0, 9}},
        {"crlf_is_one", u"a\r\nb", 3, {2, 3}, {1, 3}},
        {"codes_only", u"^1^2", 0, {0, 0}, {0, 0}},
        {"shown_caret_and_digit", u"^^12", 2, {0, 1}, {0, 1}},
        {"long_letter_cut_at_the_bound", u"a" + marks + u"b", 2, {80, 81}, {80, 101}},
        {"cut_at_the_far_edge", u"a" + marks + u"b", 2, {10, 11}, {0, 11}},
        {"within_the_bound_kept", u"a" + marks + u"b", 2, {50, 100}, {0, 101}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(countLetters(c.text, Codes::Hidden), c.letters) << c.name;
        const ShownRange whole = wholeLetters(c.text, c.range);
        EXPECT_EQ(whole.from, c.whole.from) << c.name;
        EXPECT_EQ(whole.to, c.whole.to) << c.name;
    }
    EXPECT_EQ(countLetters(u"^^12", Codes::Shown), 4U) << "a preview's text has no codes";
}

} // namespace
} // namespace hueprev::testing
