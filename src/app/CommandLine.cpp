#include "app/CommandLine.h"

#include "app/CommandOptions.h"

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

#include <cerrno>
#include <iostream>
#include <optional>
#include <sys/stat.h>

namespace brisvane {

namespace {

using Mode = CommandOptions::Mode;

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

std::string blockOf(const ProjectColors& colors, const CommandOptions& o) {
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
                said += "brisvane: " + ascii::oneLine(name) + ": " + check.what() + set + ": " +
                        ratioText(check.ratio) + ", less than 3:1\n";
        }
    }
    return said;
}

class Command {
public:
    Command(const CommandOptions& options, const std::string& dataFolder, std::ostream& out,
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
    static clsINI readerOf(const std::string& dataFolder, const CommandOptions& options) {
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
                if (scheme)
                    scheme->setColor(role, colorTextAfterFieldRules(scheme->color(role), role));
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
            const auto page = file == "-" ? readPageStream(0) : readPageFile(file, false);
            if (!page) {
                fail(name, page.why());
                status = 1;
                continue;
            }
            const ScrollbarColors read = readScrollbarColors(*page);
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

    const CommandOptions& m_o;
    std::ostream& m_out;
    std::ostream& m_err;
    Clock m_clock;
    clsINI m_ini;
    ProjectStore m_store{m_ini, m_clock};
};

} // namespace

int runCommand(const std::vector<std::string>& args, const ProgramFolders& folders,
               std::ostream& out, std::ostream& err) {
    const Result<CommandOptions> options = parseCommandOptions(args);
    if (!options) {
        err << "brisvane: " << options.why() << '\n';
        return 2;
    }
    int status = 0;
    if (options->mode == Mode::Help)
        out << commandUsage;
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
