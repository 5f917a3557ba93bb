#include "store/CheckedPath.h"
#include "base/SystemError.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

bool ours(const struct stat& info) {
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// Whether nobody but the user (and root) can change what the entry `entry` of the folder
// names: the folder is ours and closed to group and others, or sticky, where only an entry's
// owner may rename or remove it. A missing entry (a file yet to be made) counts as ours: one
// that another user slips in first cannot be written over in a sticky folder.
bool closedToOthers(int folder, const struct stat* entry) {
    struct stat info {};
    if (::fstat(folder, &info) != 0 || !ours(info))
        return false;
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        return true;
    return (info.st_mode & S_ISVTX) != 0 && (entry == nullptr || ours(*entry));
}

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder == "/")
        return "/" + name;
    return folder + "/" + name;
}

std::string parentOf(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    if (slash == std::string::npos)
        return folder + "/..";
    return slash == 0 ? "/" : folder.substr(0, slash);
}

void pushFront(std::deque<std::string>& parts, const std::string& path) {
    std::deque<std::string> mine;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start && path.compare(start, slash - start, ".") != 0)
            mine.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    parts.insert(parts.begin(), mine.begin(), mine.end());
}

} // namespace

Descriptor CheckedPath::openFolder() const {
    return Descriptor(::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

Result<CheckedPath> CheckedPath::resolve(const std::string& path) {
    const auto refuse = [](std::string why) { return Result<CheckedPath>::failed(std::move(why)); };
    if (path.empty())
        return refuse("the file has no name");
    const bool absolute = path.front() == '/';
    CheckedPath at;
    at.folder = Descriptor(::open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    at.folderPath = absolute ? "/" : ".";
    if (at.folder.get() < 0)
        return refuse(systemError(errno));
    std::deque<std::string> parts;
    pushFront(parts, path);
    if (parts.empty())
        return refuse(path + " is a folder, not a file");
    const std::string notFollowed = "; it is not followed, and nothing is written";
    int links = 0;
    while (!parts.empty()) {
        std::string name = std::move(parts.front());
        parts.pop_front();
        const std::string here = joined(at.folderPath, name);
        if (name == "..") {
            at.folder =
                Descriptor(::openat(at.folder.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            at.folderPath = parentOf(at.folderPath);
            if (at.folder.get() < 0)
                return refuse(systemError(errno));
            continue;
        }
        struct stat info {};
        const bool exists =
            ::fstatat(at.folder.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && (errno != ENOENT || !parts.empty()))
            return refuse(here + ": " + systemError(errno));
        // From the first link on, every folder that holds a step of the way must be one that
        // nobody else can change; the link's own folder too.
        const bool link = exists && S_ISLNK(info.st_mode);
        if ((at.linked || link) && !closedToOthers(at.folder.get(), exists ? &info : nullptr))
            return refuse(path + " is a link whose way runs through " + at.folderPath +
                          ", a folder another user may change" + notFollowed);
        if (link) {
            if (!ours(info))
                return refuse(path + " is a link that another user could have made or changed (" +
                              here + ")" + notFollowed);
            if (++links > 40)
                return refuse(path + ": " + systemError(ELOOP));
            std::string target(PATH_MAX, '\0');
            const ssize_t n =
                ::readlinkat(at.folder.get(), name.c_str(), target.data(), target.size());
            if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
                return refuse(here + ": " + systemError(n < 0 ? errno : ENAMETOOLONG));
            target.resize(static_cast<std::size_t>(n));
            pushFront(parts, target);
            if (target.front() == '/') {
                at.folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                at.folderPath = "/";
            }
            at.linked = true;
            if (parts.empty())
                return refuse(path + " is a link to a folder, not to a file");
            continue;
        }
        if (parts.empty()) {
            if (at.linked && exists && !ours(info))
                return refuse(path + " is a link to " + here + ", which belongs to another user" +
                              notFollowed);
            at.name = std::move(name);
            return at;
        }
        if (!S_ISDIR(info.st_mode))
            return refuse(here + ": " + systemError(ENOTDIR));
        // Not following a link here: one put in the folder's place since the look above
        // fails the open instead of being taken.
        Descriptor next(
            ::openat(at.folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0)
            return refuse(here + ": " + systemError(errno));
        at.folder = std::move(next);
        at.folderPath = here;
    }
    return refuse(path + " is a folder, not a file");
}

} // namespace brisvane
