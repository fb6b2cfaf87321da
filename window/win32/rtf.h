#pragma once

#include "preview/renderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace hueprev {

// A render collected as one RTF document, so that the rich-edit preview is
// filled by a single stream-in: the control's cost per inserted piece makes
// one message per piece quadratic. Every character of a name comes out
// literally, on one line (line breaks become spaces, as in the input).
class RtfPreview final : public PreviewSink
{
public:
    // The font's name is plain ASCII, such as "Tahoma".
    RtfPreview(std::string_view fontName, int halfPoints);

    void clear() override;
    void caretToStart() override {}
    void setColor(ColorValue color) override;
    void insert(std::u16string_view text) override;

    // The whole document, ready for the control.
    std::string document() const;

private:
    std::string fontTable_;
    std::string fontSize_;
    std::vector<ColorValue> colors_; // the colour table, in order of first use
    std::string body_;
    ColorValue color_ = kDefaultColor;
    std::size_t written_ = 0; // 1-based table entry last switched to in the body; 0 for none
};

// Appends text as RTF: the three control characters escaped, printable ASCII
// as it is, everything else as a Unicode escape of its UTF-16 unit.
void appendRtfText(std::string &out, std::u16string_view text);

} // namespace hueprev
