#include "preview/letters.h"

#include <algorithm>
#include <array>

namespace hueprev {

GraphemeBreak graphemeBreakOf(char32_t codePoint)
{
    // Nearly every name is ASCII.
    if (codePoint >= 0x20 && codePoint < 0x7F) {
        return GraphemeBreak::Other;
    }
    const detail::BreakRange *first = detail::kBreakRanges;
    const detail::BreakRange *last = first + detail::kBreakRangeCount;
    const auto *found = std::upper_bound(
        first, last, codePoint, [](char32_t cp, const detail::BreakRange &r) { return cp < r.first; });
    if (found == first || (found - 1)->first + (found - 1)->span < codePoint) {
        return GraphemeBreak::Other;
    }
    return (found - 1)->value;
}

namespace {
using enum GraphemeBreak;

constexpr unsigned bit(GraphemeBreak value)
{
    return 1U << static_cast<unsigned>(value);
}
constexpr bool isAnyOf(GraphemeBreak value, unsigned set)
{
    return (bit(value) & set) != 0;
}
constexpr unsigned kControls = bit(Control) | bit(CR) | bit(LF);
constexpr unsigned kJoinBefore = bit(Extend) | bit(ZWJ) | bit(SpacingMark);

// Whether two code points belong to one letter (Unicode's rules GB3 to GB13).
bool joins(GraphemeBreak before, GraphemeBreak now, bool pictographZwj, bool oddFlags)
{
    if (isAnyOf(before, kControls) || isAnyOf(now, kControls)) {
        return before == CR && now == LF;
    }
    return (before == L && isAnyOf(now, bit(L) | bit(V) | bit(LV) | bit(LVT))) ||
           (isAnyOf(before, bit(LV) | bit(V)) && isAnyOf(now, bit(V) | bit(T))) ||
           (isAnyOf(before, bit(LVT) | bit(T)) && now == T) || isAnyOf(now, kJoinBefore) ||
           before == Prepend || (before == ZWJ && now == ExtendedPictographic && pictographZwj) ||
           (before == RegionalIndicator && now == RegionalIndicator && oddFlags);
}
} // namespace

bool LetterBreaker::startsLetter(char32_t codePoint)
{
    const GraphemeBreak now = graphemeBreakOf(codePoint);
    // Nearly every pair of a name is two letters of Other.
    const bool starts =
        !started_ || (before_ == Other && now == Other) || !joins(before_, now, pictographZwj_, oddFlags_);
    started_ = true;
    pictographZwj_ = now == ZWJ && pictograph_;
    pictograph_ = now == ExtendedPictographic || (now == Extend && pictograph_);
    oddFlags_ = now == RegionalIndicator && !oddFlags_;
    before_ = now;
    return starts;
}

std::size_t countLetters(std::u16string_view text, Codes codes)
{
    std::size_t letters = 0;
    forEachShownUnit(text, codes, [&](std::size_t, bool starts) { letters += starts ? 1 : 0; });
    return letters;
}

std::vector<std::uint8_t> letterStarts(std::u16string_view text, Codes codes)
{
    std::vector<std::uint8_t> starts(text.size() + 1, 0);
    starts[text.size()] = 1;
    forEachShownUnit(text, codes, [&](std::size_t at, bool letter) { starts[at] = letter ? 1 : 0; });
    return starts;
}

ShownRange wholeLetters(std::u16string_view name, ShownRange range)
{
    // The last letter start and the last character start at or before each edge.
    ShownRange letter{0, 0};
    ShownRange character{0, 0};
    std::size_t shown = 0;
    bool toFound = false;
    bool toCharacterFound = false;
    ShownRange out = range;
    forEachShownUnit(name, Codes::Hidden, [&](std::size_t at, bool starts) {
        const bool startsCharacter = starts || !isLowSurrogate(name[at]);
        if (shown <= range.from) {
            letter.from = starts ? shown : letter.from;
            character.from = startsCharacter ? shown : character.from;
        }
        if (shown >= range.to && !toFound) {
            if (startsCharacter && !toCharacterFound) {
                toCharacterFound = true;
                character.to = shown;
            }
            if (starts) {
                toFound = true;
                letter.to = shown;
            }
        }
        ++shown;
    });
    if (range.from < shown) {
        out.from = range.from - letter.from <= kLongestWholeLetter ? letter.from : character.from;
    }
    if (!toFound) {
        letter.to = shown; // the last letter ends with the text
    }
    if (!toCharacterFound) {
        character.to = shown;
    }
    if (range.to < shown) {
        out.to = letter.to - range.to <= kLongestWholeLetter ? letter.to : character.to;
    }
    return out;
}

} // namespace hueprev
