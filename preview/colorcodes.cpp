#include "preview/colorcodes.h"

#include "preview/translatable.h"

#include <stdexcept>

namespace hueprev {

namespace {
void checkIndex(int index)
{
    if (index < 0 || index >= kColorCount) {
        throw std::out_of_range("colour index out of range: " + std::to_string(index));
    }
}
} // namespace

ColorValue colorOf(int index)
{
    checkIndex(index);
    return colorTable()[static_cast<std::size_t>(index)];
}

const char *colorName(int index)
{
    static constexpr std::array<const char *, kColorCount> names = {
        translatable("black"),     translatable("red"),  translatable("green"),   translatable("yellow"),
        translatable("blue"),      translatable("cyan"), translatable("magenta"), translatable("white"),
        translatable("dark cyan"), translatable("grey"),
    };
    checkIndex(index);
    return names[static_cast<std::size_t>(index)];
}

std::u16string colorCode(int index)
{
    checkIndex(index);
    return {kCodeIntroducer, static_cast<char16_t>(u'0' + index)};
}

} // namespace hueprev
