#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace hueprev::win32 {

// Readies a RICHEDIT50W control as the preview: dark background, read-only,
// no undo, no length limit, no notifications.
void setUpPreview(HWND box);

// Replaces everything in the box with an RTF document, in one stream-in.
void streamRtf(HWND box, const std::string &rtf);

// Scrolls the box as little as needed to bring a text position into view.
void showPreviewPosition(HWND box, std::size_t position);

} // namespace hueprev::win32
