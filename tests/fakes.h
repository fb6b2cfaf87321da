#pragma once

#include "tests/reference.h"
#include "window/clipboard.h"
#include "window/colordialog.h"
#include "window/dialogs.h"
#include "window/previewbox.h"
#include "window/statusline.h"
#include "window/textbox.h"
#include "window/timer.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace hueprev::testing {

// The text-box model as the platform controls keep it, with nothing on
// screen, and an undo history as theirs is: each SelText one step, which
// undo takes back with the text it replaced selected.
class FakeTextBox final : public TextBox
{
public:
    struct Step
    {
        std::u16string before;
        int from, length; // what the edit replaced
    };
    std::u16string value;
    int start = 0;
    int selected = 0;
    bool caretAtStart = false; // a selection made backwards
    bool focused = false;
    std::vector<Step> history;
    mutable int reads = 0; // times the whole text was read

    std::u16string text() const override
    {
        ++reads;
        return value;
    }
    int length() const override { return static_cast<int>(value.size()); }
    int selStart() const override { return start; }
    int selLength() const override { return selected; }
    int caret() const override { return caretAtStart ? start : start + selected; }
    void setSelStart(int position) override
    {
        start = std::clamp(position, 0, static_cast<int>(value.size()));
        selected = 0;
        caretAtStart = false;
    }
    void setSelLength(int count) override
    {
        selected = std::clamp(count, 0, static_cast<int>(value.size()) - start);
    }
    void setSelText(std::u16string_view text) override
    {
        history.push_back({value, start, selected});
        value.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(selected), text);
        start += static_cast<int>(text.size());
        selected = 0;
    }
    void setFocus() override { focused = true; }
    void showCount(std::u16string_view words) override { count = words; }
    void describe(std::u16string_view description) override { described = description; }
    std::u16string count, described;

    // As a player would leave it.
    void select(std::u16string_view text, int from, int count)
    {
        value = text;
        start = from;
        selected = count;
    }
    void undo()
    {
        if (!history.empty()) {
            const Step step = history.back();
            history.pop_back();
            select(step.before, step.from, step.length);
        }
    }
};

// A preview box that keeps what it was given: the characters of the last
// rebuild with their colours, and the positions it was asked to show.
class FakePreviewBox final : public PreviewBox
{
public:
    std::vector<ColoredChar> cells;
    std::vector<PreviewRun> runs;
    int rebuilds = 0;
    std::vector<std::size_t> shown;
    std::vector<std::u16string> described;

    void rebuild(const PreviewRuns &preview) override
    {
        cells.clear();
        preview.forEach([&](std::u16string_view text, ColorValue color) {
            for (const char16_t c : text) {
                cells.push_back({c, color});
            }
        });
        runs = preview.runs();
        ++rebuilds;
    }
    void showPosition(std::size_t position) override { shown.push_back(position); }
    void describe(std::u16string_view words) override { described.emplace_back(words); }
};

class FakeClipboard final : public Clipboard
{
public:
    std::u16string text, html;
    Picture picture;
    PictureDone done{false, false}; // what setPicture answers
    void setText(std::u16string_view copied) override { text = copied; }
    void setHtml(std::u16string_view copied, std::u16string_view markup) override
    {
        text = copied;
        html = markup;
    }
    PictureDone setPicture(const Picture &drawn) override
    {
        picture = drawn;
        return done;
    }
};

// The count's place: what it shows, what it announced, which tools it enables.
class FakeStatusLine final : public StatusLine
{
public:
    std::u16string shown;
    std::vector<std::u16string> announced;
    std::vector<bool> enabled;
    void show(std::u16string_view words) override { shown = words; }
    void announce(std::u16string_view words) override
    {
        shown = words;
        announced.emplace_back(words);
    }
    bool showsTools() const override { return true; }
    void enableTools(const std::vector<bool> &states) override { enabled = states; }
};

// The dialogs as a front-end opens them, and the colour dialog's controls as
// they were last told to show themselves.
class FakeDialogs final : public Dialogs, public ColorDialogView
{
public:
    ColorDialog *open = nullptr;
    int closed = 0; // times it was closed as Cancel, unasked
    std::size_t rows = 0;
    std::vector<std::u16string> texts = std::vector<std::u16string>(ColorDialog::kRows);
    std::vector<ColorRow> states = std::vector<ColorRow>(ColorDialog::kRows);
    bool longWay = false, ok = false;
    std::u16string limit, limitError, count;
    FakePreviewBox shown;

    void openColors(ColorDialog &model) override
    {
        open = &model;
        model.show(*this);
    }
    void closeColors() override
    {
        open = nullptr;
        ++closed;
    }
    void showRows(std::size_t count, bool, bool) override { rows = count; }
    void setRowText(std::size_t row, std::u16string_view text) override { texts.at(row) = text; }
    void showRow(std::size_t row, const ColorRow &state) override { states.at(row) = state; }
    void setLongWay(bool on) override { longWay = on; }
    void setLimit(std::u16string_view text) override { limit = text; }
    void showLimitError(std::u16string_view error) override { limitError = error; }
    void showResult(bool enabled, std::u16string_view words) override
    {
        ok = enabled;
        count = words;
    }
    PreviewBox &preview() override { return shown; }
};

// A timer that runs what is due only when the test says the time has come.
class FakeTimer final : public Timer
{
public:
    int delay = -1; // the last one asked for; -1 while none is pending

    // True if something was due.
    bool elapse()
    {
        const bool pending = delay >= 0;
        delay = -1;
        elapsed();
        return pending;
    }

protected:
    void schedule(int milliseconds) override { delay = milliseconds; }
};

} // namespace hueprev::testing
