#pragma once

#include "window/previewbox.h"
#include "window/win32/accessible.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace hueprev::win32 {

// Readies a RICHEDIT50W control as the preview: dark background, read-only,
// no undo, no length limit, no notifications. False if it could not be.
bool setUpPreview(HWND box);

// Replaces everything in the box with an RTF document, in one stream-in.
void streamRtf(HWND box, const std::string &rtf);

// The preview box on the rich-edit control: each render's runs become one
// RTF document, streamed in at once.
class RichEditPreviewBox final : public PreviewBox
{
public:
    RichEditPreviewBox(HWND box, int halfPoints, AccessibleControl &words)
        : box_(box), halfPoints_(halfPoints), words_(words)
    {}

    void rebuild(const PreviewRuns &runs) override;
    void showPosition(std::size_t position) override;
    // Given to the box's accessible object.
    void describe(std::u16string_view words) override;

private:
    HWND box_;
    int halfPoints_; // the font's size
    AccessibleControl &words_;
};

} // namespace hueprev::win32
