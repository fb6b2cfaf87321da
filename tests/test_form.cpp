// The window's behaviour, written once for every front-end, driven here
// through fakes of the text box and the preview box.
#include "preview/shareformats.h"
#include "tests/fakes.h"
#include "tests/recordingsink.h"
#include "window/form.h"
#include "window/menus.h"
#include "window/namelink.h"
#include "window/speech.h"
#include "window/tools.h"

#include <gtest/gtest.h>

#include <limits>

#include <optional>

namespace hueprev::testing {
namespace {

// What the player sees in the input: the name and its selection.
struct Shown
{
    std::u16string text;
    int start, length;
    bool operator==(const Shown &) const = default;
};
std::ostream &operator<<(std::ostream &out, const Shown &shown)
{
    return out << printable(shown.text) << " [" << shown.start << ", +" << shown.length << "]";
}
Shown shown(const FakeTextBox &box)
{
    return {box.value, box.start, box.selected};
}

// A form on fakes, the input holding `text` with a selection the player made.
struct Window
{
    FakeTextBox txtIn;
    FakePreviewBox txtOut;
    FakeTimer timer;
    FakeTimer notice;
    FakeClipboard clipboard;
    FakeStatusLine status;
    FakeDialogs dialogs;
    Form form{txtIn, txtOut, {timer, notice, clipboard, status, dialogs}};

    Window(std::u16string_view text, int start, int length) { txtIn.select(text, start, length); }
    // The focus went to a button, and the control let its selection go, as QLineEdit does.
    void focusToAButton()
    {
        form.txtIn_LostFocus();
        txtIn.select(txtIn.value, txtIn.caret(), 0);
    }
};

TEST(Form, ColourButtonWritesItsCodeOverTheSelection)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        int start, length, index;
        bool focusLeft; // the button was reached by Tab, with this selection in the input
        std::u16string after;
    };
    const Case cases[] = {
        {"into_empty", u"", 0, 0, 1, false, u"^1"},
        {"at_the_caret", u"ab", 1, 0, 4, false, u"a^4b"},
        {"at_the_end", u"ab", 2, 0, 0, false, u"ab^0"},
        {"over_the_selection", u"abcd", 1, 2, 9, false, u"a^9d"},
        {"after_a_code", u"^1", 2, 0, 1, false, u"^1^1"},
        // The control may have let its selection go with the focus: it is put back first.
        {"kept_over_a_tab", u"abcd", 1, 2, 5, true, u"a^5d"},
        {"caret_over_a_tab", u"abcd", 3, 0, 2, true, u"abc^2d"},
    };
    for (const Case &c : cases) {
        Window w(c.text, c.start, c.length);
        if (c.focusLeft) {
            w.focusToAButton();
        }
        w.form.cmdAddColor_Click(c.index);
        EXPECT_EQ(shown(w.txtIn), (Shown{c.after, c.start + 2, 0})) << c.name << ": the caret after the code";
        EXPECT_TRUE(w.txtIn.focused) << c.name;
        w.txtIn.undo();
        EXPECT_EQ(shown(w.txtIn), (Shown{c.text, c.start, c.length})) << c.name << ": undone";
        EXPECT_TRUE(w.txtIn.history.empty()) << c.name << ": one step";
    }
}

