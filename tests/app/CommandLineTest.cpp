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

// The built program in a folder of its own, with its data.ini beside it, run as a build
// script runs it: no display, input and output through files.
struct CommandLine : ::testing::Test {
    struct Run {
        int status;
        std::string out, err;
    };
    CommandLine() {
        std::filesystem::copy_file(BRISVANE_EXE, dir.path + "/brisvane");
        writeBytes(data, "[Projects]\n1=Blue\n2=Old\n3=Night\n"
                         "[Blue]\nDate=07/05/2002\nTime=02:40 PM\n1=#336633\n2=#99CC99\n"
                         "3=#669966\n4=#224422\n5=#000000\n6=#CCDDCC\n7=#FFFFFF\n"
                         "[Old]\n1=c0c0c0\n2=<not_set>\n3=#12\n"
                         "[Night]\n1=#336633\n2=#99CC99\n3=#669966\n4=#224422\n5=#000000\n"
                         "6=#CCDDCC\n7=#FFFFFF\n8=#4477aa\nD1=#444444\nD7=#FFFFFF\nD9=#eeeeee\n");
    }
    Run run(const std::string& args, const std::string& input = {}) {
        writeBytes(dir.path + "/in", input);
        const std::string line = "cd '" + dir.path + "' && env -u DISPLAY -u WAYLAND_DISPLAY " +
                                 "-u QT_QPA_PLATFORM ./brisvane " + args + " <in >out 2>err";
        const int status = std::system(line.c_str());
        return {WEXITSTATUS(status), readBytes(dir.path + "/out"), readBytes(dir.path + "/err")};
    }
    test::TempFolder dir;
    const std::string data = dir.path + "/data.ini";
};

