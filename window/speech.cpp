#include "window/speech.h"

#include "preview/letters.h"
#include "window/language.h"

#include <algorithm>
#include <vector>

namespace hueprev {

namespace {
std::u16string nameOf(ColorValue color)
{
    const ColorTable table = colorTable();
    const auto index = static_cast<int>(std::find(table.begin(), table.end(), color) - table.begin());
    return index < kColorCount ? utf16(translate(colorName(index))) : std::u16string();
}
} // namespace

std::u16string countWords(const NameCount &count)
{
    // TRANSLATORS: how long the name is to the game (codes included), and as shown.
    return utf16(format("Characters: %1$s, shown: %2$s",
                        {std::to_string(count.received), std::to_string(count.shown)}));
}

std::u16string previewWords(const PreviewRuns &runs, std::size_t caret, std::size_t eachSide)
{
    const std::u16string &text = runs.text();
    const std::vector<std::uint8_t> starts = letterStarts(text, Codes::Shown);
    const auto nextLetter = [&](std::size_t at) {
        while (starts[at] == 0) {
            ++at;
        }
        return at;
    };
    // Whole letters only: a letter cut by an edge is left out.
    const std::size_t from = nextLetter(std::min(caret > eachSide ? caret - eachSide : 0, text.size()));
    std::size_t to = std::min(caret + eachSide, text.size());
    while (starts[to] == 0) {
        --to;
    }
    std::u16string words;
    std::size_t at = 0;
    runs.forEach([&](std::u16string_view run, ColorValue color) {
        const std::size_t runStart = at;
        at += run.size();
        // A letter whose marks change colour is said with the run it starts in.
        const std::size_t start = nextLetter(std::max(runStart, from));
        const std::size_t end = std::min(nextLetter(std::min(at, to)), to);
        if (start >= end) {
            return;
        }
        if (!words.empty()) {
            words += u' ';
        }
        // TRANSLATORS: one stretch of the name in one colour, as a screen reader says it: "Red, red."
        words += format("%1$s, %2$s.", {std::u16string_view(text).substr(start, end - start), nameOf(color)});
    });
    return words;
}

} // namespace hueprev