TEST(Form, OnlyASelectionThePlayerMadeIsWrittenOver)
{
    // The focus leaves "abcd" with "bc" selected and comes back with what the
    // platform selected then; button 1 is pressed after.
    struct Case
    {
        const char *name;
        FocusArrival how;
        int start, length; // the selection as the focus arrives
        std::u16string after;
    };
    const Case cases[] = {
        // Tabbing in selects everything on every platform.
        {"tab_selected_all", FocusArrival::TabKey, 0, 4, u"abcd^1"},
        {"tab_to_the_same", FocusArrival::TabKey, 1, 2, u"abc^1d"},
        // A click puts the caret where it likes; what is selected then is the player's.
        {"pointer", FocusArrival::PointerPress, 0, 4, u"^1"},
        {"program", FocusArrival::Program, 0, 4, u"^1"},
        // The window comes back as it was left, or a browser tabbed in unseen.
        {"window_back", FocusArrival::WindowActivation, 1, 2, u"a^1d"},
        {"unseen_tab", FocusArrival::WindowActivation, 0, 4, u"abcd^1"},
    };
    for (const Case &c : cases) {
        Window w(u"abcd", 1, 2);
        w.form.txtIn_LostFocus();
        w.txtIn.select(u"abcd", c.start, c.length);
        w.form.txtIn_GotFocus(c.how);
        w.form.txtIn_LostFocus();
        w.form.cmdAddColor_Click(1);
        EXPECT_EQ(w.txtIn.value, c.after) << c.name;
    }
    // Nothing was left before: a first focus with a selection is the platform's.
    Window first(u"abc", 0, 3);
    first.form.txtIn_GotFocus(FocusArrival::WindowActivation);
    EXPECT_EQ(first.txtIn.caret(), 3);
    EXPECT_EQ(first.txtIn.selLength(), 0);

    // A change after the focus left (the program's own) leaves nothing kept.
    Window changed(u"abc", 1, 1);
    changed.form.txtIn_LostFocus();
    changed.form.txtIn_Change();
    changed.txtIn.select(u"abc", 3, 0);
    changed.form.cmdAddColor_Click(3);
    EXPECT_EQ(changed.txtIn.value, u"abc^3");
}

TEST(Form, EnterSelectsTheWholeNameAndIsConsumed)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        char16_t key;
        bool consumed;
    };
    const Case cases[] = {
        {"enter", u"^1Name", u'\r', true},
        {"enter_on_empty", u"", u'\r', true},
        {"line_feed_is_not_enter", u"ab", u'\n', false},
        {"letter", u"ab", u'x', false},
        {"caret", u"ab", u'^', false},
    };
    for (const Case &c : cases) {
        Window w(c.text, 0, 0);
        char16_t key = c.key;
        w.form.txtIn_KeyPress(key);
        EXPECT_EQ(key, c.consumed ? 0 : c.key) << c.name;
        const int all = static_cast<int>(c.text.size());
        EXPECT_EQ(shown(w.txtIn), (Shown{c.text, 0, c.consumed ? all : 0})) << c.name;
        EXPECT_TRUE(w.txtIn.history.empty()) << c.name << ": the name is not edited";
    }
}

TEST(Form, PasteAndDropJoinTheLinesAsOneEdit)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        int start, length;
        std::optional<std::u16string> clip; // none: no text on the clipboard
        std::u16string after;
        int edits; // one undo step, or none at all, which keeps the undo before it
    };
    const Case cases[] = {
        {"plain", u"ab", 1, 0, u"xy", u"axyb", 1},
        {"over_the_selection", u"abcd", 1, 2, u"x", u"axd", 1},
        {"lines_joined", u"", 0, 0, u"one\r\ntwo\u2028three\n", u"one two three ", 1},
        {"markup_as_typed", u"", 0, 0, u"<b>^1</b>", u"<b>^1</b>", 1},
        {"no_text", u"abc", 1, 1, std::nullopt, u"abc", 0},
        {"empty_over_nothing", u"abc", 3, 0, u"", u"abc", 0},
        {"empty_over_the_selection", u"abc", 0, 2, u"", u"c", 1},
    };
    for (const Case &c : cases) {
        Window w(c.text, c.start, c.length);
        w.form.txtIn_Paste(c.clip ? std::optional<std::u16string_view>(*c.clip) : std::nullopt);
        EXPECT_EQ(w.txtIn.value, c.after) << c.name;
        EXPECT_EQ(w.txtIn.history.size(), static_cast<std::size_t>(c.edits)) << c.name;
    }

    // A drop lands where it was dropped, joined as a paste is, and takes the focus.
    Window dropped(u"abcd", 0, 4);
    dropped.form.txtIn_Drop(u"x\ny", 2);
    EXPECT_EQ(shown(dropped.txtIn), (Shown{u"abx ycd", 5, 0}));
    EXPECT_TRUE(dropped.txtIn.focused);
    dropped.form.txtIn_Drop(u"", 0);
    EXPECT_EQ(dropped.txtIn.value, u"abx ycd");
}

// The index of the tool offered under this label.
std::size_t toolIndex(const std::string &label)
{
    for (const tools::Entry &entry : tools::entries(tools::Surface::Page)) {
        if (entry.label == label) {
            return entry.tool;
        }
    }
    return std::numeric_limits<std::size_t>::max();
}

