#pragma once

#include "window/textbox.h"

namespace hueprev::web {

// The text box on the page's <input>.
class DomInputBox final : public TextBox
{
public:
    std::u16string text() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;

    // Where the caret stands: at either end of a selection.
    int caret() const;
    // Pastes text with its lines joined, as one undoable edit; a paste of
    // nothing over nothing changes nothing.
    void paste(std::u16string_view clip);
};

} // namespace hueprev::web
