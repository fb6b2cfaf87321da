// The renderer alone, into a sink that only counts, so the figure is the
// scan's own cost.
#include "bench/names.h"
#include "preview/renderer.h"

#include <benchmark/benchmark.h>

namespace {

class CountingSink final : public hueprev::PreviewSink
{
public:
    std::size_t chars = 0;
    std::size_t ops = 0;
    void clear() override { ++ops; }
    void caretToStart() override { ++ops; }
    void setColor(hueprev::ColorValue /*color*/) override { ++ops; }
    void insert(std::u16string_view text) override
    {
        ++ops;
        chars += text.size();
    }
};

void renderer(benchmark::State &state, bool codes)
{
    const std::u16string name = hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), codes);
    for (auto _ : state) {
        CountingSink sink;
        hueprev::renderNickname(name, sink);
        benchmark::DoNotOptimize(sink.chars);
        benchmark::DoNotOptimize(sink.ops);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetLabel("chars/s as items/s");
}

} // namespace

BENCHMARK_CAPTURE(renderer, code_every_6, true)->RangeMultiplier(10)->Range(100, 100'000);
BENCHMARK_CAPTURE(renderer, no_code, false)->RangeMultiplier(10)->Range(100, 100'000);
BENCHMARK_MAIN();
