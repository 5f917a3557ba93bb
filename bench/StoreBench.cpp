#include "store/ProfileDocument.h"
#include "store/ProjectStore.h"

#include "ProjectFiles.h"

#include <benchmark/benchmark.h>
#include <ini.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

namespace brisvane::bench {

namespace {

// One program's view of a folder: its clsINI and store, as the windows hold them.
struct Program {
    explicit Program(const std::string& folder) : ini(folder, "brisvane"), store(ini, clock) {}
    clsINI ini;
    Clock clock;
    ProjectStore store;
};

// Every store benchmark runs with 10, 1,000 and 10,000 projects in the file, five times.
void projectCounts(benchmark::internal::Benchmark* b) {
    b->Arg(10)->Arg(1000)->Arg(10000)->Repetitions(5)->ReportAggregatesOnly(true);
}

// Listing with the file already read once (the usual case: the file has not changed).
void BM_StoreListProjects(benchmark::State& state) {
    Program program(ProjectFiles::get().folderWith(state.range(0), "list"));
    for (auto _ : state)
        benchmark::DoNotOptimize(program.store.listProjects());
    state.counters["projects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_StoreListProjects)->Apply(projectCounts)->Unit(benchmark::kMillisecond);

// Listing by a program that has not read the file yet: read and parse included.
void BM_StoreListProjectsFirstRead(benchmark::State& state) {
    const std::string folder = ProjectFiles::get().folderWith(state.range(0), "first");
    for (auto _ : state) {
        Program program(folder);
        benchmark::DoNotOptimize(program.store.listProjects());
    }
}
BENCHMARK(BM_StoreListProjectsFirstRead)->Apply(projectCounts)->Unit(benchmark::kMillisecond);

// Each creation adds a project; a fixed number of them per repetition keeps the file near
// its size (each repetition starts again from a fresh copy). fsync included.
void BM_StoreCreateProject(benchmark::State& state) {
    Program program(ProjectFiles::get().folderWith(state.range(0), "create"));
    long i = 0;
    for (auto _ : state) {
        const Outcome outcome = program.store.createProject("Bench " + std::to_string(++i));
        if (!outcome)
            state.SkipWithError(outcome.why().c_str());
    }
}
BENCHMARK(BM_StoreCreateProject)
    ->Apply(projectCounts)
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

// Opening the last project of the list.
void BM_StoreOpenProject(benchmark::State& state) {
    Program program(ProjectFiles::get().folderWith(state.range(0), "open"));
    const std::string name = ProjectFiles::projectName(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(program.store.openProject(name));
}
BENCHMARK(BM_StoreOpenProject)->Apply(projectCounts)->Unit(benchmark::kMicrosecond);

// Saving the middle project, its colours changing every time. fsync included.
void BM_StoreSaveProject(benchmark::State& state) {
    Program program(ProjectFiles::get().folderWith(state.range(0), "save"));
    const std::string name = ProjectFiles::projectName((state.range(0) + 1) / 2);
    ScrollbarScheme schemes[2] = {defaultScheme, defaultScheme};
    schemes[1].trackColor = "#123456";
    long i = 0;
    for (auto _ : state) {
        const Outcome outcome = program.store.saveProject(false, name, schemes[++i % 2]);
        if (!outcome)
            state.SkipWithError(outcome.why().c_str());
    }
}
BENCHMARK(BM_StoreSaveProject)->Apply(projectCounts)->Unit(benchmark::kMillisecond);

int countEntry(void* user, const char*, const char*, const char*) {
    ++*static_cast<long*>(user);
    return 1;
}

// The text of the 10,000-project file parsed and indexed by ProfileDocument (with one
// lookup through the index: the last project's colour "7"), against inih parsing the same
// text with a handler that only counts, the two timed by turns in each iteration. The time
// reported is ProfileDocument's; "ours_over_inih" below 1 means faster than inih.
void BM_StoreParseAgainstInih(benchmark::State& state) {
    const std::string& text = ProjectFiles::get().text(state.range(0));
    const std::string lastProject = ProjectFiles::projectName(state.range(0));
    using Clock = std::chrono::steady_clock;
    double ours = 0;
    double theirs = 0;
    long entries = 0;
    bool oursFirst = true;
    for (auto _ : state) {
        auto runOurs = [&] {
            const auto start = Clock::now();
            const ProfileDocument document{std::string(text)};
            benchmark::DoNotOptimize(document.value(lastProject, "7"));
            const std::chrono::duration<double> took = Clock::now() - start;
            return took.count();
        };
        auto runInih = [&] {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(ini_parse_string(text.c_str(), countEntry, &entries));
            const std::chrono::duration<double> took = Clock::now() - start;
            return took.count();
        };
        double mine;
        if (oursFirst) {
            mine = runOurs();
            theirs += runInih();
        } else {
            theirs += runInih();
            mine = runOurs();
        }
        oursFirst = !oursFirst;
        ours += mine;
        state.SetIterationTime(mine);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["inih_ms"] = theirs / n * 1e3;
    state.counters["ours_over_inih"] = ours / theirs;
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
    if (entries != static_cast<long>(state.range(0)) * 10 * state.iterations())
        state.SkipWithError("inih did not see every entry");
}
BENCHMARK(BM_StoreParseAgainstInih)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
