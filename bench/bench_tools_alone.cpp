// The count and Colour the letters timed alone, for builds without Google
// Benchmark: the page's, under Node (a key on the page is too coarse to
// show the count). Medians of `repetitions` runs, each of enough calls to
// be timed:
//   node --no-experimental-fetch build/web/bench/bench_tools_alone.js [repetitions]
#include "bench/names.h"
#include "preview/nametools.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
template <typename Work> double medianMicroseconds(int repetitions, int calls, Work work)
{
    std::vector<double> runs;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int c = 0; c < calls; ++c) {
            work();
        }
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        runs.push_back(took.count() / calls);
    }
    std::nth_element(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(runs.size() / 2), runs.end());
    return runs[runs.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    volatile std::size_t sink = 0;
    for (const std::size_t length : {std::size_t{30}, std::size_t{100'000}}) {
        const std::u16string name = hueprev::bench::nickname(length, true);
        const int calls = length < 1'000 ? 10'000 : 5;
        const double count =
            medianMicroseconds(repetitions, calls, [&] { sink = hueprev::countName(name).shown; });
        const auto rainbow = hueprev::fadeColors(hueprev::Fade::Rainbow);
        const double color = medianMicroseconds(repetitions, calls, [&] {
            sink = hueprev::colorLetters(name, 0, name.size(), rainbow)->text.size();
        });
        std::printf("%zu characters: count %.3f ms, Rainbow %.3f ms (median of %d)\n", length, count / 1000,
                    color / 1000, repetitions);
    }
    return sink == 0 ? 1 : 0;
}
