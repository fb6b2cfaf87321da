#include "window/web/dompreviewbox.h"

#include "preview/linebreaks.h"
#include "window/web/dom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hueprev::web {

namespace {
// One render as the page takes it: the shown text, and a colour and a length
// for each run of it, handed over in one call.
class Runs final : public PreviewSink
{
public:
    void clear() override
    {
        text_.clear();
        runs_.clear();
    }
    void caretToStart() override {}
    void setColor(ColorValue color) override { color_ = color; }
    void insert(std::u16string_view text) override
    {
        if (text.empty()) {
            return;
        }
        if (runs_.empty() || runs_[runs_.size() - 2] != color_) {
            runs_.push_back(color_);
            runs_.push_back(0);
        }
        runs_.back() += static_cast<std::uint32_t>(text.size());
        // The box is one line: a break shows as the space the input shows.
        for (const char16_t c : text) {
            text_ += isLineBreak(c) ? u' ' : c;
        }
    }
    void show() const
    {
        hueprev_dom_preview_show(text_.data(), runs_.data(), static_cast<int>(runs_.size() / 2));
    }

private:
    std::u16string text_;
    std::vector<std::uint32_t> runs_;
    ColorValue color_ = 0;
};
} // namespace

void DomPreviewBox::rebuild(const Render &render)
{
    Runs runs;
    render(runs);
    runs.show();
}

void DomPreviewBox::showPosition(std::size_t position)
{
    hueprev_dom_preview_show_position(static_cast<int>(position));
}

} // namespace hueprev::web