TEST(Form, NameToolsActAsOneEditOnTheSelectionThePlayerMade)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        int start, length;
        bool focusLeft; // reached from the page's button, the selection kept
        std::size_t tool;
        Shown after;
        Shown undone; // what undo gives back: the name, with the range the tool took selected
    };
    const Case cases[] = {
        {"fire_on_the_whole_name",
         u"Nickname",
         8,
         0,
         false,
         toolIndex("Fire"),
         {u"^1Nic^3kna^7me", 14, 0},
         {u"Nickname", 0, 8}},
        {"steel_on_the_selection_stays_selected",
         u"abcd",
         1,
         2,
         false,
         toolIndex("Steel"),
         {u"a^9b^7cd", 1, 6},
         {u"abcd", 1, 2}},
        {"kept_over_a_button",
         u"^1ab^2cd",
         4,
         4,
         true,
         toolIndex("Remove colours"),
         {u"^1ab^7cd", 4, 4},
         {u"^1ab^2cd", 4, 4}},
        {"one_colour", u"ab cd", 3, 2, false, toolIndex("Green"), {u"ab ^2cd", 3, 4}, {u"ab cd", 3, 2}},
        {"widened_to_its_codes",
         u"a^1bc",
         3,
         2,
         false,
         toolIndex("Green"),
         {u"a^2bc", 1, 4},
         {u"a^1bc", 1, 4}},
        {"tidy_takes_the_whole_name",
         u"^7a^1^2b",
         0,
         0,
         false,
         toolIndex("Remove unneeded codes"),
         {u"a^2b", 4, 0},
         {u"^7a^1^2b", 0, 8}},
    };
    for (const Case &c : cases) {
        Window w(c.text, c.start, c.length);
        w.form.txtIn_Change();
        if (c.focusLeft) {
            w.focusToAButton();
        }
        w.form.mnuTool_Click(c.tool);
        EXPECT_EQ(shown(w.txtIn), c.after) << c.name;
        EXPECT_TRUE(w.txtIn.focused) << c.name;
        w.txtIn.undo();
        EXPECT_EQ(shown(w.txtIn), c.undone) << c.name;
        EXPECT_TRUE(w.txtIn.history.empty()) << c.name << ": one step";
    }
    // Nothing to do, nothing to copy, no such tool: the name and its selection stay, and no step is made.
    const std::pair<std::u16string, std::size_t> idle[] = {{u"ab", toolIndex("Remove unneeded codes")},
                                                           {u"", toolIndex("Copy the name")},
                                                           {u"ab", toolIndex("Copy link")},
                                                           {u"ab", 1000},
                                                           {u"ab", toolIndex("Colour the letters")}};
    for (const auto &[text, tool] : idle) {
        Window w(text, 0, static_cast<int>(text.size()));
        w.form.txtIn_Change();
        w.form.mnuTool_Click(tool);
        EXPECT_EQ(shown(w.txtIn), (Shown{text, 0, static_cast<int>(text.size())})) << tool;
        EXPECT_TRUE(w.txtIn.history.empty()) << tool;
        EXPECT_EQ(w.clipboard.text, u"") << tool;
        EXPECT_TRUE(w.status.announced.empty()) << tool;
    }
    Window copied(u"^1N\u00e9 x", 0, 1);
    copied.form.txtIn_Change();
    copied.form.mnuTool_Click(toolIndex("Copy the name"));
    EXPECT_EQ(copied.clipboard.text, u"^1N\u00e9 x") << "the whole name, whatever is selected";
    EXPECT_EQ(shown(copied.txtIn), (Shown{u"^1N\u00e9 x", 0, 1}));
    EXPECT_TRUE(copied.txtIn.focused);
    copied.form.mnuTool_Click(toolIndex("Copy link"));
    EXPECT_EQ(copied.clipboard.text, u"^1N\u00e9 x") << "no link on the desktop";
    copied.form.setLinkBase(u"https://example.org/hueprev.html");
    copied.form.mnuTool_Click(toolIndex("Copy link"));
    EXPECT_EQ(copied.clipboard.text, u"https://example.org/hueprev.html#%5E1N%C3%A9%20x");
    // A link brings its name: on opening as a paste, changed in an open page over the whole name.
    Window linked(u"old", 3, 0);
    linked.form.txtIn_Link(u"%5E1a%0Ab", false);
    EXPECT_EQ(shown(linked.txtIn), (Shown{u"^1a b", 5, 0}));
    linked.txtIn.undo();
    EXPECT_EQ(shown(linked.txtIn), (Shown{u"old", 0, 3})) << "one step, over the whole name";
    linked.form.txtIn_Link(u"%5E1a%0Ab", false);
    linked.form.txtIn_Link(u"abc%", false);
    linked.form.txtIn_Link(u"\u00e9", false);
    linked.form.txtIn_Link(std::u16string(kLinkNameLimit + 1, u'x'), false);
    linked.form.txtIn_Link(u"", false);
    EXPECT_EQ(linked.txtIn.value, u"^1a b") << "a link that holds no name keeps the one there";
    EXPECT_EQ(linked.status.announced,
              (std::vector<std::u16string>{u"This link holds no name that can be read.",
                                           u"This link holds no name that can be read.",
                                           u"This link's name is longer than 10000 characters."}));
    // Copy as: the whole name in a format, said with the format's name.
    copied.form.mnuTool_Click(toolIndex("Discord"));
    EXPECT_EQ(copied.clipboard.text, discordCopy(u"^1N\u00e9 x"));
    copied.form.mnuTool_Click(toolIndex("HTML"));
    EXPECT_EQ(copied.clipboard.html, htmlCopy(u"^1N\u00e9 x"));
    EXPECT_EQ(copied.clipboard.text, copied.clipboard.html) << "its source, as text";
    copied.clipboard.done = {false, true};
    copied.form.mnuTool_Click(toolIndex("Picture"));
    ASSERT_EQ(copied.clipboard.picture.letters.size(), 4U) << "whole letters";
    EXPECT_EQ(copied.clipboard.picture.letters[1].text, u"\u00e9");
    EXPECT_EQ(copied.clipboard.picture.letters[1].color, colorOf(1));
    Window longer(std::u16string(2'000, u'a'), 0, 0);
    longer.form.txtIn_Change();
    longer.form.mnuTool_Click(toolIndex("Discord"));
    EXPECT_EQ(
        longer.status.announced,
        (std::vector<std::u16string>{u"Copied for Discord, longer than the 2000 characters of a message"}));
    EXPECT_EQ(std::vector<std::u16string>(copied.status.announced.end() - 3, copied.status.announced.end()),
              (std::vector<std::u16string>{u"Copied for Discord", u"Copied as HTML",
                                           u"Copied as a picture, cut at 8192 pixels"}));
    copied.status.announced.resize(copied.status.announced.size() - 3);
    // A copy says so in the count's place for a moment, then the count is back.
    EXPECT_EQ(copied.status.announced, (std::vector<std::u16string>{u"Copied", u"Copied"}));
    EXPECT_EQ(copied.notice.delay, kNoticeMilliseconds);
    EXPECT_TRUE(copied.notice.elapse());
    EXPECT_EQ(copied.status.shown, u"Characters: 6, shown: 4");
    // How long the name is, with every change; a screen reader is told once the input settles.
    copied.form.txtIn_Change();
    EXPECT_EQ(copied.status.shown, u"Characters: 6, shown: 4");
    EXPECT_EQ(copied.txtIn.count, u"Characters: 6, shown: 4");
    EXPECT_EQ(copied.txtIn.described, u"");
    EXPECT_TRUE(copied.timer.elapse());
    EXPECT_TRUE(copied.txtIn.described.ends_with(u" Characters: 6, shown: 4."))
        << printable(copied.txtIn.described);
}

TEST(Form, ToolsAreOfferedExactlyWhenTheyWouldDoSomething)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        int start, length;
        std::string tool;
        bool enabled;
    };
    const Case cases[] = {
        {"tidy_name", u"^1ab", 4, 0, "Remove unneeded codes", false},
        {"untidy_name", u"^1ab^1", 6, 0, "Remove unneeded codes", true},
        {"nothing_to_copy", u"", 0, 0, "Copy the name", false},
        {"nothing_to_colour", u"", 0, 0, "Rainbow", false},
        {"already_white", u"ab", 2, 0, "Remove colours", false},
        {"a_red_selection", u"^1ab", 2, 1, "Remove colours", true},
        {"already_green", u"^2ab", 4, 0, "Green", false},
        {"green_on_a_selection", u"^2ab", 2, 1, "Red", true},
        {"no_address_to_share", u"ab", 2, 0, "Copy link", false},
    };
    for (const Case &c : cases) {
        Window w(c.text, c.start, c.length);
        w.form.txtIn_Change();
        EXPECT_TRUE(w.timer.elapse()) << c.name;
        const std::size_t index = toolIndex(c.tool);
        EXPECT_EQ(w.form.toolEnabled(index), c.enabled) << c.name;
        ASSERT_LT(index, w.status.enabled.size()) << c.name;
        EXPECT_EQ(w.status.enabled[index], c.enabled)
            << c.name << ": the page is told once the input settles";
    }
}

