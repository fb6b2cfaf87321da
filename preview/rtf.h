#pragma once

#include "preview/runs.h"

#include <string>
#include <string_view>

namespace hueprev {

// A render's runs as one RTF document, so that the rich-edit preview is filled
// by a single stream-in: the control's cost per inserted piece makes one
// message per piece quadratic. Every character comes out literally. The
// font's name is plain ASCII, such as "Tahoma".
std::string rtfDocument(const PreviewRuns &runs, std::string_view fontName, int halfPoints);

// Appends text as RTF: the three control characters escaped, printable ASCII
// as it is, everything else as a Unicode escape of its UTF-16 unit.
void appendRtfText(std::string &out, std::u16string_view text);

} // namespace hueprev
