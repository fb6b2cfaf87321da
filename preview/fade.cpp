#include "preview/fade.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace hueprev {

namespace {
constexpr double kInfinite = std::numeric_limits<double>::infinity();
// What a change of code costs against a letter's distance (squared) to its
// place: enough that a fade passing near two codes never flickers.
constexpr double kChangeCost = 0.01;
// Up to this many letters the limit is met exactly, by the number of changes.
constexpr std::size_t kExactLetters = 64;

// Two hues as CSS mixes them: h2 moved by whole turns so that h1 to h2 goes the way asked.
double towards(double h1, double h2, bool longWay)
{
    const double d = h2 - h1;
    if (!longWay) {
        return d > 180 ? h2 - 360 : d < -180 ? h2 + 360 : h2;
    }
    return d > 0 && d < 180 ? h2 - 360 : d > -180 && d <= 0 ? h2 + 360 : h2;
}

double cost(std::span<const Lab> targets, std::size_t i, int code)
{
    return distance2(targets[i], codeColors()[static_cast<std::size_t>(code)]);
}

bool allowed(std::optional<Ends> ends, std::size_t i, std::size_t last, int code)
{
    return !ends || !((i == 0 && code != ends->first) || (i == last && code != ends->last));
}

int changesOf(const std::vector<int> &codes)
{
    int changes = 0;
    for (std::size_t i = 1; i < codes.size(); ++i) {
        changes += codes[i] != codes[i - 1] ? 1 : 0;
    }
    return changes;
}
} // namespace

std::vector<Lab> fadeTargets(const ColorFade &fade, std::size_t letters)
{
    std::vector<Lab> out;
    if (fade.colors.empty()) {
        return out;
    }
    std::vector<Lch> stops;
    for (const ColorValue color : fade.colors) {
        stops.push_back(toLch(toOklab(color)));
    }
    out.reserve(letters);
    if (stops.size() == 1 || letters == 1) {
        out.assign(letters, fromLch(stops.front()));
        return out;
    }
    // Within a segment lightness, chroma and hue each move by the same step
    // from letter to letter: the hue's cosine and sine turn by one rotation.
    const double perLetter = static_cast<double>(stops.size() - 1) / static_cast<double>(letters - 1);
    std::size_t segment = stops.size();
    Lch from{};
    Lch step{};
    double cosine = 0;
    double sine = 0;
    double turnCos = 0;
    double turnSin = 0;
    for (std::size_t i = 0; i < letters; ++i) {
        const double place = static_cast<double>(i) * perLetter;
        const auto at = std::min(static_cast<std::size_t>(place), stops.size() - 2);
        const double t = place - static_cast<double>(at);
        if (at != segment) {
            segment = at;
            Lch x = stops[at];
            Lch y = stops[at + 1];
            // A colour without hue takes its neighbour's.
            x.h = x.c < kAchromatic && y.c >= kAchromatic ? y.h : x.h;
            y.h = y.c < kAchromatic && x.c >= kAchromatic ? x.h : y.h;
            from = {x.l, x.c, x.h};
            step = {y.l - x.l, y.c - x.c, towards(x.h, y.h, fade.longWay) - x.h};
            const double radians = (from.h + step.h * t) * std::numbers::pi / 180;
            cosine = std::cos(radians);
            sine = std::sin(radians);
            const double turn = step.h * perLetter * std::numbers::pi / 180;
            turnCos = std::cos(turn);
            turnSin = std::sin(turn);
        } else {
            const double c = cosine * turnCos - sine * turnSin;
            sine = sine * turnCos + cosine * turnSin;
            cosine = c;
        }
        const double chroma = from.c + step.c * t;
        out.push_back({from.l + step.l * t, chroma * cosine, chroma * sine});
    }
    return out;
}

