#pragma once

#include "preview/renderer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hueprev {

// One stretch of the preview in one colour.
struct PreviewRun
{
    ColorValue color;
    std::size_t length; // UTF-16 units of the shown text
    bool operator==(const PreviewRun &) const = default;
};

// A render collected as the preview box shows it: the text on one line (a
// line break shows as the space the input shows) and its colour runs, each
// run as long as it can be. A front-end only walks what is collected here.
class PreviewRuns final : public PreviewSink
{
public:
    void clear() override;
    void caretToStart() override {}
    void setColor(ColorValue color) override { color_ = color; }
    void insert(std::u16string_view text) override;

    const std::u16string &text() const { return text_; }
    const std::vector<PreviewRun> &runs() const { return runs_; }

    // Calls `visit(std::u16string_view text, ColorValue color)` for each run, in order.
    template <typename Visit> void forEach(Visit &&visit) const
    {
        std::size_t at = 0;
        for (const PreviewRun &run : runs_) {
            visit(std::u16string_view(text_).substr(at, run.length), run.color);
            at += run.length;
        }
    }

private:
    std::u16string text_;
    std::vector<PreviewRun> runs_;
    ColorValue color_ = kDefaultColor;
};

} // namespace hueprev
