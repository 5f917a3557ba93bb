#include "store/ProfileEngine.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

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
int FileSystem::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

namespace {

// Temporary files are the file's name, this, and six random characters.
constexpr const char* temporarySuffix = ".brisvane-tmp-";

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The system's words for an error; strerror() would share one buffer among threads.
std::string systemError(int error) {
    const char* text = ::strerrordesc_np(error);
    return text ? text : "Unknown error " + std::to_string(error);
}

// What a path that is no regular file names, for messages.
const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISDIR(mode))
        return "a folder";
    return "not a file";
}

// Reading from a pipe or a device could wait for ever, and writing over one would change
// what it is; only regular files are profile files.
std::string notARegularFile(const std::string& path, mode_t mode) {
    return path + " is " + kindOf(mode) + ", not a regular file";
}

std::string utf16Refused(const std::string& path) {
    return path + " is written in UTF-16, which Brisvane can neither read nor change. Convert it "
                  "to UTF-8 (for example: iconv -f UTF-16 -t UTF-8), then start Brisvane again";
}

// Where the link at `at` points, as a path; nothing when it is no link.
std::string linkTarget(const std::string& at) {
    std::error_code error;
    const std::string target = std::filesystem::read_symlink(at, error).native();
    if (error || target.empty())
        return {};
    return target.front() == '/' ? target : folderOf(at) + "/" + target;
}

// The file a path finally names: symbolic links are followed, so that a write replaces the
// file the link points to and leaves the link in place.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::string target = linkTarget(path);
        if (target.empty())
            return path;
        path = std::move(target);
    }
    return path;
}

