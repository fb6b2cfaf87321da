#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The name tools, described once. A front-end makes a widget of each entry
// in order: on the desktop menu items, on the page buttons and labelled groups.
namespace hueprev::tools {

enum class Action { CopyName, CopyAs, RemoveUnneededCodes, RemoveColors, ColorLetters, AnyColors, CopyLink };

// The places players show a name, for Copy as.
enum class ShareFormat { Discord, BBCode, Html, Picture };

struct Tool
{
    Action action;
    std::span<const int> colors; // for ColorLetters: a fade's colours, or one colour
    ShareFormat format;          // for CopyAs
};

// The tool an item's index stands for; none for an index that is no item.
std::optional<Tool> toolAt(std::size_t index);
// How many indices there are: every tool's is below it.
std::size_t count();

enum class Kind {
    Item,      // a tool: label, and the index the form takes
    Submenu,   // opens a submenu (on the page a labelled group) that the entries up to its End fill
    End,       // closes the last Submenu
    Separator, // a line between items (on the page a new row)
};

struct Entry
{
    Kind kind;
    std::size_t tool;  // an Item's index for Form::mnuTool_Click
    std::string label; // an Item's or a Submenu's words, in the player's language
};

enum class Surface { Desktop, Page };

// What a surface offers, in the order shown: the desktop has no address to
// share. A desktop label marks its access key with "&"; the page's have none.
std::vector<Entry> entries(Surface surface);

// A label as the page shows it: its access key's "&" gone ("&&" is "&").
std::string withoutAccessKey(std::string_view label);

// What the About box says: the name, the version, what it is for, its licence.
std::string aboutText(std::string_view version);

} // namespace hueprev::tools
