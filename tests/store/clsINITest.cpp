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

TEST_F(clsINITest, StartsWithDataIniInTheProgramFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/brisvane", "/opt/brisvane/data.ini"},
        {"/opt/brisvane/", "/opt/brisvane/data.ini"},
        {"/", "/data.ini"},
    };
    for (const auto& [programFolder, expected] : cases) {
        SCOPED_TRACE(programFolder);
        clsINI other(programFolder, "Brisvane");
        EXPECT_EQ(other.inifile(), expected);
        EXPECT_EQ(other.sectionName(), "Brisvane");
        EXPECT_EQ(other.defaultSectionName(), "Brisvane");
        EXPECT_EQ(other.DefaultReturnValue(), "");
        other.setInifile("/elsewhere/x.ini");
        other.setDefaultINIFilePath();
        EXPECT_EQ(other.inifile(), expected);
        EXPECT_EQ(other.sectionName(), "x"); // the section names stay
    }
}

TEST_F(clsINITest, SetInifileNamesBothSectionsAfterTheFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/settings.ini", "settings"}, {"/home/u/a.b.ini", "a.b"}, {"/home/u/.ini", ""},
        {"/home/u.d/noext", "noext"},         {"plain.ini", "plain"},
    };
    for (const auto& [path, section] : cases) {
        SCOPED_TRACE(path);
        ini.setInifile(path);
        EXPECT_EQ(ini.inifile(), path);
        EXPECT_EQ(ini.sectionName(), section);
        EXPECT_EQ(ini.defaultSectionName(), section);
    }
}

TEST_F(clsINITest, AMissingKeyReadsAsNotSetAndIsWritten) {
    EXPECT_EQ(ini.getKeyValue("k"), "<not_set>");
    EXPECT_EQ(contents(), "[Brisvane]\nk=<not_set>\n");
    // From the file now: a default given this time is not taken, and nothing is added.
    EXPECT_EQ(ini.getKeyValue("k", "other"), "<not_set>");
    EXPECT_EQ(contents(), "[Brisvane]\nk=<not_set>\n");
}

TEST_F(clsINITest, AnEmptyValueReadsAsTheDefaultAndIsReplaced) {
    write("[Brisvane]\r\nk=\r\nj=\r\nz=1\r\n");
    EXPECT_EQ(ini.getKeyValue("k", "#C0C0C0"), "#C0C0C0");
    EXPECT_EQ(ini.getKeyValue("J"), "<not_set>");
    EXPECT_EQ(contents(), "[Brisvane]\r\nk=#C0C0C0\r\nj=<not_set>\r\nz=1\r\n");
}

TEST_F(clsINITest, ValuesReadBackWhole) {
    const std::string values[] = {std::string(300, 'v'), " blanks ", "a=b;c", "\xe9t\xe9\xff",
                                  std::string(5000, 'w') + "end"};
    for (const std::string& value : values) {
        SCOPED_TRACE(value.substr(0, 20));
        ASSERT_TRUE(ini.setKeyValue("k", value, "s"));
        EXPECT_EQ(ini.getKeyValue("k", "", "s"), value);
        EXPECT_EQ(contents(), "[s]\nk=" + value + "\n");
    }
}

TEST_F(clsINITest, CountingAMissingSectionCreatesTheFileEmpty) {
    const std::string other = folder.path + "/other.ini";
    EXPECT_EQ(ini.getNumberOfKeysInSection("nothing", other), 0);
    EXPECT_EQ(ini.getKeysInSection("nothing"), "");
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
}

TEST_F(clsINITest, KeysComeAsOneTextSeparatedByNul) {
    write("[Blue Sky]\n1=#C0C0C0\n; note\n2=#FFFFFF\n Date =07/04/2002\n1=again\n[Other]\nx=1\n");
    EXPECT_EQ(ini.getKeysInSection("blue sky"), "1\0"
                                                "2\0"
                                                "Date"s);
    EXPECT_EQ(ini.getNumberOfKeysInSection("Blue Sky"), 3);
}

