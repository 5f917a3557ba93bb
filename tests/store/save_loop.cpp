// A helper program for CrashSafetyTest: saves projects into a data.ini until it is killed,
// telling the test through its standard output how far it has got, one byte per step.
//
//   save_loop saves FOLDER ROUND SEED PARK
//       Forever: picks a listed project and saves it with the other of its two colour sets
//       (see colourSet()); now and then creates a project "New ROUND-K" instead. Reports:
//         'w' before each write into the temporary file (the writes come in random pieces),
//         'f' before each fsync (the file's, then the folder's after the rename),
//         'r' before the rename, 'R' after it,
//         'S' after a save, 'C' after a creation.
//       With PARK > 0, after the PARK-th report it writes 'P' and waits, doing nothing more,
//       for the test to kill it: the kill then lands exactly at that step.
//   save_loop create FOLDER PREFIX COUNT
//       Writes 'r', waits for a byte on its standard input, then creates the projects
//       PREFIX1 to PREFIXCOUNT, reading the file afresh after each, and exits.
//
// Exits 2 on a wrong command line, 3 when the store refuses a save. An alarm ends it if the
// test never does.
#include "ColourSets.h"
#include "store/ProjectStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <signal.h>
#include <string>
#include <unistd.h>

namespace brisvane {
namespace {

using test::colourSet;

class Reporter {
public:
    explicit Reporter(long park) : m_park(park) {}

    void report(char step) {
        writeByte(step);
        if (m_park > 0 && ++m_count == m_park) {
            writeByte('P');
            while (true)
                ::pause(); // until the test's SIGKILL
        }
    }

private:
    static void writeByte(char c) {
        if (::write(STDOUT_FILENO, &c, 1) != 1)
            std::_Exit(4); // the test is gone
    }
    long m_park;
    long m_count = 0;
};

// The disk, reporting every step of a save and writing in pieces of random size.
class ReportingFileSystem : public FileSystem {
public:
    ReportingFileSystem(Reporter& reporter, std::mt19937& random)
        : m_reporter(reporter), m_random(random) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        m_reporter.report('w');
        const std::size_t piece = 1 + m_random() % 3000;
        return FileSystem::write(fd, data, size < piece ? size : piece);
    }
    int fsync(int fd) override {
        m_reporter.report('f');
        return FileSystem::fsync(fd);
    }
    int rename(const char* from, const char* to) override {
        m_reporter.report('r');
        const int result = FileSystem::rename(from, to);
        m_reporter.report('R');
        return result;
    }

private:
    Reporter& m_reporter;
    std::mt19937& m_random;
};

int saves(const std::string& folder, const std::string& round, unsigned seed, long park) {
    std::mt19937 random(seed);
    Reporter reporter(park);
    auto fileSystem = std::make_shared<ReportingFileSystem>(reporter, random);
    clsINI ini(folder, "brisvane", fileSystem);
    Clock clock;
    ProjectStore store(ini, clock, folder);
    int created = 0;
    while (true) {
        if (random() % 6 == 0) {
            const std::string name = "New " + round + "-" + std::to_string(++created);
            const WriteOutcome outcome = store.createProject(name);
            if (!outcome.ok) {
                std::fprintf(stderr, "save_loop: creating %s: %s\n", name.c_str(),
                             outcome.error.c_str());
                return 3;
            }
            reporter.report('C');
            continue;
        }
        const auto rows = store.listProjects();
        if (rows.empty()) {
            std::fprintf(stderr, "save_loop: no project listed in %s\n", folder.c_str());
            return 3;
        }
        const std::string& name = rows[random() % rows.size()].name;
        const ScrollbarScheme now = store.openProject(name);
        const ScrollbarScheme next = colourSet(name, now == colourSet(name, 0) ? 1 : 0);
        const WriteOutcome outcome = store.saveProject(false, name, next);
        if (!outcome.ok) {
            std::fprintf(stderr, "save_loop: saving %s: %s\n", name.c_str(), outcome.error.c_str());
            return 3;
        }
        reporter.report('S');
    }
}

int creates(const std::string& folder, const std::string& prefix, int count) {
    clsINI ini(folder, "brisvane");
    Clock clock;
    ProjectStore store(ini, clock, folder);
    const char ready = 'r';
    char go = 0;
    if (::write(STDOUT_FILENO, &ready, 1) != 1 || ::read(STDIN_FILENO, &go, 1) != 1)
        return 4;
    for (int i = 1; i <= count; ++i) {
        const std::string name = prefix + std::to_string(i);
        const WriteOutcome outcome = store.createProject(name);
        if (!outcome.ok) {
            std::fprintf(stderr, "save_loop: creating %s: %s\n", name.c_str(),
                         outcome.error.c_str());
            return 3;
        }
        // Reads the file afresh, outside the lock, as another window showing the list would.
        // It also lets the other program in: without a pause between two creations, the one
        // that held the lock mostly takes it again before the other one has woken up.
        clsINI reader(folder, "brisvane");
        if (reader.getSections().empty())
            return 3;
    }
    return 0;
}

} // namespace
} // namespace brisvane

int main(int argc, char** argv) {
    ::alarm(60);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "saves" && argc == 6)
        return brisvane::saves(argv[2], argv[3], static_cast<unsigned>(std::stoul(argv[4])),
                               std::stol(argv[5]));
    if (mode == "create" && argc == 5)
        return brisvane::creates(argv[2], argv[3], std::stoi(argv[4]));
    std::fprintf(stderr, "usage: save_loop saves FOLDER ROUND SEED PARK\n"
                         "       save_loop create FOLDER PREFIX COUNT\n");
    return 2;
}
