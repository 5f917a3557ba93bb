#include "generate/EveryBrowserBlock.h"
#include "scheme/HexColor.h"

#include <benchmark/benchmark.h>

namespace brisvane::bench {

namespace {

// What one click on the every-browser button builds: the block with its colours checked and
// written into some twenty places, for each reach (every box, the page, a selector list that
// is checked first and then written into some fifteen places); and, last, with every part:
// hover and pressed faces, a dark set, and a dark theme selector.
void BM_EveryBrowserBlock(benchmark::State& state) {
    ProjectColors colors(defaultScheme);
    if (state.range(0) == 3) {
        colors.light.hoverColor = "#D0D0D0";
        colors.light.pressedColor = "#A0A0A0";
        colors.dark = darkDefaultScheme;
        colors.dark->hoverColor = "#7E7E7E";
        colors.dark->pressedColor = "#5A5A5A";
    }
    int i = 0;
    for (auto _ : state) {
        colors.light.faceGroupColors[0] = colorToHex(i++ & 0xFFFFFF);
        const BlockReach reach =
            state.range(0) == 0   ? BlockReach()
            : state.range(0) == 1 ? BlockReach::page()
                                  : *BlockReach::matching(".sidebar > ul li:not(.open), textarea, "
                                                          "pre[class*='language-']");
        const std::string darkWhen =
            state.range(0) == 3 ? BlockReach::matching("html.dark")->selectors() : "";
        benchmark::DoNotOptimize(buildEveryBrowserBlock(colors, reach, darkWhen));
    }
}
BENCHMARK(BM_EveryBrowserBlock)
    ->ArgName("reach")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