TEST_F(clsINITest, AnEmptySectionArgumentMeansSectionName) {
    write("[]\nk=nameless\n[Forest]\nk=forest\n");
    ini.setSectionName("Forest");
    EXPECT_EQ(ini.getKeyValue("k", "", ""), "forest");
    EXPECT_EQ(ini.getNumberOfKeysInSection(""), 1);
    ASSERT_TRUE(ini.setKeyValue("j", "2", ""));
    EXPECT_EQ(contents(), "[]\nk=nameless\n[Forest]\nk=forest\nj=2\n");
}

TEST_F(clsINITest, DeleteKeyValueKeepsTheKeyAndDeleteKeyRemovesTheLine) {
    write("[Brisvane]\na=1\nb=2\nc=3\n");
    EXPECT_TRUE(ini.deleteKeyValue("a"));
    EXPECT_TRUE(ini.deleteKey("B"));
    EXPECT_TRUE(ini.setKey("d"));
    EXPECT_EQ(contents(), "[Brisvane]\na=\nc=3\nd=\n");
    EXPECT_TRUE(ini.deleteSection());
    EXPECT_EQ(contents(), "");
}

TEST_F(clsINITest, RenameSection) {
    struct Case {
        const char* what;
        std::string before;
        const char* newName;
        const char* oldName;
        std::string after;
    };
    const Case cases[] = {
        {"without keys: removed, nothing made", "[Brisvane]\nk=1\n[empty]\n; note\n", "new",
         "empty", "[Brisvane]\nk=1\n"},
        {"missing: nothing made", "[Brisvane]\nk=1\n", "new", "none", "[Brisvane]\nk=1\n"},
        {"values copied, an empty one as <not_set>", "[old]\na=1\nb=\n[keep]\nx=1\n", "new", "old",
         "[keep]\nx=1\n[new]\na=1\nb=<not_set>\n"},
        {"onto an existing section", "[old]\na=1\nb=2\n[new]\nb=9\nc=3\n", "new", "old",
         "[new]\nb=2\nc=3\na=1\n"},
        {"same name in other case", "[Old]\na=1\nb=\n", "OLD", "old", "[Old]\na=1\nb=\n"},
        {"empty old name: sectionName", "[Brisvane]\na=1\n", "new", "", "[new]\na=1\n"},
        // An empty new name means sectionName(): the same section.
        {"empty new name is sectionName: the same section", "[Brisvane]\na=1\n", "", "Brisvane",
         "[Brisvane]\na=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.before);
        EXPECT_TRUE(ini.renameSection(c.newName, c.oldName));
        EXPECT_EQ(contents(), c.after);
    }
}

TEST_F(clsINITest, RenameKey) {
    struct Case {
        const char* what;
        const char* current;
        const char* newKey;
        std::string after;
    };
    const Case cases[] = {
        {"moved to the end", "a", "c", "[Brisvane]\nb=2\nc=1\n"},
        {"onto an existing key", "a", "b", "[Brisvane]\nb=1\n"},
        {"missing key: new one is <not_set>", "x", "y", "[Brisvane]\na=1\nb=2\ny=<not_set>\n"},
        {"same key in other case", "a", "A", "[Brisvane]\na=1\nb=2\n"},
        // Keys match with the blanks around them left aside.
        {"same key with blanks", "a", " A ", "[Brisvane]\na=1\nb=2\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("[Brisvane]\na=1\nb=2\n");
        EXPECT_TRUE(ini.renameKey(c.current, c.newKey));
        EXPECT_EQ(contents(), c.after);
    }
}

TEST_F(clsINITest, GetVersionUsesTheDefaultSection) {
    ini.setSectionName("Projects");
    EXPECT_EQ(ini.getVersion(), "2.5");
    EXPECT_EQ(contents(), "[Brisvane]\nversion=2.5\n");
    write("[brisvane]\nVersion=3.1\n");
    EXPECT_EQ(ini.getVersion(), "3.1");
}

TEST_F(clsINITest, SectionsAreListedInFileOrderWithTheirBlanks) {
    EXPECT_EQ(ini.getSections(), "");
    EXPECT_EQ(ini.getNumberOfSections(), 0);
    write("k=0\n[a]\n[ b ]\nx=1\n[A]\n[ a]b ]\n");
    EXPECT_EQ(ini.getSections(), "a\0 b \0 a]b "s);
    EXPECT_EQ(ini.getNumberOfSections(), 3);
}

TEST_F(clsINITest, DeleteAllSectionsLeavesOnlyWhatPrecedesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"; top\nk=0\n[a]\nx=1\n[b]\ny=2\n", "; top\nk=0\n"},
        // A name the file holds twice goes with all its sections.
        {"[a]\nx=1\n[b]\n[A]\nz=3\n", ""},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before);
        write(before);
        EXPECT_TRUE(ini.deleteAllSections());
        EXPECT_EQ(contents(), after);
        EXPECT_EQ(ini.getNumberOfSections(), 0);
    }
}

