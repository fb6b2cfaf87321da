// The Win32 preview's RTF: every character of a name comes out literally.
#include "window/win32/rtf.h"

#include "preview/slice.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

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
    RtfCase{"line_breaks", u"a\r\nb\u2028c", "a  b c"},
    RtfCase{"controls", u"\t\x01\x7f", "\\u9?\\u1?\\u127?"},
    RtfCase{"nul_dropped", std::u16string(u"a\0b", 3), "ab"}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(RtfPreview, OneDocumentWithTheColoursInOrderOfUse)
{
    RtfPreview doc("Tahoma", 36);
    renderNickname(u"^1R^7W^1r^0", doc);
    EXPECT_EQ(doc.document(), "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
                              "{\\colortbl;\\red255\\green0\\blue0;\\red255\\green255\\blue255;}"
                              "\\f0\\fs36 \\cf1 R\\cf2 W\\cf1 r}");
    // A slice of the shown characters, which may cut a piece and need no colour of its own.
    RtfPreview part("Tahoma", 36);
    SliceSink slice(part, 2, 5);
    renderNickname(u"^1abc^2de^3f", slice);
    EXPECT_EQ(part.document(), "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
                               "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"
                               "\\f0\\fs36 \\cf1 c\\cf2 de}");

    renderNickname(u"", doc);
    EXPECT_EQ(doc.document(),
              "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}{\\colortbl;}\\f0\\fs36 }");
}

} // namespace
} // namespace hueprev::testing
