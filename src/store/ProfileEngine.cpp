#include "store/ProfileEngine.h"

#include "base/ReadUpTo.h"
#include "base/SystemError.h"
#include "store/AtomicFile.h"
#include "store/CheckedPath.h"
#include "text/Utf16.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace brisvane {

namespace {

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

std::string tooLarge(const std::string& path) {
    return path + " is larger than 32 MiB, more than any project file holds; it is neither read "
                  "nor written";
}

std::string utf16Refused(const std::string& path) {
    return path + " is written in UTF-16, which Brisvane can neither read nor change. Convert it "
                  "to UTF-8 (for example: iconv -f UTF-16 -t UTF-8), then start Brisvane again";
}

// Opens a file to read without waiting (a pipe put in its place between the check and here
// must not hold the program), and only a regular file, never through a link put in its place
// after the check. Where there is no file, no descriptor (-1).
Result<Descriptor> openRegular(const CheckedPath& file, const std::string& path,
                               struct stat& info) {
    Descriptor fd(::openat(file.folder.get(), file.name.c_str(),
                           O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (fd.get() < 0 && errno == ENOENT)
        return fd;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        return Outcome::failed(systemError(errno));
    if (!S_ISREG(info.st_mode))
        return Outcome::failed(notARegularFile(path, info.st_mode));
    return fd;
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

Outcome ProfileEngine::check(const std::string& path) {
    const auto file = CheckedPath::resolve(path);
    if (!file)
        return Outcome::failed(file.why());
    // Whether the file can be used shows in its size and its first two bytes: a long file is
    // read whole only when something in it is wanted.
    const Identity now = identityOf(path);
    if (const auto cached = m_cache.find(path);
        cached != m_cache.end() && cached->second.identity == now)
        return cached->second.document->isUtf16() ? Outcome::failed(utf16Refused(path)) : Outcome();
    if (now.exists && !S_ISREG(now.mode))
        return Outcome::failed(notARegularFile(path, now.mode));
    struct stat info {};
    const auto fd = openRegular(*file, path, info);
    if (!fd || fd->get() < 0)
        return fd ? Outcome() : Outcome::failed(fd.why());
    if (static_cast<std::size_t>(info.st_size) > maxProfileBytes)
        return Outcome::failed(tooLarge(path));
    char start[2] = {};
    ssize_t got = 0;
    while ((got = ::pread(fd->get(), start, sizeof start, 0)) < 0 && errno == EINTR) {
    }
    if (got < 0)
        return Outcome::failed(systemError(errno));
    return startsUtf16({start, static_cast<std::size_t>(got)}) ? Outcome::failed(utf16Refused(path))
                                                               : Outcome();
}

std::shared_ptr<const ProfileDocument> ProfileEngine::read(const std::string& path) {
    const auto file = CheckedPath::resolve(path);
    if (!file)
        m_cache.erase(path);
    const auto document = file ? load(*file, path) : Result<Document>(Outcome::failed(file.why()));
    m_lastRead = document ? Outcome() : Outcome::failed(document.why());
    return document ? *document : std::make_shared<const ProfileDocument>();
}

Result<ProfileEngine::Document> ProfileEngine::load(const CheckedPath& file,
                                                    const std::string& path) {
    const Identity now = identityOf(path);
    const auto cached = m_cache.find(path);
    if (cached != m_cache.end() && cached->second.identity == now)
        return cached->second.document;

    // Whatever is wrong, the cache holds no text for the path.
    const auto fail = [&](std::string why) {
        m_cache.erase(path);
        return Result<Document>::failed(std::move(why));
    };
    if (now.exists && !S_ISREG(now.mode))
        return fail(notARegularFile(path, now.mode));
    struct stat info {};
    const auto fd = openRegular(file, path, info);
    if (!fd)
        return fail(fd.why());
    if (fd->get() < 0) { // no file: no entries
        m_cache.erase(path);
        return std::make_shared<const ProfileDocument>();
    }
    if (static_cast<std::size_t>(info.st_size) > maxProfileBytes)
        return fail(tooLarge(path));
    std::string content;
    const auto read = [this](int from, void* to, std::size_t size) {
        return m_fileSystem->read(from, to, size);
    };
    if (!readUpTo(fd->get(), content, maxProfileBytes, read))
        return fail(systemError(errno));
    // A file that grew past the limit while it was read is as much too large.
    if (content.size() > maxProfileBytes)
        return fail(tooLarge(path));
    auto document = std::make_shared<const ProfileDocument>(std::move(content));
    // What was read is kept under the identity of what was read, not of what is there now.
    m_cache[path] = {identityOf(info), document};
    return Document(document);
}

Outcome ProfileEngine::edit(const std::string& path,
                            const std::function<void(ProfileDocument&)>& change, bool wait) {
    // The way to the file is looked up and checked once; all that follows goes through the
    // folder found, so that nothing put on the way since can send the write elsewhere.
    const auto file = CheckedPath::resolve(path);
    if (!file)
        return Outcome::failed(file.why());
    // The lock is on the folder: the file itself is replaced by every write, and a lock on
    // a replaced file would guard nothing.
    const Descriptor folder = file->openFolder();
    struct stat folderInfo {};
    if (folder.get() < 0 || ::fstat(folder.get(), &folderInfo) != 0)
        return Outcome::failed(systemError(errno));
    // A change made while this engine already holds the folder (a transaction writing a
    // second file there) must not wait for itself.
    const std::pair<dev_t, ino_t> folderId{folderInfo.st_dev, folderInfo.st_ino};
    const bool alreadyLocked = m_lockedFolders.count(folderId) > 0;
    if (!alreadyLocked) {
        if (m_fileSystem->lock(folder.get(), wait) != 0)
            return Outcome::failed(errno == EWOULDBLOCK
                                       ? "another program is using the project file: it holds "
                                         "the lock on its folder " +
                                             file->folderPath
                                       : systemError(errno));
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
    removeOrphans(*file, folder.get());
    const auto current = load(*file, path);
    if (!current)
        return Outcome::failed(current.why());
    if ((*current)->isUtf16())
        return Outcome::failed(utf16Refused(path));
    ProfileDocument document = **current;
    change(document);
    if (!document.changed())
        return {};
    return replace(*file, folder.get(), path, document.text());
}

Outcome ProfileEngine::replace(const CheckedPath& file, int folder, const std::string& path,
                               const std::string& text) {
    const int at = file.folder.get();
    const char* name = file.name.c_str();
    if (text.size() > maxProfileBytes)
        return Outcome::failed(tooLarge(path));
    struct stat original {};
    const bool existed = ::fstatat(at, name, &original, AT_SYMLINK_NOFOLLOW) == 0;
    // Renaming over a read-only file would go through; its owner meant it to stay as it is
    // (and no write bit at all means so even to the superuser).
    if (existed) {
        if ((original.st_mode & 0222) == 0)
            return Outcome::failed(systemError(EACCES));
        if (::faccessat(at, name, W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
            return Outcome::failed(systemError(errno));
    }

    // The new file keeps the old one's permissions; a first file gets the usual ones, which
    // open() cuts by the process's umask.
    AtomicFile out(*m_fileSystem, file, existed ? 0600 : 0666);
    if (const int error = out.error()) {
        if (error == EACCES || error == EPERM || error == EROFS)
            return Outcome::failed("the folder " + file.folderPath +
                                   " must be writable: a change is written to a new file there "
                                   "first (" +
                                   systemError(error) + ")");
        return Outcome::failed(systemError(error));
    }
    if (existed && ::fchmod(out.descriptor(), original.st_mode & 07777) != 0)
        return Outcome::failed(systemError(errno));
    if (existed && ::fchown(out.descriptor(), original.st_uid, original.st_gid) != 0) {
        // Only the owner's own programs get here without the right to keep the owner; the
        // file then belongs to whoever writes it, as any editor would leave it.
    }
    if (const Outcome written = out.commit(text, folder); !written)
        return written;
    m_cache[path] = {identityOf(path), std::make_shared<const ProfileDocument>(text)};
    return {};
}

void ProfileEngine::removeOrphans(const CheckedPath& file, int folder) {
    // Writers hold the folder's lock while their temporary file exists; one found while we
    // hold it was left by a writer that died.
    DIR* dir = ::fdopendir(::dup(folder));
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (AtomicFile::isTemporary(file.name, entry->d_name))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

Outcome ProfileEngine::ensureExists(const std::string& path) {
    const auto file = CheckedPath::resolve(path);
    if (!file)
        return Outcome::failed(file.why());
    struct stat info {};
    if (::fstatat(file->folder.get(), file->name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return S_ISREG(info.st_mode) ? Outcome()
                                     : Outcome::failed(notARegularFile(path, info.st_mode));
    Descriptor fd(::openat(file->folder.get(), file->name.c_str(),
                           O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                           0666));
    if (fd.get() < 0)
        return Outcome::failed(systemError(errno));
    return {};
}

} // namespace brisvane