// The entry of a menu that carries this command.
const menus::Entry *entryOf(const std::vector<menus::Entry> &entries, menus::Command command)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const menus::Entry &entry) { return entry.command == command; });
    return found == entries.end() ? nullptr : &*found;
}

TEST(Form, MenusOfferEachItemAsItWouldActAndHandBackTheEditItems)
{
    using menus::Command;
    struct Case
    {
        const char *name;
        menus::EditState state;
        Command command;
        bool linux, windows; // offered there; an item Windows lacks is false
    };
    const Case cases[] = {
        {"undo", {.canUndo = true}, Command::Undo, true, true},
        {"nothing_to_undo", {}, Command::Undo, false, false},
        {"redo_only_where_there_is_one", {.canRedo = true}, Command::Redo, true, false},
        {"cut_a_selection", {.selection = true}, Command::Cut, true, true},
        {"no_selection_to_copy", {}, Command::Copy, false, false},
        {"delete_a_selection", {.selection = true}, Command::Delete, true, true},
        {"paste_text", {.clipboardText = true}, Command::Paste, true, true},
        {"select_all", {.allSelected = false}, Command::SelectAll, true, true},
        {"all_selected_already", {.allSelected = true}, Command::SelectAll, false, false},
    };
    Window w(u"^1ab", 0, 0);
    w.form.txtIn_Change();
    for (const Case &c : cases) {
        for (const auto &[platform, offered] :
             {std::pair{menus::Platform::Linux, c.linux}, std::pair{menus::Platform::Windows, c.windows}}) {
            for (const menus::Menu which : {menus::Menu::Edit, menus::Menu::Context}) {
                const auto entries = w.form.menu(which, platform, c.state);
                const menus::Entry *entry = entryOf(entries, c.command);
                EXPECT_EQ(entry != nullptr && entry->enabled, offered) << c.name;
            }
        }
    }
    EXPECT_EQ(entryOf(w.form.menu(menus::Menu::Edit, menus::Platform::Windows), Command::Redo), nullptr);
    // The colours' submenu is greyed exactly when every tool in it is.
    const auto submenu = [](Window &window) {
        const auto entries = window.form.menu(menus::Menu::Name, menus::Platform::Linux);
        return std::find_if(entries.begin(), entries.end(),
                            [](const menus::Entry &entry) { return entry.kind == tools::Kind::Submenu; })
            ->enabled;
    };
    Window empty(u"", 0, 0);
    empty.form.txtIn_Change();
    EXPECT_FALSE(submenu(empty));
    EXPECT_TRUE(submenu(w));
    // An edit item is the front-end's to carry out; a tool is the form's.
    EXPECT_EQ(w.form.mnu_Click(Command::Undo), Command::Undo);
    EXPECT_EQ(w.txtIn.value, u"^1ab");
    EXPECT_EQ(w.form.mnu_Click(menus::toolCommand(toolIndex("Remove colours"))), std::nullopt);
    EXPECT_EQ(w.txtIn.value, u"ab");
    // The page's strip: its rows as even as they can be, five at the most.
    std::vector<std::size_t> rows;
    for (const menus::Entry &entry : w.form.menu(menus::Menu::Strip, menus::Platform::Page)) {
        if (entry.kind == tools::Kind::Separator) {
            rows.push_back(entry.columns);
        }
    }
    EXPECT_EQ(rows, (std::vector<std::size_t>{2, 4, 2, 4, 5, 5, 1}));
}

