#pragma once

#include "base/Descriptor.h"
#include "base/Outcome.h"

#include <string>

namespace brisvane {

// A file reached through a folder that was opened and checked once: reads and writes go
// through that open folder (openat, renameat), so that whatever another user changes on the
// way after the check, they reach the file that was checked and no other.
//
// Symbolic links on the way are followed only along a path nobody else can change: each link
// belongs to the user or to root, and so does every folder from the first link on (the
// link's own folder and each folder its target runs through, the last one holding the file),
// none of them writable by group or others unless it is sticky and the entry in it belongs
// to the user or root. A project file's link through a folder another user may change would
// let that user point the next save at any file of the owner's.
struct CheckedPath {
    // Resolves `path`; the file itself need not exist. Refused: why, in one line that names
    // the link or folder at fault.
    static Result<CheckedPath> resolve(const std::string& path);

    Descriptor folder;      // opened with O_PATH: enough for the *at() calls
    std::string name;       // the file's name in it
    std::string folderPath; // where the folder is, for messages
    bool linked = false;    // a link was followed on the way

    // The folder opened for what O_PATH does not allow: flock() and fsync().
    Descriptor openFolder() const;
};

} // namespace brisvane
