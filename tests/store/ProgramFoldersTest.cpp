#include "store/ProgramFolders.h"

#include <gtest/gtest.h>
#include <set>

namespace brisvane {
namespace {

TEST(ProgramFolders, ResourcesBesideTheProgramOrUnderShareAndProjectsWhereTheUserMayWrite) {
    const struct {
        const char* what;
        std::string exe;
        std::set<std::string> files, writable;
        std::string xdg, resources, data;
    } cases[] = {
        {"build folder",
         "/src/b/build",
         {"/src/b/build/Help/index.htm"},
         {"/src/b/build"},
         "",
         "/src/b/build",
         "/src/b/build"},
        {"installed under /usr/local",
         "/usr/local/bin",
         {},
         {},
         "",
         "/usr/local/share/brisvane",
         "/home/u/.local/share/brisvane"},
        {"installed, run by root",
         "/usr/bin",
         {},
         {"/usr/bin"},
         "/x/data",
         "/usr/share/brisvane",
         "/x/data/brisvane"},
        {"copy with its data.ini, read-only",
         "/media/stick",
         {"/media/stick/Help/index.htm", "/media/stick/data.ini"},
         {},
         "",
         "/media/stick",
         "/media/stick"},
        {"unwritable copy without one",
         "/opt/b",
         {"/opt/b/Help/index.htm"},
         {},
         "",
         "/opt/b",
         "/home/u/.local/share/brisvane"},
        {"relative XDG_DATA_HOME is ignored",
         "/bin",
         {},
         {},
         "data",
         "/share/brisvane",
         "/home/u/.local/share/brisvane"},
        {"no executable", "", {}, {}, "", "", "/home/u/.local/share/brisvane"},
    };
    for (const auto& c : cases) {
        const ProgramFolders folders = findProgramFolders(
            {c.exe, [&](const std::string& p) { return c.files.count(p) != 0; },
             [&](const std::string& p) { return c.writable.count(p) != 0; }, c.xdg, "/home/u"});
        EXPECT_EQ(folders.resources, c.resources) << c.what;
        EXPECT_EQ(folders.data, c.data) << c.what;
        EXPECT_EQ(folders.dataBesideProgram, folders.data == c.exe) << c.what;
    }
    EXPECT_EQ(describeFolders({"/usr/share/brisvane", "/srv/b", true}),
              "Projects: /srv/b/data.ini (beside the program)\n"
              "Help and picture: /usr/share/brisvane\n");
}

} // namespace
} // namespace brisvane
