#include "preview/renderer.h"

#include <algorithm>

namespace hueprev {

// The operation sequence follows a cut-and-rescan reading of the text: a caret
// that opens no code is emitted together with the text before it, and the
// character after it is scanned again, since it may open a code itself. Here
// the "rest" is just an offset into the text, so nothing is ever copied.
void renderNickname(std::u16string_view text, PreviewSink &out)
{
    constexpr ColorTable table = colorTable();

    out.clear();
    out.caretToStart();
    out.setColor(kDefaultColor);

    std::size_t start = 0;
    for (;;) {
        const std::size_t caret = text.find(kCodeIntroducer, start);
        if (caret == std::u16string_view::npos) {
            out.insert(text.substr(start));
            return;
        }
        if (caret + 1 == text.size()) {
            // A trailing caret is shown; the empty remainder is inserted last.
            out.insert(text.substr(start));
            out.insert({});
            return;
        }
        if (const auto index = colorDigitIndex(text[caret + 1])) {
            out.insert(text.substr(start, caret - start));
            out.setColor(table[static_cast<std::size_t>(*index)]);
            start = caret + 2;
        } else {
            out.insert(text.substr(start, caret + 1 - start));
            start = caret + 1;
        }
    }
}

std::size_t previewPosition(std::u16string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    std::size_t shown = 0;
    std::size_t at = 0;
    while (at < position) {
        const std::size_t caret = std::min(text.find(kCodeIntroducer, at), position);
        shown += caret - at;
        at = caret;
        if (at == position) {
            break;
        }
        if (at + 1 < text.size() && colorDigitIndex(text[at + 1])) {
            at += 2; // a code: nothing shown
        } else {
            ++shown;
            ++at;
        }
    }
    return shown;
}

} // namespace hueprev
