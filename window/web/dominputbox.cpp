#include "window/web/dominputbox.h"

#include "window/web/dom.h"

namespace hueprev::web {

std::u16string DomInputBox::text() const
{
    std::u16string value(static_cast<std::size_t>(hueprev_dom_input_length()), u'\0');
    hueprev_dom_input_read(value.data());
    return value;
}

int DomInputBox::length() const
{
    return hueprev_dom_input_length();
}

int DomInputBox::selStart() const
{
    return hueprev_dom_input_selection_start();
}

int DomInputBox::selLength() const
{
    return hueprev_dom_input_selection_end() - hueprev_dom_input_selection_start();
}

int DomInputBox::caret() const
{
    return hueprev_dom_input_caret();
}

void DomInputBox::setSelStart(int position)
{
    hueprev_dom_input_select(position, position);
}

void DomInputBox::setSelLength(int length)
{
    const int start = hueprev_dom_input_selection_start();
    hueprev_dom_input_select(start, start + length);
}

void DomInputBox::setSelText(std::u16string_view text)
{
    hueprev_dom_input_replace(text.data(), static_cast<int>(text.size()));
}

void DomInputBox::setFocus()
{
    hueprev_dom_input_focus();
}

void DomInputBox::showCount(std::u16string_view)
{
    // The strip's status line shows it, always in view; the input has no tooltip of its own.
}

void DomInputBox::describe(std::u16string_view description)
{
    hueprev_dom_input_describe(description.data(), static_cast<int>(description.size()));
}

} // namespace hueprev::web
