#include "window/speech.h"

#include "preview/utf16.h"
#include "window/language.h"

#include <algorithm>

namespace hueprev {

namespace {
std::u16string nameOf(ColorValue color)
{
    const ColorTable table = colorTable();
    const auto index = static_cast<int>(std::find(table.begin(), table.end(), color) - table.begin());
    return index < kColorCount ? utf16(translate(colorName(index))) : std::u16string();
}
} // namespace

std::u16string previewWords(const PreviewRuns &runs, std::size_t caret, std::size_t eachSide)
{
    const std::size_t from = caret > eachSide ? caret - eachSide : 0;
    const std::size_t to = caret + eachSide;
    std::u16string words;
    std::size_t at = 0;
    runs.forEach([&](std::u16string_view text, ColorValue color) {
        const std::size_t runStart = at;
        at += text.size();
        if (at <= from || runStart >= to) {
            return;
        }
        std::size_t start = std::max(runStart, from) - runStart;
        std::size_t end = std::min(at, to) - runStart;
        // Whole characters only: an edge inside a surrogate pair leaves the pair out.
        start += splitsPair(text, start) ? 1 : 0;
        end -= splitsPair(text, end) ? 1 : 0;
        if (start >= end) {
            return;
        }
        if (!words.empty()) {
            words += u' ';
        }
        // TRANSLATORS: one stretch of the name in one colour, as a screen reader says it: "Red, red."
        words += format("%1$s, %2$s.", {text.substr(start, end - start), nameOf(color)});
    });
    return words;
}

} // namespace hueprev
