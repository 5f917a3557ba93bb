// Saves that are killed half-way, and two programs creating projects at once, each run as a
// real process (save_loop, built beside core_tests) on a data.ini under /tmp.
#include "store/ProfileDocument.h"
#include "store/ProjectStore.h"

#include "ColourSets.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef BRISVANE_SAVE_LOOP
#error "BRISVANE_SAVE_LOOP must give the path of the save_loop program"
#endif

namespace brisvane {
namespace {

using test::colourSet;

// A running save_loop: what it reports comes through a pipe from its standard output, and
// a byte can be sent to its standard input. Killed and reaped at the end if still running.
class SaveLoop {
public:
    explicit SaveLoop(const std::vector<std::string>& arguments) {
        int out[2];
        int in[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(in, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe2 failed");
        std::vector<std::string> words{BRISVANE_SAVE_LOOP};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(in[0], STDIN_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(in[0]);
        m_out = out[0];
        m_in = in[1];
        if (m_pid < 0)
            throw std::runtime_error("fork failed");
    }
    ~SaveLoop() {
        if (!m_reaped) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
        ::close(m_out);
        ::close(m_in);
    }
    SaveLoop(const SaveLoop&) = delete;
    SaveLoop& operator=(const SaveLoop&) = delete;

    // The bytes it has reported since the last call, waiting for at least one; empty once
    // it has ended.
    std::string reports() {
        char buffer[256];
        ssize_t n;
        do {
            n = ::read(m_out, buffer, sizeof buffer);
        } while (n < 0 && errno == EINTR);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    void send(char c) { ASSERT_EQ(::write(m_in, &c, 1), 1); }
    void kill() { ASSERT_EQ(::kill(m_pid, SIGKILL), 0); }
    // Waits for it to end (save_loop ends itself on an alarm if nobody does); the status as
    // waitpid gives it.
    int wait() {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_reaped = true;
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_in = -1;
    bool m_reaped = false;
};

std::string describe(int status) {
    if (WIFEXITED(status))
        return "exited with " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

std::vector<std::string> numbers(std::size_t count) {
    std::vector<std::string> keys;
    for (std::size_t i = 1; i <= count; ++i)
        keys.push_back(std::to_string(i));
    return keys;
}

const std::set<std::string> projectKeys{"Date", "Time", "1", "2", "3", "4", "5", "6", "7"};

ScrollbarScheme coloursIn(const ProfileDocument& document, const std::string& name) {
    ScrollbarScheme scheme;
    for (ColorRole role : allColorRoles)
        scheme.setColor(role, std::string(document.value(name, projectKey(role)).value_or("")));
    return scheme;
}

// The project names of a sound file: "Projects" lists 1 to N, each project's section has
// its nine entries and nothing else, and no other section is there. Read from the bytes,
// without the store, which would write what it finds missing.
void readSoundFile(const std::string& bytes, std::vector<std::string>& names) {
    names.clear();
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.back(), '\n') << "the file ends inside a line";
    // Every line whole: a section header or an entry.
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::string line = bytes.substr(start, end - start);
        ASSERT_TRUE((line.size() >= 2 && line.front() == '[' && line.back() == ']') ||
                    line.find('=') != std::string::npos)
            << "a broken line: " << line;
        start = end + 1;
    }
    const ProfileDocument document(bytes);
    const auto keys = document.keyNames("Projects");
    ASSERT_EQ(keys, numbers(keys.size()));
    std::set<std::string> sections{"projects"};
    for (const std::string& key : keys) {
        const std::string name(*document.value("Projects", key));
        const auto projectEntries = document.keyNames(name);
        ASSERT_EQ(std::set<std::string>(projectEntries.begin(), projectEntries.end()), projectKeys)
            << name;
        ASSERT_EQ(projectEntries.size(), projectKeys.size()) << name;
        std::string lowered = name;
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
        ASSERT_TRUE(sections.insert(lowered).second) << "listed twice: " << name;
        names.push_back(name);
    }
    ASSERT_EQ(document.sectionNames().size(), sections.size()) << "a section of no project";
}

class CrashSafetyTest : public ::testing::Test {
protected:
    std::string file() const { return folder.path + "/data.ini"; }

    test::TempFolder folder;
};

TEST_F(CrashSafetyTest, AKilledSaveLeavesEveryProjectWithItsOldOrItsNewColours) {
    const std::vector<std::string> first{"Alpha", "Bravo", "Charlie", "Delta"};
    {
        clsINI ini(folder.path, "brisvane");
        Clock clock;
        ProjectStore store(ini, clock, folder.path);
        for (const std::string& name : first)
            ASSERT_TRUE(store.saveProject(true, name, colourSet(name, 0)).ok);
    }
    std::vector<std::string> listed = first;
    std::set<std::string> created; // those that save_loop said it had created
    std::size_t size = test::readBytes(file()).size();
    std::map<char, int> parkedAt; // the step at which each parked save_loop was killed
    int temporaries = 0;

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // Even rounds: save_loop stops at a chosen step and is killed there. Odd rounds: it
        // runs on and is killed wherever it is once it has reported a chosen number of steps.
        const bool park = round % 2 == 0;
        const long steps = 1 + static_cast<long>(random() % 20);
        SaveLoop child({"saves", folder.path, std::to_string(round), std::to_string(random()),
                        park ? std::to_string(steps) : "0"});
        std::string seen;
        while (park ? seen.find('P') == std::string::npos
                    : seen.size() < static_cast<std::size_t>(steps)) {
            const std::string more = child.reports();
            ASSERT_FALSE(more.empty()) << "save_loop ended by itself after " << seen;
            seen += more;
        }
        ASSERT_NO_FATAL_FAILURE(child.kill());
        const int status = child.wait();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << describe(status);
        if (park)
            ++parkedAt[seen[seen.size() - 2]];
        const int creations = static_cast<int>(std::count(seen.begin(), seen.end(), 'C'));
        for (int i = 1; i <= creations; ++i)
            created.insert("New " + std::to_string(round) + "-" + std::to_string(i));

        // The file is data.ini itself, whole, and never shorter than before: saves keep its
        // length and creations add to it.
        struct stat info {};
        ASSERT_EQ(::lstat(file().c_str(), &info), 0);
        ASSERT_TRUE(S_ISREG(info.st_mode));
        const std::string bytes = test::readBytes(file());
        ASSERT_GE(bytes.size(), size) << "the file was cut short";
        size = bytes.size();

        std::vector<std::string> names;
        ASSERT_NO_FATAL_FAILURE(readSoundFile(bytes, names));
        // Every project listed before still is, at its place; every reported creation is.
        ASSERT_GE(names.size(), listed.size());
        ASSERT_TRUE(std::equal(listed.begin(), listed.end(), names.begin()));
        for (const std::string& name : created)
            ASSERT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
        listed = names;

        // Every project has all seven colours of one set: never some of each.
        const ProfileDocument document(bytes);
        for (const std::string& name : names) {
            const ScrollbarScheme colours = coloursIn(document, name);
            const bool made = name.rfind("New ", 0) == 0;
            ASSERT_TRUE(colours == colourSet(name, 0) || colours == colourSet(name, 1) ||
                        (made && colours == defaultScheme))
                << name << ": " << colours.faceGroupColors[0] << " " << colours.arrowColor;
        }

        // A temporary file that the kill left is never what is read: the store lists what
        // data.ini holds, finds nothing to write, and clears the leftover away.
        for (const std::string& name : test::namesIn(folder.path)) {
            if (name == "data.ini")
                continue;
            ASSERT_EQ(name.rfind("data.ini.brisvane-tmp-", 0), 0u) << name;
            ASSERT_EQ(name.size(), std::string("data.ini.brisvane-tmp-XXXXXX").size()) << name;
            ++temporaries;
        }
        clsINI ini(folder.path, "brisvane");
        Clock clock;
        ProjectStore store(ini, clock, folder.path);
        const auto rows = store.listProjects();
        ASSERT_EQ(test::namesIn(folder.path), std::set<std::string>{"data.ini"});
        ASSERT_EQ(rows.size(), names.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].name, names[i]);
        ASSERT_EQ(test::readBytes(file()), bytes);
    }
    // The kills landed inside saves: while the temporary file was written, before its
    // fsync, and around the rename.
    EXPECT_GT(parkedAt['w'], 0);
    EXPECT_GT(parkedAt['f'], 0);
    EXPECT_GT(parkedAt['r'] + parkedAt['R'], 0);
    RecordProperty("projects", static_cast<int>(listed.size()));
    RecordProperty("temporaries_left_by_kills", temporaries);
}

TEST_F(CrashSafetyTest, TwoProgramsCreatingAtOnceLoseNoProject) {
    SaveLoop first({"create", folder.path, "A", "50"});
    SaveLoop second({"create", folder.path, "B", "50"});
    // Both wait, ready, until both are told to go.
    ASSERT_EQ(first.reports(), "r");
    ASSERT_EQ(second.reports(), "r");
    ASSERT_NO_FATAL_FAILURE(first.send('g'));
    ASSERT_NO_FATAL_FAILURE(second.send('g'));
    const int firstStatus = first.wait();
    const int secondStatus = second.wait();
    ASSERT_TRUE(WIFEXITED(firstStatus) && WEXITSTATUS(firstStatus) == 0) << describe(firstStatus);
    ASSERT_TRUE(WIFEXITED(secondStatus) && WEXITSTATUS(secondStatus) == 0)
        << describe(secondStatus);

    const std::string bytes = test::readBytes(file());
    std::vector<std::string> names;
    ASSERT_NO_FATAL_FAILURE(readSoundFile(bytes, names));
    std::set<std::string> expected;
    for (int i = 1; i <= 50; ++i) {
        expected.insert("A" + std::to_string(i));
        expected.insert("B" + std::to_string(i));
    }
    EXPECT_EQ(names.size(), 100u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    // Each program's own projects in the order it made them.
    for (const char prefix : {'A', 'B'}) {
        int last = 0;
        for (const std::string& name : names) {
            if (name[0] != prefix)
                continue;
            EXPECT_EQ(std::stoi(name.substr(1)), last + 1) << name;
            last = std::stoi(name.substr(1));
        }
    }
    const ProfileDocument document(bytes);
    for (const std::string& name : names)
        EXPECT_EQ(coloursIn(document, name), defaultScheme) << name;
    // How often the list passes from one program's projects to the other's: how much the
    // two took turns at the lock.
    int turns = 0;
    for (std::size_t i = 1; i < names.size(); ++i)
        turns += names[i][0] != names[i - 1][0];
    RecordProperty("turns", turns);

    clsINI ini(folder.path, "brisvane");
    Clock clock;
    ProjectStore store(ini, clock, folder.path);
    EXPECT_EQ(store.listProjects().size(), 100u);
    EXPECT_EQ(test::readBytes(file()), bytes);
}

} // namespace
} // namespace brisvane
