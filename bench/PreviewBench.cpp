#include "generate/PreviewPage.h"
#include "platform/HtmlView.h"
#include "scheme/HexColor.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace brisvane::bench {

namespace {

// One keystroke's worth of preview work: build the page for the current colours and hand it
// to the view, as every accepted colour change does.
void BM_PreviewPageToView(benchmark::State& state) {
    HtmlView view;
    view.resize(189, 145);
    view.show();
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    ScrollbarScheme scheme = defaultScheme;
    int i = 0;
    for (auto _ : state) {
        // A different colour each time, so no cache can answer for the view.
        scheme.faceGroupColors[0] = colorToHex(i++ & 0xFFFFFF);
        view.setDocumentHtml(QString::fromStdString(buildPreviewPage(scheme, folder)));
    }
}
BENCHMARK(BM_PreviewPageToView)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
