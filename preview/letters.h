#pragma once

#include "preview/colorcodes.h"
#include "preview/utf16.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// What a player sees as one letter: a Unicode extended grapheme cluster (a
// letter with its marks, an emoji with its modifiers and joiners, a flag).
// The tables are made at build time from Unicode's own data files.
namespace hueprev {

// The grapheme break property, with the pictographs told apart.
enum class GraphemeBreak : std::uint8_t {
    Other,
    CR,
    LF,
    Control,
    Extend,
    ZWJ,
    RegionalIndicator,
    Prepend,
    SpacingMark,
    L,
    V,
    T,
    LV,
    LVT,
    ExtendedPictographic,
};
GraphemeBreak graphemeBreakOf(char32_t codePoint);

namespace detail {
struct BreakRange
{
    char32_t first;
    std::uint16_t span; // the range is first to first + span: 8 bytes a range
    GraphemeBreak value;
};
// Generated from Unicode's data files by make_letters.py, sorted.
extern const BreakRange kBreakRanges[];
extern const std::size_t kBreakRangeCount;
extern const char *const kUnicodeVersion;
} // namespace detail

// The Unicode version of the data the letters' table was made from ("15.0.0").
inline const char *unicodeVersion()
{
    return detail::kUnicodeVersion;
}

// Where letters start, told one code point at a time, each after those before it.
class LetterBreaker
{
public:
    bool startsLetter(char32_t codePoint);

private:
    bool started_ = false;
    GraphemeBreak before_ = GraphemeBreak::Other;
    bool pictograph_ = false;    // what came before is a pictograph and marks
    bool pictographZwj_ = false; // ... and then a joiner
    bool oddFlags_ = false;      // an odd number of regional indicators just before
};

// Whether a name's text at `at` is a colour code: "^" and a digit.
constexpr bool isCodeAt(std::u16string_view text, std::size_t at)
{
    return at + 1 < text.size() && text[at] == kCodeIntroducer && colorDigitIndex(text[at + 1]);
}

enum class Codes { Hidden, Shown };

// Calls `visit(std::size_t at, bool startsLetter)` for each unit of the text
// that shows, in order: with Codes::Hidden a name's codes are passed over (a
// pair whose halves a code parts is one character once shown), with
// Codes::Shown the text is taken as it stands, as a preview's is.
template <typename Visit> void forEachShownUnit(std::u16string_view text, Codes codes, Visit &&visit)
{
    const auto shownFrom = [&](std::size_t at) {
        while (codes == Codes::Hidden && isCodeAt(text, at)) {
            at += 2;
        }
        return at;
    };
    LetterBreaker breaker;
    for (std::size_t at = shownFrom(0); at < text.size();) {
        const char16_t unit = text[at];
        std::size_t low = isHighSurrogate(unit) ? shownFrom(at + 1) : text.size();
        char32_t codePoint = unit;
        if (low < text.size() && isLowSurrogate(text[low])) {
            codePoint = codePointOf(unit, text[low]);
        } else {
            low = text.size();
        }
        visit(at, breaker.startsLetter(codePoint));
        if (low < text.size()) {
            visit(low, false);
            at = low;
        }
        at = shownFrom(at + 1);
    }
}

// Where the text's shown letters start: starts[i] is 1 for a letter that
// starts at text[i], and starts[text.size()] is 1.
std::vector<std::uint8_t> letterStarts(std::u16string_view text, Codes codes);

// How many letters the text shows.
std::size_t countLetters(std::u16string_view text, Codes codes);

// A stretch of shown text, in units of the text that shows.
struct ShownRange
{
    std::size_t from;
    std::size_t to;
};
// The longest a letter is kept whole at the edge of a stretch of a preview;
// one longer (hundreds of marks on one letter) is cut there.
inline constexpr std::size_t kLongestWholeLetter = 64;
// [from, to) of the name's shown text widened to whole letters: from back to
// the start of its letter, to on to the end of its letter, each by at most
// kLongestWholeLetter units and never into a surrogate pair.
ShownRange wholeLetters(std::u16string_view name, ShownRange range);

} // namespace hueprev
