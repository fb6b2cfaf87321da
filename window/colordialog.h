#pragma once

#include "preview/fade.h"
#include "window/previewbox.h"
#include "window/textbox.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The dialog of Colour the letters > Any colours…: a fade between the
// player's own colours, described and decided once; a front-end builds its
// controls, forwards their events here and shows what it is told.
namespace hueprev {

// A colour as a player types it: "#rrggbb", "#rgb", "rrggbb" or a code
// ("^3"), in any case, spaces around it ignored; none if it is none of those.
std::optional<ColorValue> parseColor(std::u16string_view text);

// What the dialog was left with at OK, offered again the next time it
// opens while the program runs.
struct ColorChoice
{
    std::vector<std::u16string> colors{u"#ff0000", u"#0000ff"};
    bool longWay = false;
    std::u16string limit; // empty: no limit
};

// What a front-end shows of one colour's row.
struct ColorRow
{
    std::u16string alone; // what the colour gives alone: "alone: ^6 magenta"
    std::optional<ColorValue> swatch;
    std::u16string error; // why the text is no colour; empty when it is one
};

// The controls, as a front-end shows them; each call replaces what it showed.
class ColorDialogView
{
public:
    virtual ~ColorDialogView() = default;
    // The first `count` rows shown, the others hidden; Add and Remove offered as they may be.
    virtual void showRows(std::size_t count, bool canAdd, bool canRemove) = 0;
    // A row's text field, set by the dialog (never while the player types in it).
    virtual void setRowText(std::size_t row, std::u16string_view text) = 0;
    virtual void showRow(std::size_t row, const ColorRow &state) = 0;
    virtual void setLongWay(bool on) = 0;
    virtual void setLimit(std::u16string_view text) = 0;
    // Why the limit cannot be met, or read; empty when it can.
    virtual void showLimitError(std::u16string_view error) = 0;
    // OK, and how long the name will be.
    virtual void showResult(bool okEnabled, std::u16string_view count) = 0;
    // Where the range's letters are shown as they will look.
    virtual PreviewBox &preview() = 0;
};

// The dialog's words, in the player's language; labels carry "&" before
// their access keys, unique within the dialog.
struct ColorDialogWords
{
    std::string title;
    std::vector<std::string> rows;    // "Colour &1", …
    std::vector<std::string> removes; // "Remove colour 1", …, a row's Remove button
    std::string choose;               // "Choose…", each row's button, named for its row to a screen reader
    std::vector<std::string> chooseNames;
    std::string add;
    std::string longWay;
    std::string atMost;
    std::string characters;
    std::string ok;
    std::string cancel;
};
ColorDialogWords colorDialogWords();

class ColorDialog
{
public:
    static constexpr std::size_t kRows = kMostFadeColors;

    // On [from, to) of the name, as a tool takes it.
    ColorDialog(std::u16string name, std::size_t from, std::size_t to, ColorChoice start);

    // Shows everything, as the dialog opens.
    void show(ColorDialogView &view);

    // The player's edits: each checked, and the preview follows.
    void rowEdited(std::size_t row, std::u16string_view text);
    void rowChosen(std::size_t row, ColorValue color); // from the platform's colour dialog
    void addRow();
    void removeRow(std::size_t row);
    void longWayToggled(bool on);
    void limitEdited(std::u16string_view text);

    // The colour a row's Choose… starts from.
    ColorValue rowColor(std::size_t row) const;
    bool okEnabled() const { return ok_; }
    // What OK does: the edit (none when nothing changes) and what is kept for next time.
    const std::optional<NameEdit> &edit() const { return result_.edit; }
    const ColorChoice &choice() const { return choice_; }

private:
    void update();

    std::u16string name_;
    std::size_t from_, to_;
    ColorChoice choice_;
    ColorDialogView *view_ = nullptr;
    FadeResult result_{std::nullopt, false};
    bool ok_ = false;
};

} // namespace hueprev
