#include "preview/nametools.h"

#include "preview/colorcodes.h"
#include "preview/letters.h"
#include "preview/linebreaks.h"
#include "preview/translatable.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace hueprev {

namespace {
int codeIndexAt(std::u16string_view name, std::size_t at)
{
    return *colorDigitIndex(name[at + 1]);
}

// What shows no colour: spaces, and the line breaks a name shows as spaces.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || isLineBreak(c);
}

// Whether text starting with `rest` would join a caret that `before` ends in into a code.
bool wouldJoin(std::u16string_view before, std::u16string_view rest)
{
    return !before.empty() && before.back() == kCodeIntroducer && !rest.empty() &&
           colorDigitIndex(rest.front());
}

// The colour in force at `at`: the last code before it, white before any.
int colorAt(std::u16string_view name, std::size_t at)
{
    int color = kDefaultColorIndex;
    for (std::size_t i = 0; i < at;) {
        if (isCodeAt(name, i) && i + 2 <= at) {
            color = codeIndexAt(name, i);
            i += 2;
        } else {
            ++i;
        }
    }
    return color;
}

// Where the name's shown letters start, its codes passed over.
using Starts = std::vector<std::uint8_t>;
Starts letterStarts(std::u16string_view name)
{
    return letterStarts(name, Codes::Hidden);
}

// The first position from `at` that is not a code.
std::size_t pastCodes(std::u16string_view name, std::size_t at)
{
    while (isCodeAt(name, at)) {
        at += 2;
    }
    return at;
}

// Whether anything from `at` up to the next code shows its colour: a
// blank does only when its letter goes on, with a mark.
bool showsFrom(std::u16string_view name, const Starts &starts, std::size_t at)
{
    for (; at < name.size() && !isCodeAt(name, at); ++at) {
        if (!isBlank(name[at]) || !starts[pastCodes(name, at + 1)]) {
            return true;
        }
    }
    return false;
}

// [from, to) of the name with every code in it that changes nothing left out.
std::u16string tidied(std::u16string_view name, std::size_t from, std::size_t to)
{
    const Starts starts = letterStarts(name);
    std::u16string out;
    out.reserve(to - from);
    int current = colorAt(name, from);
    for (std::size_t at = from; at < to;) {
        if (!isCodeAt(name, at)) {
            out += name[at++];
            continue;
        }
        const int index = codeIndexAt(name, at);
        const std::size_t next = at + 2;
        const std::u16string_view before = out.empty() ? name.substr(0, from) : std::u16string_view(out);
        if ((index != current && showsFrom(name, starts, next)) || wouldJoin(before, name.substr(next))) {
            out += name.substr(at, 2);
            current = index;
        }
        at = next;
    }
    return out;
}

// The range rewritten as `out`, ending so that the text after it keeps its
// colour, and tidied: none when nothing changes.
std::optional<NameEdit> rewrite(std::u16string_view name, const Starts &starts, NameRange range,
                                std::u16string out, int last)
{
    const std::u16string_view rest = name.substr(range.to);
    const int after = colorAt(name, range.to);
    const std::u16string_view before = out.empty() ? name.substr(0, range.from) : std::u16string_view(out);
    if ((after != last && showsFrom(name, starts, range.to)) || wouldJoin(before, rest)) {
        out += colorCode(after);
    }
    const std::size_t length = out.size();
    std::u16string whole(name.substr(0, range.from));
    whole += out;
    whole += rest;
    std::u16string text = tidied(whole, range.from, range.from + length);
    if (name.substr(range.from, range.to - range.from) == text) {
        return std::nullopt;
    }
    return NameEdit{range.from, range.to - range.from, std::move(text)};
}
} // namespace

NameCount countName(std::u16string_view name)
{
    NameCount count{name.size(), 0, 0};
    forEachShownUnit(name, Codes::Hidden, [&](std::size_t, bool letter) {
        count.shown += letter ? 1 : 0;
        ++count.shownUnits;
    });
    return count;
}

std::optional<NameEdit> removeUnneededCodes(std::u16string_view name)
{
    std::u16string out = tidied(name, 0, name.size());
    if (out.size() == name.size()) {
        return std::nullopt;
    }
    return NameEdit{0, name.size(), std::move(out)};
}

namespace {
// The range a tool takes for [from, to): widened to whole codes and letters,
// and over the codes (and blanks between them) at its edges, which it rewrites.
NameRange takenWith(std::u16string_view name, const Starts &starts, std::size_t from, std::size_t to)
{
    to = std::min(to, name.size());
    from = std::min(from, to);
    const auto isBlankLetter = [&](std::size_t at) {
        return isBlank(name[at]) && starts[at] && starts[pastCodes(name, at + 1)];
    };
    for (NameRange was{name.size() + 1, 0}; was.from != from || was.to != to;) {
        was = {from, to};
        // Whole codes.
        from -= from > 0 && isCodeAt(name, from - 1) ? 1 : 0;
        to += to > 0 && to < name.size() && isCodeAt(name, to - 1) ? 1 : 0;
        // Whole letters: an edge inside one moves out to its start or its end.
        while (from > 0 && !starts[pastCodes(name, from)]) {
            --from;
        }
        while (to < name.size() && !starts[pastCodes(name, to)]) {
            ++to;
        }
        // The codes at the edges, and the blanks between them.
        for (std::size_t at = from; at > 0;) {
            if (at >= 2 && isCodeAt(name, at - 2)) {
                from = at -= 2;
            } else if (isBlankLetter(at - 1)) {
                --at;
            } else {
                break;
            }
        }
        for (std::size_t at = to; at < name.size();) {
            if (isCodeAt(name, at)) {
                to = at += 2;
            } else if (isBlankLetter(at)) {
                ++at;
            } else {
                break;
            }
        }
    }
    return {from, to};
}
} // namespace

