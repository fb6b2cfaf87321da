#pragma once

#include <string>
#include <string_view>

namespace hueprev {

// A nickname is one line. Characters that would break it: LF, VT, FF, CR,
// NEL, LINE SEPARATOR and PARAGRAPH SEPARATOR.
constexpr bool isLineBreak(char16_t c)
{
    return (c >= u'\n' && c <= u'\r') || c == u'\u0085' || c == u'\u2028' || c == u'\u2029';
}

bool hasLineBreak(std::u16string_view text);

// Joins the lines of a multi-line text with single spaces (CR LF counts as one
// break), so a pasted block stays readable and nothing but the breaks is lost.
std::u16string joinLines(std::u16string_view text);

} // namespace hueprev
