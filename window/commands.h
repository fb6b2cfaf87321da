#pragma once

namespace hueprev {

class TextBox;

// A colour button: writes the code of colour `index` where the caret is,
// replacing any selection, and gives the input back the focus.
void addColorCode(TextBox &input, int index);

// Enter selects the whole name and is consumed; other keys pass through.
void selectAllOnEnter(TextBox &input, char16_t &keyAscii);

} // namespace hueprev
