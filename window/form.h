#pragma once

#include "window/colordialog.h"
#include "window/menus.h"
#include "window/previewbox.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hueprev {

class Clipboard;
class Dialogs;
class StatusLine;
class TextBox;
class Timer;

// What a front-end lends the form besides its two boxes: its timer twice
// (the settle delay, and how long a notice stays), its clipboard, and the
// place where the window says how long the name is.
struct Lent
{
    Timer &settle;
    Timer &notice;
    Clipboard &clipboard;
    StatusLine &status;
    Dialogs &dialogs;
};

// How long a notice ("Copied") stands in the count's place.
inline constexpr int kNoticeMilliseconds = 2'000;

// What brought the keyboard focus to the input, as the platform saw it.
enum class FocusArrival {
    TabKey,           // Tab or Shift+Tab, which select the whole text
    PointerPress,     // a click or tap, which places the caret itself
    WindowActivation, // the window came back, or no key or press was seen
    Program,          // the program's own, after a colour button
};

// The window's behaviour, written once: its event procedures and every rule
// of how the input and the preview answer the player. A front-end makes the
// controls, forwards their events here and fetches clipboard or dropped text;
// it decides nothing.
class Form
{
public:
    Form(TextBox &txtIn, PreviewBox &txtOut, const Lent &lent,
         std::size_t shownEachSide = PreviewSlice::kShownEachSide)
        : txtIn_(txtIn), timer_(lent.settle), notice_(lent.notice), clipboard_(lent.clipboard),
          status_(lent.status), dialogs_(lent.dialogs), preview_(txtOut, shownEachSide)
    {}

    // The window has been made: the input says how long the (empty) name is.
    void start();

    // The input's text changed, however: the preview is rebuilt.
    void txtIn_Change();
    // A character typed in the input; setting keyAscii to 0 cancels it.
    void txtIn_KeyPress(char16_t &keyAscii);
    // A colour button: its code over the selection, the focus back to the input.
    void cmdAddColor_Click(int index);

    // The input's caret or selection moved without a change of its text.
    void txtIn_CaretMove();
    void txtIn_GotFocus(FocusArrival how);
    // Before the control lets its selection go.
    void txtIn_LostFocus();
    // The clipboard's text, fetched by the front-end; none when it held no text.
    void txtIn_Paste(std::optional<std::u16string_view> clip);
    // Text dropped on the input at a position of its text.
    void txtIn_Drop(std::u16string_view text, int position);

    // A name tool, by its entry's index (tools::entries), on the selection the
    // player made or on the whole name, as one undo step; the focus back to the input.
    void mnuTool_Click(std::size_t index);
    // Whether that tool would do anything now: change the name, or copy one.
    bool toolEnabled(std::size_t index) const;
    // A menu as it is to be shown now, each entry enabled as it would act:
    // the edit items as the front-end finds its input (`edit`), the tools as
    // toolEnabled() finds them.
    std::vector<menus::Entry> menu(menus::Menu which, menus::Platform platform,
                                   const menus::EditState &edit = {}) const;
    // A menu's item was chosen: a tool is carried out here; an edit item or
    // About is handed back, for the front-end to carry out on its control.
    std::optional<menus::Command> mnu_Click(menus::Command command);
    // The colour dialog closed, with OK or not: OK rewrites the range as one
    // undo step, with the new text selected; otherwise the selection is as it was.
    void dlgColors_Close(bool ok);
    // The name a link brings, in the fragment of the page's address as the
    // browser holds it: on opening as a paste; a link changed in an open page
    // replaces the name, as one undo step.
    void txtIn_Link(std::u16string_view fragment, bool opening);
    // Where the page lives, for "Copy link"; none on the desktop.
    void setLinkBase(std::u16string base) { linkBase_ = std::move(base); }

    const CaretPreview &preview() const { return preview_; }

private:
    struct Selection
    {
        int start;
        int length;
        bool operator==(const Selection &) const = default;
    };

    Selection selection() const;
    // What a tool acts on: the selection, or the whole name when nothing is selected.
    static NameRange rangeOf(Selection on, std::size_t length);
    // Copies the name, or the link to it, and says so.
    void copy(tools::Action action, const std::u16string &name);
    // Copies the whole name in a format for the places players show it, and says so.
    void copyAs(tools::ShareFormat kind, const std::u16string &name);
    // What a tool would make of the name, on the selection the player made.
    std::optional<NameEdit> toolEdit(const tools::Tool &tool, std::u16string_view name, Selection on) const;
    Selection playersSelection() const { return kept_ ? *kept_ : selection(); }
    // The selection the player left, put back when the focus went to a button.
    void restoreKept();
    // How long the name is, in the input at once; what a screen reader is
    // told of it and of the preview once the input has settled.
    void showCount();
    void settle();
    std::u16string inputDescription() const;

    // Closes the colour dialog as Cancel, unasked.
    void closeColors();
    // Rewrites the range of the selection `on` as a tool's edit.
    void applyEdit(const NameEdit &edit, Selection on);

    TextBox &txtIn_;
    Timer &timer_;
    Timer &notice_;
    Clipboard &clipboard_;
    StatusLine &status_;
    Dialogs &dialogs_;
    CaretPreview preview_;
    std::u16string linkBase_;
    bool countUnsaid_ = false;
    bool toolsUnsaid_ = true; // the tools' states since the name or selection changed
    // The selection the player left in the input when the focus went to a
    // button, which the button still writes over.
    std::optional<Selection> kept_;
    // The selection the input had when the focus left it, until the text changes.
    std::optional<Selection> left_;
    // The colour dialog while it is open, on this selection; what it was left with at OK.
    std::unique_ptr<ColorDialog> colors_;
    Selection colorsOn_{0, 0};
    ColorChoice lastColors_;
};

} // namespace hueprev
