#pragma once

#include "base/Outcome.h"
#include "store/CheckedPath.h"
#include "store/FileSystem.h"
#include "store/ProfileDocument.h"

#include <ctime>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>

namespace brisvane {

// The largest project file read or written: ten thousand projects take some 1.5 MB, and a
// file of gigabytes would be read whole into memory.
inline constexpr std::size_t maxProfileBytes = 32u << 20;

// Reads and writes INI files by path.
// - Reads parse a file once and keep it; every read checks the file (size, modification
//   time, inode) so that a change by another program is seen at once.
// - Writes are transactions: under an advisory lock on the file's folder the current text
//   is read afresh, changed in memory, written to a temporary file in the same folder,
//   flushed to disk and renamed over the original (keeping its permissions). A crash leaves
//   the old file or the new one, never a mix; two programs writing at once lose nothing.
class ProfileEngine {
public:
    explicit ProfileEngine(std::shared_ptr<FileSystem> fileSystem = nullptr);

    // The file's current text; a missing or unreadable file reads as empty, and lastRead()
    // says why it could not be read.
    std::shared_ptr<const ProfileDocument> read(const std::string& path);
    const Outcome& lastRead() const { return m_lastRead; }
    // Runs `change` on the current text and writes the result if it changed anything. While
    // another program holds the lock, a write waits a few seconds at most, or with `wait`
    // false not at all, and then fails. A write that failed leaves the file as it was, and
    // says why in the system's words ("Permission denied", "No space left on device").
    Outcome edit(const std::string& path, const std::function<void(ProfileDocument&)>& change,
                 bool wait = true);
    // Creates the file empty when it is missing; an existing file is left as it is.
    Outcome ensureExists(const std::string& path);
    // Whether the file can be read and changed, or why not (not a regular file, unreadable,
    // UTF-16); a missing file can.
    Outcome check(const std::string& path);

private:
    struct Identity {
        bool exists = false;
        mode_t mode = 0;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        timespec changed{}; // a rename over the file changes this even when all else matches
        bool operator==(const Identity& other) const;
    };
    struct Cached {
        Identity identity;
        std::shared_ptr<const ProfileDocument> document;
    };

    static Identity identityOf(const struct stat& info);
    static Identity identityOf(const std::string& path);
    using Document = std::shared_ptr<const ProfileDocument>;
    // The file's text; a missing file reads as empty.
    Result<Document> load(const CheckedPath& file, const std::string& path);
    // Writes text over the file, whose folder, open as `folder`, this engine has locked.
    Outcome replace(const CheckedPath& file, int folder, const std::string& path,
                    const std::string& text);
    static void removeOrphans(const CheckedPath& file, int folder);

    std::shared_ptr<FileSystem> m_fileSystem;
    std::unordered_map<std::string, Cached> m_cache;
    std::set<std::pair<dev_t, ino_t>> m_lockedFolders;
    Outcome m_lastRead;
};

} // namespace brisvane
