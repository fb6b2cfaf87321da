#pragma once

#include "preview/letters.h"
#include "preview/linebreaks.h"
#include "preview/nametools.h"
#include "preview/renderer.h"
#include "tests/reference.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the name tools must keep, stated against the reference model; shared
// by the tests over generated names and by the fuzzer.
namespace hueprev::testing {

inline bool isBlankShown(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || isLineBreak(c);
}

// What a player sees of a name: each shown character in its colour; a blank
// shows none, unless its letter goes on with a mark.
inline std::vector<ColoredChar> look(std::u16string_view name)
{
    std::vector<ColoredChar> cells = referencePreview(name);
    std::u16string shown;
    for (const ColoredChar &cell : cells) {
        shown += cell.ch;
    }
    std::vector<bool> starts(shown.size() + 1, true);
    forEachShownUnit(shown, Codes::Shown, [&](std::size_t i, bool letter) { starts[i] = letter; });
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i].color = isBlankShown(cells[i].ch) && starts[i + 1] ? 0 : cells[i].color;
    }
    return cells;
}

inline std::u16string applied(std::u16string_view name, const std::optional<NameEdit> &edit)
{
    std::u16string out(name);
    if (edit) {
        out.replace(edit->from, edit->length, edit->text);
    }
    return out;
}

// The tidied name looks the same, every code left changes the look, and a
// second tidy changes nothing.
inline bool tidyKeepsTheLook(std::u16string_view name)
{
    const std::u16string tidy = applied(name, removeUnneededCodes(name));
    if (look(tidy) != look(name) || removeUnneededCodes(tidy)) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < tidy.size(); ++i) {
        if (tidy[i] == u'^' && tidy[i + 1] >= u'0' && tidy[i + 1] <= u'9') {
            std::u16string without = tidy;
            without.erase(i, 2);
            if (look(without) == look(tidy)) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

// Whether removing a code of [from, to) of the name would leave its look as it is.
inline bool wastesACode(std::u16string_view name, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        if (isCodeAt(name, i)) {
            std::u16string without(name);
            without.erase(i, 2);
            if (look(without) == look(name)) {
                return true;
            }
            ++i;
        }
    }
    return false;
}

// What every tool keeps, given the name, the selection [from, to) and its
// edit; `colors`, those it paints the range's letters in (none for tidy).
// Says what it broke, or nothing.
inline std::string toolBreaks(std::u16string_view name, std::size_t from, std::size_t to,
                              const std::optional<NameEdit> &edit, std::span<const int> colors)
{
    if (!edit) {
        return {};
    }
    const std::u16string after = applied(name, edit);
    const std::vector<ColoredChar> was = referencePreview(name);
    const std::vector<ColoredChar> now = referencePreview(after);
    if (now.size() != was.size() ||
        !std::equal(now.begin(), now.end(), was.begin(), [](auto a, auto b) { return a.ch == b.ch; })) {
        return "the text shown changed: a code made or lost";
    }
    if (edit->from > from || edit->from + edit->length < std::min(to, name.size())) {
        return "the range taken leaves out some of the selection";
    }
    const std::size_t shownFrom = previewPosition(name, edit->from);
    const std::size_t shownTo = previewPosition(name, edit->from + edit->length);
    const std::vector<ColoredChar> lookWas = look(name);
    const std::vector<ColoredChar> lookNow = look(after);
    std::vector<bool> starts(now.size() + 1, true);
    std::u16string shown;
    for (const ColoredChar &cell : now) {
        shown += cell.ch;
    }
    forEachShownUnit(shown, Codes::Shown, [&](std::size_t i, bool letter) { starts[i] = letter; });
    std::vector<int> bands;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (i < shownFrom || i >= shownTo) {
            if (lookNow[i] != lookWas[i]) {
                return "the look outside the range changed";
            }
            continue;
        }
        // A tool that colours letters leaves them whole; tidy splits none that was whole.
        if (!starts[i] && now[i].color != now[i - 1].color &&
            (!colors.empty() || was[i].color == was[i - 1].color)) {
            return "a letter split by a code";
        }
        if (!isBlankShown(now[i].ch) && !colors.empty()) {
            constexpr ColorTable table = colorTable();
            const int index =
                static_cast<int>(std::find(table.begin(), table.end(), now[i].color) - table.begin());
            if (bands.empty() || bands.back() != index) {
                bands.push_back(index);
            }
        }
    }
    if (!std::equal(bands.begin(), bands.end(), colors.begin(),
                    colors.begin() + static_cast<std::ptrdiff_t>(std::min(bands.size(), colors.size())))) {
        return "the letters are not in the tool's colours, in order";
    }
    if (wastesACode(after, edit->from, edit->from + edit->text.size())) {
        return "a code in the range changes nothing";
    }
    return {};
}

} // namespace hueprev::testing
