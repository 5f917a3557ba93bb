#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace brisvane::bench {

namespace {

// An old page of about 20 KB: text, and the classic colours in a style element.
std::string oldPage(int number) {
    std::string page = "<html><head><title>Page " + std::to_string(number) +
                       "</title>\n<style type=\"text/css\">\nbody {\n"
                       "  scrollbar-face-color: #C0C0C0; scrollbar-highlight-color: white;\n"
                       "  scrollbar-3dlight-color: rgb(192, 192, 192);\n"
                       "  scrollbar-shadow-color: #808080; scrollbar-darkshadow-color: #404040;\n"
                       "  scrollbar-track-color: #E0E0E0; scrollbar-arrow-color: black;\n"
                       "}\n</style></head>\n<body>\n";
    while (page.size() < 20 * 1024)
        page += "<p>A paragraph of an old page, with <b>some</b> markup and a <a "
                "href=\"next.htm\">link</a> in it.</p>\n";
    return page + "</body></html>\n";
}

// `brisvane --convert` over 1,000 pages of 20 KB in one process, its output thrown away:
// launch to exit.
void BM_ConvertThousandPages(benchmark::State& state) {
    const std::string folder = std::filesystem::temp_directory_path() / "brisvane-convert-bench";
    std::filesystem::create_directories(folder);
    std::vector<std::string> args{BRISVANE_EXE, "--convert"};
    for (int i = 0; i < 1000; ++i) {
        args.push_back(folder + "/page" + std::to_string(i) + ".htm");
        std::ofstream(args.back(), std::ios::binary) << oldPage(i);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        int status = -1;
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0)
            waitpid(pid, &status, 0);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("brisvane --convert failed");
            break;
        }
        state.SetIterationTime(took.count());
    }
    posix_spawn_file_actions_destroy(&quiet);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ConvertThousandPages)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace brisvane::bench
