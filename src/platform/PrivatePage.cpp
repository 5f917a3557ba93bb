#include "platform/PrivatePage.h"
#include "base/SystemError.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

constexpr std::string_view prefix = "brisvane-preview-";
constexpr std::string_view suffix = ".html";

// Removes the pages written here more than an hour ago, and the one name earlier versions
// wrote to; a browser may still be reading a newer one.
void removeOldPages(int folder) {
    const int listing = ::dup(folder);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    const std::time_t hourAgo = std::time(nullptr) - 3600;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        struct stat info {};
        const bool ours = name.starts_with(prefix) && name.ends_with(suffix) &&
                          ::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                          info.st_mtime < hourAgo;
        if (ours || name == "brisvane-preview.html")
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

Result<std::string> writePrivatePage(const std::string& folder, std::string_view bytes) {
    // The folders above it are made as any program makes them (~/.cache on a new account);
    // the folder itself for the user alone.
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), made);
    if (made || (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST))
        return Outcome::failed("the folder " + folder +
                               " could not be made: " + systemError(made ? made.value() : errno));
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    std::string why;
    if (dir < 0 || ::fstat(dir, &info) != 0)
        why = "the folder " + folder + " cannot be used: " +
              (errno == ELOOP || errno == ENOTDIR ? "it is a link or not a folder"
                                                  : systemError(errno));
    else if (info.st_uid != ::geteuid())
        why = "the folder " + folder + " belongs to another user";
    else if ((info.st_mode & 022) != 0)
        why = "other users may write in the folder " + folder;
    if (!why.empty()) {
        if (dir >= 0)
            ::close(dir);
        return Outcome::failed(why);
    }
    removeOldPages(dir);
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string name;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        name = std::string(prefix);
        for (int i = 0; i < 10; ++i)
            name += letters[pick(random)];
        name += suffix;
        fd =
            ::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    ::close(dir);
    bool written = fd >= 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        written = n > 0 || (n < 0 && errno == EINTR);
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    const int error = errno;
    if (fd >= 0 && ::close(fd) != 0 && written)
        written = false;
    if (!written) {
        if (fd >= 0)
            ::unlink((folder + "/" + name).c_str());
        return Outcome::failed(systemError(error));
    }
    return folder + "/" + name;
}

} // namespace brisvane
