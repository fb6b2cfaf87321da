#include "window/web/dompreviewbox.h"

#include "window/web/dom.h"

#include <cstdint>

namespace hueprev::web {

// The page reads the runs where they lie, as pairs of 32-bit colour and length.
static_assert(sizeof(PreviewRun) == 2 * sizeof(std::uint32_t) &&
              sizeof(std::size_t) == sizeof(std::uint32_t));

void DomPreviewBox::rebuild(const PreviewRuns &runs)
{
    hueprev_dom_preview_show(box_, runs.text().data(), runs.runs().data(),
                             static_cast<int>(runs.runs().size()));
}

void DomPreviewBox::showPosition(std::size_t position)
{
    hueprev_dom_preview_show_position(box_, static_cast<int>(position));
}

void DomPreviewBox::describe(std::u16string_view words)
{
    hueprev_dom_preview_describe(box_, words.data(), static_cast<int>(words.size()));
}

} // namespace hueprev::web
