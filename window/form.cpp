#include "window/form.h"

#include "preview/colorcodes.h"
#include "preview/letters.h"
#include "preview/linebreaks.h"
#include "preview/nametools.h"
#include "preview/shareformats.h"
#include "window/clipboard.h"
#include "window/dialogs.h"
#include "window/facts.h"
#include "window/language.h"
#include "window/namelink.h"
#include "window/speech.h"
#include "window/statusline.h"
#include "window/textbox.h"
#include "window/timer.h"
#include "window/tools.h"

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace hueprev {

Form::Selection Form::selection() const
{
    return {txtIn_.selStart(), txtIn_.selLength()};
}

void Form::start()
{
    showCount();
    txtIn_.describe(inputDescription());
    settle();
}

void Form::txtIn_Change()
{
    closeColors();
    kept_.reset();
    left_.reset();
    preview_.textChanged(txtIn_);
    showCount();
    countUnsaid_ = true;
    toolsUnsaid_ = true;
    settle();
}

void Form::showCount()
{
    const std::u16string words = countWords(preview_.count());
    txtIn_.showCount(words);
    status_.show(words);
}

std::u16string Form::inputDescription() const
{
    const std::string description = facts::accessibleDescription(facts::controlOf(facts::Kind::InputBox));
    return utf16(description) + u" " + countWords(preview_.count()) + u".";
}

void Form::settle()
{
    // The tools' states are worked out only where they are shown.
    toolsUnsaid_ = toolsUnsaid_ && status_.showsTools();
    if (!countUnsaid_ && !toolsUnsaid_ && !preview_.wordsUnsaid()) {
        return;
    }
    timer_.start(kSpeechSettleMilliseconds, [this] {
        preview_.sayWords();
        if (std::exchange(countUnsaid_, false)) {
            txtIn_.describe(inputDescription());
        }
        if (std::exchange(toolsUnsaid_, false)) {
            std::vector<bool> enabled(tools::count());
            for (std::size_t index = 0; index < enabled.size(); ++index) {
                enabled[index] = toolEnabled(index);
            }
            status_.enableTools(enabled);
        }
    });
}

void Form::restoreKept()
{
    if (kept_) {
        const Selection kept = *kept_;
        txtIn_.setSelStart(kept.start);
        txtIn_.setSelLength(kept.length);
    }
}

void Form::txtIn_KeyPress(char16_t &keyAscii)
{
    if (keyAscii == u'\r') {
        txtIn_.setSelStart(0);
        txtIn_.setSelLength(txtIn_.length());
        keyAscii = 0;
        preview_.caretMoved(txtIn_);
        settle();
    }
}

void Form::cmdAddColor_Click(int index)
{
    restoreKept();
    txtIn_.setSelText(colorCode(index));
    txtIn_.setFocus();
}

void Form::txtIn_CaretMove()
{
    preview_.caretMoved(txtIn_);
    toolsUnsaid_ = true;
    settle();
}

void Form::txtIn_GotFocus(FocusArrival how)
{
    kept_.reset();
    const Selection now = selection();
    // Tabbing in selects the whole name on every platform, and so may a
    // browser for a focus it gives unseen; a button must not write over a
    // selection the player never made, so it becomes a caret at its end. A
    // window that comes back keeps the player's own.
    const bool platforms =
        how == FocusArrival::TabKey || (how == FocusArrival::WindowActivation && left_ != now);
    if (platforms && now.length > 0) {
        txtIn_.setSelStart(now.start + now.length);
        preview_.caretMoved(txtIn_);
        settle();
    }
}

void Form::txtIn_LostFocus()
{
    left_ = selection();
    if (left_->length > 0) {
        kept_ = left_;
    } else {
        kept_.reset();
    }
}

void Form::txtIn_Paste(std::optional<std::u16string_view> clip)
{
    // No text (an image, say), or nothing over nothing: the name and its undo stay.
    if (!clip || (clip->empty() && txtIn_.selLength() == 0)) {
        return;
    }
    // The name keeps every line of a paste, joined on one.
    txtIn_.setSelText(joinLines(*clip));
}

void Form::txtIn_Drop(std::u16string_view text, int position)
{
    if (text.empty()) {
        return;
    }
    txtIn_.setSelStart(position);
    txtIn_.setSelText(joinLines(text));
    txtIn_.setFocus();
}

void Form::closeColors()
{
    // A name changed under the colour dialog (a link in the page's tab) closes it as Cancel.
    if (colors_) {
        colors_.reset();
        dialogs_.closeColors();
    }
}

void Form::txtIn_Link(std::u16string_view fragment, bool opening)
{
    // Browsers percent-encode all but ASCII in an address; anything else is no name.
    std::string ascii;
    for (const char16_t c : fragment) {
        ascii += c < 0x80 ? static_cast<char>(c) : '%';
    }
    const std::variant<std::u16string, LinkError> found = nameFromFragment(ascii);
    if (const auto *error = std::get_if<LinkError>(&found)) {
        // The name stays as it is, and the player is told why.
        status_.announce(utf16(
            *error == LinkError::TooLong
                // TRANSLATORS: %1$s is the most characters a name may have, "10000".
                ? format("This link's name is longer than %1$s characters.", {std::to_string(kLinkNameLimit)})
                : translate("This link holds no name that can be read.")));
        return;
    }
    const auto &name = std::get<std::u16string>(found);
    if (name.empty()) {
        return;
    }
    // First, so that the input is the page's again.
    closeColors();
    if (!opening) {
        txtIn_.setSelStart(0);
        txtIn_.setSelLength(txtIn_.length());
    }
    txtIn_.setSelText(joinLines(name));
}

NameRange Form::rangeOf(Selection on, std::size_t length)
{
    const auto from = static_cast<std::size_t>(on.length > 0 ? on.start : 0);
    return {from, on.length > 0 ? from + static_cast<std::size_t>(on.length) : length};
}

std::optional<NameEdit> Form::toolEdit(const tools::Tool &tool, std::u16string_view name, Selection on) const
{
    const auto [from, to] = rangeOf(on, name.size());
    switch (tool.action) {
    case tools::Action::RemoveUnneededCodes:
        return removeUnneededCodes(name);
    case tools::Action::RemoveColors:
        return removeColors(name, from, to);
    case tools::Action::ColorLetters:
        return colorLetters(name, from, to, tool.colors);
    case tools::Action::CopyName:
    case tools::Action::CopyAs:
    case tools::Action::CopyLink:
    case tools::Action::AnyColors:
        break; // they change nothing, or not at once
    }
    return std::nullopt;
}

bool Form::toolEnabled(std::size_t index) const
{
    const std::optional<tools::Tool> tool = tools::toolAt(index);
    if (!tool) {
        return false;
    }
    // The name as the last change left it: asking reads nothing.
    const std::u16string &name = preview_.name();
    switch (tool->action) {
    case tools::Action::CopyName:
    case tools::Action::CopyAs:
        return !name.empty();
    case tools::Action::CopyLink:
        return !name.empty() && !linkBase_.empty();
    case tools::Action::AnyColors: {
        const auto [from, to] = rangeOf(playersSelection(), name.size());
        return lettersTaken(name, from, to) > 0;
    }
    case tools::Action::RemoveUnneededCodes:
    case tools::Action::RemoveColors:
    case tools::Action::ColorLetters:
        break;
    }
    return toolEdit(*tool, name, playersSelection()).has_value();
}

std::vector<menus::Entry> Form::menu(menus::Menu which, menus::Platform platform,
                                     const menus::EditState &edit) const
{
    return menus::assemble(which, platform, edit, [this](std::size_t index) { return toolEnabled(index); });
}

std::optional<menus::Command> Form::mnu_Click(menus::Command command)
{
    if (const std::optional<std::size_t> tool = menus::toolOf(command)) {
        mnuTool_Click(*tool);
        return std::nullopt;
    }
    return command;
}

void Form::copy(tools::Action action, const std::u16string &name)
{
    if (action == tools::Action::CopyName) {
        clipboard_.setText(name);
    } else {
        const std::string fragment = linkFragment(name);
        clipboard_.setText(linkBase_ + u"#" + std::u16string(fragment.begin(), fragment.end()));
    }
    // TRANSLATORS: said in place of the name's length for a moment, once a copy is made.
    status_.announce(utf16(translate("Copied")));
    notice_.start(kNoticeMilliseconds, [this] { showCount(); });
}

void Form::copyAs(tools::ShareFormat kind, const std::u16string &name)
{
    std::u16string notice;
    switch (kind) {
    case tools::ShareFormat::Discord: {
        const std::u16string copy = discordCopy(name);
        clipboard_.setText(copy);
        // TRANSLATORS: said once the name is copied for Discord; %1$s is the most one message holds, "2000".
        notice = utf16(copy.size() > kDiscordMessageLimit
                           ? format("Copied for Discord, longer than the %1$s characters of a message",
                                    {std::to_string(kDiscordMessageLimit)})
                           : std::string(translate("Copied for Discord")));
        break;
    }
    case tools::ShareFormat::BBCode:
        clipboard_.setText(bbcodeCopy(name));
        notice = utf16(translate("Copied for BBCode"));
        break;
    case tools::ShareFormat::Html: {
        const std::u16string html = htmlCopy(name);
        clipboard_.setHtml(html, html);
        notice = utf16(translate("Copied as HTML"));
        break;
    }
    case tools::ShareFormat::Picture: {
        Picture picture;
        for (const ShareRun &run : shareRuns(name)) {
            const std::vector<std::uint8_t> starts = letterStarts(run.text, Codes::Shown);
            for (std::size_t at = 0; at < run.text.size();) {
                std::size_t end = at + 1;
                while (starts[end] == 0) {
                    ++end;
                }
                picture.letters.push_back({run.text.substr(at, end - at), colorOf(run.code)});
                at = end;
            }
        }
        const PictureDone done = clipboard_.setPicture(picture);
        const std::string widest = std::to_string(Picture::kWidest);
        // TRANSLATORS: said once the name's picture is made; %1$s is the widest it may be, in pixels.
        notice = utf16(done.saved ? (done.cut ? format("Saved as name.png, cut at %1$s pixels", {widest})
                                              : std::string(translate("Saved as name.png")))
                                  : (done.cut ? format("Copied as a picture, cut at %1$s pixels", {widest})
                                              : std::string(translate("Copied as a picture"))));
        break;
    }
    }
    status_.announce(notice);
    notice_.start(kNoticeMilliseconds, [this] { showCount(); });
}

void Form::mnuTool_Click(std::size_t index)
{
    const std::optional<tools::Tool> tool = tools::toolAt(index);
    if (!tool) {
        return;
    }
    restoreKept();
    const std::u16string name = txtIn_.text();
    switch (tool->action) {
    case tools::Action::CopyName:
    case tools::Action::CopyLink:
        if (toolEnabled(index)) {
            copy(tool->action, name);
        }
        break;
    case tools::Action::CopyAs:
        if (toolEnabled(index)) {
            copyAs(tool->format, name);
        }
        break;
    case tools::Action::AnyColors:
        if (toolEnabled(index)) {
            colorsOn_ = selection();
            const auto [from, to] = rangeOf(colorsOn_, name.size());
            colors_ = std::make_unique<ColorDialog>(name, from, to, lastColors_);
            dialogs_.openColors(*colors_);
            return; // the focus comes back as it closes
        }
        break;
    case tools::Action::RemoveUnneededCodes:
    case tools::Action::RemoveColors:
    case tools::Action::ColorLetters: {
        const Selection on = selection();
        if (const std::optional<NameEdit> edit = toolEdit(*tool, name, on)) {
            applyEdit(*edit, on);
        }
        break;
    }
    }
    txtIn_.setFocus();
}

void Form::applyEdit(const NameEdit &edit, Selection on)
{
    // The whole range in one edit, which the platform's undo gives back selected.
    txtIn_.setSelStart(static_cast<int>(edit.from));
    txtIn_.setSelLength(static_cast<int>(edit.length));
    txtIn_.setSelText(edit.text);
    // A selection stays on the new text, for the next tool; otherwise the caret ends the name.
    if (on.length > 0) {
        txtIn_.setSelStart(static_cast<int>(edit.from));
        txtIn_.setSelLength(static_cast<int>(edit.text.size()));
    }
}

void Form::dlgColors_Close(bool ok)
{
    const std::unique_ptr<ColorDialog> dialog = std::move(colors_);
    if (!dialog) {
        return;
    }
    if (ok && dialog->okEnabled()) {
        lastColors_ = dialog->choice();
        if (const std::optional<NameEdit> &edit = dialog->edit()) {
            // The new text selected, as the dialog's preview showed it.
            applyEdit(*edit, {static_cast<int>(edit->from), 1});
        }
    } else {
        txtIn_.setSelStart(colorsOn_.start);
        txtIn_.setSelLength(colorsOn_.length);
    }
    txtIn_.setFocus();
}

} // namespace hueprev
