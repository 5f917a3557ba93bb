#include "StartupChild.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>

// The start-up benchmark measures whole processes: it runs this binary again with
// "--startup-child=main" or "--startup-child=empty".
int main(int argc, char** argv) {
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