// Why a project file that is a link must not be followed: another user could have made it, or
// made it point elsewhere, to have the owner's next save write over a file of theirs. A link
// is followed when it and what it points to belong to the user (or to root) and no other user
// may write in the folder that holds it.
std::string unsafeLink(const std::string& path) {
    const auto ours = [](const struct stat& info) {
        return info.st_uid == ::geteuid() || info.st_uid == 0;
    };
    std::string at = path;
    struct stat link {
    }, folder{};
    for (int hops = 0; hops < 40 && ::lstat(at.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
         ++hops) {
        if (!ours(link) || ::stat(folderOf(at).c_str(), &folder) != 0 ||
            (folder.st_mode & S_IWOTH) != 0)
            return path + " is a link that another user could have made or changed (" + at +
                   "); it is not followed, and nothing is written";
        at = linkTarget(at);
    }
    struct stat target {};
    if (at != path && ::stat(at.c_str(), &target) == 0 && !ours(target))
        return path + " is a link to " + at +
               ", which belongs to another user; it is not followed, and nothing is written";
    return {};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool readAll(FileSystem& fileSystem, int fd, std::string& out) {
    char buffer[65536];
    while (true) {
        const ssize_t n = fileSystem.read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

// Opens a file to read without waiting (a pipe put in its place between the check and here
// must not hold the program), and only a regular file. Not open: the reason, or none where
// there is no file.
Descriptor openRegular(const std::string& path, struct stat& info, std::string& error) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        error = errno == ENOENT ? std::string() : systemError(errno);
        return fd;
    }
    if (::fstat(fd.get(), &info) != 0)
        error = systemError(errno);
    else if (!S_ISREG(info.st_mode))
        error = notARegularFile(path, info.st_mode);
    else
        return fd;
    return Descriptor(-1);
}

} // namespace

bool ProfileEngine::Identity::operator==(const Identity& other) const {
    return exists == other.exists && mode == other.mode && device == other.device &&
           inode == other.inode && size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec &&
           changed.tv_nsec == other.changed.tv_nsec;
}

ProfileEngine::ProfileEngine(std::shared_ptr<FileSystem> fileSystem)
    : m_fileSystem(fileSystem ? std::move(fileSystem) : std::make_shared<FileSystem>()) {}

ProfileEngine::Identity ProfileEngine::identityOf(const struct stat& info) {
    return {true, info.st_mode, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

ProfileEngine::Identity ProfileEngine::identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return identityOf(info);
}

std::string ProfileEngine::problem(const std::string& path) {
    if (std::string why = unsafeLink(path); !why.empty())
        return why;
    // Whether the file can be used shows in its first two bytes: a long file is read whole
    // only when something in it is wanted.
    const Identity now = identityOf(path);
    if (const auto cached = m_cache.find(path);
        cached != m_cache.end() && cached->second.identity == now)
        return cached->second.document->isUtf16() ? utf16Refused(path) : std::string();
    if (now.exists && !S_ISREG(now.mode))
        return notARegularFile(path, now.mode);
    struct stat info {};
    std::string error;
    const Descriptor fd = openRegular(path, info, error);
    if (fd.get() < 0)
        return error;
    char start[2] = {};
    ssize_t got = 0;
    while ((got = ::pread(fd.get(), start, sizeof start, 0)) < 0 && errno == EINTR) {
    }
    if (got < 0)
        return systemError(errno);
    return ProfileDocument::startsUtf16({start, static_cast<std::size_t>(got)}) ? utf16Refused(path)
                                                                                : std::string();
}

std::shared_ptr<const ProfileDocument> ProfileEngine::read(const std::string& path) {
    m_readError.clear();
    auto document = load(path, &m_readError);
    return document ? document : std::make_shared<const ProfileDocument>();
}

std::shared_ptr<const ProfileDocument> ProfileEngine::load(const std::string& path,
                                                           std::string* error) {
    const Identity now = identityOf(path);
    const auto cached = m_cache.find(path);
    if (cached != m_cache.end() && cached->second.identity == now)
        return cached->second.document;

    // Whatever is wrong, the cache holds no text for the path.
    const auto fail = [&](std::string why) -> std::shared_ptr<const ProfileDocument> {
        m_cache.erase(path);
        *error = std::move(why);
        return nullptr;
    };
    if (now.exists && !S_ISREG(now.mode))
        return fail(notARegularFile(path, now.mode));
    if (std::string unsafe = unsafeLink(path); !unsafe.empty())
        return fail(std::move(unsafe));
    struct stat info {};
    std::string why;
    const Descriptor fd = openRegular(path, info, why);
    if (fd.get() < 0 && why.empty()) { // no file: no entries
        m_cache.erase(path);
        return std::make_shared<const ProfileDocument>();
    }
    if (fd.get() < 0)
        return fail(std::move(why));
    std::string content;
    if (!readAll(*m_fileSystem, fd.get(), content))
        return fail(systemError(errno));
    auto document = std::make_shared<const ProfileDocument>(std::move(content));
    // What was read is kept under the identity of what was read, not of what is there now.
    m_cache[path] = {identityOf(info), document};
    return document;
}

WriteOutcome ProfileEngine::edit(const std::string& linkPath,
                                 const std::function<void(ProfileDocument&)>& change, bool wait) {
    if (std::string why = unsafeLink(linkPath); !why.empty())
        return {false, std::move(why)};
    const std::string path = followLinks(linkPath);
    // The lock is on the folder: the file itself is replaced by every write, and a lock on
    // a replaced file would guard nothing.
    Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat folderInfo {};
    if (folder.get() < 0 || ::fstat(folder.get(), &folderInfo) != 0)
        return {false, systemError(errno)};
    // A change made while this engine already holds the folder (a transaction writing a
    // second file there) must not wait for itself.
    const std::pair<dev_t, ino_t> folderId{folderInfo.st_dev, folderInfo.st_ino};
    const bool alreadyLocked = m_lockedFolders.count(folderId) > 0;
    if (!alreadyLocked) {
        if (m_fileSystem->lock(folder.get(), wait) != 0)
            return {false, errno == EWOULDBLOCK ? "another program is using the project file: "
                                                  "it holds the lock on its folder " +
                                                      folderOf(path)
                                                : systemError(errno)};
        m_lockedFolders.insert(folderId);
    }
    struct Unlock {
        ProfileEngine* engine;
        std::pair<dev_t, ino_t> id;
        bool owner;
        ~Unlock() {
            if (owner)
                engine->m_lockedFolders.erase(id);
        }
    } unlock{this, folderId, !alreadyLocked};
    // A file that is there but cannot be read must not be taken for an empty one and
    // written over.
    // Under the lock the file is read afresh: a change by another program within one tick
    // of the clock, of the same size, could pass for the cached text.
    m_cache.erase(path);
    removeOrphans(path);
    std::string error;
    const auto current = load(path, &error);
    if (!current)
        return {false, error};
    if (current->isUtf16())
        return {false, utf16Refused(path)};
    ProfileDocument document = *current;
    change(document);
    if (!document.changed())
        return {};
    return replace(path, document.text());
}

WriteOutcome ProfileEngine::replace(const std::string& path, const std::string& text) {
    struct stat original {};
    const bool existed = ::stat(path.c_str(), &original) == 0;
    // Renaming over a read-only file would go through; its owner meant it to stay as it is
    // (and no write bit at all means so even to the superuser).
    if (existed) {
        if ((original.st_mode & 0222) == 0)
            return {false, systemError(EACCES)};
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            return {false, systemError(errno)};
    }

    // The new file keeps the old one's permissions; a first file gets the usual ones, which
    // open() cuts by the process's umask.
    std::string temporary;
    Descriptor fd(createTemporary(path, existed ? 0600 : 0666, temporary));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            return {false, "the folder " + folderOf(path) +
                               " must be writable: a change is written to a new file there "
                               "first (" +
                               systemError(error) + ")"};
        return {false, systemError(error)};
    }
    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        return WriteOutcome{false, systemError(error)};
    };
    if (existed && ::fchmod(fd.get(), original.st_mode & 07777) != 0)
        return fail(errno);
    if (existed && (::fchown(fd.get(), original.st_uid, original.st_gid) != 0)) {
        // Only the owner's own programs get here without the right to keep the owner; the
        // file then belongs to whoever writes it, as any editor would leave it.
    }

    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n =
            m_fileSystem->write(fd.get(), text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        written += static_cast<std::size_t>(n);
    }
    if (m_fileSystem->fsync(fd.get()) != 0)
        return fail(errno);
    if (::close(fd.release()) != 0)
        return fail(errno);
    if (m_fileSystem->rename(temporary.c_str(), path.c_str()) != 0)
        return fail(errno);
    // The rename itself must reach the disk too.
    Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        m_fileSystem->fsync(folder.get());

    m_cache[path] = {identityOf(path), std::make_shared<const ProfileDocument>(text)};
    return {};
}

int ProfileEngine::createTemporary(const std::string& path, mode_t mode, std::string& name) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + temporarySuffix;
        for (int i = 0; i < 6; ++i)
            name += letters[pick(random)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void ProfileEngine::removeOrphans(const std::string& path) {
    // Writers hold the folder's lock while their temporary file exists; one found while we
    // hold it was left by a writer that died.
    const std::string folder = folderOf(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + temporarySuffix;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

WriteOutcome ProfileEngine::ensureExists(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return S_ISREG(info.st_mode) ? WriteOutcome{}
                                     : WriteOutcome{false, notARegularFile(path, info.st_mode)};
    Descriptor fd(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0666));
    if (fd.get() < 0)
        return {false, systemError(errno)};
    return {};
}

} // namespace brisvane
