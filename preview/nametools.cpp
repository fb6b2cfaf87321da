#include "preview/nametools.h"

#include "preview/linebreaks.h"
#include "preview/renderer.h"
#include "preview/translatable.h"

namespace hueprev {

namespace {
bool isCodeAt(std::u16string_view name, std::size_t at)
{
    return at + 1 < name.size() && name[at] == kCodeIntroducer && colorDigitIndex(name[at + 1]);
}

int codeIndexAt(std::u16string_view name, std::size_t at)
{
    return *colorDigitIndex(name[at + 1]);
}

// What shows no colour: spaces, and the line breaks a name shows as spaces.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || isLineBreak(c);
}

// Whether text starting with `next` would join a caret that `out` ends in into a code.
bool wouldJoin(std::u16string_view out, std::u16string_view rest)
{
    return !out.empty() && out.back() == kCodeIntroducer && !rest.empty() && colorDigitIndex(rest.front());
}

void appendCode(std::u16string &out, int index)
{
    out += colorCode(index);
}

// A range widened so that no code is cut in two.
struct Range
{
    std::size_t from;
    std::size_t to;
};
Range wholeCodes(std::u16string_view name, std::size_t from, std::size_t to)
{
    to = std::min(to, name.size());
    from = std::min(from, to);
    if (from > 0 && isCodeAt(name, from - 1)) {
        --from;
    }
    if (to > 0 && to < name.size() && isCodeAt(name, to - 1)) {
        ++to;
    }
    return {from, to};
}

// The colour in force at `at`: the last code before it, white before any.
int colourAt(std::u16string_view name, std::size_t at)
{
    int colour = kDefaultColorIndex;
    for (std::size_t i = 0; i < at;) {
        if (isCodeAt(name, i) && i + 2 <= at) {
            colour = codeIndexAt(name, i);
            i += 2;
        } else {
            ++i;
        }
    }
    return colour;
}

// The range rewritten as `out`: ends it so that the text after it keeps its colour.
std::optional<NameEdit> closeRange(std::u16string_view name, Range range, std::u16string out, int last)
{
    const std::u16string_view rest = name.substr(range.to);
    // Only text that shows needs its colour back: up to the next code, anything but blanks.
    bool shows = false;
    for (std::size_t i = 0; i < rest.size() && !isCodeAt(rest, i) && !shows; ++i) {
        shows = !isBlank(rest[i]);
    }
    if (shows) {
        const int after = colourAt(name, range.to);
        if (after != last || wouldJoin(out.empty() ? name.substr(0, range.from) : out, rest)) {
            appendCode(out, after);
        }
    }
    if (name.substr(range.from, range.to - range.from) == out) {
        return std::nullopt;
    }
    return NameEdit{range.from, range.to - range.from, std::move(out)};
}
} // namespace

NameCount countName(std::u16string_view name)
{
    return {name.size(), previewPosition(name, name.size())};
}

std::optional<NameEdit> removeUnneededCodes(std::u16string_view name)
{
    std::u16string out;
    out.reserve(name.size());
    int current = kDefaultColorIndex;
    for (std::size_t at = 0; at < name.size();) {
        if (!isCodeAt(name, at)) {
            out += name[at++];
            continue;
        }
        const int index = codeIndexAt(name, at);
        const std::size_t next = at + 2;
        // Does anything up to the next code show its colour?
        bool shows = false;
        for (std::size_t i = next; i < name.size() && !isCodeAt(name, i) && !shows; ++i) {
            shows = !isBlank(name[i]);
        }
        if ((shows && index != current) || wouldJoin(out, name.substr(next))) {
            out += name.substr(at, 2);
            current = index;
        }
        at = next;
    }
    if (out.size() == name.size()) {
        return std::nullopt;
    }
    return NameEdit{0, name.size(), std::move(out)};
}

std::optional<NameEdit> removeColours(std::u16string_view name, std::size_t from, std::size_t to)
{
    const Range range = wholeCodes(name, from, to);
    const int before = colourAt(name, range.from);
    std::u16string out;
    for (std::size_t at = range.from; at < range.to;) {
        if (isCodeAt(name, at)) {
            at += 2;
            continue;
        }
        // A shown caret meets a shown digit once the code between them is gone.
        if (wouldJoin(std::u16string_view(out).empty() ? name.substr(0, range.from)
                                                       : std::u16string_view(out),
                      name.substr(at, 1))) {
            appendCode(out, before);
        }
        out += name[at++];
    }
    return closeRange(name, range, std::move(out), before);
}

std::span<const int> fadeColours(Fade fade)
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
        return translatable("Rainbow");
    case Fade::Fire:
        return translatable("Fire");
    case Fade::Sea:
        return translatable("Sea");
    case Fade::Steel:
        break;
    }
    return translatable("Steel");
}

std::optional<NameEdit> colourLetters(std::u16string_view name, std::size_t from, std::size_t to, Fade fade)
{
    const Range range = wholeCodes(name, from, to);
    std::u16string shown;
    for (std::size_t at = range.from; at < range.to;) {
        if (isCodeAt(name, at)) {
            at += 2;
        } else {
            shown += name[at++];
        }
    }
    std::size_t letters = 0;
    for (const char16_t c : shown) {
        letters += isBlank(c) ? 0 : 1;
    }
    const std::span<const int> colours = fadeColours(fade);
    const std::size_t bands = std::min(letters, colours.size());
    // The first `longer` bands hold one letter more than the rest.
    const std::size_t base = bands > 0 ? letters / bands : 0;
    const std::size_t longer = bands > 0 ? letters % bands : 0;

    std::u16string out;
    int last = colourAt(name, range.from);
    std::size_t band = 0;
    std::size_t leftInBand = 0;
    for (const char16_t c : shown) {
        if (isBlank(c)) {
            out += c;
            continue;
        }
        if (leftInBand == 0) {
            leftInBand = base + (band < longer ? 1 : 0);
            last = colours[band++];
            appendCode(out, last);
        } else if (wouldJoin(out, std::u16string_view(&c, 1))) {
            appendCode(out, last); // a shown caret before a digit stays a caret
        }
        out += c;
        --leftInBand;
    }
    return closeRange(name, range, std::move(out), last);
}

} // namespace hueprev
