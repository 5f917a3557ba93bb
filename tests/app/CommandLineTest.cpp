#include "generate/EveryBrowserBlock.h"
#include "generate/StyleBlock.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace brisvane {
namespace {

using test::readBytes;
using test::writeBytes;

const std::string projects =
    "[Projects]\n1=Blue\n2=Old\n3=Night\n"
    "[Blue]\nDate=07/05/2002\nTime=02:40 PM\n1=#336633\n2=#99CC99\n"
    "3=#669966\n4=#224422\n5=#000000\n6=#CCDDCC\n7=#FFFFFF\n"
    "[Old]\n1=c0c0c0\n2=<not_set>\n3=#12\n"
    "[Night]\n1=#336633\n2=#99CC99\n3=#669966\n4=#224422\n5=#000000\n"
    "6=#CCDDCC\n7=#FFFFFF\n8=#4477aa\nD1=#444444\nD7=#FFFFFF\nD9=#eeeeee\n";
// A page in Latin-1 that sets two colours, one of them in its body tag, which wins.
const std::string page = "<html><head><title>Caf\xE9</title><style>\n"
                         "BODY { Scrollbar-Face-Color: rgb(255, 0, 0); "
                         "scrollbar-track-color: #abc }\n</style></head>"
                         "<body style=\"scrollbar-face-color:navy\"><p>\xE9t\xE9</p></body></html>";

// The built program in a folder of its own, with its data.ini beside it, run as a build
// script runs it: no display, input and output through files, `page` on standard input. No
// run writes the project file.
struct CommandLine : ::testing::Test {
    struct Run {
        std::string args;
        int status;
        std::string out, err;
    };
    CommandLine() {
        std::filesystem::copy_file(BRISVANE_EXE, dir.path + "/brisvane");
        writeBytes(data, projects);
        writeBytes(dir.path + "/other.ini", "[Projects]\n1=Red\n[Red]\nDate=x\nTime=y\n");
        writeBytes(dir.path + "/page.htm", page);
    }
    void TearDown() override { EXPECT_EQ(readBytes(data), projects); }
    Run run(const std::string& args, const std::string& out = "out") {
        const std::string line = "cd '" + dir.path + "' && env -u DISPLAY -u WAYLAND_DISPLAY " +
                                 "-u QT_QPA_PLATFORM ./brisvane " + args + " <page.htm 2>err >" +
                                 out;
        const int status = std::system(line.c_str());
        return {args, WEXITSTATUS(status), readBytes(dir.path + "/out"),
                readBytes(dir.path + "/err")};
    }
    void expectRuns(const std::vector<Run>& cases) {
        const auto seen = [](const Run& r) { return std::make_tuple(r.status, r.out, r.err); };
        for (const Run& c : cases)
            EXPECT_EQ(seen(run(c.args)), seen(c)) << c.args;
    }
    test::TempFolder dir;
    const std::string data = dir.path + "/data.ini";
};

const std::string hint = "Try 'brisvane --help' for more information.\n";
const ScrollbarScheme blue{
    {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};

TEST_F(CommandLine, ListsAndPrintsTheSavedProjects) {
    // What the fields make of "c0c0c0", "<not_set>", "#12" and missing entries.
    const ScrollbarScheme old{
        {"#C0C0C0", "#000000", "#120000", "#000000", "#000000"}, "#000000", "#000000"};
    // The hover face and the dark set, whose missing colours are its defaults.
    ScrollbarScheme light = blue, dark = darkDefaultScheme;
    light.hoverColor = "#4477AA";
    dark.setColor(ColorRole::Face, "#444444");
    dark.arrowColor = "#FFFFFF";
    dark.pressedColor = "#EEEEEE";
    expectRuns({
        {"--list", 0,
         "Blue\t07/05/2002 02:40 PM\nOld\t<not_set> <not_set>\nNight\t<not_set> <not_set>\n", ""},
        {"--list --data other.ini", 0, "Red\tx y\n", ""},
        {"--data=gone.ini --list", 1, "", "brisvane: gone.ini: No such file or directory\n"},
        {"--classic --css=Old", 0, buildStyleBlock(old) + "\r\n", ""},
        {"--css Nope", 1, "", "brisvane: Nope: no such project in " + data + "\n"},
        {"--scope=page --css Blue", 0, buildEveryBrowserBlock(blue, BlockReach::page()) + "\r\n",
         ""},
        {"--css Night --dark-when 'html.dark'", 0,
         buildEveryBrowserBlock({light, dark}, {}, "html.dark") + "\r\n",
         "brisvane: Night: the arrows against the face held (dark set): 1.1:1, less than 3:1\n"},
    });
    ::chmod(data.c_str(), 0444); // a file that may not be written serves as well
    expectRuns({{"--css BLUE --scope all", 0, buildEveryBrowserBlock(blue) + "\r\n", ""}});
}

TEST_F(CommandLine, ConvertsPagesAndNamesWhatItCannotUse) {
    ScrollbarScheme fromPage = defaultScheme, arrowOnly = defaultScheme;
    fromPage.setColor(ColorRole::Face, "#000080");
    fromPage.setColor(ColorRole::Track, "#AABBCC");
    arrowOnly.setColor(ColorRole::Arrow, "#AABBCC");
    writeBytes(dir.path + "/none.css", "body { color: red }");
    writeBytes(dir.path + "/elsewhere.css",
               "textarea { scrollbar-face-color: red }\nbody { scrollbar-arrow-color: foo }");
    writeBytes(dir.path + "/skip.css",
               "html {\n scrollbar-face-color: foo; scrollbar-arrow-color: #abc }");
    const BlockReach side = *BlockReach::matching(".side, textarea");
    const std::string lowArrows = "the arrows against the face: 1.3:1, less than 3:1\n";
    expectRuns({
        {"--convert page.htm", 0, buildEveryBrowserBlock(fromPage) + "\r\n",
         "brisvane: page.htm: " + lowArrows},
        {"--convert --classic - none.css gone.htm", 1,
         "<style type=\"text/css\">\r\n/* standard input */" +
             buildStyleBlock(fromPage).substr(23) + "\r\n",
         "brisvane: standard input: " + lowArrows +
             "brisvane: none.css: none of the seven scrollbar colors is set\n"
             "brisvane: gone.htm: No such file or directory\n"},
        {"--convert elsewhere.css", 1, "", // nothing printed: nothing stands in any place
         "brisvane: elsewhere.css:2: scrollbar-arrow-color: 'foo' is not a color\nbrisvane: "
         "elsewhere.css: none of the scrollbar colors it sets for the page's own scrollbar can be "
         "used; colors are also set for textarea (line 1)\n"},
        {"--convert .", 1, "", "brisvane: .: Is a directory\n"},
        {"--convert skip.css", 0, buildEveryBrowserBlock(arrowOnly) + "\r\n",
         "brisvane: skip.css:2: scrollbar-face-color: 'foo' is not a color; the default is "
         "used\nbrisvane: skip.css: the arrows against the face: 1.0:1, less than 3:1\n"},
        {"--convert /dev/zero", 1, "", "brisvane: /dev/zero: it is larger than 64 MiB\n"},
        {"--convert 'a\nbrisvane: b'", 1, "", // a name cannot forge a second line
         "brisvane: a\\x0Abrisvane: b: No such file or directory\n"},
        {"--classic --convert page.htm --scope '.side, textarea'", 0,
         buildStyleBlock(fromPage, side) + "\r\n", "brisvane: page.htm: " + lowArrows},
    });
    // Several files: each block is named after its file, and a long page is read whole.
    writeBytes(dir.path + "/big.htm",
               std::string(100000, '\n') + "<style>body{scrollbar-track-color:#ABC}</style>");
    const Run r = run("--convert big.htm -");
    EXPECT_EQ(r.out.find("<style type=\"text/css\">\r\n/* big.htm */\r\n"), 0u);
    EXPECT_NE(r.out.find("\r\n/* standard input */\r\n"), std::string::npos);
}

TEST_F(CommandLine, RefusesArgumentsThatMakeNoSense) {
    expectRuns({
        {"--css Night --dark-when 'a{'", 2, "",
         "brisvane: --dark-when: the selector list holds \"{\"\n"},
        {"--convert page.htm --dark-when .dark", 2, "",
         "brisvane: --dark-when goes with --css and the block for every browser\n" + hint},
        // An escape ends after six hexadecimal digits, or at the blank after fewer.
        {"--css Blue --scope 'p\\00007B0'", 2, "",
         "brisvane: --scope: the selector list holds an escape for \"{\"\n"},
        {"--css Blue --scope 'p, \\55\\72 L(x)'", 2, "",
         "brisvane: --scope: the selector list holds url(, which no selector has\n"},
        {"--list --scope page", 2, "", "brisvane: --scope goes with --css or --convert\n" + hint},
        {"--bogus", 2, "", "brisvane: unrecognized option '--bogus'\n" + hint},
        {"--css", 2, "", "brisvane: option '--css' needs an argument\n" + hint},
        {"--list --css Blue", 2, "",
         "brisvane: '--css' cannot go with another of --css, --convert and --list\n" + hint},
        {"--convert", 2, "", "brisvane: --convert needs at least one file\n" + hint},
        {"--list Blue", 2, "", "brisvane: unexpected argument 'Blue'\n" + hint},
        {"--classic", 2, "", "brisvane: no command: give --css, --convert or --list\n" + hint},
        {"--help Blue", 2, "", "brisvane: unexpected argument 'Blue'\n" + hint},
        {"--css ''", 2, "", "brisvane: the project name after --css is empty\n" + hint},
    });
}

TEST_F(CommandLine, AnswersHelpAndVersionAndOpensTheWindowForTheRest) {
    EXPECT_NE(run("-h").out.find("--convert FILE..."), std::string::npos);
    EXPECT_EQ(run("--version").out.rfind("brisvane ", 0), 0u);
    EXPECT_EQ(run("--list", "/dev/full").status, 1); // output that cannot be written fails
    // --data alone, and the toolkit's options, ask for the window, which has no display here.
    const std::string noDisplay = "brisvane: no display to show its window on (DISPLAY is not set "
                                  "or not reachable); run it on a desktop, or under a virtual one "
                                  "with: xvfb-run -a make run\n";
    expectRuns({{"--data other.ini", 1, "", noDisplay}, {"--style=fusion", 1, "", noDisplay}});
}

} // namespace
} // namespace brisvane
