#include "window/commands.h"

#include "preview/colorcodes.h"
#include "window/platform.h"

#include <QString>

namespace hueprev {

void addColorCode(TextBox &input, int index)
{
    const std::u16string code = colorCode(index);
    input.setSelText(QString::fromStdU16String(code));
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
