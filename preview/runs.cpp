#include "preview/runs.h"

#include "preview/linebreaks.h"

namespace hueprev {

void PreviewRuns::clear()
{
    text_.clear();
    runs_.clear();
    color_ = kDefaultColor;
}

void PreviewRuns::insert(std::u16string_view text)
{
    if (text.empty()) {
        return;
    }
    if (runs_.empty() || runs_.back().color != color_) {
        runs_.push_back({color_, 0});
    }
    runs_.back().length += text.size();
    const std::size_t at = text_.size();
    text_ += text;
    for (std::size_t i = at; i < text_.size(); ++i) {
        if (isLineBreak(text_[i])) {
            text_[i] = u' ';
        }
    }
}

} // namespace hueprev
