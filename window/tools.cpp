#include "window/tools.h"

#include "preview/colorcodes.h"
#include "preview/nametools.h"
#include "preview/translatable.h"
#include "window/language.h"

#include <array>
#include <stdexcept>

namespace hueprev::tools {

namespace {
// The colours one by one, as the row of buttons reads them.
constexpr std::array<int, kColorCount> kRowOrder{1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
constexpr std::array<int, kColorCount> kIndexes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<const char *, kColorCount> kColorWords{
    // TRANSLATORS: the colours as a menu offers them, each the colour of a button.
    translatable("Black"),     translatable("Red"),  translatable("Green"),   translatable("Yellow"),
    translatable("Blue"),      translatable("Cyan"), translatable("Magenta"), translatable("White"),
    translatable("Dark cyan"), translatable("Grey"),
};

struct Row
{
    Kind kind;
    Action action;
    const char *label;
    std::span<const int> colors;
    bool pageOnly = false; // only the page has an address to share
};

constexpr Row item(Action action, const char *label, bool pageOnly = false)
{
    return {Kind::Item, action, label, {}, pageOnly};
}

// Three items, the submenu with the fades, a line and the colours, its end, and the link.
using Rows = std::array<Row, 4 + kFades.size() + 1 + kColorCount + 2>;

Rows makeRows()
{
    Rows rows{};
    std::size_t at = 0;
    rows[at++] = item(Action::CopyName, translatable("Copy the name"));
    rows[at++] = item(Action::RemoveUnneededCodes, translatable("Remove unneeded codes"));
    rows[at++] = item(Action::RemoveColors, translatable("Remove colours"));
    rows[at++] = {Kind::Submenu, Action::ColorLetters, translatable("Colour the letters"), {}};
    for (const Fade fade : kFades) {
        rows[at++] = {Kind::Item, Action::ColorLetters, fadeName(fade), fadeColors(fade)};
    }
    rows[at++] = {Kind::Separator, Action::ColorLetters, nullptr, {}};
    for (const int index : kRowOrder) {
        rows[at++] = {Kind::Item, Action::ColorLetters, kColorWords[static_cast<std::size_t>(index)],
                      std::span<const int>(&kIndexes[static_cast<std::size_t>(index)], 1)};
    }
    rows[at++] = {Kind::End, Action::ColorLetters, nullptr, {}};
    rows[at++] = item(Action::CopyLink, translatable("Copy link"), true);
    if (at != rows.size()) {
        throw std::logic_error("the tools' table is not filled");
    }
    return rows;
}

const Rows &rows()
{
    static const Rows made = makeRows();
    return made;
}
} // namespace

std::optional<Tool> toolAt(std::size_t index)
{
    if (index >= rows().size() || rows()[index].kind != Kind::Item) {
        return std::nullopt;
    }
    return Tool{rows()[index].action, rows()[index].colors};
}

std::vector<Entry> entries(Surface surface)
{
    std::vector<Entry> out;
    for (std::size_t index = 0; index < rows().size(); ++index) {
        const Row &row = rows()[index];
        if (row.pageOnly && surface != Surface::Page) {
            continue;
        }
        out.push_back({row.kind, index, row.label != nullptr ? translate(row.label) : std::string()});
    }
    return out;
}

} // namespace hueprev::tools
