#pragma once

#include "preview/colorcodes.h"

#include <string>
#include <string_view>
#include <vector>

// The name for the places players show it: each a pure function of the name.
// Markup in a name stays text in every format: the only character any of
// them adds to the name's text is a zero-width space after each backtick,
// each "[" and each escape character in the Discord and BBCode copies.
namespace hueprev {

// A stretch of the shown name in one code's colour; every letter whole, in
// the colour it starts in.
struct ShareRun
{
    std::u16string text;
    int code;
};
std::vector<ShareRun> shareRuns(std::u16string_view name);

// Discord's ansi code block; its messages hold this many characters at most.
inline constexpr std::size_t kDiscordMessageLimit = 2'000;
std::u16string discordCopy(std::u16string_view name);
// The ANSI foreground (30 to 37) Discord shows for a code's colour.
int discordColor(int code);

std::u16string bbcodeCopy(std::u16string_view name);

// A span of coloured spans on the game's background, the text escaped.
std::u16string htmlCopy(std::u16string_view name);
// The same as Windows' clipboard format "HTML Format" has it: a header of
// byte offsets, then the page with the fragment between its markers (UTF-8).
std::string windowsHtmlFormat(std::u16string_view html);

// "#rrggbb" for a colour.
std::string hexColor(ColorValue color);

} // namespace hueprev