namespace {
bool allBlank(std::u16string_view text)
{
    // A lambda, not the function's address, so that the test is inlined.
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return isBlank(c); });
}

// Calls visit(letter) for each letter of the range, without the codes that stood in it.
template <typename Visit>
void forEachLetter(std::u16string_view name, const Starts &starts, NameRange range, Visit &&visit)
{
    std::u16string letter;
    for (std::size_t at = range.from; at < range.to;) {
        if (isCodeAt(name, at)) {
            at += 2;
            continue;
        }
        letter += name[at++];
        if (starts[pastCodes(name, at)] != 0 || at >= range.to) {
            visit(std::u16string_view(letter));
            letter.clear();
        }
    }
}

// The range's letters that show a colour, the k-th in colour codeOf(k, count).
template <typename CodeOf>
std::optional<NameEdit> paintLetters(std::u16string_view name, std::size_t from, std::size_t to,
                                     CodeOf &&codeOf)
{
    const Starts starts = letterStarts(name);
    const NameRange range = takenWith(name, starts, from, to);
    std::size_t shown = 0;
    forEachLetter(name, starts, range, [&](std::u16string_view text) { shown += allBlank(text) ? 0 : 1; });
    std::u16string out;
    out.reserve(range.to - range.from + 2 * shown + 2);
    int last = colorAt(name, range.from);
    std::size_t k = 0;
    forEachLetter(name, starts, range, [&](std::u16string_view text) {
        const std::u16string_view before =
            out.empty() ? name.substr(0, range.from) : std::u16string_view(out);
        const bool blankLetter = allBlank(text);
        const int code = blankLetter ? last : codeOf(k, shown);
        if (!blankLetter && (k == 0 || code != last)) {
            last = code;
            out += colorCode(last);
        } else if (wouldJoin(before, text)) {
            out += colorCode(last); // a shown caret before a digit stays a caret
        }
        out += text;
        k += blankLetter ? 0 : 1;
    });
    return rewrite(name, starts, range, std::move(out), last);
}
} // namespace

int colorIndexAt(std::u16string_view name, std::size_t at)
{
    return colorAt(name, at);
}

std::size_t lettersTaken(std::u16string_view name, std::size_t from, std::size_t to)
{
    const Starts starts = letterStarts(name);
    std::size_t shown = 0;
    forEachLetter(name, starts, takenWith(name, starts, from, to),
                  [&](std::u16string_view text) { shown += allBlank(text) ? 0 : 1; });
    return shown;
}

std::optional<NameEdit> colorLetters(std::u16string_view name, std::size_t from, std::size_t to,
                                     std::span<const int> colors)
{
    // In bands as even as the letters allow, the first ones a letter longer.
    return paintLetters(name, from, to, [&](std::size_t k, std::size_t shown) {
        const std::size_t bands = std::min(shown, colors.size());
        const std::size_t base = shown / bands;
        const std::size_t longer = shown % bands;
        const std::size_t band =
            k < longer * (base + 1) ? k / (base + 1) : longer + (k - longer * (base + 1)) / base;
        return colors[band];
    });
}

std::optional<NameEdit> colorEachLetter(std::u16string_view name, std::size_t from, std::size_t to,
                                        const std::function<std::vector<int>(std::size_t)> &codesFor)
{
    std::vector<int> codes;
    return paintLetters(name, from, to, [&](std::size_t k, std::size_t shown) {
        if (k == 0) {
            codes = codesFor(shown);
        }
        return k < codes.size() ? codes[k] : codes.empty() ? kDefaultColorIndex : codes.back();
    });
}

std::optional<NameEdit> removeColors(std::u16string_view name, std::size_t from, std::size_t to)
{
    static constexpr int kDefault[] = {kDefaultColorIndex};
    return colorLetters(name, from, to, kDefault);
}

std::span<const int> fadeColors(Fade fade)
{
    static constexpr int kRainbow[] = {1, 3, 2, 5, 4, 6};
    static constexpr int kFire[] = {1, 3, 7};
    static constexpr int kSea[] = {4, 8, 5};
    static constexpr int kSteel[] = {9, 7};
    switch (fade) {
    case Fade::Rainbow:
        return kRainbow;
    case Fade::Fire:
        return kFire;
    case Fade::Sea:
        return kSea;
    case Fade::Steel:
        break;
    }
    return kSteel;
}

const char *fadeName(Fade fade)
{
    switch (fade) {
    case Fade::Rainbow:
        return translatable("&Rainbow");
    case Fade::Fire:
        return translatable("&Fire");
    case Fade::Sea:
        return translatable("&Sea");
    case Fade::Steel:
        break;
    }
    return translatable("S&teel");
}

} // namespace hueprev
