#include "window/menus.h"

#include "preview/translatable.h"
#include "window/language.h"

#include <algorithm>
#include <utility>

namespace hueprev::menus {

namespace {
using tools::Kind;

struct EditItem
{
    EditCommand command;
    const char *label;
    const char *key; // with Ctrl, unless alone
    bool withCtrl = true;
    bool withShift = false;
};

// TRANSLATORS: the input's own edit items, as the platform's own edit menus
// word them, with their access keys ("&"), unique among them; no name tool
// takes theirs.
constexpr EditItem kUndo{EditCommand::Undo, translatable("&Undo"), "Z"};
constexpr EditItem kRedo{EditCommand::Redo, translatable("&Redo"), "Z", true, true};
constexpr EditItem kCut{EditCommand::Cut, translatable("Cu&t"), "X"};
constexpr EditItem kCopy{EditCommand::Copy, translatable("&Copy"), "C"};
constexpr EditItem kPaste{EditCommand::Paste, translatable("&Paste"), "V"};
// TRANSLATORS: the Delete key as a menu names it.
constexpr EditItem kDelete{EditCommand::Delete, translatable("&Delete"), translatable("Del"), false};
constexpr EditItem kSelectAll{EditCommand::SelectAll, translatable("Select &All"), "A"};

// TRANSLATORS: the Help menu's one item; "&" marks its access key.
constexpr const char *kAbout = translatable("&About hueprev");

Entry line(std::size_t columns = 0)
{
    return {Kind::Separator, Command::None, {}, {}, true, columns};
}

Entry item(Command command, std::string label, std::string shortcut, bool enabled)
{
    return {Kind::Item, command, std::move(label), std::move(shortcut), enabled, 0};
}

Command commandOf(EditCommand edit)
{
    return static_cast<Command>(static_cast<unsigned>(Command::Undo) + static_cast<unsigned>(edit));
}

std::string shortcutOf(const EditItem &item)
{
    std::string keys;
    if (item.withCtrl) {
        // TRANSLATORS: the Ctrl key as a menu names it in a shortcut.
        keys += std::string(translate("Ctrl")) + "+";
    }
    if (item.withShift) {
        // TRANSLATORS: the Shift key as a menu names it in a shortcut.
        keys += std::string(translate("Shift")) + "+";
    }
    return keys + (item.withCtrl ? item.key : translate(item.key));
}

bool enabledBy(EditCommand command, const EditState &state)
{
    switch (command) {
    case EditCommand::Undo:
        return state.canUndo;
    case EditCommand::Redo:
        return state.canRedo;
    case EditCommand::Cut:
    case EditCommand::Copy:
    case EditCommand::Delete:
        return state.selection;
    case EditCommand::Paste:
        return state.clipboardText;
    case EditCommand::SelectAll:
        return !state.allSelected;
    }
    return false;
}

void addEditItems(std::vector<Entry> &out, Platform platform, const EditState &state)
{
    const auto add = [&](const EditItem &edit) {
        out.push_back(item(commandOf(edit.command), translate(edit.label), shortcutOf(edit),
                           enabledBy(edit.command, state)));
    };
    add(kUndo);
    if (platform == Platform::Linux) {
        add(kRedo); // the EDIT control's undo is one level, with no redo
    }
    out.push_back(line());
    add(kCut);
    add(kCopy);
    add(kPaste);
    add(kDelete);
    out.push_back(line());
    add(kSelectAll);
}

void addTools(std::vector<Entry> &out, tools::Surface surface,
              const std::function<bool(std::size_t)> &enabled)
{
    for (tools::Entry &entry : tools::entries(surface)) {
        const bool isItem = entry.kind == Kind::Item;
        out.push_back({entry.kind,
                       isItem ? toolCommand(entry.tool) : Command::None,
                       std::move(entry.label),
                       {},
                       isItem && enabled(entry.tool),
                       0});
    }
}

// A submenu is offered while any of its items is.
void enableSubmenus(std::vector<Entry> &entries)
{
    std::vector<std::size_t> open;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        Entry &entry = entries[at];
        if (entry.kind == Kind::Submenu) {
            entry.enabled = false;
            open.push_back(at);
        } else if (entry.kind == Kind::End && !open.empty()) {
            const bool any = entries[open.back()].enabled;
            open.pop_back();
            if (!open.empty()) {
                entries[open.back()].enabled = entries[open.back()].enabled || any;
            }
        } else if (entry.kind == Kind::Item && entry.enabled && !open.empty()) {
            entries[open.back()].enabled = true;
        }
    }
}

// The page's strip: each run of buttons between lines in rows of at most
// kMostInARow, as even as they can be, each row opened by a Separator.
std::vector<Entry> inRows(std::vector<Entry> entries)
{
    std::vector<Entry> out;
    for (std::size_t at = 0; at < entries.size();) {
        if (entries[at].kind != Kind::Item) {
            if (entries[at].kind != Kind::Separator) {
                out.push_back(std::move(entries[at]));
            }
            ++at;
            continue;
        }
        std::size_t run = at;
        while (run < entries.size() && entries[run].kind == Kind::Item) {
            ++run;
        }
        const std::size_t count = run - at;
        const std::size_t rows = (count + kMostInARow - 1) / kMostInARow;
        const std::size_t columns = (count + rows - 1) / rows;
        for (std::size_t i = 0; i < count; ++i) {
            if (i % columns == 0) {
                out.push_back(line(std::min(columns, count - i)));
            }
            out.push_back(std::move(entries[at + i]));
        }
        at = run;
    }
    return out;
}
} // namespace

