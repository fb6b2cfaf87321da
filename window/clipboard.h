#pragma once

#include "preview/colorcodes.h"

#include <string>
#include <string_view>
#include <vector>

namespace hueprev {

// A picture of the name as the preview draws it: its letters in order, each
// in its colour, in the preview's font on the game's background.
struct Picture
{
    struct Letter
    {
        std::u16string text;
        ColorValue color;
    };
    std::vector<Letter> letters;
    // Wider than this, in the screen's pixels, it is cut at a letter's edge.
    static constexpr int kWidest = 8'192;
};

// What became of a picture: on the clipboard, or saved where the platform
// cannot put one there (a file the browser downloads), and whether it was cut.
struct PictureDone
{
    bool saved;
    bool cut;
};

// The platform's clipboard, lent to the core for what it copies.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(std::u16string_view text) = 0;
    // Text that a rich editor pastes as the markup `html`, and any other as `text`.
    virtual void setHtml(std::u16string_view text, std::u16string_view html) = 0;
    virtual PictureDone setPicture(const Picture &picture) = 0;
};

} // namespace hueprev