const std::string hint = "Try 'brisvane --help' for more information.\n";
const ScrollbarScheme blue{
    {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};
// What the fields make of "c0c0c0", "<not_set>", "#12" and missing entries.
const ScrollbarScheme old{
    {"#C0C0C0", "#000000", "#120000", "#000000", "#000000"}, "#000000", "#000000"};
ProjectColors nightColors() {
    ScrollbarScheme light = blue, dark = darkDefaultScheme;
    light.hoverColor = "#4477AA";
    dark.setColor(ColorRole::Face, "#444444");
    dark.arrowColor = "#FFFFFF";
    dark.pressedColor = "#EEEEEE";
    return {light, dark};
}
// A page in Latin-1 that sets two colours, one of them in its body tag, which wins.
const std::string page = "<html><head><title>Caf\xE9</title><style>\n"
                         "BODY { Scrollbar-Face-Color: rgb(255, 0, 0); "
                         "scrollbar-track-color: #abc }\n</style></head>"
                         "<body style=\"scrollbar-face-color:navy\"><p>\xE9t\xE9</p></body></html>";

TEST_F(CommandLine, AnswersEachOptionWithoutADisplayAndNeverWritesTheProjectFile) {
    ScrollbarScheme fromPage = defaultScheme;
    fromPage.setColor(ColorRole::Face, "#000080");
    fromPage.setColor(ColorRole::Track, "#AABBCC");
    writeBytes(dir.path + "/page.htm", page);
    writeBytes(dir.path + "/none.css", "body { color: red }");
    writeBytes(dir.path + "/elsewhere.css",
               "textarea { scrollbar-face-color: red }\nbody { scrollbar-arrow-color: foo }");
    writeBytes(dir.path + "/skip.css",
               "html {\n scrollbar-face-color: foo; scrollbar-arrow-color: #abc }");
    ScrollbarScheme arrowOnly = defaultScheme;
    arrowOnly.setColor(ColorRole::Arrow, "#AABBCC");
    std::string big;
    for (int i = 0; i < 1000; ++i)
        big += "<p>line " + std::to_string(i) + " of a long page</p>\n";
    writeBytes(dir.path + "/big.htm", big + "<style>body{scrollbar-track-color:#ABC}</style>");
    writeBytes(dir.path + "/other.ini", "[Projects]\n1=Red\n[Red]\nDate=x\nTime=y\n");
    std::string why;
    const BlockReach side = *BlockReach::matching(".side, textarea", why);
    const struct {
        std::string args;
        int status;
        std::string out, err;
    } cases[] = {
        {"--list", 0,
         "Blue\t07/05/2002 02:40 PM\nOld\t<not_set> <not_set>\nNight\t<not_set> <not_set>\n", ""},
        {"--list --data other.ini", 0, "Red\tx y\n", ""},
        {"--data=gone.ini --list", 1, "", "brisvane: gone.ini: No such file or directory\n"},
        {"--css BLUE", 0, buildEveryBrowserBlock(blue) + "\r\n", ""},
        {"--classic --css=Old", 0, buildStyleBlock(old) + "\r\n", ""},
        {"--css Nope", 1, "", "brisvane: Nope: no such project in " + data + "\n"},
        {"--convert page.htm", 0, buildEveryBrowserBlock(fromPage) + "\r\n",
         "brisvane: page.htm: the arrows against the face: 1.3:1, less than 3:1\n"},
        {"--convert --classic - none.css gone.htm", 1,
         "<style type=\"text/css\">\r\n/* standard input */" +
             buildStyleBlock(fromPage).substr(23) + "\r\n",
         "brisvane: standard input: the arrows against the face: 1.3:1, less than 3:1\n"
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
        {"--css Blue --scope all", 0, buildEveryBrowserBlock(blue) + "\r\n", ""},
        {"--scope=page --css Blue", 0, buildEveryBrowserBlock(blue, BlockReach::page()) + "\r\n",
         ""},
        {"--classic --convert page.htm --scope '.side, textarea'", 0,
         buildStyleBlock(fromPage, side) + "\r\n",
         "brisvane: page.htm: the arrows against the face: 1.3:1, less than 3:1\n"},
        // The hover face and the dark set, whose missing colours are its defaults; a low one
        // is named.
        {"--css Night --dark-when 'html.dark'", 0,
         buildEveryBrowserBlock(nightColors(), {}, "html.dark") + "\r\n",
         "brisvane: Night: the arrows against the face held (dark set): 1.1:1, less than 3:1\n"},
        {"--css Night --dark-when 'a{'", 2, "",
         "brisvane: --dark-when: the selector list holds \"{\"\n"},
        {"--convert page.htm --dark-when .dark", 2, "",
         "brisvane: --dark-when goes with --css and the block for every browser\n" + hint},
        {"--css Blue --scope 'p {'", 2, "", "brisvane: --scope: the selector list holds \"{\"\n"},
        {"--list --scope page", 2, "", "brisvane: --scope goes with --css or --convert\n" + hint},
        {"--bogus", 2, "", "brisvane: unrecognized option '--bogus'\n" + hint},
        {"--css", 2, "", "brisvane: option '--css' needs an argument\n" + hint},
        {"--list --css Blue", 2, "",
         "brisvane: '--css' cannot go with another of --css, "
         "--convert and --list\n" +
             hint},
        {"--convert", 2, "", "brisvane: --convert needs at least one file\n" + hint},
        {"--list Blue", 2, "", "brisvane: unexpected argument 'Blue'\n" + hint},
        {"--classic", 2, "", "brisvane: no command: give --css, --convert or --list\n" + hint},
        {"--help Blue", 2, "", "brisvane: unexpected argument 'Blue'\n" + hint},
        {"--css ''", 2, "", "brisvane: the project name after --css is empty\n" + hint},
        {"--data other.ini", 1, "", // alone: the window on that file, which has no display here
         "brisvane: no display to show its window on (DISPLAY is not set or not reachable); run "
         "it on a desktop, or under a virtual one with: xvfb-run -a make run\n"},
        {"--style=fusion", 1, "", // the toolkit's option: the window, which has no display here
         "brisvane: no display to show its window on (DISPLAY is not set or not reachable); run "
         "it on a desktop, or under a virtual one with: xvfb-run -a make run\n"},
    };
    const std::string before = readBytes(data);
    for (const auto& c : cases) {
        const Run r = run(c.args, page);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
    }
    // Several files: each block is named after its file, and the long page is read whole.
    const Run r = run("--convert big.htm -", page);
    EXPECT_EQ(r.out.find("<style type=\"text/css\">\r\n/* big.htm */\r\n"), 0u);
    EXPECT_NE(r.out.find("\r\n/* standard input */\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("#AABBCC"), std::string::npos);
    EXPECT_EQ(readBytes(data), before);
    ::chmod(data.c_str(), 0444); // and a file that may not be written serves as well
    EXPECT_EQ(run("--css blue").out, cases[3].out);
    EXPECT_EQ(run("--version").out.rfind("brisvane ", 0), 0u);
    // Output that cannot be written is no success.
    EXPECT_NE(
        std::system(("cd '" + dir.path + "' && ./brisvane --list >/dev/full 2>/dev/null").c_str()),
        0);
    EXPECT_NE(run("-h").out.find("--convert FILE..."), std::string::npos);
}

} // namespace
} // namespace brisvane
