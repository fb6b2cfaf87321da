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

// The two boxes' words; a colour button's are made from its code and colour.
struct BoxWords
{
    const char *object;
    const char *name;
    const char *description;
};
constexpr BoxWords kInputWords{"txtIn", "Nickname",
                               "The nickname with its colour codes, such as ^1 for red. Enter selects the "
                               "whole name."};
constexpr BoxWords kPreviewWords{"txtOut", "Preview", "The nickname as it will look in colour"};

const BoxWords *boxWords(const Control &control)
{
    switch (control.kind) {
    case Kind::InputBox:
        return &kInputWords;
    case Kind::PreviewBox:
        return &kPreviewWords;
    case Kind::ColorButton:
        break;
    }
    return nullptr;
}
} // namespace

std::string objectName(const Control &control)
{
    const BoxWords *box = boxWords(control);
    return box != nullptr ? box->object : kButtonArrayName + ("_" + std::to_string(control.index));
}

std::string accessibleName(const Control &control)
{
    const BoxWords *box = boxWords(control);
    return box != nullptr ? box->name : code(control.index) + " " + colorName(control.index);
}

std::string accessibleDescription(const Control &control)
{
    const BoxWords *box = boxWords(control);
    return box != nullptr ? box->description
                          : "Inserts the colour code " + code(control.index) + " (" +
                                colorName(control.index) + ") into the nickname at the cursor";
}

std::string toolTip(const Control &control)
{
    return control.kind == Kind::ColorButton ? accessibleName(control) + ": insert this colour code"
                                             : std::string();
}

} // namespace hueprev::facts
