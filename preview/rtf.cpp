#include "preview/rtf.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace hueprev {

void appendRtfText(std::string &out, std::u16string_view text)
{
    for (const char16_t c : text) {
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

std::string rtfDocument(const PreviewRuns &runs, std::string_view fontName, int halfPoints)
{
    std::vector<ColorValue> colors; // the colour table, in order of first use
    std::string body;
    runs.forEach([&](std::u16string_view text, ColorValue color) {
        auto entry =
            static_cast<std::size_t>(std::find(colors.begin(), colors.end(), color) - colors.begin());
        if (entry == colors.size()) {
            colors.push_back(color);
        }
        body += "\\cf" + std::to_string(entry + 1) + ' ';
        appendRtfText(body, text);
    });
    std::string doc =
        R"({\rtf1\ansi\deff0\uc1{\fonttbl{\f0\fswiss )" + std::string(fontName) + R"(;}}{\colortbl;)";
    for (const ColorValue c : colors) {
        doc += "\\red" + std::to_string(redOf(c)) + "\\green" + std::to_string(greenOf(c)) + "\\blue" +
               std::to_string(blueOf(c)) + ';';
    }
    doc += "}\\f0\\fs" + std::to_string(halfPoints) + ' ' + body + '}';
    return doc;
}

} // namespace hueprev
