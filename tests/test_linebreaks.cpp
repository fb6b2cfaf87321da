#include "preview/linebreaks.h"
#include "tests/recordingsink.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

struct JoinCase
{
    std::u16string input;
    std::u16string joined;
};

inline void PrintTo(const JoinCase &c, std::ostream *os)
{
    *os << '"' << printable(c.input) << '"';
}

class JoinLines : public ::testing::TestWithParam<JoinCase>
{
};

TEST_P(JoinLines, EachBreakBecomesOneSpace)
{
    EXPECT_EQ(printable(joinLines(GetParam().input)), printable(GetParam().joined));
    EXPECT_EQ(hasLineBreak(GetParam().input), GetParam().input != GetParam().joined);
    EXPECT_FALSE(hasLineBreak(joinLines(GetParam().input)));
}

INSTANTIATE_TEST_SUITE_P(Breaks, JoinLines,
                         ::testing::Values(JoinCase{u"", u""}, JoinCase{u"^1Name", u"^1Name"},
                                           JoinCase{u"a\nb", u"a b"}, JoinCase{u"a\r\nb", u"a b"},
                                           JoinCase{u"a\n\rb", u"a  b"}, JoinCase{u"a\r\r\nb", u"a  b"},
                                           JoinCase{u"\r\n", u" "}, JoinCase{u"a\r", u"a "},
                                           JoinCase{u"a\vb\fc", u"a b c"}, JoinCase{u"a\u0085b", u"a b"},
                                           JoinCase{u"a\u2028b\u2029c", u"a b c"},
                                           JoinCase{u"tab\tstays", u"tab\tstays"},
                                           JoinCase{u"\u00e9\U0001F600\n", u"\u00e9\U0001F600 "}));

} // namespace
} // namespace hueprev::testing