std::vector<int> chooseCodes(std::span<const Lab> targets, double changeCost, std::optional<Ends> ends)
{
    const std::size_t n = targets.size();
    std::vector<int> codes(n);
    if (n == 0) {
        return codes;
    }
    // The codes' colours with a and b doubled, as distance2 weighs them, a
    // channel an array: each letter's ten distances are one loop the compiler
    // can do at once.
    std::array<float, kColorCount> pl{};
    std::array<float, kColorCount> pa{};
    std::array<float, kColorCount> pb{};
    for (std::size_t c = 0; c < kColorCount; ++c) {
        pl[c] = static_cast<float>(codeColors()[c].l);
        pa[c] = static_cast<float>(2 * codeColors()[c].a);
        pb[c] = static_cast<float>(2 * codeColors()[c].b);
    }
    std::array<float, kColorCount> distance{};
    const auto measure = [&](const Lab &target) {
        const auto l = static_cast<float>(target.l);
        const auto a = static_cast<float>(2 * target.a);
        const auto b = static_cast<float>(2 * target.b);
        for (std::size_t c = 0; c < kColorCount; ++c) {
            distance[c] = (l - pl[c]) * (l - pl[c]) + (a - pa[c]) * (a - pa[c]) + (b - pb[c]) * (b - pb[c]);
        }
    };
    // Viterbi: every change costs the same, so each letter needs only the best way in.
    std::vector<std::uint8_t> from(n * kColorCount);
    std::array<double, kColorCount> best{};
    measure(targets[0]);
    for (std::size_t c = 0; c < kColorCount; ++c) {
        best[c] = allowed(ends, 0, n - 1, static_cast<int>(c)) ? static_cast<double>(distance[c]) : kInfinite;
    }
    for (std::size_t i = 1; i < n; ++i) {
        measure(targets[i]);
        std::size_t cheapest = 0;
        for (std::size_t c = 1; c < kColorCount; ++c) {
            cheapest = best[c] < best[cheapest] ? c : cheapest;
        }
        const double changed = best[cheapest] + changeCost;
        std::uint8_t *way = &from[i * kColorCount];
        for (std::size_t c = 0; c < kColorCount; ++c) {
            const bool stay = best[c] <= changed;
            way[c] = static_cast<std::uint8_t>(stay ? c : cheapest);
            best[c] = (stay ? best[c] : changed) + distance[c];
        }
    }
    if (ends) {
        // The last letter on its own code: only that way out counts.
        for (std::size_t c = 0; c < kColorCount; ++c) {
            if (static_cast<int>(c) != ends->last) {
                best[c] = kInfinite;
            }
        }
    }
    int code = static_cast<int>(std::min_element(best.begin(), best.end()) - best.begin());
    for (std::size_t i = n; i-- > 0;) {
        codes[i] = code;
        code = from[i * kColorCount + static_cast<std::size_t>(code)];
    }
    return codes;
}

std::optional<std::vector<int>> chooseCodesWithin(std::span<const Lab> targets, std::size_t changes,
                                                  std::optional<Ends> ends)
{
    const std::size_t n = targets.size();
    if (n == 0) {
        return std::vector<int>();
    }
    changes = std::min(changes, n - 1);
    const std::size_t layers = changes + 1;
    // best[k][c]: the least cost to this letter with k changes, ending on code c.
    const auto index = [&](std::size_t i, std::size_t k, int c) {
        return (i * layers + k) * kColorCount + static_cast<std::size_t>(c);
    };
    std::vector<double> best(n * layers * kColorCount, kInfinite);
    std::vector<std::uint8_t> from(best.size());
    for (int c = 0; c < kColorCount; ++c) {
        best[index(0, 0, c)] = allowed(ends, 0, n - 1, c) ? cost(targets, 0, c) : kInfinite;
    }
    for (std::size_t i = 1; i < n; ++i) {
        for (std::size_t k = 0; k < layers; ++k) {
            int cheapest = 0;
            for (int c = 1; k > 0 && c < kColorCount; ++c) {
                cheapest = best[index(i - 1, k - 1, c)] < best[index(i - 1, k - 1, cheapest)] ? c : cheapest;
            }
            for (int c = 0; c < kColorCount; ++c) {
                if (!allowed(ends, i, n - 1, c)) {
                    continue;
                }
                double way = best[index(i - 1, k, c)];
                int prior = c;
                if (k > 0 && cheapest != c && best[index(i - 1, k - 1, cheapest)] < way) {
                    way = best[index(i - 1, k - 1, cheapest)];
                    prior = cheapest;
                }
                best[index(i, k, c)] = way + cost(targets, i, c);
                from[index(i, k, c)] = static_cast<std::uint8_t>(prior);
            }
        }
    }
    std::size_t k = 0;
    int code = 0;
    for (std::size_t layer = 0; layer < layers; ++layer) {
        for (int c = 0; c < kColorCount; ++c) {
            if (best[index(n - 1, layer, c)] < best[index(n - 1, k, code)]) {
                k = layer;
                code = c;
            }
        }
    }
    if (best[index(n - 1, k, code)] == kInfinite) {
        return std::nullopt;
    }
    std::vector<int> codes(n);
    for (std::size_t i = n; i-- > 0;) {
        codes[i] = code;
        const int prior = from[index(i, k, code)];
        k -= i > 0 && prior != code ? 1 : 0;
        code = prior;
    }
    return codes;
}

