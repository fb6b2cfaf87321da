#pragma once

#include "window/textbox.h"

namespace hueprev::web {

// The text box on the page's <input>.
class DomInputBox final : public TextBox
{
public:
    std::u16string text() const override;
    int length() const override;
    int selStart() const override;
    int selLength() const override;
    int caret() const override;
    void setSelStart(int position) override;
    void setSelLength(int length) override;
    void setSelText(std::u16string_view text) override;
    void setFocus() override;
    void showCount(std::u16string_view count) override;
    void describe(std::u16string_view description) override;
};

} // namespace hueprev::web
