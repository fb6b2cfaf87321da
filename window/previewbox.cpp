#include "window/previewbox.h"

#include "window/facts.h"
#include "window/language.h"
#include "window/speech.h"
#include "window/textbox.h"

#include <utility>

namespace hueprev {

void CaretPreview::textChanged(const TextBox &input)
{
    const std::u16string text = input.text();
    shownCaret_ = input.caret();
    renderAround(text, previewPosition(text, static_cast<std::size_t>(shownCaret_)));
}

void CaretPreview::caretMoved(const TextBox &input)
{
    const int caret = input.caret();
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
        describeAround(shown - slice_.from());
    }
}

void CaretPreview::renderAround(std::u16string_view text, std::size_t shownCaret)
{
    slice_.centreOn(shownCaret);
    SliceSink sliced(runs_, slice_);
    renderNickname(text, sliced);
    box_.rebuild(runs_);
    box_.showPosition(shownCaret - slice_.from());
    describeAround(shownCaret - slice_.from());
}

void CaretPreview::describeAround(std::size_t caretInSlice)
{
    std::u16string words = previewWords(runs_, caretInSlice, kSpokenEachSide);
    if (words.empty()) {
        words = utf16(facts::accessibleDescription(facts::controlOf(facts::Kind::PreviewBox)));
    }
    // A screen reader is told only of what it would say differently.
    if (words != words_) {
        words_ = std::move(words);
        box_.describe(words_);
    }
}

} // namespace hueprev