TEST(Form, AnyColoursFadesTheSelectionAsOneStepWhenOkIsPressed)
{
    const std::size_t anyColours = toolIndex("Any colours…");
    Window w(u"Tarnvale", 0, 8);
    w.form.txtIn_Change();
    EXPECT_TRUE(w.form.toolEnabled(anyColours));
    w.form.mnuTool_Click(anyColours);
    ASSERT_NE(w.dialogs.open, nullptr);
    // It first opens with red and blue.
    EXPECT_EQ(w.dialogs.rows, 2U);
    EXPECT_EQ(w.dialogs.texts[0], u"#ff0000");
    EXPECT_EQ(w.dialogs.states[1].alone, u"alone: ^4 blue");
    ColorDialog &dialog = *w.dialogs.open;
    dialog.rowEdited(0, u" #FF8800 ");
    dialog.rowEdited(1, u"8800f");
    EXPECT_FALSE(w.dialogs.ok);
    EXPECT_NE(w.dialogs.states[1].error, u"") << "said beside the field";
    dialog.rowEdited(1, u"8800ff");
    EXPECT_TRUE(w.dialogs.ok);
    EXPECT_EQ(w.dialogs.states[1].error, u"");
    // The dialog's preview shows the letters as they will look; the name is not changed yet.
    EXPECT_EQ(w.dialogs.shown.cells.size(), 8U);
    EXPECT_EQ(w.dialogs.shown.cells.front().color, colorOf(1));
    EXPECT_EQ(w.txtIn.value, u"Tarnvale");
    dialog.limitEdited(u"9");
    EXPECT_FALSE(w.dialogs.ok) << "no room for a code";
    EXPECT_NE(w.dialogs.limitError, u"");
    dialog.limitEdited(u"12");
    EXPECT_TRUE(w.dialogs.ok);
    EXPECT_EQ(w.dialogs.count.substr(0, 14), u"Characters: 12");
    w.form.dlgColors_Close(true);
    EXPECT_LE(w.txtIn.value.size(), 12U);
    EXPECT_EQ(w.txtIn.value.substr(0, 2), u"^1");
    EXPECT_EQ(shown(w.txtIn), (Shown{w.txtIn.value, 0, static_cast<int>(w.txtIn.value.size())}));
    EXPECT_TRUE(w.txtIn.focused);
    w.txtIn.undo();
    EXPECT_EQ(shown(w.txtIn), (Shown{u"Tarnvale", 0, 8}));

    // It opens again with what OK was given; Cancel leaves the name and its selection.
    w.form.txtIn_Change();
    w.txtIn.select(u"Tarnvale", 2, 3);
    w.form.mnuTool_Click(anyColours);
    ASSERT_NE(w.dialogs.open, nullptr);
    EXPECT_EQ(w.dialogs.texts[0], u" #FF8800 ");
    EXPECT_EQ(w.dialogs.limit, u"12");
    w.form.dlgColors_Close(false);
    EXPECT_EQ(shown(w.txtIn), (Shown{u"Tarnvale", 2, 3}));
    EXPECT_TRUE(w.txtIn.history.empty());
    // A name changed under it closes it as Cancel.
    w.form.mnuTool_Click(anyColours);
    w.txtIn.select(u"other", 5, 0);
    w.form.txtIn_Change();
    EXPECT_EQ(w.dialogs.closed, 1);
    w.form.dlgColors_Close(true);
    EXPECT_EQ(w.txtIn.value, u"other");
    // Greyed where the range holds no letter that shows.
    Window blank(u"^1  ", 0, 0);
    blank.form.txtIn_Change();
    EXPECT_FALSE(blank.form.toolEnabled(anyColours));
}

