#include "app/Session.h"
#include "platform/QtPlatformUi.h"
#include "platform/System.h"
#include "store/ProjectStore.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/frmMain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace brisvane::bench {

namespace {

// The program's main window, shown as at start-up, closed again without a close prompt.
struct ShownMainWindow {
    ShownMainWindow() {
        window.show();
        shown = QTest::qWaitForWindowExposed(&window);
    }
    ~ShownMainWindow() {
        state.setSchemeModified(false);
        window.close();
    }
    QtPlatformUi ui{findProgramFolders(machineFolderFacts())};
    Session session{ui, ui.folders().data};
    AppState& state = session.state;
    frmMain& window = session.mainWindow;
    bool shown = false;
};

// One keystroke in a colour field, from the key event until the field, the scheme, the
// swatch, the enlarged picture and the preview all show it (painting comes later and is
// not counted).
void BM_TypeOneCharacter(benchmark::State& state) {
    ShownMainWindow app;
    if (!app.shown) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    ColorField* field = app.window.colorField(ColorRole::Face);
    field->setText(QStringLiteral("#808080"));
    static constexpr char digits[] = "0123456789ABCDEF";
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        field->setSelection(6, 1);
        state.ResumeTiming();
        QTest::keyClick(field, digits[i++ % 16]);
    }
}
BENCHMARK(BM_TypeOneCharacter)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A megabyte pasted over a field's text.
void BM_PasteOneMegabyte(benchmark::State& state) {
    ShownMainWindow app;
    if (!app.shown) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    ColorField* field = app.window.colorField(ColorRole::Track);
    const QString texts[] = {QString(1 << 20, QLatin1Char('A')),
                             QString(1 << 20, QLatin1Char('5'))};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(texts[i++ % 2]);
        field->selectAll();
        state.ResumeTiming();
        QTest::keySequence(field, QKeySequence::Paste);
    }
}
BENCHMARK(BM_PasteOneMegabyte)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
