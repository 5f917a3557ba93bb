#include "StartupChild.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

QtMessageHandler toolkitHandler = nullptr;

// The offscreen platform says, for every window shown, that it cannot pass on size hints:
// no news for a benchmark, and hundreds of lines that would hide its figures.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        toolkitHandler(type, context, message);
}

} // namespace

// The start-up benchmark measures whole processes: it runs this binary again with
// "--startup-child=main", "--startup-child=empty" or "--startup-child=open:FOLDER".
int main(int argc, char** argv) {
    toolkitHandler = qInstallMessageHandler(quietOffscreen);
    constexpr const char* child = "--startup-child=";
    if (argc > 1 && std::strncmp(argv[1], child, std::strlen(child)) == 0)
        return brisvane::bench::runStartupChild(argv[1] + std::strlen(child), argc, argv);
    // The in-process benchmarks share one application object.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
