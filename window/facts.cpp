#include "window/facts.h"

#include "preview/translatable.h"
#include "window/language.h"

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
constexpr BoxWords kInputWords{
    "txtIn", translatable("Nickname"),
    translatable("The nickname with its colour codes, such as ^1 for red. Enter selects the whole name.")};
constexpr BoxWords kPreviewWords{"txtOut", translatable("Preview"),
                                 translatable("The nickname as it will look in colour")};

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
    if (const BoxWords *box = boxWords(control)) {
        return translate(box->name);
    }
    // TRANSLATORS: a colour button's name: its code and its colour, "^1 red".
    return format("%1$s %2$s", {code(control.index), translate(colorName(control.index))});
}

std::string accessibleDescription(const Control &control)
{
    if (const BoxWords *box = boxWords(control)) {
        return translate(box->description);
    }
    // TRANSLATORS: %1$s is the code, "^1", and %2$s its colour, "red".
    return format("Inserts the colour code %1$s (%2$s) into the nickname at the cursor",
                  {code(control.index), translate(colorName(control.index))});
}

std::string toolTip(const Control &control)
{
    // TRANSLATORS: %1$s is the button's name, "^1 red".
    return control.kind == Kind::ColorButton
               ? format("%1$s: insert this colour code", {accessibleName(control)})
               : std::string();
}

} // namespace hueprev::facts
