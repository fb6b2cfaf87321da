#include "window/win32/rtf.h"

#include "preview/linebreaks.h"

#include <algorithm>
#include <cstdint>

namespace hueprev {

void appendRtfText(std::string &out, std::u16string_view text)
{
    for (char16_t c : text) {
        if (isLineBreak(c)) {
            c = u' ';
        }
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c != 0) { // a text box cannot hold NUL
            // RTF numbers are signed 16-bit; "?" is the fallback a reader skips.
            out += "\\u";
            out += std::to_string(static_cast<std::int16_t>(c));
            out += '?';
        }
    }
}

RtfPreview::RtfPreview(std::string_view fontName, int halfPoints)
    : fontTable_(R"({\fonttbl{\f0\fswiss )" + std::string(fontName) + ";}}"),
      fontSize_("\\fs" + std::to_string(halfPoints) + ' ')
{}

void RtfPreview::clear()
{
    colors_.clear();
    body_.clear();
    color_ = kDefaultColor;
    written_ = 0;
}

void RtfPreview::setColor(ColorValue color)
{
    color_ = color;
}

void RtfPreview::insert(std::u16string_view text)
{
    if (text.empty()) {
        return;
    }
    auto entry =
        static_cast<std::size_t>(std::find(colors_.begin(), colors_.end(), color_) - colors_.begin()) + 1;
    if (entry > colors_.size()) {
        colors_.push_back(color_);
    }
    if (entry != written_) {
        body_ += "\\cf" + std::to_string(entry) + ' ';
        written_ = entry;
    }
    appendRtfText(body_, text);
}

std::string RtfPreview::document() const
{
    std::string doc = R"({\rtf1\ansi\deff0\uc1)" + fontTable_ + R"({\colortbl;)";
    for (const ColorValue c : colors_) {
        doc += "\\red" + std::to_string(redOf(c)) + "\\green" + std::to_string(greenOf(c)) + "\\blue" +
               std::to_string(blueOf(c)) + ';';
    }
    doc += '}';
    doc += "\\f0" + fontSize_ + body_;
    doc += '}';
    return doc;
}

} // namespace hueprev
