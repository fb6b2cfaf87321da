#include "preview/renderer.h"
#include "preview/slice.h"
#include "tests/recordingsink.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

struct RenderCase
{
    const char *name;
    std::u16string input;
    std::vector<Op> ops; // everything after clear and caret-to-start
};

class RendererTable : public ::testing::TestWithParam<RenderCase>
{
};

TEST_P(RendererTable, ProducesExactOperationSequence)
{
    const RenderCase &c = GetParam();
    RecordingSink sink;
    renderNickname(c.input, sink);

    std::vector<Op> expected{{Op::Clear, 0, {}}, {Op::CaretToStart, 0, {}}};
    expected.insert(expected.end(), c.ops.begin(), c.ops.end());
    EXPECT_EQ(sink.ops, expected);
}

using O = Op;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, RendererTable, ::testing::Values(
    RenderCase{"plain", u"abc", {O::set(7), O::ins(u"abc")}},
    RenderCase{"two_codes", u"^1Red^7White",
               {O::set(7), O::ins(u""), O::set(1), O::ins(u"Red"), O::set(7), O::ins(u"White")}},
    RenderCase{"caret_before_letter", u"a^xb", {O::set(7), O::ins(u"a^"), O::ins(u"xb")}},
    RenderCase{"caret_before_code", u"^^1x",
               {O::set(7), O::ins(u"^"), O::ins(u""), O::set(1), O::ins(u"x")}},
    RenderCase{"trailing_caret", u"ab^", {O::set(7), O::ins(u"ab^"), O::ins(u"")}},
    RenderCase{"lone_caret", u"^", {O::set(7), O::ins(u"^"), O::ins(u"")}},
    RenderCase{"code_takes_one_digit", u"^12", {O::set(7), O::ins(u""), O::set(1), O::ins(u"2")}},
    RenderCase{"black", u"a^0b", {O::set(7), O::ins(u"a"), O::set(0), O::ins(u"b")}},
    RenderCase{"empty", u"", {O::set(7), O::ins(u"")}},
    RenderCase{"codes_in_a_row", u"^1^2abc",
               {O::set(7), O::ins(u""), O::set(1), O::ins(u""), O::set(2), O::ins(u"abc")}},
    RenderCase{"code_at_end", u"ab^1", {O::set(7), O::ins(u"ab"), O::set(1), O::ins(u"")}},
    RenderCase{"double_caret", u"^^", {O::set(7), O::ins(u"^"), O::ins(u"^"), O::ins(u"")}},
    RenderCase{"triple_caret_code", u"^^^1x",
               {O::set(7), O::ins(u"^"), O::ins(u"^"), O::ins(u""), O::set(1), O::ins(u"x")}},
    RenderCase{"caret_space", u"^ a", {O::set(7), O::ins(u"^"), O::ins(u" a")}},
    RenderCase{"trailing_caret_after_code", u"^3a^",
               {O::set(7), O::ins(u""), O::set(3), O::ins(u"a^"), O::ins(u"")}},
    RenderCase{"every_colour", u"^0^9^8",
               {O::set(7), O::ins(u""), O::set(0), O::ins(u""), O::set(9), O::ins(u""), O::set(8),
                O::ins(u"")}},
    RenderCase{"non_ascii_passes", u"\u00e9^5\u4e2d\U0001F600",
               {O::set(7), O::ins(u"\u00e9"), O::set(5), O::ins(u"\u4e2d\U0001F600")}},
    RenderCase{"wide_digit_is_text", u"^\uFF11x", {O::set(7), O::ins(u"^"), O::ins(u"\uFF11x")}}),
    [](const ::testing::TestParamInfo<RenderCase> &info) { return std::string(info.param.name); });
// clang-format on

TEST(Renderer, EveryRenderStartsAfresh)
{
    DocumentSink doc;
    renderNickname(u"ab^1x", doc);
    renderNickname(u"ab^1", doc);

    DocumentSink fresh;
    renderNickname(u"ab^1", fresh);
    EXPECT_EQ(doc.cells, fresh.cells);
    ASSERT_EQ(doc.cells.size(), 2U);
    EXPECT_EQ(doc.cells[1].color, colorOf(7));
}

struct CaretCase
{
    std::u16string text;
    std::size_t position;
    std::size_t shown;
};

class CaretToPreview : public ::testing::TestWithParam<CaretCase>
{
};

TEST_P(CaretToPreview, SkipsHiddenCodes)
{
    const CaretCase &c = GetParam();
    EXPECT_EQ(previewPosition(c.text, c.position), c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, CaretToPreview, ::testing::Values(
    CaretCase{u"abc", 2, 2},
    CaretCase{u"^1abc", 0, 0},
    CaretCase{u"^1abc", 1, 0},   // inside the code
    CaretCase{u"^1abc", 2, 0},
    CaretCase{u"^1abc", 4, 2},
    CaretCase{u"ab^1cd^2", 8, 4},
    CaretCase{u"a^xb", 3, 3},    // a caret that opens no code is shown
    CaretCase{u"^^1x", 1, 1},
    CaretCase{u"^^1x", 2, 1},
    CaretCase{u"^^1x", 4, 2},
    CaretCase{u"ab^", 3, 3},
    CaretCase{u"^12", 3, 1},
    CaretCase{u"ab", 9, 2},      // past the end: the end
    CaretCase{u"", 0, 0}));
// clang-format on

struct SliceCase
{
    std::size_t centre;
    std::size_t caret;
    std::size_t total;
    bool moves;
};

class SliceAroundCaret : public ::testing::TestWithParam<SliceCase>
{
};

TEST_P(SliceAroundCaret, MovesOnlyNearAnEdgeThatIsNotTheEnd)
{
    const SliceCase &c = GetParam();
    PreviewSlice slice;
    slice.centreOn(c.centre);
    EXPECT_LE(slice.from(), c.centre);
    EXPECT_GE(slice.to(), c.centre + PreviewSlice::kMargin);
    EXPECT_EQ(slice.mustMove(c.caret, c.total), c.moves);
}

constexpr std::size_t kR = PreviewSlice::kShownEachSide;
constexpr std::size_t kM = PreviewSlice::kMargin;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Slices, SliceAroundCaret, ::testing::Values(
    SliceCase{0, 0, 10, false},                          // short names never move
    SliceCase{0, kR, kR, false},                         // the name's own end
    SliceCase{0, kR - kM + 1, kR + 1, true},             // near the slice's end
    SliceCase{0, kR - kM, kR + 1, false},
    SliceCase{10 * kR, 9 * kR + kM, 20 * kR, false},
    SliceCase{10 * kR, 9 * kR + kM - 1, 20 * kR, true},  // near the slice's start
    SliceCase{10 * kR, 0, 20 * kR, true},                // Home
    SliceCase{10 * kR, 20 * kR, 20 * kR, true}));        // End
// clang-format on

} // namespace
} // namespace hueprev::testing
