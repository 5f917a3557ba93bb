#pragma once

#include <functional>
#include <string>

namespace brisvane {

// What the program knows of the machine when it starts, to find its folders by.
struct FolderFacts {
    // The folder that holds the executable; empty when it cannot be found.
    std::string executableFolder;
    std::function<bool(const std::string& path)> exists;
    std::function<bool(const std::string& folder)> writable;
    // The environment's XDG_DATA_HOME and HOME; empty when unset.
    std::string xdgDataHome;
    std::string home;
};

// Where the program's files are. An empty folder could not be found.
struct ProgramFolders {
    // dummy.jpg and Help/: beside the executable when they are there (a build folder, a
    // copy), else ../share/brisvane from it, where an installation puts them.
    std::string resources;
    // data.ini: beside the executable when it is there already, or when the program is a
    // copy with its resources beside it (a build folder, a portable copy) and may write
    // there; else brisvane/ in the user's data folder.
    std::string data;
    bool dataBesideProgram = false;
    // When the executable's folder could not be found (its path longer than the system
    // allows, or the program file since removed): that, and where Projects are kept instead,
    // for the program to say rather than quietly use another file.
    std::string warning;
};

ProgramFolders findProgramFolders(const FolderFacts& facts);

// The folders as a person reads them: where the projects are kept, and where the help pages
// and the sample page's picture come from. Two lines, each ending in a line break.
std::string describeFolders(const ProgramFolders& folders);

} // namespace brisvane
