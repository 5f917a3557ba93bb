#include "store/ProjectStore.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brisvane {
namespace {

using test::readBytes;
using test::writeBytes;

class OddFiles : public ::testing::Test {
protected:
    bool mentions(const std::string& text, const std::string& word) {
        return text.find(word) != std::string::npos;
    }

    test::TempFolder folder;
    std::string file = folder.path + "/data.ini";
    test::FixedClock clock;
    clsINI ini{folder.path, "brisvane"};
    ProjectStore store{ini, clock};
};

TEST_F(OddFiles, WhatIsNoPlainUtf8FileIsRefusedAtOnceAndLeftAsItWas) {
    const std::string utf16("\xFF\xFE[\0P\0]\0\r\0\n\0", 12);
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* said;
    } cases[] = {
        // Opened for reading or writing, a pipe would hold the program until someone writes.
        {"a pipe", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
         "named pipe"},
        {"UTF-16 text", [&](const std::string& f) { writeBytes(f, utf16); }, "Convert it to UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(file);
        c.make(file);
        EXPECT_TRUE(mentions(store.fileProblem(), c.said)) << store.fileProblem();
        EXPECT_TRUE(store.listProjects().empty());
        const WriteOutcome created = store.createProject("Blue");
        EXPECT_FALSE(created.ok);
        EXPECT_TRUE(mentions(created.error, c.said)) << created.error;
    }
    EXPECT_EQ(readBytes(file), utf16);
}

TEST_F(OddFiles, ALinkedFileIsWrittenThroughAndItsByteOrderMarkKept) {
    std::filesystem::create_directory(folder.path + "/synced");
    writeBytes(folder.path + "/synced/projects.ini", "\xEF\xBB\xBF[Projects]\r\n1=Blue\r\n");
    ASSERT_EQ(::symlink("synced/projects.ini", file.c_str()), 0);
    ASSERT_TRUE(store.createProject("Green").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_TRUE(readBytes(folder.path + "/synced/projects.ini")
                    .starts_with("\xEF\xBB\xBF[Projects]\r\n1=Blue\r\n2=Green\r\n[Green]\r\n"));
}

TEST_F(OddFiles, ALinkAnotherUserCouldHavePlantedIsNotFollowed) {
    // In a folder others may write in, or owned by another user: a save would write over
    // whatever file of the owner it points to.
    const std::string target = folder.path + "/bashrc";
    writeBytes(target, "# mine\n");
    ASSERT_EQ(::symlink(target.c_str(), file.c_str()), 0);
    for (const bool openFolder : {true, false}) {
        ::chmod(folder.path.c_str(), openFolder ? 0777 : 0755);
        if (!openFolder && (::geteuid() != 0 || ::lchown(file.c_str(), 4321, 4321) != 0))
            GTEST_SKIP() << "giving the link to another user needs root";
        EXPECT_TRUE(mentions(store.fileProblem(), "it is not followed")) << store.fileProblem();
        EXPECT_TRUE(mentions(store.createProject("Blue").error, "another user"));
        EXPECT_EQ(readBytes(target), "# mine\n");
    }
}

TEST_F(OddFiles, WithoutItsFolderTheProgramKeepsNoProjectsAnywhere) {
    const bool rootHadOne = std::filesystem::exists("/data.ini");
    const bool hereHadOne = std::filesystem::exists("data.ini");
    clsINI noFolder{"", "brisvane"};
    ProjectStore lost{noFolder, clock};
    EXPECT_TRUE(lost.listProjects().empty() && !lost.fileProblem().empty());
    EXPECT_FALSE(lost.createProject("Blue").ok || lost.saveProject(false, "B", defaultScheme).ok);
    EXPECT_EQ(std::filesystem::exists("/data.ini"), rootHadOne);
    EXPECT_EQ(std::filesystem::exists("data.ini"), hereHadOne);
}

TEST_F(OddFiles, AFolderTheUserCannotWriteIsNamedAsTheReason) {
    // The superuser may write anywhere: the refusal is seen by another user only.
    ASSERT_EQ(::chmod(folder.path.c_str(), 0755), 0);
    writeBytes(file, "[Projects]\n");
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    // The child's exit status says whether its refusal named the folder.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        if (::geteuid() != 0)
            ::chmod(folder.path.c_str(), 0555);
        clsINI theirs{folder.path, "brisvane"};
        const std::string error = ProjectStore{theirs, clock}.createProject("A").error;
        ::_exit(error.starts_with("the folder " + folder.path + " must be writable") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(OddFiles, ASaveAtMidnightTakesDateAndTimeFromOneReading) {
    struct Midnight : Clock {
        std::tm localNow() const override {
            return ++calls == 1 ? test::FixedClock::at(2002, 7, 4, 23, 59)
                                : test::FixedClock::at(2002, 7, 5, 0, 0);
        }
        mutable int calls = 0;
    } midnight;
    ProjectStore late{ini, midnight};
    ASSERT_TRUE(late.createProject("Late").ok);
    EXPECT_TRUE(mentions(readBytes(file), "Date=07/04/2002\nTime=11:59 PM\n"));
}

TEST_F(OddFiles, NamesHoldingANulAreRefused) {
    writeBytes(file, "[S]\nk=1\n");
    EXPECT_FALSE(ini.setKeyValue(std::string("a\0b", 3), "v", "S", file));
    EXPECT_FALSE(ini.deleteSection(std::string("S\0T", 3), file));
    EXPECT_TRUE(ini.setKeyValue("k", std::string("2\0 kept", 7), "S", file));
    EXPECT_EQ(readBytes(file), std::string("[S]\nk=2\0 kept\n", 14));
}

} // namespace
} // namespace brisvane
