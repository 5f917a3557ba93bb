#pragma once

#include "base/Outcome.h"
#include "generate/BlockReach.h"

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

// What --help prints.
extern const char* const commandUsage;

// What the command is asked to do, as its arguments say it.
struct CommandOptions {
    enum class Mode { Css, Convert, List, Help, Version };
    Mode mode = Mode::Help;
    std::string project;             // --css's
    std::vector<std::string> files;  // --convert's, "-" for standard input
    std::optional<std::string> data; // --data's project file
    bool classic = false;            // --classic
    std::optional<BlockReach> reach; // --scope's
    std::string darkWhen;            // --dark-when's selector list, as checked
};

// The options the arguments after the program's name give, or why they make no sense, as
// standard error says it after "brisvane: ": one line, and one more that points to --help
// unless the reason is a selector list that no other option would mend.
Result<CommandOptions> parseCommandOptions(const std::vector<std::string>& args);

} // namespace brisvane
