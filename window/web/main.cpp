// The web front-end: the window built from its facts on the page, and the
// page's events forwarded to the form.
#include "window/clipboard.h"
#include "window/colordialog.h"
#include "window/dialogs.h"
#include "window/facts.h"
#include "window/form.h"
#include "window/language.h"
#include "window/menus.h"
#include "window/statusline.h"
#include "window/timer.h"
#include "window/tools.h"
#include "window/web/dom.h"
#include "window/web/dominputbox.h"
#include "window/web/dompreviewbox.h"

#include <emscripten.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace hueprev::web {
namespace {

// The core's timers on the page's setTimeout, told apart by a number.
class PageTimer final : public Timer
{
public:
    explicit PageTimer(int id) : id_(id) {}

protected:
    void schedule(int milliseconds) override { hueprev_dom_timer_start(id_, milliseconds); }

private:
    int id_;
};

// The core's status line in the page's strip.
class PageStatusLine final : public StatusLine
{
public:
    void show(std::u16string_view words) override
    {
        hueprev_dom_status_show(words.data(), static_cast<int>(words.size()), 0);
    }
    void announce(std::u16string_view words) override
    {
        hueprev_dom_status_show(words.data(), static_cast<int>(words.size()), 1);
    }
    bool showsTools() const override { return true; }
    void enableTools(const std::vector<bool> &enabled) override
    {
        const std::vector<unsigned char> states(enabled.begin(), enabled.end());
        hueprev_dom_tools_enable(states.data(), static_cast<int>(states.size()));
    }
};

// The core's clipboard on the browser's.
class PageClipboard final : public Clipboard
{
public:
    void setText(std::u16string_view text) override
    {
        hueprev_dom_clipboard_write(text.data(), static_cast<int>(text.size()));
    }
    void setHtml(std::u16string_view text, std::u16string_view html) override
    {
        hueprev_dom_clipboard_html(text.data(), static_cast<int>(text.size()), html.data(),
                                   static_cast<int>(html.size()));
    }
    PictureDone setPicture(const Picture &picture) override
    {
        std::u16string text;
        std::vector<PreviewRun> letters;
        for (const Picture::Letter &letter : picture.letters) {
            text += letter.text;
            letters.push_back({letter.color, letter.text.size()});
        }
        const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
        const int done = hueprev_dom_clipboard_picture(
            text.data(), letters.data(), static_cast<int>(letters.size()), box.points,
            facts::pixels(box.height), facts::kPreviewBackground, Picture::kWidest);
        return {(done & 1) != 0, (done & 2) != 0};
    }
};

// The strip's buttons, groups and rows, as the core describes them.
class StripBuilder final : public menus::Builder
{
public:
    void item(const menus::Entry &entry) override
    {
        hueprev_dom_strip_button(static_cast<int>(menus::toolOf(entry.command).value_or(0)),
                                 entry.label.c_str());
    }
    void submenu(const menus::Entry &entry) override { hueprev_dom_strip_group(entry.label.c_str()); }
    void end() override { hueprev_dom_strip_group_end(); }
    void separator(const menus::Entry &entry) override
    {
        hueprev_dom_strip_row(static_cast<int>(entry.columns));
    }
};

// The colour dialog on the page: a modal <dialog> as the core describes it.
class PageDialogs final : public Dialogs, public ColorDialogView
{
public:
    ColorDialog *open = nullptr;

    void openColors(ColorDialog &model) override
    {
        open = &model;
        const ColorDialogWords words = colorDialogWords();
        const auto plain = [](const std::string &label) { return tools::withoutAccessKey(label); };
        hueprev_dom_colors_begin(words.title.c_str(), words.ok.c_str(), words.cancel.c_str());
        for (std::size_t row = 0; row < ColorDialog::kRows; ++row) {
            hueprev_dom_colors_row(plain(words.rows[row]).c_str(), words.choose.c_str(),
                                   words.chooseNames[row].c_str(), words.removes[row].c_str());
        }
        const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
        hueprev_dom_colors_end(plain(words.add).c_str(), plain(words.longWay).c_str(),
                               plain(words.atMost).c_str(), words.characters.c_str(),
                               facts::accessibleName(box).c_str(), facts::pixels(box.width),
                               facts::pixels(box.height), box.points, facts::kPreviewBackground);
        model.show(*this);
    }
    void closeColors() override
    {
        open = nullptr;
        hueprev_dom_colors_close();
    }

