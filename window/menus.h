#pragma once

#include "window/tools.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Every menu as the player sees it, assembled once: the input's own edit
// items, the name tools, the menu bar's three menus, the context menu, and
// the page's strip. A front-end makes a widget of each entry through a
// Builder and carries out the command an item hands back.
namespace hueprev::menus {

// Whose menus: the edit items and their shortcuts differ by platform.
enum class Platform {
    Linux,   // Qt's line edit: undo and redo
    Windows, // the EDIT control: one level of undo, no redo
    Page,    // the page's strip: the tools alone
};

enum class EditCommand { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };

// What the input can do now, as its front-end finds it when a menu opens.
struct EditState
{
    bool canUndo = false;
    bool canRedo = false;
    bool selection = false;     // some text is selected
    bool clipboardText = false; // the clipboard holds text to paste
    bool allSelected = true;    // the whole name is selected, or there is none
};

// An item's command, one number a front-end can carry as an item's id.
enum class Command : unsigned {
    None = 0,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    About,
    FirstTool = 0x100, // a name tool: this plus its index
};
Command toolCommand(std::size_t tool);
// The tool a command stands for; none for an edit command or About.
std::optional<std::size_t> toolOf(Command command);
std::optional<EditCommand> editOf(Command command);

struct Entry
{
    tools::Kind kind;
    Command command = Command::None; // an Item's
    std::string label;               // on the desktop with "&" before its access key
    std::string shortcut;            // an item's keys in the player's words ("Strg+Z"); empty for none
    bool enabled = true;             // an Item's or a Submenu's (any of its items enabled)
    // On the page, a Separator starts a row of buttons: how many stand in it.
    std::size_t columns = 0;
};

enum class Menu { Edit, Name, Help, Context, Strip };

// The desktop's menu bar: each title, with its access key, and its menu.
struct Title
{
    std::string label;
    Menu menu;
};
std::vector<Title> menuBar();
// The About box's title: the Help menu's item, without its access key.
std::string aboutTitle();

// A menu's entries in the order shown, each enabled as it would act now:
// the edit items by `edit`, the tools by `toolEnabled`. The page's strip
// has no edit items; its rows hold at most kMostInARow buttons, as evenly as
// they can, so that no button stands alone on a row where two could.
inline constexpr std::size_t kMostInARow = 5;
std::vector<Entry> assemble(Menu menu, Platform platform, const EditState &edit,
                            const std::function<bool(std::size_t)> &toolEnabled);

// What a front-end implements to make a menu of the entries.
class Builder
{
public:
    virtual ~Builder() = default;
    virtual void item(const Entry &entry) = 0;
    // The entries up to its end() fill this submenu (on the page a labelled group).
    virtual void submenu(const Entry &entry) = 0;
    virtual void end() = 0;
    virtual void separator(const Entry &entry) = 0;
};
void build(std::span<const Entry> entries, Builder &builder);

} // namespace hueprev::menus
