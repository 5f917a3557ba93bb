#include "store/ProjectStore.h"

#include "support/CoreTestSupport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/wait.h>

namespace brisvane {
namespace {

using test::FailingFileSystem;
using test::FixedClock;

class ProjectStoreTest : public ::testing::Test {
protected:
    std::string file() const { return folder.path + "/data.ini"; }
    std::string contents() const { return test::readBytes(file()); }
    void write(const std::string& text) const { test::writeBytes(file(), text); }

    test::TempFolder folder;
    FixedClock clock;
    std::shared_ptr<FailingFileSystem> disk = std::make_shared<FailingFileSystem>();
    clsINI ini{folder.path, "brisvane", disk};
    ProjectStore store{ini, clock};
};

const char* twoProjects =
    "[Projects]\r\n1=Blue Sky\r\n2=Forest\r\n"
    "[Blue Sky]\r\nDate=07/04/2002\r\nTime=12:15 PM\r\n1=#C0C0C0\r\n2=#FFFFFF\r\n"
    "3=#C0C0C0\r\n4=#808080\r\n5=#404040\r\n6=#E0E0E0\r\n7=#000000\r\n"
    "[Forest]\r\nDate=07/05/2002\r\nTime=02:40 PM\r\n1=#336633\r\n2=#99CC99\r\n"
    "3=#669966\r\n4=#224422\r\n5=#000000\r\n6=#CCDDCC\r\n7=#FFFFFF\r\n";

const ScrollbarScheme forest{
    {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};

TEST_F(ProjectStoreTest, TwoProjectsMakeTheExpectedFile) {
    EXPECT_TRUE(store.listProjects().empty());
    EXPECT_TRUE(std::filesystem::exists(file())); // listing made it, empty
    clock.now = FixedClock::at(2002, 7, 4, 12, 15);
    ASSERT_TRUE(store.createProject("Blue Sky").ok());
    clock.now = FixedClock::at(2002, 7, 5, 14, 40);
    ASSERT_TRUE(store.saveProject(true, "Forest", forest).ok());
    EXPECT_EQ(contents(), twoProjects);
    EXPECT_EQ(disk->renames, 2); // each lands whole, in one write; listing writes nothing
}

TEST_F(ProjectStoreTest, SavingChangesOnlyTheNineValues) {
    const std::string kept = "; kept\r\n[Other]\r\nx = 1\r\n\r\n[Projects]\r\n1=Blue Sky\r\n";
    write(kept + "[Blue Sky]\r\nDate=01/01/2000\r\nTime=12:00 AM\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n"
                 "5=e\r\n6=f\r\n7=g\r\n");
    clock.now = FixedClock::at(2026, 12, 6, 0, 5);
    ASSERT_TRUE(store.saveProject(false, "Blue Sky", forest).ok());
    EXPECT_EQ(disk->renames, 1);
    EXPECT_EQ(contents(), kept + "[Blue Sky]\r\nDate=12/06/2026\r\nTime=12:05 AM\r\n1=#336633\r\n"
                                 "2=#99CC99\r\n3=#669966\r\n4=#224422\r\n5=#000000\r\n6=#CCDDCC\r\n"
                                 "7=#FFFFFF\r\n");
}

TEST_F(ProjectStoreTest, StatesAndTheDarkSetHaveKeysOnlyWhileSetAndAnOlderProjectGetsNone) {
    const std::string older = "[Projects]\r\n1=Old\r\n[Old]\r\nDate=12/06/2026\r\nTime=12:05 "
                              "AM\r\n1=#C0C0C0\r\n2=#FFFFFF\r\n3=#C0C0C0\r\n4=#808080\r\n"
                              "5=#404040\r\n6=#E0E0E0\r\n7=#000000\r\n";
    write(older);
    clock.now = FixedClock::at(2026, 12, 6, 0, 5);
    ProjectColors colors = store.openProject("Old");
    EXPECT_EQ(colors, ProjectColors(defaultScheme));         // no states, no dark set
    EXPECT_TRUE(colors.light.rolesHoldingNoColor().empty()); // unset states are no damage
    EXPECT_EQ(contents(), older);                            // and nothing written for them
    colors.light.hoverColor = "#123456";
    colors.dark = darkDefaultScheme;
    colors.dark->pressedColor = "#654321";
    ASSERT_TRUE(store.saveProject(false, "Old", colors).ok());
    EXPECT_EQ(store.openProject("Old"), colors);
    const std::string saved = contents();
    for (const char* key : {"\n8=#123456", "\nD1=#6E6E6E", "\nD9=#654321"})
        EXPECT_NE(saved.find(key), std::string::npos) << key;
    for (const char* key : {"\n9=", "\nD8="})
        EXPECT_EQ(saved.find(key), std::string::npos) << key;
    // Unset again, their keys go: the file is the older one again.
    ASSERT_TRUE(store.saveProject(false, "Old", defaultScheme).ok());
    EXPECT_EQ(contents(), older);
    // A dark set that has lost keys takes the dark defaults there.
    write(older + "D1=#123456\r\n");
    ProjectColors darkFace(defaultScheme, darkDefaultScheme);
    darkFace.dark->setColor(ColorRole::Face, "#123456");
    EXPECT_EQ(store.openProject("Old"), darkFace);
}

TEST_F(ProjectStoreTest, NamesTheFileCannotKeepApartAreRefused) {
    write("[Projects]\n1=Blue Sky\n[Settings]\nx=1\n");
    const std::pair<std::string, NameCheck> cases[] = {
        {"", NameCheck::Empty},
        {"a\rb", NameCheck::LineBreak},
        {std::string("a\0b", 3), NameCheck::LineBreak},
        {"pROJECTS", NameCheck::Reserved},
        {"settings", NameCheck::SectionExists},
        {"Blue Sky ", NameCheck::Free},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(store.checkProjectName(name), expected);
    }
}

TEST_F(ProjectStoreTest, AcceptedNamesComeBackExactly) {
    const std::vector<std::string> names{" lead", "trail ", "[in brackets]", "a]b", "k=v;x", "  "};
    for (const std::string& name : names) {
        ASSERT_EQ(store.checkProjectName(name), NameCheck::Free) << name;
        ASSERT_TRUE(store.createProject(name).ok()) << name;
    }
    ASSERT_TRUE(store.saveProject(false, "a]b", forest).ok());
    const auto rows = store.listProjects();
    ASSERT_EQ(rows.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(rows[i].name, names[i]);
        EXPECT_EQ(store.openProject(names[i]).light, names[i] == "a]b" ? forest : defaultScheme);
        EXPECT_EQ(store.checkProjectName(names[i]), NameCheck::Taken);
    }
}

TEST_F(ProjectStoreTest, AReadErrorIsSaidAndTheFileNeverWrittenOver) {
    write(twoProjects);
    clsINI failing{folder.path, "brisvane",
                   std::make_shared<FailingFileSystem>(FailingFileSystem::Call::Read, EIO)};
    ProjectStore other{failing, clock};
    EXPECT_TRUE(other.listProjects().empty());
    EXPECT_EQ(other.lastRead().why(), file() + " could not be read: Input/output error");
    EXPECT_EQ(other.saveProject(false, "Forest", defaultScheme).why(), "Input/output error");
    EXPECT_EQ(contents(), twoProjects);
}

// Another program holds the folder's lock, reads the file, and a while later writes it and
// lets go: until the test has seen the save give up, or half a second.
TEST_F(ProjectStoreTest, ALockHeldElsewhereIsWaitedForAFewSecondsAtMostAndNothingIsLost) {
    for (const bool pastTheWait : {true, false}) {
        SCOPED_TRACE(pastTheWait ? "past the wait" : "within it");
        write(twoProjects);
        int held[2], done[2];
        ASSERT_EQ(::pipe(held) | ::pipe(done), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            const int fd = ::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY);
            const std::string seen = ::flock(fd, LOCK_EX) == 0 ? contents() : "";
            pollfd told{done[0], POLLIN, 0};
            if (::write(held[1], "!", 1) == 1 && ::poll(&told, 1, pastTheWait ? 20000 : 500) >= 0)
                write(seen + "[Other]\r\nk=1\r\n");
            ::_exit(0);
        }
        char byte = 0;
        ASSERT_EQ(::read(held[0], &byte, 1), 1);
        const Outcome saved = store.saveProject(false, "Forest", defaultScheme);
        ASSERT_EQ(::write(done[1], "!", 1), 1);
        ASSERT_EQ(::waitpid(other, nullptr, 0), other);
        EXPECT_EQ(saved.why(), pastTheWait ? "another program is using the project file: it "
                                             "holds the lock on its folder " +
                                                 folder.path
                                           : "");
        // What the other program wrote stays; the save landed after it, or not at all.
        EXPECT_NE(contents().find("[Other]\r\nk=1\r\n"), std::string::npos);
        EXPECT_EQ(store.openProject("Forest").light, pastTheWait ? forest : defaultScheme);
    }
}

TEST_F(ProjectStoreTest, ANewProjectIsListedAtOnceAndListingNeverGrowsTheList) {
    // Read by number up to the count of its keys, a gap reads "<not_set>" but is not written:
    // the count, and the list with it, would grow at every listing. An empty entry is filled.
    // A new project takes the next number, or where a damaged list uses it, the lowest free one.
    const auto names = [&] {
        std::vector<std::string> listed;
        for (const ProjectRow& row : store.listProjects())
            listed.push_back(row.name);
        return listed;
    };
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"1=A\n4=D\n", {"A", "<not_set>", "New"}},
        {"1=A\nx=X\nCount=99\n2=\n", {"A", "<not_set>", "<not_set>", "<not_set>", "New"}},
        {"1=A\n3=C\n", {"A", "New", "C"}}};
    for (const auto& [list, expected] : cases) {
        write("[Projects]\n" + list);
        const auto before = names();
        const std::string once = contents();
        EXPECT_EQ(names(), before) << list;
        EXPECT_EQ(contents(), once) << list;
        EXPECT_EQ(once.find("[<not_set>]"), std::string::npos) << list; // a gap has no section
        ASSERT_TRUE(store.createProject("New").ok());
        EXPECT_EQ(names(), expected) << list;
    }
    // The list is read with a 16-bit count: past it a project could never be listed.
    std::string full = "[Projects]\n";
    for (int i = 1; i <= 32767; ++i)
        full += std::to_string(i) + "=P\n";
    write(full);
    EXPECT_NE(store.createProject("New").why().find("full"), std::string::npos);
    EXPECT_EQ(contents(), full);
}

TEST_F(ProjectStoreTest, ANameTakenByAnotherProgramMeanwhileIsNotWrittenTwice) {
    clsINI otherIni{folder.path, "brisvane"};
    ProjectStore other{otherIni, clock};
    ASSERT_EQ(store.checkProjectName("Mine"), NameCheck::Free);
    ASSERT_TRUE(other.createProject("MINE").ok());
    EXPECT_FALSE(store.saveProject(true, "Mine", forest).ok());
    ASSERT_EQ(store.listProjects().size(), 1u);
    EXPECT_EQ(store.openProject("MINE"), defaultScheme);
}

} // namespace
} // namespace brisvane
