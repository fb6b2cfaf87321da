#include "preview/slice.h"

#include <algorithm>

namespace hueprev {

void PreviewSlice::centreOn(std::size_t caret)
{
    from_ = caret > shownEachSide_ ? caret - shownEachSide_ : 0;
    to_ = caret + shownEachSide_;
}

bool PreviewSlice::mustMove(std::size_t caret, std::size_t total) const
{
    const bool nearStart = from_ > 0 && caret < from_ + margin_;
    const bool nearEnd = total > to_ && caret + margin_ > to_;
    return nearStart || nearEnd;
}

SliceSink::SliceSink(PreviewSink &out, std::size_t from, std::size_t to) : out_(out), from_(from), to_(to) {}

void SliceSink::clear()
{
    shown_ = 0;
    out_.clear();
}

void SliceSink::caretToStart()
{
    out_.caretToStart();
}

void SliceSink::setColor(ColorValue color)
{
    out_.setColor(color);
}

void SliceSink::insert(std::u16string_view text)
{
    const std::size_t start = shown_;
    shown_ += text.size();
    const std::size_t first = std::max(start, from_);
    const std::size_t last = std::min(shown_, to_);
    if (first >= last) {
        return;
    }
    out_.insert(text.substr(first - start, last - first));
}

} // namespace hueprev