FadeResult fadeLetters(std::u16string_view name, std::size_t from, std::size_t to, const ColorFade &fade,
                       std::optional<std::size_t> limit)
{
    const auto length = [&](const std::optional<NameEdit> &edit) {
        return edit ? name.size() - edit->length + edit->text.size() : name.size();
    };
    const auto fits = [&](const std::optional<NameEdit> &edit) { return !limit || length(edit) <= *limit; };
    if (fade.colors.empty()) {
        return {std::nullopt, fits(std::nullopt)};
    }
    // The letters' places in the fade, worked out once the range's letters are counted.
    std::vector<Lab> targets;
    Ends ends{};
    std::optional<NameEdit> edit = colorEachLetter(name, from, to, [&](std::size_t letters) {
        targets = fadeTargets(fade, letters);
        // A single letter is where the fade starts.
        ends.first = nearestCode(toOklab(fade.colors.front()));
        ends.last = letters == 1 ? ends.first : nearestCode(toOklab(fade.colors.back()));
        return chooseCodes(targets, kChangeCost, ends);
    });
    if (targets.empty()) {
        return {std::nullopt, fits(std::nullopt)};
    }
    if (fits(edit)) {
        return {std::move(edit), true};
    }
    const std::size_t letters = targets.size();
    const auto made = [&](const std::vector<int> &codes) {
        return colorEachLetter(name, from, to, [&](std::size_t) { return codes; });
    };

    // Fewer changes, the ends kept while they can be, then let go.
    const std::size_t shortest = length(made(*chooseCodesWithin(targets, 0, std::nullopt)));
    for (const std::optional<Ends> kept : {std::optional<Ends>(ends), std::optional<Ends>()}) {
        if (limit && shortest > *limit) {
            break;
        }
        if (letters <= kExactLetters) {
            // The most changes that fit, found by halving: a name grows with each.
            std::size_t low = 0;
            std::size_t high = static_cast<std::size_t>(changesOf(chooseCodes(targets, kChangeCost, kept)));
            std::optional<NameEdit> fitting;
            while (low < high) {
                const std::size_t middle = (low + high) / 2;
                const auto codes = chooseCodesWithin(targets, middle, kept);
                if (std::optional<NameEdit> tried = codes ? made(*codes) : std::nullopt;
                    codes && fits(tried)) {
                    fitting = std::move(tried);
                    low = middle + 1;
                } else {
                    high = middle;
                }
            }
            if (fitting) {
                return {std::move(fitting), true};
            }
            continue;
        }
        // A long range: the least change cost whose changes the limit has room for, each a code.
        std::size_t room = (*limit - shortest) / 2;
        for (int attempt = 0; attempt < 3; ++attempt) {
            double low = kChangeCost;
            double high = 1e4;
            std::vector<int> codes = chooseCodes(targets, high, kept);
            for (int step = 0; step < 12; ++step) {
                const double middle = std::sqrt(low * high);
                std::vector<int> tried = chooseCodes(targets, middle, kept);
                if (static_cast<std::size_t>(changesOf(tried)) <= room) {
                    codes = std::move(tried);
                    high = middle;
                } else {
                    low = middle;
                }
            }
            if (edit = made(codes); fits(edit)) {
                return {std::move(edit), true};
            }
            const std::size_t over = length(edit) - *limit;
            room = room > over ? room - over : 0;
        }
    }
    // One code for the whole range is the shortest there is.
    edit = made(*chooseCodesWithin(targets, 0, std::nullopt));
    const bool fitted = fits(edit);
    return {std::move(edit), fitted};
}

} // namespace hueprev
