#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Tools that make a name, not only show it. Each is a rule over the name and
// a range of it, and none makes a code out of text that was none.
namespace hueprev {

// How long a name is to the game (every character, codes included) and on screen.
struct NameCount
{
    std::size_t received;
    std::size_t shown;
};
NameCount countName(std::u16string_view name);

// A change of the name as one replacement: `length` characters from `from` become `text`.
struct NameEdit
{
    std::size_t from;
    std::size_t length;
    std::u16string text;
    bool operator==(const NameEdit &) const = default;
};

// Drops every code that changes nothing shown: one followed by another code
// or by the end, one that sets the colour already in force, one whose text
// is only blanks. A code whose removal would join a shown caret to a digit
// stays. None when there is nothing to drop.
std::optional<NameEdit> removeUnneededCodes(std::u16string_view name);

// Drops the codes in [from, to); the text after the range keeps its colour.
std::optional<NameEdit> removeColours(std::u16string_view name, std::size_t from, std::size_t to);

// A fade: the colours it runs through, by index.
enum class Fade { Rainbow, Fire, Sea, Steel };
inline constexpr std::array<Fade, 4> kFades{Fade::Rainbow, Fade::Fire, Fade::Sea, Fade::Steel};
std::span<const int> fadeColours(Fade fade);
// Its English name, translated where it is shown.
const char *fadeName(Fade fade);

// Colours the letters shown in [from, to) with a fade, in bands as even as
// the letters allow (the first bands one longer), blanks left as they are;
// the codes in the range are replaced and the text after it keeps its colour.
std::optional<NameEdit> colourLetters(std::u16string_view name, std::size_t from, std::size_t to, Fade fade);

} // namespace hueprev