    void showRows(std::size_t count, bool canAdd, bool canRemove) override
    {
        hueprev_dom_colors_rows(static_cast<int>(count), canAdd ? 1 : 0, canRemove ? 1 : 0);
    }
    void setRowText(std::size_t row, std::u16string_view text) override
    {
        hueprev_dom_colors_row_text(static_cast<int>(row), text.data(), static_cast<int>(text.size()));
    }
    void showRow(std::size_t row, const ColorRow &state) override
    {
        hueprev_dom_colors_row_state(static_cast<int>(row), state.alone.data(),
                                     static_cast<int>(state.alone.size()), state.error.data(),
                                     static_cast<int>(state.error.size()),
                                     state.swatch ? static_cast<int>(*state.swatch) : -1,
                                     open != nullptr ? static_cast<int>(open->rowColor(row)) : 0);
    }
    void setLongWay(bool on) override { hueprev_dom_colors_long_way(on ? 1 : 0); }
    void setLimit(std::u16string_view text) override
    {
        hueprev_dom_colors_limit(text.data(), static_cast<int>(text.size()));
    }
    void showLimitError(std::u16string_view error) override
    {
        hueprev_dom_colors_limit_error(error.data(), static_cast<int>(error.size()));
    }
    void showResult(bool okEnabled, std::u16string_view count) override
    {
        hueprev_dom_colors_result(okEnabled ? 1 : 0, count.data(), static_cast<int>(count.size()));
    }
    PreviewBox &preview() override { return preview_; }

private:
    DomPreviewBox preview_{1};
};

struct FrmMain
{
    DomInputBox txtIn;
    DomPreviewBox txtOut;
    PageTimer timer{0};
    PageTimer notice{1};
    PageClipboard clipboard;
    PageStatusLine status;
    PageDialogs dialogs;
    Form form{txtIn, txtOut, {timer, notice, clipboard, status, dialogs}};
};

FrmMain &window()
{
    static FrmMain made;
    return made;
}

Form &form()
{
    return window().form;
}

// Text the page hands over, such as a paste.
std::u16string &handedOver()
{
    static std::u16string text;
    return text;
}

// The browser's languages, best first.
std::vector<std::string> browserLanguages()
{
    std::string joined(64, '\0');
    const auto needed =
        static_cast<std::size_t>(hueprev_dom_languages(joined.data(), static_cast<int>(joined.size())));
    if (needed >= joined.size()) {
        joined.assign(needed + 1, '\0');
        hueprev_dom_languages(joined.data(), static_cast<int>(joined.size()));
    }
    joined.resize(needed);
    std::vector<std::string> tags;
    for (std::size_t at = 0; at <= joined.size();) {
        const std::size_t comma = std::min(joined.find(',', at), joined.size());
        tags.push_back(joined.substr(at, comma - at));
        at = comma + 1;
    }
    return tags;
}

void open()
{
    using facts::pixels;
    const std::string language = chooseLanguage(browserLanguages());
    hueprev_dom_open(facts::kFormName, language.c_str(), facts::kCaption, pixels(facts::kClientWidth),
                     pixels(facts::kClientHeight), facts::kFontFace);
    for (const facts::Control &control : facts::kControls) {
        const std::string id = facts::objectName(control);
        const std::string name = facts::accessibleName(control);
        const std::string description = facts::accessibleDescription(control);
        const int left = pixels(control.left);
        const int top = pixels(control.top);
        const int width = pixels(control.width);
        const int height = pixels(control.height);
        switch (control.kind) {
        case facts::Kind::InputBox:
            hueprev_dom_add_input(id.c_str(), left, top, width, height, control.points, name.c_str(),
                                  description.c_str());
            break;
        case facts::Kind::PreviewBox:
            hueprev_dom_add_preview(id.c_str(), left, top, width, height, control.points, name.c_str(),
                                    description.c_str(), facts::kPreviewBackground);
            break;
        case facts::Kind::ColorButton:
            hueprev_dom_add_button(id.c_str(), control.index, left, top, width, height, facts::kPicturePixels,
                                   name.c_str(), description.c_str(), facts::toolTip(control).c_str());
            break;
        }
    }
    hueprev_dom_bind();

    // TRANSLATORS: the accessible name of the page's strip of name tools.
    // Its edges on the controls', which stand in from the form's.
    const facts::Control &input = facts::controlOf(facts::Kind::InputBox);
    hueprev_dom_add_strip(translate("Name tools"), pixels(facts::kClientWidth), pixels(input.left),
                          pixels(facts::kClientWidth - input.left - input.width));
    StripBuilder strip;
    menus::build(form().menu(menus::Menu::Strip, menus::Platform::Page), strip);
    form().start();

    hueprev_dom_lend_address(false);
    form().setLinkBase(handedOver());
    hueprev_dom_lend_address(true);
    form().txtIn_Link(handedOver(), true);
}

} // namespace
} // namespace hueprev::web

