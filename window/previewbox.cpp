#include "window/previewbox.h"

#include "preview/letters.h"
#include "window/facts.h"
#include "window/language.h"
#include "window/speech.h"
#include "window/textbox.h"

#include <utility>

namespace hueprev {

void CaretPreview::textChanged(const TextBox &input)
{
    showText(input.text(), input.caret());
}

void CaretPreview::showText(std::u16string text, int caret)
{
    text_ = std::move(text);
    count_ = countName(text_);
    shownCaret_ = caret;
    renderAround(previewPosition(text_, static_cast<std::size_t>(shownCaret_)));
}

void CaretPreview::caretMoved(const TextBox &input)
{
    const int caret = input.caret();
    // A change has just shown this caret in the preview it rebuilt.
    if (caret == shownCaret_) {
        return;
    }
    shownCaret_ = caret;
    // A platform may tell of the caret before the change that moved it.
    const std::size_t shown = previewPosition(text_, static_cast<std::size_t>(caret));
    if (slice_.mustMove(shown, count_.shownUnits)) {
        renderAround(shown);
    } else {
        box_.showPosition(shown - slice_.from());
        describeAround(shown - slice_.from());
    }
}

void CaretPreview::renderAround(std::size_t shownCaret)
{
    slice_.centreOn(shownCaret);
    // Whole letters at its edges.
    const ShownRange whole = wholeLetters(text_, {slice_.from(), slice_.to()});
    slice_.keep(whole.from, whole.to);
    SliceSink sliced(runs_, slice_);
    renderNickname(text_, sliced);
    box_.rebuild(runs_);
    box_.showPosition(shownCaret - slice_.from());
    describeAround(shownCaret - slice_.from());
}

void CaretPreview::sayWords()
{
    if (unsaid_) {
        unsaid_ = false;
        box_.describe(words_);
    }
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
        unsaid_ = true;
    }
}

} // namespace hueprev
