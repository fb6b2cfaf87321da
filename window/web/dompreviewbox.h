#pragma once

#include "window/previewbox.h"

namespace hueprev::web {

// The preview box on the page: a box of coloured runs of text.
class DomPreviewBox final : public PreviewBox
{
public:
    // The page's box by its number: 0 the window's, 1 the colour dialog's.
    explicit DomPreviewBox(int box = 0) : box_(box) {}
    void rebuild(const PreviewRuns &runs) override;
    void showPosition(std::size_t position) override;
    void describe(std::u16string_view words) override;

private:
    int box_;
};

} // namespace hueprev::web
