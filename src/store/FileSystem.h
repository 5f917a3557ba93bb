#pragma once

#include <cstddef>
#include <sys/types.h>

namespace brisvane {

// The few system calls with which the project file is read and written, and any file written
// whole (AtomicFile); FileSystem.cpp makes them. Tests put a failing one in place to see that a
// write which did not land is never taken for one that did, and that a file which could not
// be read is never taken for an empty one.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual ssize_t read(int fd, void* data, std::size_t size);
    // An exclusive flock() on fd. While another program holds it, this waits a few seconds
    // at most, or with `wait` false not at all, and then fails with EWOULDBLOCK.
    virtual int lock(int fd, bool wait);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    // Renames `from` to `to`, both in the open folder `folder`.
    virtual int renameat(int folder, const char* from, const char* to);
};

} // namespace brisvane
