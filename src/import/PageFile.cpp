#include "import/PageFile.h"
#include "base/SystemError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

// Reads fd to its end, at most maxPageBytes; one byte more says the input is too large.
PageFile readAll(int fd) {
    PageFile page;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {{}, systemError(errno)};
    if (S_ISDIR(info.st_mode))
        return {{}, systemError(EISDIR)};
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) <= maxPageBytes)
        page.text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (page.text.size() <= maxPageBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return page;
        if (got < 0 && errno != EINTR)
            return {{}, systemError(errno)};
        if (got > 0)
            page.text.append(buffer, static_cast<std::size_t>(got));
    }
    return {{}, "it is larger than 64 MiB"};
}

} // namespace

PageFile readPageFile(const std::string& path, bool regularOnly) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer, for ever if none comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return {{}, systemError(errno)};
    struct stat info {};
    PageFile page;
    if (::fstat(fd, &info) != 0)
        page.problem = systemError(errno);
    else if (regularOnly && !S_ISREG(info.st_mode))
        page.problem = S_ISDIR(info.st_mode) ? systemError(EISDIR) : "it is not a regular file";
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        page.problem = systemError(errno);
    else
        page = readAll(fd);
    ::close(fd);
    return page;
}

PageFile readPageStream(int fd) {
    return readAll(fd);
}

} // namespace brisvane
