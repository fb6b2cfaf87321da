#include "window/commands.h"

#include "preview/colorcodes.h"
#include "window/textbox.h"

namespace hueprev {

void addColorCode(TextBox &input, int index)
{
    input.setSelText(colorCode(index));
    input.setFocus();
}

void selectAllOnEnter(TextBox &input, char16_t &keyAscii)
{
    if (keyAscii == u'\r') {
        input.setSelStart(0);
        input.setSelLength(static_cast<int>(input.text().size()));
        keyAscii = 0;
    }
}

} // namespace hueprev
