#include "app/CommandLine.h"

#include "base/SystemError.h"
#include "generate/EveryBrowserBlock.h"
#include "generate/StyleBlock.h"
#include "import/PageFile.h"
#include "import/ScrollbarColorReader.h"
#include "scheme/ColorFieldText.h"
#include "scheme/Contrast.h"
#include "store/ProjectStore.h"
#include "text/Ascii.h"
#include "text/HexDigits.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

constexpr const char* usage =
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

enum class Mode { None, Css, Convert, List, Help, Version };

struct Options {
    Mode mode = Mode::None;
    std::string project;
    std::vector<std::string> files;
    std::optional<std::string> data;
    bool classic = false;
    std::optional<BlockReach> reach;
    std::string darkWhen;
};

// The reach that --scope names: "all", "page" or a selector list; nullopt and why when the
// list cannot be used.
std::optional<BlockReach> reachOf(const std::string& value, std::string& why) {
    if (value == "all")
        return BlockReach();
    if (value == "page")
        return BlockReach::page();
    return BlockReach::matching(value, why);
}

// The options, or the reason they make no sense. A selector list that cannot be used is
// reason enough on its own: `hint` is cleared, as no other option would mend it.
std::optional<Options> parse(const std::vector<std::string>& args, std::string& error, bool& hint) {
    Options o;
    bool onlyFiles = false;
    std::optional<Mode> answer; // --help or --version
    auto setMode = [&](Mode mode, const std::string& option) {
        if (o.mode != Mode::None && o.mode != mode)
            error = "'" + option + "' cannot go with another of --css, --convert and --list";
        o.mode = mode;
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
            std::string why;
            const std::string reach = value();
            if (error.empty() && !(o.reach = reachOf(reach, why)))
                error = "--scope: " + why, hint = false;
        } else if (option == "--dark-when") {
            std::string why;
            const std::string selectors = value();
            const auto checked = BlockReach::matching(selectors, why);
            if (error.empty() && !checked)
                error = "--dark-when: " + why, hint = false;
            else if (checked)
                o.darkWhen = checked->selectors();
        } else
            error = "unrecognized option '" + arg + "'";
    }
    if (!error.empty())
        return std::nullopt;
    if (answer && !o.files.empty())
        error = "unexpected argument '" + o.files.front() + "'";
    else if (answer)
        o.mode = *answer;
    else if (o.mode == Mode::None)
        error = "no command: give --css, --convert or --list";
    else if (o.mode == Mode::Css && o.project.empty())
        error = "the project name after --css is empty";
    else if (o.mode == Mode::Convert && o.files.empty())
        error = "--convert needs at least one file";
    else if (o.mode != Mode::Convert && !o.files.empty())
        error = "unexpected argument '" + o.files.front() + "'";
    else if (o.mode == Mode::List && (o.classic || o.reach))
        error = std::string(o.classic ? "--classic" : "--scope") + " goes with --css or --convert";
    else if (!o.darkWhen.empty() && (o.mode != Mode::Css || o.classic))
        error = "--dark-when goes with --css and the block for every browser";
    return error.empty() ? std::optional(o) : std::nullopt;
}

