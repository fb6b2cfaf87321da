#pragma once

#include "preview/letters.h"
#include "preview/linebreaks.h"
#include "preview/nametools.h"
#include "preview/renderer.h"
#include "tests/reference.h"

#include <algorithm>
#include <cstdint>
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

inline std::u16string textOf(const std::vector<ColoredChar> &cells)
{
    std::u16string text;
    for (const ColoredChar &cell : cells) {
        text += cell.ch;
    }
    return text;
}

// What a player sees of a name: each shown character in its colour; a blank
// shows none, unless its letter goes on with a mark.
inline std::vector<ColoredChar> look(std::u16string_view name)
{
    std::vector<ColoredChar> cells = referencePreview(name);
    const std::vector<std::uint8_t> starts = letterStarts(textOf(cells), Codes::Shown);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i].color = isBlankShown(cells[i].ch) && starts[i + 1] != 0 ? 0 : cells[i].color;
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

// Whether each letter of [from, to) that shows a colour, widened to whole
// letters, stands in `colors` in bands as even as the letters allow, the
// first ones a letter longer: "" if so, else which letter does not.
inline std::string bandsBroken(std::u16string_view name, std::size_t from, std::size_t to,
                               const std::vector<ColoredChar> &cells, std::span<const int> colors)
{
    const std::u16string shown = textOf(cells);
    const std::vector<std::uint8_t> starts = letterStarts(shown, Codes::Shown);
    std::size_t at = previewPosition(name, std::min(from, name.size()));
    std::size_t end = previewPosition(name, std::min(std::max(from, to), name.size()));
    while (at > 0 && starts[at] == 0) {
        --at;
    }
    while (end < shown.size() && starts[end] == 0) {
        ++end;
    }
    std::vector<std::size_t> letters; // where each letter that shows a colour starts
    for (std::size_t next = at; at < end; at = next) {
        bool blank = true;
        for (next = at; next < end && (next == at || starts[next] == 0); ++next) {
            blank = blank && isBlankShown(shown[next]);
        }
        if (!blank) {
            letters.push_back(at);
        }
    }
    const std::size_t bands = std::min(letters.size(), colors.size());
    for (std::size_t k = 0; k < letters.size(); ++k) {
        const std::size_t base = letters.size() / bands;
        const std::size_t longer = letters.size() % bands;
        const std::size_t band =
            k < longer * (base + 1) ? k / (base + 1) : longer + (k - longer * (base + 1)) / base;
        if (cells[letters[k]].color != colorOf(colors[band])) {
            return "letter " + std::to_string(k + 1) + " of " + std::to_string(letters.size()) +
                   " is not in its band's colour";
        }
    }
    return {};
}

// What every tool keeps, given the name, the selection [from, to) and its
// edit; `colors`, those it paints the range's letters in (none for tidy).
// Says what it broke, or nothing.
inline std::string toolBreaks(std::u16string_view name, std::size_t from, std::size_t to,
                              const std::optional<NameEdit> &edit, std::span<const int> colors)
{
    if (!edit) {
        // It acts whenever a letter is not yet in its colour.
        const std::string broken =
            colors.empty() ? "" : bandsBroken(name, from, to, referencePreview(name), colors);
        return broken.empty() ? broken : "nothing done, yet " + broken;
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
    const std::vector<std::uint8_t> starts = letterStarts(textOf(now), Codes::Shown);
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (i < shownFrom || i >= shownTo) {
            if (lookNow[i] != lookWas[i]) {
                return "the look outside the range changed";
            }
            continue;
        }
        // A tool that colours letters leaves them whole; tidy splits none that was whole.
        if (starts[i] == 0 && now[i].color != now[i - 1].color &&
            (!colors.empty() || was[i].color == was[i - 1].color)) {
            return "a letter split by a code";
        }
    }
    if (const std::string broken = colors.empty() ? "" : bandsBroken(name, from, to, now, colors);
        !broken.empty()) {
        return broken;
    }
    if (wastesACode(after, edit->from, edit->from + edit->text.size())) {
        return "a code in the range changes nothing";
    }
    return {};
}

} // namespace hueprev::testing
