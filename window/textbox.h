#pragma once

#include <string>
#include <string_view>

namespace hueprev {

// The input box as the form sees it, in the classic text-box model. Each
// front-end implements it on its own control; positions count UTF-16 units.
class TextBox
{
public:
    virtual ~TextBox() = default;
    virtual std::u16string text() const = 0;
    // The text's length, without a copy of it.
    virtual int length() const = 0;
    // The selection, from its start; 0 long when nothing is selected.
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Where the caret stands: at either end of the selection, the one the
    // player moved.
    virtual int caret() const = 0;
    // Moves the caret and empties the selection.
    virtual void setSelStart(int position) = 0;
    // Selects this many characters from the caret.
    virtual void setSelLength(int length) = 0;
    // Replaces the selection (or inserts at the caret) as one undoable edit;
    // the caret ends after the new text.
    virtual void setSelText(std::u16string_view text) = 0;
    virtual void setFocus() = 0;
    // How long the name is, in words, where the platform shows such facts
    // (a tooltip, the page's strip); with every change.
    virtual void showCount(std::u16string_view count) = 0;
    // What a screen reader is told of the box from now on: its accessible description.
    virtual void describe(std::u16string_view description) = 0;
};

} // namespace hueprev
