#pragma once

#include <QString>

#include <string_view>

namespace hueprev {

// A QString's UTF-16 data without a copy; valid while the string lives unchanged.
inline std::u16string_view u16view(const QString &s)
{
    return {reinterpret_cast<const char16_t *>(s.utf16()), static_cast<std::size_t>(s.size())};
}

// The other way round, as a copy.
inline QString toQString(std::u16string_view s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), static_cast<qsizetype>(s.size()));
}

} // namespace hueprev
