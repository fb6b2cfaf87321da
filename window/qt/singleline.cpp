#include "window/qt/singleline.h"

#include "preview/linebreaks.h"
#include "window/qt/utf16.h"

namespace hueprev {

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    const std::u16string_view all = u16view(input);
    if (hasLineBreak(all)) {
        const auto before = static_cast<std::size_t>(qBound(0, pos, static_cast<int>(input.size())));
        pos = static_cast<int>(joinLines(all.substr(0, before)).size());
        input = QString::fromStdU16String(joinLines(all));
    }
    return Acceptable;
}

} // namespace hueprev
