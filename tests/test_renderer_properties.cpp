// Generated inputs checked against properties that any wrong renderer breaks.
#include "preview/letters.h"
#include "preview/renderer.h"
#include "preview/slice.h"
#include "preview/utf16.h"
#include "tests/generated.h"
#include "tests/recordingsink.h"
#include "tests/reference.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hueprev::testing {
namespace {

class RendererProperties : public ::testing::Test
{
protected:
    const std::vector<std::u16string> inputs = generatedInputs(5000);
};

TEST_F(RendererProperties, PreviewMatchesPlainRule)
{
    for (const auto &input : inputs) {
        DocumentSink doc;
        renderNickname(input, doc);
        const auto expected = referencePreview(input);
        ASSERT_EQ(doc.cells.size(), expected.size()) << printable(input);
        ASSERT_EQ(previewPosition(input, input.size()), expected.size()) << printable(input);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(doc.cells[i].ch, expected[i].ch) << printable(input) << " at " << i;
            ASSERT_EQ(doc.cells[i].color, expected[i].color) << printable(input) << " at " << i;
        }
        // Any slice of the render, widened to whole letters, is the same slice
        // of the whole preview, and no letter of it is cut.
        const std::size_t from = input.size() % 7;
        const std::size_t to = from + input.size() % 11;
        const ShownRange whole = wholeLetters(input, {from, to});
        DocumentSink part;
        SliceSink sliced(part, whole.from, whole.to);
        renderNickname(input, sliced);
        const auto at = [&](std::size_t i) {
            return doc.cells.begin() + static_cast<std::ptrdiff_t>(std::min(i, doc.cells.size()));
        };
        ASSERT_EQ(part.cells, std::vector(at(whole.from), at(whole.to)))
            << printable(input) << " from " << from;
        ASSERT_TRUE(whole.from <= from && (whole.to >= to || whole.to == doc.cells.size()))
            << printable(input);
        std::u16string shown;
        for (const ColoredChar &cell : doc.cells) {
            shown += cell.ch;
        }
        std::vector<bool> starts(shown.size() + 1, true);
        forEachShownUnit(shown, Codes::Shown, [&](std::size_t i, bool letter) { starts[i] = letter; });
        ASSERT_TRUE(starts[std::min(whole.from, shown.size())] && starts[std::min(whole.to, shown.size())])
            << printable(input);
    }
}

TEST_F(RendererProperties, ColourChangesComeOnlyFromCodes)
{
    for (const auto &input : inputs) {
        RecordingSink sink;
        renderNickname(input, sink);
        std::vector<ColorValue> changes;
        for (std::size_t i = 3; i < sink.ops.size(); ++i) {
            if (sink.ops[i].kind == Op::SetColor) {
                changes.push_back(sink.ops[i].color);
                // Each code inserts the text before it, even when empty.
                ASSERT_EQ(sink.ops[i - 1].kind, Op::Insert) << printable(input);
            }
        }
        EXPECT_EQ(changes, referenceCodeColors(input)) << printable(input);
    }
}

TEST_F(RendererProperties, SequenceIsWellFormedAndBounded)
{
    for (const auto &input : inputs) {
        RecordingSink sink;
        renderNickname(input, sink);
        ASSERT_GE(sink.ops.size(), 4U);
        EXPECT_EQ(sink.ops[0].kind, Op::Clear);
        EXPECT_EQ(sink.ops[1].kind, Op::CaretToStart);
        EXPECT_EQ(sink.ops[2], Op::set(7));
        EXPECT_EQ(sink.ops.back().kind, Op::Insert);
        for (std::size_t i = 2; i < sink.ops.size(); ++i) {
            EXPECT_NE(sink.ops[i].kind, Op::Clear);
            EXPECT_NE(sink.ops[i].kind, Op::CaretToStart);
        }
        // At most one insert and one colour change per character, plus the fixed ones.
        EXPECT_LE(sink.ops.size(), 2 * input.size() + 5) << printable(input);
    }
}

TEST_F(RendererProperties, ResultDependsOnlyOnCurrentText)
{
    DocumentSink reused;
    for (const auto &input : inputs) {
        renderNickname(input, reused);
        DocumentSink fresh;
        renderNickname(input, fresh);
        ASSERT_EQ(reused.cells, fresh.cells) << printable(input);
    }
}

} // namespace
} // namespace hueprev::testing