Command toolCommand(std::size_t tool)
{
    return static_cast<Command>(static_cast<unsigned>(Command::FirstTool) + tool);
}

std::optional<std::size_t> toolOf(Command command)
{
    const auto value = static_cast<unsigned>(command);
    if (value < static_cast<unsigned>(Command::FirstTool)) {
        return std::nullopt;
    }
    return value - static_cast<unsigned>(Command::FirstTool);
}

std::optional<EditCommand> editOf(Command command)
{
    const auto value = static_cast<unsigned>(command);
    if (value < static_cast<unsigned>(Command::Undo) || value > static_cast<unsigned>(Command::SelectAll)) {
        return std::nullopt;
    }
    return static_cast<EditCommand>(value - static_cast<unsigned>(Command::Undo));
}

std::vector<Title> menuBar()
{
    // TRANSLATORS: the desktop's menu bar; "&" marks the access keys, unique in the bar.
    return {
        {translate("&Edit"), Menu::Edit}, {translate("&Name"), Menu::Name}, {translate("&Help"), Menu::Help}};
}

std::string aboutTitle()
{
    return tools::withoutAccessKey(translate(kAbout));
}

std::vector<Entry> assemble(Menu menu, Platform platform, const EditState &edit,
                            const std::function<bool(std::size_t)> &toolEnabled)
{
    std::vector<Entry> out;
    switch (menu) {
    case Menu::Edit:
        addEditItems(out, platform, edit);
        break;
    case Menu::Name:
        addTools(out, tools::Surface::Desktop, toolEnabled);
        break;
    case Menu::Help:
        out.push_back(item(Command::About, translate(kAbout), {}, true));
        break;
    case Menu::Context:
        addEditItems(out, platform, edit);
        out.push_back(line());
        addTools(out, tools::Surface::Desktop, toolEnabled);
        break;
    case Menu::Strip:
        addTools(out, tools::Surface::Page, toolEnabled);
        out = inRows(std::move(out));
        break;
    }
    enableSubmenus(out);
    return out;
}

void build(std::span<const Entry> entries, Builder &builder)
{
    for (const Entry &entry : entries) {
        switch (entry.kind) {
        case Kind::Item:
            builder.item(entry);
            break;
        case Kind::Submenu:
            builder.submenu(entry);
            break;
        case Kind::End:
            builder.end();
            break;
        case Kind::Separator:
            builder.separator(entry);
            break;
        }
    }
}

} // namespace hueprev::menus