TEST(ColorDialog, ReadsTheColoursPlayersType)
{
    const std::pair<std::u16string, std::optional<ColorValue>> cases[] = {
        {u"#ff8800", colorValue(255, 136, 0)},
        {u"FF8800", colorValue(255, 136, 0)},
        {u"  #F80 ", colorValue(255, 136, 0)},
        {u"^3", colorOf(3)},
        {u"f80", std::nullopt},
        {u"#ff880", std::nullopt},
        {u"#gg0000", std::nullopt},
        {u"^a", std::nullopt},
        {u"", std::nullopt},
        {u"red", std::nullopt},
    };
    for (const auto &[text, color] : cases) {
        EXPECT_EQ(parseColor(text), color) << printable(text);
    }
}

TEST(Form, ChangeRebuildsThePreviewAroundTheCaret)
{
    Window w(u"^1Red^7White", 5, 0);
    w.form.txtIn_Change();
    EXPECT_EQ(w.txtOut.cells, referencePreview(w.txtIn.value));
    EXPECT_EQ(w.txtOut.runs, (std::vector<PreviewRun>{{colorOf(1), 3}, {colorOf(7), 5}}));
    EXPECT_EQ(w.txtOut.shown, (std::vector<std::size_t>{3})) << "the caret after \"Red\"";

    // The change has shown this caret already: nothing to do, not even a read
    // of the name. A move elsewhere only scrolls.
    const int reads = w.txtIn.reads;
    w.form.txtIn_CaretMove();
    EXPECT_EQ(w.txtIn.reads, reads);
    w.txtIn.select(w.txtIn.value, 1, 0);
    w.form.txtIn_CaretMove();
    w.txtIn.select(w.txtIn.value, 7, 5);
    w.txtIn.caretAtStart = true; // Shift+Home from the end
    w.form.txtIn_CaretMove();
    EXPECT_EQ(w.txtOut.rebuilds, 1);
    EXPECT_EQ(w.txtOut.shown, (std::vector<std::size_t>{3, 0, 3}));
    // Said once the input has been still, and again only when the words change.
    EXPECT_TRUE(w.txtOut.described.empty());
    EXPECT_EQ(w.timer.delay, kSpeechSettleMilliseconds);
    EXPECT_TRUE(w.timer.elapse());
    EXPECT_EQ(w.txtOut.described, (std::vector<std::u16string>{u"Red, red. White, white."}));
    w.txtIn.select(u"^1Red^7White!", 13, 0);
    w.form.txtIn_Change();
    w.txtIn.select(u"", 0, 0);
    w.form.txtIn_Change();
    EXPECT_TRUE(w.timer.elapse());
    EXPECT_FALSE(w.timer.elapse());
    EXPECT_EQ(w.txtOut.described.back(), u"The nickname as it will look in colour");
    EXPECT_EQ(w.txtOut.described.size(), 2U) << "the words in between were never said";
}

