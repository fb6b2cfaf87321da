// The name tools on a long name, each as a player runs it on the whole name;
// and the count, which every change makes.
#include "bench/names.h"
#include "preview/fade.h"
#include "preview/nametools.h"
#include "preview/shareformats.h"

#include <benchmark/benchmark.h>

namespace {

using hueprev::Fade;

template <typename Tool> void onWholeName(benchmark::State &state, Tool tool)
{
    const std::u16string name = hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), true);
    for (auto _ : state) {
        auto edit = tool(name);
        benchmark::DoNotOptimize(edit);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void count(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::countName(name); });
}
void removeUnneeded(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::removeUnneededCodes(name); });
}
void removeColors(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::removeColors(name, 0, name.size()); });
}
void colorRainbow(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) {
        return hueprev::colorLetters(name, 0, name.size(), hueprev::fadeColors(Fade::Rainbow));
    });
}

// A fade between three colours over range(0) letters (a plain name), as Any
// colours… makes it; range(1): the limit, in characters over the name's own
// length (0 for none).
void fadeThree(benchmark::State &state)
{
    const hueprev::ColorFade fade{{hueprev::colorValue(255, 136, 0), hueprev::colorValue(136, 0, 255),
                                   hueprev::colorValue(0, 200, 120)},
                                  false};
    const std::u16string name = hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), false);
    const auto over = static_cast<std::size_t>(state.range(1));
    const std::optional<std::size_t> limit = over > 0 ? std::optional(name.size() + over) : std::nullopt;
    for (auto _ : state) {
        auto result = hueprev::fadeLetters(name, 0, name.size(), fade, limit);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// Copy as: each text format of the whole name.
void discord(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::discordCopy(name); });
}
void bbcode(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::bbcodeCopy(name); });
}
void html(benchmark::State &state)
{
    onWholeName(state, [](std::u16string_view name) { return hueprev::htmlCopy(name); });
}

} // namespace

BENCHMARK(discord)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(bbcode)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(html)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(fadeThree)
    ->Args({30, 6})
    ->Args({100'000, 0})
    ->Args({100'000, 2'000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(count)->Arg(30)->Arg(100'000)->Arg(1'000'000);
BENCHMARK(colorRainbow)->Arg(30);
BENCHMARK(removeUnneeded)->Arg(100'000);
BENCHMARK(removeColors)->Arg(100'000);
BENCHMARK(colorRainbow)->Arg(100'000);
BENCHMARK_MAIN();