// A file name inside a CSS comment: bytes that could end the comment or the style element,
// or break the line, are written as %XX.
std::string commentText(const std::string& name) {
    std::string text;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '*' || c == '<' || c == '%') {
            text += {'%', hexDigit(c >> 4), hexDigit(c)};
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

std::string blockOf(const ProjectColors& colors, const Options& o) {
    const BlockReach reach = o.reach.value_or(BlockReach());
    return o.classic ? buildStyleBlock(colors.light, reach)
                     : buildEveryBrowserBlock(colors, reach, o.darkWhen);
}

// A page's colours as a project's: the defaults where it sets none; a dark set where it has
// rules for dark mode, from the dark defaults.
ProjectColors projectColorsOf(const ScrollbarColors& read) {
    ProjectColors colors(read.over(defaultScheme, false));
    if (read.givesDark())
        colors.dark = read.over(darkDefaultScheme, true);
    return colors;
}

// One line for each part of a set that stands out from its ground by less than 3 to 1.
std::string contrastWarnings(const std::string& name, const ProjectColors& colors) {
    std::string said;
    for (const auto& [set, scheme] :
         {std::pair{"", &colors.light}, {" (dark set)", colors.dark ? &*colors.dark : nullptr}}) {
        if (!scheme)
            continue;
        for (const ContrastCheck& check : checkContrast(*scheme)) {
            if (!check.enough())
                said += "brisvane: " + ascii::oneLine(name) + ": " + check.what + set + ": " +
                        ratioText(check.ratio) + ", less than 3:1\n";
        }
    }
    return said;
}

class Command {
public:
    Command(const Options& options, const std::string& dataFolder, std::ostream& out,
            std::ostream& err)
        : m_o(options), m_out(out), m_err(err), m_ini(readerOf(dataFolder, options)) {}

    int run() {
        switch (m_o.mode) {
        case Mode::Css:
            return css();
        case Mode::Convert:
            return convert();
        case Mode::List:
            return list();
        default:
            return 2;
        }
    }

private:
    // The project file, read only: no entry a read misses is filled in, no missing file made.
    static clsINI readerOf(const std::string& dataFolder, const Options& options) {
        clsINI ini(dataFolder, "brisvane");
        if (options.data)
            ini.setInifile(*options.data);
        ini.setReadOnly(true);
        return ini;
    }

    // The project file can be used; where not, says why. A missing file beside the program
    // holds no projects yet; a missing one asked for by name is a mistake.
    bool projectFileUsable() {
        std::string problem = m_store.checkFile().why();
        struct stat info {};
        if (problem.empty() && m_o.data && ::stat(m_o.data->c_str(), &info) != 0)
            problem = systemError(errno);
        if (!problem.empty())
            fail(m_ini.inifile(), problem);
        return problem.empty();
    }

    int list() {
        if (!projectFileUsable())
            return 1;
        const std::vector<ProjectRow> rows = m_store.listProjects();
        if (readFailed())
            return 1;
        for (const ProjectRow& row : rows)
            m_out << row.name << '\t' << row.date << ' ' << row.time << '\n';
        return 0;
    }

    // A file that could not be read is no list of projects, not even an empty one.
    bool readFailed() {
        const std::string problem = m_store.lastRead().why();
        if (!problem.empty())
            fail(m_ini.inifile(), problem);
        return !problem.empty();
    }

    int css() {
        if (!projectFileUsable())
            return 1;
        // Names are listed once, letter case aside; the exact spelling wins in a damaged file.
        std::optional<std::string> found;
        const std::vector<ProjectRow> rows = m_store.listProjects();
        if (readFailed())
            return 1;
        for (const ProjectRow& row : rows) {
            if (row.name == m_o.project || (!found && ascii::equalsNoCase(row.name, m_o.project)))
                found = row.name;
        }
        if (!found) {
            fail(m_o.project, "no such project in " + m_ini.inifile());
            return 1;
        }
        // The stored texts come in as opening the project brings them into the fields; a state
        // left unset stays so.
        ProjectColors colors = m_store.openProject(*found);
        if (readFailed())
            return 1;
        for (ScrollbarScheme* scheme : {&colors.light, colors.dark ? &*colors.dark : nullptr}) {
            for (ColorRole role : everyColorRole) {
                if (scheme && (!isStateRole(role) || !scheme->color(role).empty()))
                    scheme->setColor(role, colorTextAfterFieldRules(scheme->color(role)));
            }
        }
        m_err << contrastWarnings(*found, colors);
        m_out << blockOf(colors, m_o) << "\r\n";
        return 0;
    }

    int convert() {
        int status = 0;
        for (const std::string& file : m_o.files) {
            const std::string name = file == "-" ? "standard input" : file;
            const PageFile page = file == "-" ? readPageStream(0) : readPageFile(file, false);
            if (!page.problem.empty()) {
                fail(name, page.problem);
                status = 1;
                continue;
            }
            const ScrollbarColors read = readScrollbarColors(page.text);
            const bool found = givesAnyColor(read);
            // Said in one write: standard error is not buffered, and a page may skip many. What
            // stands in a value's place is said only when a block is printed.
            std::string said;
            for (const SkippedColor& skipped : read.skipped)
                said += "brisvane: " + ascii::oneLine(name) + ':' + std::to_string(skipped.line) +
                        ": " + describeSkipped(skipped, found ? "the default is used" : "") + '\n';
            m_err << said;
            if (!found) {
                fail(name, whyNothingIsTaken(read));
                status = 1;
                continue;
            }
            const ProjectColors colors = projectColorsOf(read);
            m_err << contrastWarnings(name, colors);
            std::string block = blockOf(colors, m_o);
            if (m_o.files.size() > 1)
                block.insert(block.find('\n') + 1, "/* " + commentText(name) + " */\r\n");
            m_out << block << "\r\n";
        }
        return status;
    }

    // One line on standard error: what failed and why; a reason that names it already (most
    // of the project file's do) is not put after its name again.
    void fail(const std::string& what, const std::string& why) {
        m_err << "brisvane: " << ascii::oneLine(why.starts_with(what) ? why : what + ": " + why)
              << '\n';
    }

    const Options& m_o;
    std::ostream& m_out;
    std::ostream& m_err;
    Clock m_clock;
    clsINI m_ini;
    ProjectStore m_store{m_ini, m_clock};
};

} // namespace

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

int runCommand(const std::vector<std::string>& args, const ProgramFolders& folders,
               std::ostream& out, std::ostream& err) {
    std::string error;
    bool hint = true;
    const std::optional<Options> options = parse(args, error, hint);
    if (!options) {
        err << "brisvane: " << error << '\n'
            << (hint ? "Try 'brisvane --help' for more information.\n" : "");
        return 2;
    }
    int status = 0;
    if (options->mode == Mode::Help)
        out << usage;
    else if (options->mode == Mode::Version)
        out << "brisvane " BRISVANE_VERSION "\n" << describeFolders(folders);
    else {
        if (!folders.warning.empty() && !options->data && options->mode != Mode::Convert)
            err << "brisvane: " << ascii::oneLine(folders.warning) << '\n';
        status = Command(*options, folders.data, out, err).run();
    }
    // Output that did not all get written is no success: a full disk, a closed pipe.
    if (!out.flush()) {
        err << "brisvane: standard output could not be written\n";
        return 1;
    }
    return status;
}

} // namespace brisvane
