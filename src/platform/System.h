#pragma once

#include "base/Outcome.h"
#include "store/ProgramFolders.h"

#include <string>

namespace brisvane {

// Is there a desktop to draw on? Without one the toolkit would abort with a long trace, so
// the program asks first and says in one line what is wrong. A display on another host, or
// a platform named in the environment, counts as there: the toolkit then tries.
bool hasDisplay();

// The folder that holds the running program, without a trailing separator, as the kernel
// names it: bytes, which need not be UTF-8 text. Empty when it cannot be found.
std::string executableFolder();

// The executable's folder, the file system as this user may use it, and the environment:
// what the program's folders are found from.
FolderFacts machineFolderFacts();

// Makes the folder, and those above it that are missing; a folder made here is the user's
// alone. A folder that is there already is taken as it is, unless it is to be `private`
// (the user's data folder): then one that belongs to another user is refused, and one that
// others may write in is made the user's alone. Gives a note of what was changed (none when
// nothing was), or why the folder cannot be used.
Result<std::string> makePrivateFolder(const std::string& folder, bool isPrivate);

} // namespace brisvane
