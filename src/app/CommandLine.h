#pragma once

#include "store/ProgramFolders.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace brisvane {

// Runs the command with the arguments after the program's name, reading standard input (the
// descriptor 0) for "-", and returns the exit status: 0 done, 1 a project not found or a file that
// cannot be used (the others still go through), 2 arguments that make no sense. It needs no display
// and writes no file.
int runCommand(const std::vector<std::string>& args, const ProgramFolders& folders,
               std::ostream& out, std::ostream& err);

} // namespace brisvane
