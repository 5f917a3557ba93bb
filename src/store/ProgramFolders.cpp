#include "store/ProgramFolders.h"

#include "text/PathSeparator.h"

namespace brisvane {

ProgramFolders findProgramFolders(const FolderFacts& facts) {
    ProgramFolders folders;
    const std::string& exe = facts.executableFolder;
    if (!exe.empty()) {
        const bool copy = facts.exists(joinPath(exe, "Help/index.htm"));
        if (copy) {
            folders.resources = exe;
        } else {
            // The executable's folder is bin/ under the prefix; the root has no parent.
            const std::size_t slash = exe.find_last_of('/', exe.size() - 2);
            const std::string prefix = slash == std::string::npos ? "/" : exe.substr(0, slash);
            folders.resources = joinPath(prefix.empty() ? "/" : prefix, "share/brisvane");
        }
        // An installed program keeps no projects in bin/, even where it could write there
        // (run by root, say); a copy does, once it may.
        folders.dataBesideProgram =
            facts.exists(joinPath(exe, "data.ini")) || (copy && facts.writable(exe));
    }
    if (folders.dataBesideProgram) {
        folders.data = exe;
    } else if (facts.xdgDataHome.starts_with('/')) {
        // A relative XDG_DATA_HOME is to be ignored, as the base directory rules say.
        folders.data = joinPath(facts.xdgDataHome, "brisvane");
    } else if (!facts.home.empty()) {
        folders.data = joinPath(facts.home, ".local/share/brisvane");
    }
    if (exe.empty())
        folders.warning =
            "the program's own folder could not be found (its path may be longer "
            "than the system allows); Projects are kept in " +
            (folders.data.empty() ? std::string("no folder") : joinPath(folders.data, "data.ini")) +
            " instead";
    return folders;
}

std::string describeFolders(const ProgramFolders& folders) {
    std::string text = "Projects: ";
    text += folders.data.empty() ? "nowhere: no folder for them could be found"
                                 : joinPath(folders.data, "data.ini");
    text += folders.dataBesideProgram ? " (beside the program)\n" : "\n";
    text += "Help and picture: ";
    text +=
        folders.resources.empty() ? "the program's folder could not be found" : folders.resources;
    return text + "\n";
}

} // namespace brisvane
