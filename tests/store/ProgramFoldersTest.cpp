#include "store/ProgramFolders.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(ProgramFolders, ResourcesBesideTheProgramOrUnderShareAndProjectsWhereTheUserMayWrite) {
    const std::string home = "/home/u/.local/share/brisvane";
    // What lies beside the executable: H its help pages, D a data.ini.
    const struct {
        std::string exe, beside;
        bool writable;
        std::string xdg, resources, data;
    } cases[] = {
        {"/src/build", "H", true, "", "/src/build", "/src/build"}, // the build folder
        {"/usr/local/bin", "", false, "", "/usr/local/share/brisvane", home},
        {"/usr/bin", "", true, "/x/d", "/usr/share/brisvane", "/x/d/brisvane"}, // run by root
        {"/media/stick", "HD", false, "", "/media/stick", "/media/stick"},
        {"/opt/b", "H", false, "", "/opt/b", home},
        {"/bin", "", false, "data", "/share/brisvane", home}, // a relative XDG_DATA_HOME
        {"", "", false, "", "", home},
    };
    for (const auto& c : cases) {
        const auto beside = [&](const std::string& p) {
            return (c.beside.find('H') != std::string::npos && p == c.exe + "/Help/index.htm") ||
                   (c.beside.find('D') != std::string::npos && p == c.exe + "/data.ini");
        };
        const ProgramFolders folders = findProgramFolders(
            {c.exe, beside, [&](const std::string& p) { return c.writable && p == c.exe; }, c.xdg,
             "/home/u"});
        EXPECT_EQ(folders.resources, c.resources) << c.exe;
        EXPECT_EQ(folders.data, c.data) << c.exe;
        EXPECT_EQ(folders.dataBesideProgram, folders.data == c.exe) << c.exe;
        EXPECT_EQ(folders.warning.ends_with("kept in " + home + "/data.ini instead"), c.exe.empty())
            << c.exe;
    }
    EXPECT_EQ(describeFolders({"/usr/share/brisvane", "/srv/b", true, ""}),
              "Projects: /srv/b/data.ini (beside the program)\n"
              "Help and picture: /usr/share/brisvane\n");
}

} // namespace
} // namespace brisvane
