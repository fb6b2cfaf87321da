#include "window/facts.h"

namespace hueprev::facts {

namespace {
constexpr bool inTabOrder()
{
    int next = 0;
    for (const Control &control : kControls) {
        if (control.tabIndex != next++) {
            return false;
        }
    }
    return true;
}
static_assert(inTabOrder(), "the table lists the controls in tab order");

std::string code(int index)
{
    return "^" + std::to_string(index);
}
} // namespace

std::string objectName(const Control &control)
{
    switch (control.kind) {
    case Kind::InputBox:
        return "txtIn";
    case Kind::PreviewBox:
        return "txtOut";
    case Kind::ColorButton:
        break;
    }
    return "cmdAddColor_" + std::to_string(control.index);
}

std::string accessibleName(const Control &control)
{
    switch (control.kind) {
    case Kind::InputBox:
        return "Nickname";
    case Kind::PreviewBox:
        return "Preview";
    case Kind::ColorButton:
        break;
    }
    return code(control.index) + " " + colorName(control.index);
}

std::string accessibleDescription(const Control &control)
{
    switch (control.kind) {
    case Kind::InputBox:
        return "The nickname with its colour codes, such as ^1 for red. Enter selects the whole name.";
    case Kind::PreviewBox:
        return "The nickname as it will look in colour";
    case Kind::ColorButton:
        break;
    }
    return "Inserts the colour code " + code(control.index) + " (" + colorName(control.index) +
           ") into the nickname at the cursor";
}

std::string toolTip(const Control &control)
{
    return control.kind == Kind::ColorButton ? accessibleName(control) + ": insert this colour code"
                                             : std::string();
}

} // namespace hueprev::facts
