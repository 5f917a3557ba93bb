#include "store/clsINI.h"

#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

using namespace std::string_literals;
using test::FailingFileSystem;

class clsINITest : public ::testing::Test {
protected:
    std::string file() const { return folder.path + "/data.ini"; }
    std::string contents() const { return test::readBytes(file()); }
    void write(const std::string& text) const { test::writeBytes(file(), text); }

    test::TempFolder folder;
    clsINI ini{folder.path, "Brisvane"};
};

TEST_F(clsINITest, NamesItsFileAndSections) {
    EXPECT_EQ(clsINI("/opt/brisvane/", "B").inifile(), "/opt/brisvane/data.ini");
    // A file of one's own names both sections after it.
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u.d/a.b.ini", "a.b"}, {"/home/u.d/noext", "noext"}, {"plain.ini", "plain"}};
    for (const auto& [path, section] : cases) {
        SCOPED_TRACE(path);
        ini.setInifile(path);
        EXPECT_EQ(ini.sectionName(), section);
        EXPECT_EQ(ini.defaultSectionName(), section);
    }
    ini.setDefaultINIFilePath();
    EXPECT_EQ(ini.inifile(), file());
    EXPECT_EQ(ini.sectionName(), "plain"); // the section names stay
}

TEST_F(clsINITest, NamesComeInFileOrderAsOneTextSeparatedByNul) {
    EXPECT_EQ(ini.getNumberOfSections(), 0);
    write("k=0\n[Blue Sky]\n1=#C0C0C0\n; note\n2=#FFFFFF\n Date =07/04/2002\n1=again\n[ b ]\n"
          "[BLUE SKY]\nx=1\n[ a]b ]\n");
    EXPECT_EQ(ini.getKeysInSection("blue sky"), "1\0002\0Date"s); // 1, 2, Date
    EXPECT_EQ(ini.getNumberOfKeysInSection("Blue Sky"), 3);
    EXPECT_EQ(ini.getSections(), "Blue Sky\0 b \0 a]b "s);
    EXPECT_EQ(ini.getNumberOfSections(), 3);
}

TEST_F(clsINITest, EachMemberChangesTheFileSo) {
    using Calls = std::function<bool(clsINI&)>;
    auto renameSection = [](const char* to, const char* from) -> Calls {
        return [=](clsINI& i) { return i.renameSection(to, from); };
    };
    auto renameKey = [](const char* from, const char* to) -> Calls {
        return [=](clsINI& i) { return i.renameKey(from, to); };
    };
    // The file before, calls that must each give true, the file after.
    const std::tuple<const char*, Calls, std::string> cases[] = {
        {"[Brisvane]\r\nk=\r\nz=1\r\n", // a missing or empty value: the default, written
         [](clsINI& i) {
             return i.getKeyValue("k", "#C0C0C0") == "#C0C0C0" &&
                    i.getKeyValue("J") == "<not_set>" && i.getKeyValue("j", "other") == "<not_set>";
         },
         "[Brisvane]\r\nk=#C0C0C0\r\nz=1\r\nJ=<not_set>\r\n"},
        {"[]\nk=nameless\n[Forest]\nk=forest\n", // an empty section argument: sectionName()
         [](clsINI& i) {
             i.setSectionName("Forest");
             return i.getKeyValue("k", "", "") == "forest" && i.getNumberOfKeysInSection("") == 1 &&
                    i.setKeyValue("j", "2", "");
         },
         "[]\nk=nameless\n[Forest]\nk=forest\nj=2\n"},
        {"[Brisvane]\na=1\nb=2\nc=3\n", // keys match without their case and the blanks around them
         [](clsINI& i) { return i.deleteKeyValue(" A\t") && i.deleteKey("\tB ") && i.setKey("d"); },
         "[Brisvane]\na=\nc=3\nd=\n"},
        {"[Brisvane]\na=1\n[b]\n", [](clsINI& i) { return i.deleteSection(); }, "[b]\n"},
        {"", // the version is in the default section, whatever sectionName() says
         [](clsINI& i) {
             i.setSectionName("Projects");
             return i.getVersion() == "2.5";
         },
         "[Brisvane]\r\nversion=2.5\r\n"},
        {"[Brisvane]\nk=1\n[empty]\n; note\n", renameSection("new", "empty"), "[Brisvane]\nk=1\n"},
        {"[old]\na=1\nb=\n[keep]\nx=1\n", renameSection("new", "old"),
         "[keep]\nx=1\n[new]\na=1\nb=<not_set>\n"},
        {"[old]\na=1\nb=2\n[new]\nb=9\nc=3\n", renameSection("new", "old"),
         "[new]\nb=2\nc=3\na=1\n"},
        {"[Old]\na=1\nb=\n", renameSection("OLD", "old"), "[Old]\na=1\nb=\n"},
        {"[Brisvane]\na=1\n", renameSection("new", ""), "[new]\na=1\n"},
        {"[Brisvane]\na=1\n", renameSection("", "Brisvane"), "[Brisvane]\na=1\n"},
        {"[Brisvane]\na=1\nb=2\n", renameKey("a", "c"), "[Brisvane]\nb=2\nc=1\n"},
        {"[Brisvane]\na=1\nb=2\n", renameKey("a", "b"), "[Brisvane]\nb=1\n"},
        {"[Brisvane]\na=1\n", renameKey("x", "y"), "[Brisvane]\na=1\ny=<not_set>\n"},
        {"[Brisvane]\na=\n", renameKey("a", " A "), "[Brisvane]\na=\n"},
        // Only what comes before the first section stays; a name held twice goes whole.
        {"; top\nk=0\n[a]\nx=1\n[b]\n[A]\nz=3\n", [](clsINI& i) { return i.deleteAllSections(); },
         "; top\nk=0\n"},
        {"[S]\nk=1\n", // a name holding a NUL is refused; a value keeps it
         [](clsINI& i) {
             return !i.setKeyValue("a\0b"s, "v", "S") && i.setKeyValue("k", "2\0 kept"s, "S");
         },
         "[S]\nk=2\0 kept\n"s},
    };
    for (const auto& [before, calls, after] : cases) {
        SCOPED_TRACE(before);
        write(before);
        clsINI fresh{folder.path, "Brisvane"};
        EXPECT_TRUE(calls(fresh));
        EXPECT_EQ(contents(), after);
    }
}

