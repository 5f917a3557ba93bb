#include "import/PageFile.h"

#include "base/Descriptor.h"
#include "base/ReadUpTo.h"
#include "base/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

Outcome failed(int error) {
    return Outcome::failed(systemError(error));
}

// Reads fd to its end, at most maxPageBytes; one byte more says the input is too large.
Result<std::string> readAll(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    if (S_ISDIR(info.st_mode))
        return failed(EISDIR);
    std::string text;
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) <= maxPageBytes)
        text.reserve(static_cast<std::size_t>(info.st_size));
    if (!readUpTo(fd, text, maxPageBytes, ::read))
        return failed(errno);
    if (text.size() > maxPageBytes)
        return Outcome::failed("it is larger than 64 MiB");
    return text;
}

} // namespace

Result<std::string> readPageFile(const std::string& path, bool regularOnly) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer, for ever if none comes.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        return failed(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return failed(errno);
    if (regularOnly && !S_ISREG(info.st_mode))
        return S_ISDIR(info.st_mode) ? failed(EISDIR) : Outcome::failed("it is not a regular file");
    if (::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK) != 0)
        return failed(errno);
    return readAll(fd.get());
}

Result<std::string> readPageStream(int fd) {
    return readAll(fd);
}

} // namespace brisvane
