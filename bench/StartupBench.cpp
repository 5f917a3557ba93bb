#include "ProjectFiles.h"
#include "StartupChild.h"

#include "platform/QtPlatformUi.h"
#include "platform/System.h"
#include "store/ProjectStore.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"
#include "windows/frmOpen.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace brisvane::bench {

namespace {

// Notes the first paint of one widget.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_widget && event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

private:
    QWidget* m_widget;
};

void showAndWaitForPaint(QWidget& window) {
    PaintWatch watch(&window);
    window.show();
    // A window's children paint in the same pass as the window itself.
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

double runChild(const std::string& which) {
    const std::string arg = "--startup-child=" + which;
    char self[] = "/proc/self/exe";
    char* argv[] = {self, const_cast<char*>(arg.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

// Start-up of the program against start-up of an empty window, each a fresh process from
// launch to the window shown and painted. The figure that matters is the ratio.
void BM_StartupAgainstEmptyWindow(benchmark::State& state) {
    double mainTotal = 0;
    double emptyTotal = 0;
    for (auto _ : state) {
        const double empty = runChild("empty");
        const double main = runChild("main");
        if (empty < 0 || main < 0) {
            state.SkipWithError("a start-up child failed");
            return;
        }
        emptyTotal += empty;
        mainTotal += main;
        state.SetIterationTime(main);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["empty_ms"] = emptyTotal / n * 1e3;
    state.counters["main_ms"] = mainTotal / n * 1e3;
    state.counters["ratio"] = mainTotal / emptyTotal;
}
BENCHMARK(BM_StartupAgainstEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Start-up to the Create/Open window shown over the main window, as the program starts, with
// 10 and with 10,000 projects in data.ini: each a fresh process. The ratio is what matters.
void BM_StartupToCreateOpenTenAgainstTenThousand(benchmark::State& state) {
    const std::string few = ProjectFiles::get().folderWith(10, "start");
    const std::string many = ProjectFiles::get().folderWith(10000, "start");
    double fewTotal = 0;
    double manyTotal = 0;
    for (auto _ : state) {
        const double tenProjects = runChild("open:" + few);
        const double tenThousand = runChild("open:" + many);
        if (tenProjects < 0 || tenThousand < 0) {
            state.SkipWithError("a start-up child failed");
            return;
        }
        fewTotal += tenProjects;
        manyTotal += tenThousand;
        state.SetIterationTime(tenThousand);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["p10_ms"] = fewTotal / n * 1e3;
    state.counters["p10k_ms"] = manyTotal / n * 1e3;
    state.counters["ratio"] = manyTotal / fewTotal;
}
BENCHMARK(BM_StartupToCreateOpenTenAgainstTenThousand)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int runStartupChild(const char* which, int argc, char** argv) {
    QApplication app(argc, argv);
    if (std::strcmp(which, "empty") == 0) {
        QWidget window;
        window.resize(601, 382);
        showAndWaitForPaint(window);
        return 0;
    }
    // "open:FOLDER": the main window, then the Create/Open window on its New tab over it, with
    // FOLDER's data.ini; "main": the main window alone, with the program's own.
    const bool open = std::strncmp(which, "open:", 5) == 0;
    QtPlatformUi ui{findProgramFolders(machineFolderFacts())};
    AppState state;
    Clock clock;
    clsINI ini{open ? std::string(which + 5) : ui.folders().data, "brisvane"};
    ProjectStore store{ini, clock};
    frmMain window(state, ui, store);
    showAndWaitForPaint(window);
    if (open && store.fileProblem().empty()) {
        frmOpen dialog(ui, store);
        window.attach(dialog);
        dialog.hideOpenPanel();
        showAndWaitForPaint(dialog);
    }
    return 0;
}

} // namespace brisvane::bench