// Slow (seconds) while ProfileDocument::setValue re-indexes the whole section for every key
// it adds; with the index updated in place this takes milliseconds.
TEST_F(clsINITest, TenThousandKeysAreCountedExactly) {
    ASSERT_TRUE(ini.transaction([&] {
                       for (int i = 1; i <= 10000; ++i)
                           ini.setKeyValue(std::to_string(i), "#808080", "Projects");
                   })
                    .ok);
    EXPECT_EQ(ini.getNumberOfKeysInSection("Projects"), 10000);
    const std::string list = ini.getKeysInSection("Projects");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\0'), 9999);
    EXPECT_EQ(list.substr(0, 4), "1\0"
                                 "2\0"s);
    EXPECT_EQ(list.substr(list.size() - 10), "9999\0"
                                             "10000"s);
}

TEST_F(clsINITest, ATransactionLandsWhole) {
    auto fs = std::make_shared<FailingFileSystem>();
    clsINI counted(folder.path, "Brisvane", fs);
    write("[p]\nDate=old\n");
    const WriteOutcome outcome = counted.transaction([&] {
        EXPECT_TRUE(counted.setKeyValue("Date", "07/04/2002", "p"));
        EXPECT_TRUE(counted.setKeyValue("1", "#C0C0C0", "p"));
        EXPECT_EQ(counted.getKeyValue("1", "", "p"), "#C0C0C0"); // sees the write before it
        EXPECT_EQ(contents(), "[p]\nDate=old\n");                // nothing landed yet
    });
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(fs->renames, 1);
    EXPECT_EQ(contents(), "[p]\nDate=07/04/2002\n1=#C0C0C0\n");
}

TEST_F(clsINITest, AWriteToAnotherFileOfTheFolderInsideATransactionDoesNotWaitForItself) {
    const std::string other = folder.path + "/other.ini";
    EXPECT_TRUE(ini.transaction([&] {
                       ini.setKeyValue("k", "1", "s");
                       EXPECT_TRUE(ini.setKeyValue("k", "2", "s", other));
                   })
                    .ok);
    EXPECT_EQ(test::readBytes(other), "[s]\nk=2\n");
    EXPECT_EQ(contents(), "[s]\nk=1\n");
}

TEST_F(clsINITest, AFailedWriteSaysWhyAndChangesNothing) {
    write("[p]\nDate=old\n");
    clsINI failing(folder.path, "Brisvane",
                   std::make_shared<FailingFileSystem>(FailingFileSystem::Call::Rename, EIO));
    const WriteOutcome outcome = failing.transaction([&] {
        failing.setKeyValue("Date", "new", "p");
        failing.setKeyValue("1", "#C0C0C0", "p");
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Input/output error");
    EXPECT_EQ(failing.lastError(), "Input/output error");
    EXPECT_EQ(contents(), "[p]\nDate=old\n");
    EXPECT_EQ(failing.getKeyValue("Date", "", "p"), "old");

    clsINI full(folder.path, "Brisvane",
                std::make_shared<FailingFileSystem>(FailingFileSystem::Call::Write, ENOSPC));
    EXPECT_FALSE(full.setKeyValue("Date", "new", "p"));
    EXPECT_EQ(full.lastError(), "No space left on device");
    EXPECT_FALSE(full.renameKey("Date", "Time", "p"));
    EXPECT_FALSE(full.renameSection("q", "p"));
    EXPECT_EQ(contents(), "[p]\nDate=old\n");
    EXPECT_FALSE(ini.setKeyValue("k", "v", "s", folder.path + "/missing/data.ini"));
    EXPECT_EQ(ini.lastError(), "No such file or directory");
}

} // namespace
} // namespace brisvane
