#pragma once

#include "window/previewbox.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace hueprev::win32 {

// Readies a RICHEDIT50W control as the preview: dark background, read-only,
// no undo, no length limit, no notifications.
void setUpPreview(HWND box);

// Replaces everything in the box with an RTF document, in one stream-in.
void streamRtf(HWND box, const std::string &rtf);

// The preview box on the rich-edit control: each render's runs become one
// RTF document, streamed in at once.
class RichEditPreviewBox final : public PreviewBox
{
public:
    RichEditPreviewBox(HWND box, int halfPoints) : box_(box), halfPoints_(halfPoints) {}
    void rebuild(const PreviewRuns &runs) override;
    void showPosition(std::size_t position) override;

private:
    HWND box_;
    int halfPoints_; // the font's size
};

} // namespace hueprev::win32