using hueprev::ColorDialog;
using hueprev::web::form;

extern "C" {

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_Change()
{
    form().txtIn_Change();
}

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_CaretMove()
{
    form().txtIn_CaretMove();
}

EMSCRIPTEN_KEEPALIVE int hueprev_txtIn_KeyPress(int keyAscii)
{
    auto key = static_cast<char16_t>(keyAscii);
    form().txtIn_KeyPress(key);
    return key;
}

EMSCRIPTEN_KEEPALIVE void hueprev_cmdAddColor_Click(int index)
{
    form().cmdAddColor_Click(index);
}

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_GotFocus(int how)
{
    using hueprev::FocusArrival;
    static_assert(static_cast<int>(FocusArrival::TabKey) == 0 &&
                  static_cast<int>(FocusArrival::Program) == 3);
    if (how >= 0 && how <= static_cast<int>(FocusArrival::Program)) {
        form().txtIn_GotFocus(static_cast<FocusArrival>(how));
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_mnuTool_Click(int index)
{
    if (index >= 0) {
        form().mnuTool_Click(static_cast<std::size_t>(index));
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_timer_elapsed(int timer)
{
    (timer == 0 ? hueprev::web::window().timer : hueprev::web::window().notice).elapsed();
}

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_LostFocus()
{
    form().txtIn_LostFocus();
}

EMSCRIPTEN_KEEPALIVE char16_t *hueprev_buffer(int length)
{
    std::u16string &text = hueprev::web::handedOver();
    text.assign(static_cast<std::size_t>(length), u'\0');
    return text.data();
}

// The clipboard's text is in the buffer, when it held any.
EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_Paste(int hasText)
{
    const std::u16string &text = hueprev::web::handedOver();
    form().txtIn_Paste(hasText != 0 ? std::optional<std::u16string_view>(text) : std::nullopt);
}

// The page's address has a new fragment.
EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_LinkChange()
{
    hueprev_dom_lend_address(true);
    form().txtIn_Link(hueprev::web::handedOver(), false);
}

// The colour dialog's events: a row's text, or the limit's, is in the buffer.
EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_RowEdited(int row)
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open; dialog != nullptr && row >= 0) {
        dialog->rowEdited(static_cast<std::size_t>(row), hueprev::web::handedOver());
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_RowChosen(int row, int color)
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open; dialog != nullptr && row >= 0) {
        dialog->rowChosen(static_cast<std::size_t>(row), static_cast<hueprev::ColorValue>(color) & 0xFFFFFFU);
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_AddRow()
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open) {
        dialog->addRow();
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_RemoveRow(int row)
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open; dialog != nullptr && row >= 0) {
        dialog->removeRow(static_cast<std::size_t>(row));
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_LongWay(int on)
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open) {
        dialog->longWayToggled(on != 0);
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_Limit()
{
    if (ColorDialog *dialog = hueprev::web::window().dialogs.open) {
        dialog->limitEdited(hueprev::web::handedOver());
    }
}

EMSCRIPTEN_KEEPALIVE void hueprev_dlgColors_Close(int ok)
{
    hueprev::web::window().dialogs.open = nullptr;
    form().dlgColors_Close(ok != 0);
}

// The dropped text is in the buffer.
EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_Drop(int position)
{
    form().txtIn_Drop(hueprev::web::handedOver(), position);
}
}

int main()
{
    hueprev::web::open();
    return 0;
}
