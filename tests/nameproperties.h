#pragma once

#include "preview/linebreaks.h"
#include "preview/nametools.h"
#include "tests/reference.h"

#include <optional>
#include <string>
#include <vector>

// What the name tools must keep, stated against the reference model; shared
// by the tests over generated names and by the fuzzer.
namespace hueprev::testing {

inline bool isBlankShown(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || isLineBreak(c);
}

// What a player sees of a name: each shown character in its colour; a blank shows none.
inline std::vector<ColoredChar> look(std::u16string_view name)
{
    std::vector<ColoredChar> cells = referencePreview(name);
    for (ColoredChar &cell : cells) {
        cell.color = isBlankShown(cell.ch) ? 0 : cell.color;
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

} // namespace hueprev::testing
