#include "generate/EveryBrowserBlock.h"
#include "scheme/HexColor.h"

#include <benchmark/benchmark.h>

namespace brisvane::bench {

namespace {

// What one click on the every-browser button builds: the block with its colours checked and
// written into some twenty places.
void BM_EveryBrowserBlock(benchmark::State& state) {
    ScrollbarScheme scheme = defaultScheme;
    int i = 0;
    for (auto _ : state) {
        scheme.faceGroupColors[0] = colorToHex(i++ & 0xFFFFFF);
        benchmark::DoNotOptimize(buildEveryBrowserBlock(scheme));
    }
}
BENCHMARK(BM_EveryBrowserBlock)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
