#pragma once

#include "window/clipboard.h"

namespace hueprev {

// The core's clipboard on the desktop's.
class QtClipboard final : public Clipboard
{
public:
    void setText(std::u16string_view text) override;
    void setHtml(std::u16string_view text, std::u16string_view html) override;
    // Drawn as the preview draws, at the screen's scale.
    PictureDone setPicture(const Picture &picture) override;
};

} // namespace hueprev
