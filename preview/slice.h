#pragma once

#include "preview/renderer.h"

#include <cstddef>

namespace hueprev {

// The part of a long preview that is really built: the shown characters
// within reach of the caret. The box shows a few dozen of them; every control
// (a rich-text box, a browser's spans) lays out what it holds on every key,
// so it holds about fifteen boxes' worth either side of the caret.
// Positions count shown characters, as previewPosition() does.
class PreviewSlice
{
public:
    static constexpr std::size_t kShownEachSide = 400; // shown characters built either side of the caret
    static constexpr std::size_t kMargin = 100;        // how near an edge the caret may come

    PreviewSlice() = default;
    // A box that lays out more slowly builds less: `shownEachSide` either
    // side of the caret, moving when the caret comes within a quarter of it.
    explicit PreviewSlice(std::size_t shownEachSide)
        : shownEachSide_(shownEachSide), margin_(shownEachSide / 4), to_(2 * shownEachSide)
    {}

    // A slice centred on the caret.
    void centreOn(std::size_t caret);
    // Whether the caret has come near an edge of the slice that is not an end
    // of the preview, which holds `total` characters; the slice must then move.
    bool mustMove(std::size_t caret, std::size_t total) const;

    // The edges a render really keeps: widened to whole letters.
    void keep(std::size_t from, std::size_t to)
    {
        from_ = from;
        to_ = to;
    }

    std::size_t from() const { return from_; }
    std::size_t to() const { return to_; }

private:
    std::size_t shownEachSide_ = kShownEachSide;
    std::size_t margin_ = kMargin;
    std::size_t from_ = 0;
    std::size_t to_ = 2 * kShownEachSide;
};

// Passes a render on to another sink, but only the characters inside
// [from, to); a piece that straddles an edge is cut.
class SliceSink final : public PreviewSink
{
public:
    SliceSink(PreviewSink &out, std::size_t from, std::size_t to);
    SliceSink(PreviewSink &out, const PreviewSlice &slice) : SliceSink(out, slice.from(), slice.to()) {}

    void clear() override;
    void caretToStart() override;
    void setColor(ColorValue color) override;
    void insert(std::u16string_view text) override;

private:
    PreviewSink &out_;
    std::size_t from_;
    std::size_t to_;
    std::size_t shown_ = 0; // characters rendered so far, passed on or not
};

} // namespace hueprev
