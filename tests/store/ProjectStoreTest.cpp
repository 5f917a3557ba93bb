#include "store/ProjectStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace brisvane {
namespace {

class FixedClock : public Clock {
public:
    std::tm localNow() const override { return now; }
    std::tm now = at(2002, 7, 4, 9, 15);

    static std::tm at(int year, int month, int day, int hour, int minute) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        return t;
    }
};

class ProjectStoreTest : public ::testing::Test {
protected:
    static std::string makeFolder() {
        char pattern[] = "/tmp/brisvane-store-XXXXXX";
        return mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string file() const { return folder + "/data.ini"; }
    std::string contents() const {
        std::ifstream in(file(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const std::string& text) const { std::ofstream(file(), std::ios::binary) << text; }

    std::string folder = makeFolder();
    FixedClock clock;
    clsINI ini{folder, "brisvane"};
    ProjectStore store{ini, clock, folder};
};

const char* twoProjects = "[Projects]\n1=Blue Sky\n2=Forest\n"
                          "[Blue Sky]\nDate=07/04/2002\nTime=09:15 AM\n1=#C0C0C0\n2=#FFFFFF\n"
                          "3=#C0C0C0\n4=#808080\n5=#404040\n6=#E0E0E0\n7=#000000\n"
                          "[Forest]\nDate=07/05/2002\nTime=02:40 PM\n1=#336633\n2=#99CC99\n"
                          "3=#669966\n4=#224422\n5=#000000\n6=#CCDDCC\n7=#FFFFFF\n";

ScrollbarScheme forest() {
    return {{"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};
}

TEST_F(ProjectStoreTest, TwoProjectsMakeTheExpectedFile) {
    EXPECT_TRUE(store.listProjects().empty());
    EXPECT_TRUE(std::filesystem::exists(file())); // listing made it, empty
    EXPECT_EQ(contents(), "");

    ASSERT_TRUE(store.createProject("Blue Sky").ok);
    clock.now = FixedClock::at(2002, 7, 5, 14, 40);
    ASSERT_TRUE(store.saveProject(true, "Forest", forest()).ok);
    EXPECT_EQ(contents(), twoProjects);

    const auto rows = store.listProjects();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "Forest");
    EXPECT_EQ(rows[1].time, "02:40 PM");
    EXPECT_EQ(rows[1].date, "07/05/2002");
    EXPECT_EQ(store.openProject("Forest"), forest());
    EXPECT_EQ(store.openProject("Blue Sky"), defaultScheme);
}

TEST_F(ProjectStoreTest, SavingChangesOnlyTheNineValues) {
    const std::string before = std::string("; kept\r\n[Other]\r\nx = 1\r\n\r\n") +
                               "[Projects]\r\n1=Blue Sky\r\n[Blue Sky]\r\nDate=01/01/2000\r\n"
                               "Time=12:00 AM\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n6=f\r\n7=g\r\n";
    write(before);
    clock.now = FixedClock::at(2026, 12, 6, 0, 5);
    ASSERT_TRUE(store.saveProject(false, "Blue Sky", forest()).ok);
    const std::string after = contents();
    EXPECT_EQ(after, std::string("; kept\r\n[Other]\r\nx = 1\r\n\r\n") +
                         "[Projects]\r\n1=Blue Sky\r\n[Blue Sky]\r\nDate=12/06/2026\r\n"
                         "Time=12:05 AM\r\n1=#336633\r\n2=#99CC99\r\n3=#669966\r\n4=#224422\r\n"
                         "5=#000000\r\n6=#CCDDCC\r\n7=#FFFFFF\r\n");
}

TEST_F(ProjectStoreTest, NamesTheFileCannotKeepApartAreRefused) {
    write("[Projects]\n1=Blue Sky\n[Settings]\nx=1\n");
    const std::pair<std::string, NameCheck> cases[] = {
        {"", NameCheck::Empty},
        {"a\nb", NameCheck::LineBreak},
        {"a\rb", NameCheck::LineBreak},
        {std::string("a\0b", 3), NameCheck::LineBreak},
        {"Projects", NameCheck::Reserved},
        {"pROJECTS", NameCheck::Reserved},
        {"Blue Sky", NameCheck::Taken},
        {"BLUE SKY", NameCheck::Taken},
        {"settings", NameCheck::SectionExists},
        {"Blue Sky ", NameCheck::Free},
        {"  [odd] = ; name ]  ", NameCheck::Free},
        {"\xC3\x89t\xC3\xA9", NameCheck::Free},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(store.checkProjectName(name), expected);
    }
}

TEST_F(ProjectStoreTest, AcceptedNamesComeBackExactly) {
    const std::vector<std::string> names{" lead", "trail ", "[in brackets]",     "a]b", "k=v",
                                         ";semi", "#hash",  "\xC3\x89t\xC3\xA9", "]",   "  "};
    for (const std::string& name : names) {
        ASSERT_EQ(store.checkProjectName(name), NameCheck::Free) << name;
        ASSERT_TRUE(store.createProject(name).ok) << name;
    }
    ScrollbarScheme mine = forest();
    mine.trackColor = "#ABCDEF";
    ASSERT_TRUE(store.saveProject(false, "a]b", mine).ok);
    const auto rows = store.listProjects();
    ASSERT_EQ(rows.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(rows[i].name, names[i]);
        EXPECT_EQ(rows[i].date, "07/04/2002");
        EXPECT_EQ(store.openProject(names[i]), names[i] == "a]b" ? mine : defaultScheme);
        EXPECT_EQ(store.checkProjectName(names[i]), NameCheck::Taken);
    }
}

TEST_F(ProjectStoreTest, DamagedFilesAreReadAsTheyStand) {
    // A gap in the list: the missing number reads as "<not_set>" and is written so.
    write("[Projects]\n1=A\n3=C\n[A]\nDate=d\nTime=t\n1=#111111\n2=#222222\n3=#333333\n4=#444444\n"
          "6=#666666\n7=#777777\n");
    auto rows = store.listProjects();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "<not_set>");
    EXPECT_NE(contents().find("2=<not_set>\n"), std::string::npos);

    // A missing colour reads as "<not_set>" and is written so.
    const ScrollbarScheme a = store.openProject("A");
    EXPECT_EQ(a.faceGroupColors[4], "<not_set>");
    EXPECT_EQ(a.trackColor, "#666666");
    EXPECT_NE(contents().find("5=<not_set>\n"), std::string::npos);

    // A new project takes the next free number rather than one already used.
    ASSERT_TRUE(store.createProject("D").ok);
    EXPECT_NE(contents().find("3=C\n"), std::string::npos);
    EXPECT_NE(contents().find("4=D\n"), std::string::npos);
}

TEST_F(ProjectStoreTest, AFileThatCannotBeReadOrWrittenIsLeftAlone) {
    // Without a write bit the file stays, even for the superuser who runs the tests.
    write(twoProjects);
    std::filesystem::permissions(file(), std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    const WriteOutcome saved = store.saveProject(false, "Forest", defaultScheme);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "Permission denied");
    EXPECT_EQ(contents(), twoProjects);
    EXPECT_EQ(store.listProjects().size(), 2u); // still readable

    // A data.ini that cannot be read is not taken for an empty one and written over.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    const WriteOutcome created = store.createProject("X");
    EXPECT_FALSE(created.ok);
    EXPECT_EQ(created.error, "Is a directory");
}

TEST_F(ProjectStoreTest, ANameTakenByAnotherProgramMeanwhileIsNotWrittenTwice) {
    clsINI otherIni{folder, "brisvane"};
    ProjectStore other{otherIni, clock, folder};
    ASSERT_EQ(store.checkProjectName("Mine"), NameCheck::Free);
    ASSERT_TRUE(other.createProject("MINE").ok);
    const WriteOutcome late = store.saveProject(true, "Mine", forest());
    EXPECT_FALSE(late.ok);
    ASSERT_EQ(store.listProjects().size(), 1u);
    EXPECT_EQ(store.openProject("MINE"), defaultScheme);
}

TEST_F(ProjectStoreTest, GarbageNeverCrashesAndIsKeptByAWrite) {
    std::string garbage("\x00\xff\xfe[\x01]\n=\n[[]]\r\r\n", 15);
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    const std::string longLine(10 * 1024 * 1024, 'x');
    write(garbage + "\n" + longLine + "\n");
    EXPECT_NO_THROW(store.listProjects());
    ASSERT_TRUE(store.createProject("Survivor").ok);
    const std::string after = contents();
    EXPECT_EQ(after.compare(0, garbage.size(), garbage), 0);
    EXPECT_NE(after.find(longLine), std::string::npos);
    EXPECT_EQ(store.openProject("Survivor"), defaultScheme);
    EXPECT_EQ(store.listProjects().back().name, "Survivor");
}

} // namespace
} // namespace brisvane
