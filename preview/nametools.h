#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Tools that make a name, not only show it. Each is a rule over the name and
// a range of it; none makes a code out of text that was none, cuts a letter,
// or leaves a code in its range that changes nothing.
namespace hueprev {

// How long a name is: to the game (every character, codes included), in the
// letters a player sees, and in the units its preview shows.
struct NameCount
{
    std::size_t received;
    std::size_t shown;
    std::size_t shownUnits;
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
// stays. Acts on the whole name; none when there is nothing to drop.
std::optional<NameEdit> removeUnneededCodes(std::u16string_view name);

// A range of a name, [from, to).
struct NameRange
{
    std::size_t from;
    std::size_t to;
};

// Colours the letters of the range in bands of `colors` as even as the
// letters allow (the first bands one longer), blanks left as they are; the
// text after the range keeps its colour. The edit replaces the range widened
// to whole codes and letters and over the codes (and blanks between them) at its edges.
std::optional<NameEdit> colorLetters(std::u16string_view name, std::size_t from, std::size_t to,
                                     std::span<const int> colors);

// The colour in force at `at`: the last code before it, white before any.
int colorIndexAt(std::u16string_view name, std::size_t at);

// How many letters that show a colour the range takes.
std::size_t lettersTaken(std::u16string_view name, std::size_t from, std::size_t to);
// The same range's letters that show a colour, each in its own code, in
// order: `codesFor` is told how many there are, and gives their codes.
std::optional<NameEdit> colorEachLetter(std::u16string_view name, std::size_t from, std::size_t to,
                                        const std::function<std::vector<int>(std::size_t)> &codesFor);

// The range's letters in the default colour; the text after keeps its own.
std::optional<NameEdit> removeColors(std::u16string_view name, std::size_t from, std::size_t to);

// A fade: the colours it runs through, by index.
enum class Fade { Rainbow, Fire, Sea, Steel };
inline constexpr std::array<Fade, 4> kFades{Fade::Rainbow, Fade::Fire, Fade::Sea, Fade::Steel};
std::span<const int> fadeColors(Fade fade);
// Its English name as a menu offers it ("&" before its access key), translated where it is shown.
const char *fadeName(Fade fade);

} // namespace hueprev
