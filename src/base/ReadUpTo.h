#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <sys/types.h>

namespace brisvane {

// Reads fd to its end onto `out`, or up to the first byte past `limit`, so that a size above
// the limit says the input is larger than that; an interrupted read is made again. `read` is
// read(2) or a stand-in with its signature. False, with errno set, when a read fails.
template <class Read> bool readUpTo(int fd, std::string& out, std::size_t limit, Read read) {
    char buffer[65536];
    while (out.size() <= limit) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace brisvane
