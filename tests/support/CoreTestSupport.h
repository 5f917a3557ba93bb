#pragma once

#include "store/Clock.h"
#include "store/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace brisvane::test {

// Helpers for tests of the core and of the windows alike: no Qt here.

// A folder of the test's own under /tmp, removed with all it holds when the test ends.
struct TempFolder {
    TempFolder() {
        char pattern[] = "/tmp/brisvane-ini-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Writes as another program would: in place, without the engine.
inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The disk as the engine sees it, with one of its calls failing the way a full or broken
// disk makes it fail, or trickling: five bytes a write, every other write interrupted. Notes
// each call in `calls` ('w', 'f', 'r'; 'R' once renamed) and first tells `onCall` of it.
class FailingFileSystem : public FileSystem {
public:
    enum class Call { None, Write, WriteNothing, Fsync, Rename, Read };
    explicit FailingFileSystem(Call failing = Call::None, int error = 0)
        : m_failing(failing), m_error(error) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        noted('w');
        if (m_failing == Call::WriteNothing)
            return 0;
        if (fails(Call::Write))
            return -1;
        if (trickle && (m_interrupted = !m_interrupted)) {
            errno = EINTR;
            return -1;
        }
        return FileSystem::write(fd, data, trickle && size > 5 ? 5 : size);
    }
    ssize_t read(int fd, void* data, std::size_t size) override {
        return fails(Call::Read) ? -1 : FileSystem::read(fd, data, size);
    }
    int fsync(int fd) override {
        noted('f');
        return fails(Call::Fsync) ? -1 : FileSystem::fsync(fd);
    }
    int renameat(int folder, const char* from, const char* to) override {
        noted('r');
        if (fails(Call::Rename) || FileSystem::renameat(folder, from, to) != 0)
            return -1;
        ++renames;
        noted('R');
        return 0;
    }

    int renames = 0;
    bool trickle = false;
    std::function<void()> onCall;
    std::string calls;

private:
    void noted(char call) {
        calls += call;
        if (onCall)
            onCall();
    }
    bool fails(Call call) const {
        if (m_failing != call)
            return false;
        errno = m_error;
        return true;
    }
    Call m_failing;
    int m_error;
    bool m_interrupted = false;
};

// A clock that always reads the same moment, 5 July 2002 at 14:40 unless a test sets another.
class FixedClock : public Clock {
public:
    std::tm localNow() const override { return now; }
    static std::tm at(int year, int month, int day, int hour, int minute) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        return t;
    }
    std::tm now = at(2002, 7, 5, 14, 40);
};

} // namespace brisvane::test