TEST_F(clsINITest, ATransactionLandsWholeAndAWriteToAnotherFileOfTheFolderDoesNotWaitForIt) {
    const std::string other = folder.path + "/other.ini";
    write("[p]\nDate=old\n");
    const Outcome outcome = ini.transaction([&] {
        EXPECT_TRUE(ini.setKeyValue("Date", "07/04/2002", "p"));
        EXPECT_EQ(ini.getKeyValue("Date", "", "p"), "07/04/2002"); // sees the write before it
        EXPECT_TRUE(ini.setKeyValue("k", "2", "s", other)); // no wait for its own folder lock
        EXPECT_EQ(test::readBytes(other), "[s]\r\nk=2\r\n");
        EXPECT_EQ(contents(), "[p]\nDate=old\n"); // nothing of its own landed yet
    });
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(contents(), "[p]\nDate=07/04/2002\n");
}

TEST_F(clsINITest, AReadingPassWritesBackOnlyWhatNoOtherProgramWroteMeanwhile) {
    write("[p]\na=1\n");
    clsINI other{folder.path, "Brisvane"};
    ini.readOnlyPass([&] {
        EXPECT_EQ(ini.getKeyValue("b", "", "p"), "<not_set>");
        EXPECT_EQ(ini.getKeyValue("c", "", "p"), "<not_set>");
        EXPECT_TRUE(other.setKeyValue("b", "#102030", "p"));
    });
    EXPECT_EQ(contents(), "[p]\na=1\nb=#102030\nc=<not_set>\n");
}

TEST_F(clsINITest, AFailedWriteSaysWhyAndChangesNothing) {
    write("[p]\nDate=old\n");
    clsINI failing(folder.path, "Brisvane",
                   std::make_shared<FailingFileSystem>(FailingFileSystem::Call::Rename, EIO));
    EXPECT_FALSE(failing.renameKey("Date", "Time", "p"));
    EXPECT_EQ(failing.lastError(), "Input/output error"); // its transaction's
    EXPECT_FALSE(failing.renameSection("q", "p"));
    EXPECT_FALSE(failing.setKeyValue("Date", "new", "p"));
    EXPECT_EQ(contents(), "[p]\nDate=old\n");
    EXPECT_FALSE(ini.setKeyValue("k", "v", "s", folder.path + "/missing/data.ini"));
    EXPECT_EQ(ini.lastError(), folder.path + "/missing: No such file or directory");
}

} // namespace
} // namespace brisvane
