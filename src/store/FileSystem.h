#pragma once

#include <cstddef>
#include <sys/types.h>

namespace brisvane {

// The few system calls with which a profile file is written. Tests put a failing one in
// place to see that a write which did not land is never taken for one that did.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int rename(const char* from, const char* to);
};

} // namespace brisvane
