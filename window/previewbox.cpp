#include "window/previewbox.h"

namespace hueprev {

void CaretPreview::textChanged(std::u16string_view text, int caret)
{
    shownCaret_ = caret;
    renderAround(text, previewPosition(text, static_cast<std::size_t>(caret)));
}

void CaretPreview::caretMoved(int caret, const TextBox &input)
{
    // A change has just shown this caret in the preview it rebuilt.
    if (caret == shownCaret_) {
        return;
    }
    shownCaret_ = caret;
    const std::u16string text = input.text();
    const std::size_t shown = previewPosition(text, static_cast<std::size_t>(caret));
    if (slice_.mustMove(shown, previewPosition(text, text.size()))) {
        renderAround(text, shown);
    } else {
        box_.showPosition(shown - slice_.from());
    }
}

void CaretPreview::renderAround(std::u16string_view text, std::size_t shownCaret)
{
    slice_.centreOn(shownCaret);
    box_.rebuild([&](PreviewSink &sink) {
        SliceSink sliced(sink, slice_);
        renderNickname(text, sliced);
    });
    box_.showPosition(shownCaret - slice_.from());
}

} // namespace hueprev
