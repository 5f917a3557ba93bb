#pragma once

#include "store/ProgramFolders.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

// Does the program start as a command, rather than as a window? When its first argument is
// one of the command's options, "-" or any word that is no toolkit option (those start with
// a single "-": -platform, -session, -style...).
bool isCommand(int argc, char** argv);

// The project file that "--data FILE" (or "--data=FILE") names when it is all that is given:
// the window then keeps its projects there, as in data.ini.
std::optional<std::string> windowProjectFile(const std::vector<std::string>& args);

// Runs the command with the arguments after the program's name, reading standard input (the
// descriptor 0) for "-", and returns the exit status: 0 done, 1 a project not found or a file that
// cannot be used (the others still go through), 2 arguments that make no sense. It needs no display
// and writes no file.
int runCommand(const std::vector<std::string>& args, const ProgramFolders& folders,
               std::ostream& out, std::ostream& err);

} // namespace brisvane
