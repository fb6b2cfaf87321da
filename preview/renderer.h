#pragma once

#include "preview/colorcodes.h"

#include <cstddef>
#include <string_view>

namespace hueprev {

// The four operations through which a render builds the coloured preview.
class PreviewSink
{
public:
    virtual ~PreviewSink() = default;
    virtual void clear() = 0;
    virtual void caretToStart() = 0;
    // Text inserted from now on gets this colour.
    virtual void setColor(ColorValue color) = 0;
    // Inserts at the caret and moves the caret past the text. May be empty.
    virtual void insert(std::u16string_view text) = 0;
};

// Rebuilds the preview of a nickname from nothing: text before the first code
// is white, each "^digit" switches colour and is not shown, any other caret is
// shown literally. Linear in the text's length.
void renderNickname(std::u16string_view text, PreviewSink &out);

// Where a caret standing at `position` in the text falls in its preview: the
// number of characters shown before it. Hidden codes are skipped, and a caret
// between a code's "^" and its digit falls before the code.
std::size_t previewPosition(std::u16string_view text, std::size_t position);

} // namespace hueprev
