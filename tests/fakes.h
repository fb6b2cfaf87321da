#pragma once

#include "tests/recordingsink.h"
#include "window/previewbox.h"
#include "window/textbox.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace hueprev::testing {

// The text-box model as the platform controls keep it, with nothing on screen.
class FakeTextBox final : public TextBox
{
public:
    std::u16string value;
    int selStart = 0;
    int selLength = 0;
    bool focused = false;
    int edits = 0;         // undoable edits made through setSelText
    mutable int reads = 0; // times the whole text was read

    std::u16string text() const override
    {
        ++reads;
        return value;
    }
    void setSelStart(int position) override
    {
        selStart = std::clamp(position, 0, static_cast<int>(value.size()));
        selLength = 0;
    }
    void setSelLength(int length) override
    {
        selLength = std::clamp(length, 0, static_cast<int>(value.size()) - selStart);
    }
    void setSelText(std::u16string_view text) override
    {
        value.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), text);
        selStart += static_cast<int>(text.size());
        selLength = 0;
        ++edits;
    }
    void setFocus() override { focused = true; }
};

// A preview box that keeps what it was given: the document of the last
// rebuild and the positions it was asked to show.
class FakePreviewBox final : public PreviewBox
{
public:
    DocumentSink document;
    int rebuilds = 0;
    std::vector<std::size_t> shown;

    void rebuild(const Render &render) override
    {
        render(document);
        ++rebuilds;
    }
    void showPosition(std::size_t position) override { shown.push_back(position); }
};

} // namespace hueprev::testing
