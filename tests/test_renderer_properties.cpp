// Generated inputs checked against properties that any wrong renderer breaks.
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
        // Any slice of the render is the same slice of the whole preview, its
        // edges moved out by one at most, and only to keep a surrogate pair whole.
        const std::size_t from = input.size() % 7;
        const std::size_t to = from + input.size() % 11;
        DocumentSink part;
        SliceSink sliced(part, from, to);
        renderNickname(input, sliced);
        const auto at = [&](std::size_t i) {
            return doc.cells.begin() + static_cast<std::ptrdiff_t>(std::min(i, doc.cells.size()));
        };
        ASSERT_EQ(part.cells, std::vector(at(sliced.from()), at(sliced.to())))
            << printable(input) << " from " << from;
        ASSERT_TRUE(sliced.from() == from ||
                    (sliced.from() + 1 == from && isLowSurrogate(doc.cells[from].ch)));
        ASSERT_TRUE(sliced.to() == to || (sliced.to() == to + 1 && isLowSurrogate(doc.cells[to].ch)));
        std::u16string shown;
        for (const ColoredChar &cell : doc.cells) {
            shown += cell.ch;
        }
        // (Without codes: lone halves with a code between them meet in the preview as no pair.)
        if (input.find(u'^') == std::u16string::npos && !part.cells.empty()) {
            ASSERT_FALSE(splitsPair(shown, sliced.from()) || splitsPair(shown, sliced.to()))
                << printable(input);
        }
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
