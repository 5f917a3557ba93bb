#pragma once

#include "base/Descriptor.h"
#include "base/Outcome.h"
#include "store/CheckedPath.h"
#include "store/FileSystem.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace brisvane {

// A name for a new file: `prefix`, six random letters or digits, `suffix`. Every name that
// Brisvane makes up for a file of its own comes from here.
std::string randomName(std::string_view prefix, std::string_view suffix = {});

// Writes a file whole or not at all: the bytes go to a new temporary file beside it, reach
// the disk, and are renamed over the file; then the rename reaches the disk too. A crash
// leaves the old file or the new one, never a mix, and at most a temporary file that
// isTemporary() knows.
class AtomicFile {
public:
    // Makes the temporary file beside `file`, here and nowhere else (O_EXCL), never through a
    // link, with `mode` cut by the umask. When it cannot be made, error() gives the errno.
    AtomicFile(FileSystem& fileSystem, const CheckedPath& file, mode_t mode);
    // Removes the temporary file unless it took the file's place.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    int error() const { return m_error; }
    // The temporary file, open for writing: for the old file's owner and permissions.
    int descriptor() const { return m_fd.get(); }
    // Writes the bytes, flushes them and renames the temporary file over the file; then
    // flushes `folder`, the file's folder open for reading, which the rename changed.
    Outcome commit(std::string_view bytes, int folder);

    // Whether `name`, in the folder of the file `fileName`, is one of its temporary files.
    static bool isTemporary(std::string_view fileName, std::string_view name);

private:
    FileSystem& m_fileSystem;
    const CheckedPath& m_file;
    std::string m_temporary; // empty once it is the file
    Descriptor m_fd;
    int m_error = 0;
};

} // namespace brisvane
