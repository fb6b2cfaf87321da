// What a front-end walks to draw the preview: the runs of one render, and the
// Win32 preview's RTF made of them, every character literal.
#include "preview/rtf.h"
#include "preview/runs.h"
#include "preview/slice.h"
#include "window/speech.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

TEST(PreviewRuns, OneLineInRunsAsLongAsTheyCanBe)
{
    struct Case
    {
        const char *name;
        std::u16string input;
        std::u16string text;
        std::vector<PreviewRun> runs;
    };
    const ColorValue white = colorOf(7);
    const ColorValue red = colorOf(1);
    const Case cases[] = {
        {"empty", u"", u"", {}},
        {"codes", u"^1Red^7White", u"RedWhite", {{red, 3}, {white, 5}}},
        {"same_colour_merges", u"a^7b^1^7c", u"abc", {{white, 3}}},
        {"code_with_nothing_after", u"ab^1", u"ab", {{white, 2}}},
        {"literal_carets", u"^^1x^", u"^x^", {{white, 1}, {red, 2}}},
        {"line_breaks_as_spaces", u"a\r\nb^1\u2028c\u0085", u"a  b c ", {{white, 4}, {red, 3}}},
    };
    for (const Case &c : cases) {
        PreviewRuns runs;
        renderNickname(u"^2stale", runs); // nothing of the last render stays
        renderNickname(c.input, runs);
        EXPECT_EQ(runs.text(), c.text) << c.name;
        EXPECT_EQ(runs.runs(), c.runs) << c.name;
    }
}

TEST(PreviewWords, EachRunItsTextAndColourAroundTheCaret)
{
    struct Case
    {
        const char *name;
        std::u16string input;
        std::size_t caret, eachSide;
        std::u16string words;
    };
    const std::u16string as(1'000, u'a');
    const std::u16string bs(1'000, u'b');
    const Case cases[] = {
        {"empty", u"", 0, 100, u""},
        {"codes", u"^1Red^7White", 3, 100, u"Red, red. White, white."},
        {"literal_carets", u"a^b^^1x^", 0, 100, u"a^b^, white. x^, red."},
        {"names_as_the_buttons_say", u"^8dc^9g^0k^5c", 0, 100, u"dc, dark cyan. g, grey. k, black. c, cyan."},
        {"line_break_as_space", u"^3a\nb", 0, 100, u"a b, yellow."},
        {"long_name_at_a_boundary", as + u"^2" + bs, 1'000, 5, u"aaaaa, white. bbbbb, green."},
        {"long_name_at_its_start", as + u"^2" + bs, 0, 3, u"aaa, white."},
        {"long_name_at_its_end", as + u"^2" + bs, 2'000, 3, u"bbb, green."},
        // An edge inside a character outside the BMP leaves it out, never half of it.
        {"emoji_at_the_end_edge", u"\U0001F600a\U0001F600", 2, 2, u"\U0001F600a, white."},
        {"emoji_at_the_start_edge", u"\U0001F600a\U0001F600", 3, 2, u"a\U0001F600, white."},
        // ... and so does an edge inside a letter; a letter whose mark changes colour is said once.
        {"an_edge_inside_a_letter", u"ae\u0301b", 3, 1, u"b, white."},
        {"mark_in_another_colour", u"e^1\u0301x", 0, 10, u"e\u0301, white. x, red."},
    };
    for (const Case &c : cases) {
        PreviewRuns runs;
        renderNickname(c.input, runs);
        EXPECT_EQ(previewWords(runs, c.caret, c.eachSide), c.words) << c.name;
    }
}

struct RtfCase
{
    const char *name;
    std::u16string text;
    std::string rtf;
};

class RtfText : public ::testing::TestWithParam<RtfCase>
{
};

TEST_P(RtfText, IsEscaped)
{
    std::string out;
    appendRtfText(out, GetParam().text);
    EXPECT_EQ(out, GetParam().rtf);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characters, RtfText, ::testing::Values(
    RtfCase{"ascii", u"Tarn vale!", "Tarn vale!"},
    RtfCase{"control_words", u"\\b0{x}", "\\\\b0\\{x\\}"},
    RtfCase{"markup", u"<b>&amp;", "<b>&amp;"},
    RtfCase{"latin1", u"\u00e9", "\\u233?"},
    RtfCase{"signed_above_7fff", u"\u4e2d\uffff", "\\u20013?\\u-1?"},
    RtfCase{"surrogate_pair", u"\U0001F600", "\\u-10179?\\u-8704?"},
    RtfCase{"controls", u"\t\x01\x7f", "\\u9?\\u1?\\u127?"},
    RtfCase{"nul_dropped", std::u16string(u"a\0b", 3), "ab"}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(RtfDocument, OneDocumentWithTheColoursInOrderOfUse)
{
    PreviewRuns runs;
    renderNickname(u"^1R^7W^1r^0", runs);
    EXPECT_EQ(rtfDocument(runs, "Tahoma", 36),
              "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
              "{\\colortbl;\\red255\\green0\\blue0;\\red255\\green255\\blue255;}"
              "\\f0\\fs36 \\cf1 R\\cf2 W\\cf1 r}");
    // A slice of the shown characters, which may cut a piece and need no colour of its own.
    SliceSink slice(runs, 2, 5);
    renderNickname(u"^1abc^2de^3f", slice);
    EXPECT_EQ(rtfDocument(runs, "Tahoma", 36), "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
                                               "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"
                                               "\\f0\\fs36 \\cf1 c\\cf2 de}");

    renderNickname(u"", runs);
    EXPECT_EQ(rtfDocument(runs, "Tahoma", 36),
              "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}{\\colortbl;}\\f0\\fs36 }");
}

} // namespace
} // namespace hueprev::testing
