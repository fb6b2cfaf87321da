#pragma once

#include "window/previewbox.h"

namespace hueprev::web {

// The preview box on the page: a box of coloured runs of text.
class DomPreviewBox final : public PreviewBox
{
public:
    void rebuild(const PreviewRuns &runs) override;
    void showPosition(std::size_t position) override;
    void describe(std::u16string_view words) override;
};

} // namespace hueprev::web
