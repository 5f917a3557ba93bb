#include "ProjectFiles.h"
#include "StartupChild.h"

#include "app/Session.h"
#include "platform/ProgramStyle.h"
#include "platform/QtPlatformUi.h"
#include "platform/System.h"
#include "store/ProjectStore.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"
#include "windows/frmOpen.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

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

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Two start-ups, each a fresh process from launch to its windows shown and painted, taken in
// pairs, the two orders in turn; the time of the second kind is the measure. Each figure is
// the median over the pairs, the ratio that of the pairs' own ratios, so that the machine
// pausing during one pair moves none of them.
void compareStartups(benchmark::State& state, const std::string& base, const std::string& other,
                     const char* baseName, const char* otherName) {
    std::vector<double> baseTimes, otherTimes, ratios;
    for (auto _ : state) {
        const bool otherFirst = ratios.size() % 2 == 1;
        const double otherBefore = otherFirst ? runChild(other) : 0;
        const double first = runChild(base);
        const double second = otherFirst ? otherBefore : runChild(other);
        if (first < 0 || second < 0) {
            state.SkipWithError("a start-up child failed");
            return;
        }
        baseTimes.push_back(first);
        otherTimes.push_back(second);
        ratios.push_back(second / first);
        state.SetIterationTime(second);
    }
    state.counters[baseName] = median(baseTimes) * 1e3;
    state.counters[otherName] = median(otherTimes) * 1e3;
    state.counters["ratio"] = median(ratios);
}

// The program's main window against an empty window.
void BM_StartupAgainstEmptyWindow(benchmark::State& state) {
    compareStartups(state, "empty", "main", "empty_ms", "main_ms");
}
BENCHMARK(BM_StartupAgainstEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

// The Create/Open window over the main window, as the program starts, with 10 projects in
// data.ini against 10,000.
void BM_StartupToCreateOpenTenAgainstTenThousand(benchmark::State& state) {
    compareStartups(state, "open:" + ProjectFiles::get().folderWith(10, "start"),
                    "open:" + ProjectFiles::get().folderWith(10000, "start"), "p10_ms", "p10k_ms");
}
BENCHMARK(BM_StartupToCreateOpenTenAgainstTenThousand)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

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
    installProgramStyle();
    QtPlatformUi ui{findProgramFolders(machineFolderFacts())};
    Session session{ui, open ? std::string(which + 5) : ui.folders().data};
    ProjectStore& store = session.store;
    frmMain& window = session.mainWindow;
    showAndWaitForPaint(window);
    if (open && store.checkFile()) {
        frmOpen dialog(ui, store);
        window.attach(dialog);
        dialog.hideOpenPanel();
        showAndWaitForPaint(dialog);
    }
    return 0;
}

} // namespace brisvane::bench
