#include "platform/PrivatePage.h"

#include "base/SystemError.h"
#include "store/AtomicFile.h"
#include "store/CheckedPath.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

constexpr std::string_view prefix = "brisvane-preview-";

// Removes what writes here left more than an hour ago (pages, and a page's temporary file that
// never took its place) and the one name earlier versions wrote to; a browser may still be
// reading a newer page.
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
        const bool ours = name.starts_with(prefix) &&
                          ::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                          info.st_mtime < hourAgo;
        if (ours || name == "brisvane-preview.html")
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(dir);
}

// The folder, reached only by links that CheckedPath follows, opened and checked to be the
// user's own and no one else's to write in.
Result<CheckedPath> privateFolder(const std::string& folder) {
    const auto way = CheckedPath::resolve(folder);
    if (!way)
        return Outcome::failed(way.why());
    CheckedPath page;
    page.folderPath = folder;
    page.folder = Descriptor(::openat(way->folder.get(), way->name.c_str(),
                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (page.folder.get() < 0 || ::fstat(page.folder.get(), &info) != 0)
        return Outcome::failed("the folder " + folder + " cannot be used: " +
                               (errno == ELOOP || errno == ENOTDIR ? "it is a link or not a folder"
                                                                   : systemError(errno)));
    if (info.st_uid != ::geteuid())
        return Outcome::failed("the folder " + folder + " belongs to another user");
    if ((info.st_mode & 022) != 0)
        return Outcome::failed("other users may write in the folder " + folder);
    return page;
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
    auto page = privateFolder(folder);
    if (!page)
        return Outcome::failed(page.why());
    removeOldPages(page->folder.get());
    page->name = randomName(prefix, ".html");
    FileSystem disk;
    AtomicFile out(disk, *page, 0600);
    if (out.error())
        return Outcome::failed(systemError(out.error()));
    if (const Outcome written = out.commit(bytes, page->folder.get()); !written)
        return written;
    return folder + "/" + page->name;
}

} // namespace brisvane
