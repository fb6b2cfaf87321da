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
// TRANSLATORS: the colours as a menu offers them, each the colour of a button.
// "&" marks the access key, unique among the fades and the colours of this submenu.
constexpr std::array<const char *, kColorCount> kColorWords{
    translatable("B&lack"),     translatable("Re&d"),  translatable("&Green"),   translatable("&Yellow"),
    translatable("&Blue"),      translatable("&Cyan"), translatable("&Magenta"), translatable("&White"),
    translatable("D&ark cyan"), translatable("Gr&ey"),
};

struct Row
{
    Kind kind;
    Action action;
    const char *label;
    std::span<const int> colors;
    bool pageOnly = false; // only the page has an address to share
    ShareFormat format = ShareFormat::Discord;
};

constexpr Row item(Action action, const char *label, bool pageOnly = false)
{
    return {Kind::Item, action, label, {}, pageOnly};
}

// The copies and the submenu of Copy as, a line, two items, the submenu with
// the fades, a line and the colours, a line and Any colours…, and its end.
using Rows = std::array<Row, 2 + 6 + 1 + 2 + 1 + kFades.size() + 1 + kColorCount + 2 + 1>;

Rows makeRows()
{
    Rows rows{};
    std::size_t at = 0;
    // TRANSLATORS: the Name menu, also in the input's context menu; "&" marks
    // each item's access key, unique in the menu and apart from the edit items'.
    rows[at++] = item(Action::CopyName, translatable("Copy the &name"));
    // Only the page has an address to share.
    rows[at++] = item(Action::CopyLink, translatable("Copy link"), true);
    // TRANSLATORS: a submenu of copies for the places players show names; its items are names of formats.
    rows[at++] = {Kind::Submenu, Action::CopyAs, translatable("Cop&y as"), {}};
    rows[at++] = {Kind::Item, Action::CopyAs, translatable("&Discord"), {}, false, ShareFormat::Discord};
    rows[at++] = {Kind::Item, Action::CopyAs, translatable("&BBCode"), {}, false, ShareFormat::BBCode};
    rows[at++] = {Kind::Item, Action::CopyAs, translatable("&HTML"), {}, false, ShareFormat::Html};
    // TRANSLATORS: the name as an image.
    rows[at++] = {Kind::Item, Action::CopyAs, translatable("&Picture"), {}, false, ShareFormat::Picture};
    rows[at++] = {Kind::End, Action::CopyAs, nullptr, {}};
    rows[at++] = {Kind::Separator, Action::CopyName, nullptr, {}};
    rows[at++] = item(Action::RemoveUnneededCodes, translatable("Remove unneeded c&odes"));
    rows[at++] = item(Action::RemoveColors, translatable("Remove colour&s"));
    rows[at++] = {Kind::Submenu, Action::ColorLetters, translatable("Colour the &letters"), {}};
    for (const Fade fade : kFades) {
        rows[at++] = {Kind::Item, Action::ColorLetters, fadeName(fade), fadeColors(fade)};
    }
    rows[at++] = {Kind::Separator, Action::ColorLetters, nullptr, {}};
    for (const int index : kRowOrder) {
        rows[at++] = {Kind::Item, Action::ColorLetters, kColorWords[static_cast<std::size_t>(index)],
                      std::span<const int>(&kIndexes[static_cast<std::size_t>(index)], 1)};
    }
    rows[at++] = {Kind::Separator, Action::ColorLetters, nullptr, {}};
    // TRANSLATORS: opens a dialog for a fade between the player's own colours.
    rows[at++] = item(Action::AnyColors, translatable("A&ny colours…"));
    rows[at++] = {Kind::End, Action::ColorLetters, nullptr, {}};
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
    return Tool{rows()[index].action, rows()[index].colors, rows()[index].format};
}

std::size_t count()
{
    return rows().size();
}

std::vector<Entry> entries(Surface surface)
{
    std::vector<Entry> out;
    for (std::size_t index = 0; index < rows().size(); ++index) {
        const Row &row = rows()[index];
        if (row.pageOnly && surface != Surface::Page) {
            continue;
        }
        std::string label = row.label != nullptr ? translate(row.label) : std::string();
        out.push_back({row.kind, index, surface == Surface::Page ? withoutAccessKey(label) : label});
    }
    return out;
}

std::string withoutAccessKey(std::string_view label)
{
    std::string out;
    for (std::size_t at = 0; at < label.size(); ++at) {
        if (label[at] == '&' && at + 1 < label.size()) {
            ++at; // "&&" is a "&"
        }
        out += label[at];
    }
    return out;
}

std::string aboutText(std::string_view version)
{
    // TRANSLATORS: the About box: %1$s is the version, "1.00".
    return format("hueprev %1$s", {version}) + "\n\n" +
           translate(
               "Compose a nickname for Tarnvale with its colour codes, and see it in colour as you type.") +
           "\n\n" + translate("Free software under the MIT License.");
}

} // namespace hueprev::tools
