#include "generate/EveryBrowserBlock.h"
#include "scheme/HexColor.h"

#include <benchmark/benchmark.h>

namespace brisvane::bench {

namespace {

// What one click on the every-browser button builds: the block with its colours checked and
// written into some twenty places, for each reach (every box, the page, a selector list that
// is checked first and then written into some fifteen places).
void BM_EveryBrowserBlock(benchmark::State& state) {
    ScrollbarScheme scheme = defaultScheme;
    int i = 0;
    for (auto _ : state) {
        scheme.faceGroupColors[0] = colorToHex(i++ & 0xFFFFFF);
        std::string why;
        const BlockReach reach =
            state.range(0) == 0   ? BlockReach()
            : state.range(0) == 1 ? BlockReach::page()
                                  : *BlockReach::matching(".sidebar > ul li:not(.open), textarea, "
                                                          "pre[class*='language-']",
                                                          why);
        benchmark::DoNotOptimize(buildEveryBrowserBlock(scheme, reach));
    }
}
BENCHMARK(BM_EveryBrowserBlock)
    ->ArgName("reach")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
