// The input commands and the caret-following preview, written once for every
// front-end, driven here through fakes of the text box and the preview box.
#include "tests/fakes.h"
#include "window/commands.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

struct ColorCase
{
    const char *name;
    std::u16string text;
    int selStart, selLength, index;
    std::u16string after;
    int caret;
};

TEST(Commands, ColourButtonWritesItsCodeOverTheSelection)
{
    const ColorCase cases[] = {
        {"into_empty", u"", 0, 0, 1, u"^1", 2},
        {"at_the_caret", u"ab", 1, 0, 4, u"a^4b", 3},
        {"at_the_end", u"ab", 2, 0, 0, u"ab^0", 4},
        {"over_the_selection", u"abcd", 1, 2, 9, u"a^9d", 3},
        {"over_everything", u"^1Name", 0, 6, 7, u"^7", 2},
        {"after_a_code", u"^1", 2, 0, 1, u"^1^1", 4},
    };
    for (const ColorCase &c : cases) {
        FakeTextBox box;
        box.value = c.text;
        box.setSelStart(c.selStart);
        box.setSelLength(c.selLength);
        addColorCode(box, c.index);
        EXPECT_EQ(box.value, c.after) << c.name;
        EXPECT_EQ(box.selStart, c.caret) << c.name;
        EXPECT_EQ(box.selLength, 0) << c.name;
        EXPECT_EQ(box.edits, 1) << c.name << ": one undo step";
        EXPECT_TRUE(box.focused) << c.name;
    }
}

TEST(Commands, EnterSelectsTheWholeNameAndIsConsumed)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        char16_t key;
        bool consumed;
    };
    const Case cases[] = {
        {"enter", u"^1Name", u'\r', true},
        {"enter_on_empty", u"", u'\r', true},
        {"line_feed_is_not_enter", u"ab", u'\n', false},
        {"letter", u"ab", u'x', false},
        {"caret", u"ab", u'^', false},
    };
    for (const Case &c : cases) {
        FakeTextBox box;
        box.value = c.text;
        box.setSelStart(1);
        char16_t key = c.key;
        selectAllOnEnter(box, key);
        EXPECT_EQ(key, c.consumed ? 0 : c.key) << c.name;
        EXPECT_EQ(box.value, c.text) << c.name;
        EXPECT_EQ(box.edits, 0) << c.name;
        const int length = static_cast<int>(c.text.size());
        EXPECT_EQ(box.selStart, c.consumed ? 0 : std::min(1, length)) << c.name;
        EXPECT_EQ(box.selLength, c.consumed ? length : 0) << c.name;
    }
}

// The part of the reference preview from `from` to `to`.
std::vector<ColoredChar> shownPart(std::u16string_view text, std::size_t from, std::size_t to)
{
    const std::vector<ColoredChar> all = referencePreview(text);
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())),
            all.begin() + static_cast<std::ptrdiff_t>(std::min(to, all.size()))};
}

TEST(CaretPreview, ShortNameIsRebuiltWholeAndShowsTheCaret)
{
    FakePreviewBox box;
    CaretPreview preview(box);
    FakeTextBox input;
    input.value = u"^1Red^7White";
    const std::u16string &name = input.value;
    preview.textChanged(name, 5);
    EXPECT_EQ(box.document.cells, referencePreview(name));
    EXPECT_EQ(box.shown, (std::vector<std::size_t>{3})) << "the caret after \"Red\"";

    // The change has shown this caret already: nothing to do, not even a read
    // of the name. A move elsewhere only scrolls.
    preview.caretMoved(5, input);
    EXPECT_EQ(input.reads, 0);
    preview.caretMoved(1, input);
    preview.caretMoved(12, input);
    EXPECT_EQ(box.rebuilds, 1);
    EXPECT_EQ(box.shown, (std::vector<std::size_t>{3, 0, 8}));
}

TEST(CaretPreview, LongNameHoldsTheSliceAroundTheCaret)
{
    FakeTextBox input;
    for (int i = 0; i < 5'000; ++i) {
        input.value += u"^3ab";
    }
    const std::u16string &name = input.value;
    const std::size_t total = 10'000; // shown characters
    // The desktop's reach, and a smaller one, as the page builds.
    for (const std::size_t reach : {PreviewSlice::kShownEachSide, std::size_t{400}}) {
        FakePreviewBox box;
        CaretPreview preview(box, reach);
        preview.textChanged(name, static_cast<int>(name.size()));
        const std::size_t from = total - reach;
        EXPECT_EQ(box.document.cells, shownPart(name, from, total)) << reach;
        EXPECT_EQ(box.shown.back(), total - from) << reach;

        // Within the slice: scrolled, not rebuilt.
        preview.caretMoved(static_cast<int>(name.size()) - 200, input);
        EXPECT_EQ(box.rebuilds, 1) << reach;
        EXPECT_EQ(box.shown.back(), total - 100 - from) << reach;

        // Home: the slice moves to the start.
        preview.caretMoved(0, input);
        EXPECT_EQ(box.rebuilds, 2) << reach;
        EXPECT_EQ(box.document.cells, shownPart(name, 0, reach)) << reach;
        EXPECT_EQ(box.shown.back(), 0U) << reach;
    }
}

} // namespace
} // namespace hueprev::testing
