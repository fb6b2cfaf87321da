#include "window/form.h"

#include "preview/colorcodes.h"
#include "preview/linebreaks.h"
#include "window/textbox.h"

namespace hueprev {

Form::Selection Form::selection() const
{
    return {txtIn_.selStart(), txtIn_.selLength()};
}

void Form::txtIn_Change()
{
    kept_.reset();
    left_.reset();
    preview_.textChanged(txtIn_);
}

void Form::txtIn_KeyPress(char16_t &keyAscii)
{
    if (keyAscii == u'\r') {
        txtIn_.setSelStart(0);
        txtIn_.setSelLength(txtIn_.length());
        keyAscii = 0;
        preview_.caretMoved(txtIn_);
    }
}

void Form::cmdAddColor_Click(int index)
{
    if (kept_) {
        const Selection kept = *kept_;
        txtIn_.setSelStart(kept.start);
        txtIn_.setSelLength(kept.length);
    }
    txtIn_.setSelText(colorCode(index));
    txtIn_.setFocus();
}

void Form::txtIn_CaretMove()
{
    preview_.caretMoved(txtIn_);
}

void Form::txtIn_GotFocus(FocusArrival how)
{
    kept_.reset();
    const Selection now = selection();
    // Tabbing in selects the whole name on every platform, and so may a
    // browser for a focus it gives unseen; a button must not write over a
    // selection the player never made, so it becomes a caret at its end. A
    // window that comes back keeps the player's own.
    const bool platforms =
        how == FocusArrival::TabKey || (how == FocusArrival::WindowActivation && left_ != now);
    if (platforms && now.length > 0) {
        txtIn_.setSelStart(now.start + now.length);
        preview_.caretMoved(txtIn_);
    }
}

void Form::txtIn_LostFocus()
{
    left_ = selection();
    if (left_->length > 0) {
        kept_ = left_;
    } else {
        kept_.reset();
    }
}

void Form::txtIn_Paste(std::optional<std::u16string_view> clip)
{
    // No text (an image, say), or nothing over nothing: the name and its undo stay.
    if (!clip || (clip->empty() && txtIn_.selLength() == 0)) {
        return;
    }
    // The name keeps every line of a paste, joined on one.
    txtIn_.setSelText(joinLines(*clip));
}

void Form::txtIn_Drop(std::u16string_view text, int position)
{
    if (text.empty()) {
        return;
    }
    txtIn_.setSelStart(position);
    txtIn_.setSelText(joinLines(text));
    txtIn_.setFocus();
}

} // namespace hueprev
