#include "store/FileSystem.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace brisvane {

ssize_t FileSystem::read(int fd, void* data, std::size_t size) {
    return ::read(fd, data, size);
}

int FileSystem::lock(int fd, bool wait) {
    // Another program may hold the lock for as long as it likes: after a few seconds the
    // write gives up, rather than leave the window frozen.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(wait ? 3 : 0);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}

ssize_t FileSystem::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileSystem::fsync(int fd) {
    return ::fsync(fd);
}

int FileSystem::renameat(int folder, const char* from, const char* to) {
    return ::renameat(folder, from, folder, to);
}

} // namespace brisvane