// The part of the reference preview from `from` to `to`.
std::vector<ColoredChar> shownPart(std::u16string_view text, std::size_t from, std::size_t to)
{
    const std::vector<ColoredChar> all = referencePreview(text);
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())),
            all.begin() + static_cast<std::ptrdiff_t>(std::min(to, all.size()))};
}

TEST(CaretPreview, LongNameHoldsTheSliceAroundTheCaret)
{
    std::u16string name;
    for (int i = 0; i < 5'000; ++i) {
        name += u"^3ab";
    }
    const std::size_t total = 10'000; // shown characters
    const int end = static_cast<int>(name.size());
    // The reach every box builds, and a larger one.
    for (const std::size_t reach : {PreviewSlice::kShownEachSide, std::size_t{4'000}}) {
        FakeTextBox input;
        input.select(name, end, 0);
        FakePreviewBox box;
        CaretPreview preview(box, reach);
        preview.textChanged(input);
        const std::size_t from = total - reach;
        EXPECT_EQ(box.cells, shownPart(name, from, total)) << reach;
        EXPECT_EQ(box.shown.back(), total - from) << reach;

        // Within the slice: scrolled, not rebuilt.
        input.select(name, end - 200, 0);
        preview.caretMoved(input);
        EXPECT_EQ(box.rebuilds, 1) << reach;
        EXPECT_EQ(box.shown.back(), total - 100 - from) << reach;

        // Home: the slice moves to the start.
        input.select(name, 0, 0);
        preview.caretMoved(input);
        EXPECT_EQ(box.rebuilds, 2) << reach;
        EXPECT_EQ(box.cells, shownPart(name, 0, reach)) << reach;
        EXPECT_EQ(box.shown.back(), 0U) << reach;
    }
}

} // namespace
} // namespace hueprev::testing
