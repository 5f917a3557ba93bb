#include "app/CommandOptions.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace brisvane {

const char* const commandUsage =
    "Usage: brisvane [OPTION]... [FILE]...\n"
    "Without options, opens the window to choose the seven colors of a scrollbar.\n"
    "\n"
    "  --css NAME         print the CSS of the saved project NAME, for every browser\n"
    "  --convert FILE...  read the scrollbar colors of each page or style sheet (- for\n"
    "                     standard input; up to 64 MiB each) and print them as CSS for\n"
    "                     every browser; values that are no color are named on stderr\n"
    "  --classic          with --css or --convert, print the classic block for\n"
    "                     Internet Explorer 5.5+ instead\n"
    "  --scope REACH      with --css or --convert, color every scroll box (all, the\n"
    "                     default), the page's own scrollbar only (page), or the boxes\n"
    "                     a CSS selector list names ('.sidebar, textarea')\n"
    "  --dark-when SEL    with --css, give a project's dark set where the CSS selector\n"
    "                     list SEL matches ('html.dark'), as a site that switches its\n"
    "                     theme itself does, rather than in the system's dark mode\n"
    "  --list             print the saved projects with their date and time\n"
    "  --data FILE        keep projects in FILE instead of data.ini beside the program;\n"
    "                     alone, opens the window on FILE (one project file per site)\n"
    "  -h, --help         show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "A page's colors come from its rules for body, html, :root or *, also in @media\n"
    "for the screen, and the style attributes of its html and body tags: body's\n"
    "first, html's first where the doctype asks for standards mode, as Internet\n"
    "Explorer 6 chose. Server code (<?php ... ?>, <% ... %>) is passed over. Any\n"
    "CSS color is read but lab(), lch(), oklab(), oklch() and color(); system\n"
    "colors (ButtonFace...) as the classic Windows scheme. scrollbar-base-color\n"
    "gives the colors not set: the face, a lighter highlight and track, darker\n"
    "shadows, an arrow in black or white. See Help, Contents for the whole rule.\n"
    "A thumb or arrows that stand out from their ground by less than 3:1 (the\n"
    "guidelines' minimum for controls) are named on stderr.\n"
    "\n"
    "Exit status: 0 if done, 1 if a project is not found or a file cannot be used\n"
    "(the other files are still converted), 2 if the arguments make no sense.\n";

namespace {

using Mode = CommandOptions::Mode;

// The reach that --scope names: "all", "page" or a selector list, or why the list cannot be
// used.
Result<BlockReach> reachOf(const std::string& value) {
    if (value == "all")
        return BlockReach();
    if (value == "page")
        return BlockReach::page();
    return BlockReach::matching(value);
}
} // namespace

Result<CommandOptions> parseCommandOptions(const std::vector<std::string>& args) {
    CommandOptions o;
    std::optional<Mode> mode;   // --css, --convert or --list
    std::optional<Mode> answer; // --help or --version
    std::string error;
    // A selector list that cannot be used is reason enough on its own: no other option would
    // mend it, and so no hint is given.
    bool hint = true;
    bool onlyFiles = false;
    auto setMode = [&](Mode asked, const std::string& option) {
        if (mode && *mode != asked)
            error = "'" + option + "' cannot go with another of --css, --convert and --list";
        mode = asked;
    };
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i] == "-h" && !onlyFiles ? "--help" : args[i];
        if (onlyFiles || arg == "-" || !arg.starts_with("--")) {
            if (!arg.empty() && arg.front() == '-' && arg != "-" && !onlyFiles)
                error = "invalid option '" + arg + "'";
            o.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string option = arg.substr(0, equals);
        // The value of an option that takes one: after "=", or the next argument.
        // A selector list the option cannot take, said unless something was said first.
        auto refuseList = [&](const std::string& why) {
            if (error.empty())
                error = option + ": " + why, hint = false;
        };
        auto value = [&]() -> std::string {
            if (equals != std::string::npos)
                return arg.substr(equals + 1);
            if (i + 1 < args.size())
                return args[++i];
            error = "option '" + option + "' needs an argument";
            return {};
        };
        if (option != "--css" && option != "--data" && option != "--scope" &&
            option != "--dark-when" && equals != std::string::npos) {
            error = "option '" + option + "' takes no argument";
        } else if (option == "--help" || option == "--version") {
            // Either one answers whatever other option is given, as GNU programs do; an
            // operand is a mistake, as for any command.
            answer = option == "--help" ? Mode::Help : Mode::Version;
        } else if (option == "--css") {
            setMode(Mode::Css, option);
            o.project = value();
        } else if (option == "--data")
            o.data = value();
        else if (option == "--convert")
            setMode(Mode::Convert, option);
        else if (option == "--list")
            setMode(Mode::List, option);
        else if (option == "--classic")
            o.classic = true;
        else if (option == "--scope") {
            if (const auto reach = reachOf(value()))
                o.reach = *reach;
            else
                refuseList(reach.why());
        } else if (option == "--dark-when") {
            if (const auto checked = BlockReach::matching(value()))
                o.darkWhen = checked->selectors();
            else
                refuseList(checked.why());
        } else
            error = "unrecognized option '" + arg + "'";
    }
    if (error.empty()) {
        if (answer && !o.files.empty())
            error = "unexpected argument '" + o.files.front() + "'";
        else if (answer)
            mode = *answer;
        else if (!mode)
            error = "no command: give --css, --convert or --list";
        else if (*mode == Mode::Css && o.project.empty())
            error = "the project name after --css is empty";
        else if (*mode == Mode::Convert && o.files.empty())
            error = "--convert needs at least one file";
        else if (*mode != Mode::Convert && !o.files.empty())
            error = "unexpected argument '" + o.files.front() + "'";
        else if (*mode == Mode::List && (o.classic || o.reach))
            error =
                std::string(o.classic ? "--classic" : "--scope") + " goes with --css or --convert";
        else if (!o.darkWhen.empty() && (*mode != Mode::Css || o.classic))
            error = "--dark-when goes with --css and the block for every browser";
    }
    if (!error.empty())
        return Outcome::failed(error +
                               (hint ? "\nTry 'brisvane --help' for more information." : ""));
    o.mode = *mode;
    return o;
}

std::optional<std::string> windowProjectFile(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "--data" && !args[1].empty())
        return args[1];
    if (args.size() == 1 && args[0].starts_with("--data=") && args[0].size() > 7)
        return args[0].substr(7);
    return std::nullopt;
}

bool isCommand(int argc, char** argv) {
    if (argc < 2)
        return false;
    const std::string_view first = argv[1];
    if (first == "-" || first == "-h" || !first.starts_with('-'))
        return true;
    if (!first.starts_with("--"))
        return false;
    // The toolkit takes its own options with two dashes as well as with one.
    static constexpr std::string_view toolkitOptions[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",   "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "reverse",       "session",  "style",
        "stylesheet",  "widgetcount",        "display",       "geometry", "title",
        "name",        "qmljsdebugger",      "sync"};
    const std::string_view name = first.substr(2, first.find('=') - 2);
    return std::find(std::begin(toolkitOptions), std::end(toolkitOptions), name) ==
           std::end(toolkitOptions);
}

} // namespace brisvane
