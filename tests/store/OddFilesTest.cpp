#include "store/ProjectStore.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <iostream>
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
        EXPECT_TRUE(mentions(store.checkFile().why(), c.said)) << store.checkFile().why();
        EXPECT_TRUE(store.listProjects().empty());
        EXPECT_TRUE(mentions(store.createProject("Blue").why(), c.said));
    }
    EXPECT_EQ(readBytes(file), utf16);
}

TEST_F(OddFiles, ALinkIsFollowedOnlyAlongAWayNobodyElseCanChange) {
    // The project file is data.ini, a link to way/real.ini, or via/real.ini, through the link
    // "via" to the folder "way". Were any folder on the way open to another user, that user
    // could point the next save at any file of the owner's. A file written through keeps its
    // byte order mark.
    const std::string way = folder.path + "/way", real = way + "/real.ini",
                      mine = "\xEF\xBB\xBF[Projects]\r\n1=Blue\r\n";
    const uid_t other = 4321;
    const struct {
        const char* what;
        mode_t wayMode, ownMode;
        uid_t realOwner, linkOwner;
        const char* path;
        bool followed;
        std::string named;
    } cases[] = {
        {"a closed way", 0755, 0700, 0, 0, "data.ini", true, {}},
        {"a folder on the way open to all", 0777, 0700, 0, 0, "data.ini", false, way},
        {"a folder on the way open to its group", 0775, 0700, 0, 0, "data.ini", false, way},
        {"a sticky folder, the file ours", 01777, 0700, 0, 0, "data.ini", true, {}},
        {"a sticky folder, the file another user's", 01777, 0700, other, 0, "data.ini", false, way},
        {"a closed way to another user's file", 0755, 0700, other, 0, "data.ini", false, real},
        {"the link's own folder open to all", 0755, 0777, 0, 0, "data.ini", false, folder.path},
        {"the link another user's", 0755, 0700, 0, other, "data.ini", false, file},
        {"a folder link, the way closed", 0755, 0700, 0, 0, "via/real.ini", true, {}},
        {"a folder link to one open to all", 0777, 0700, 0, 0, "via/real.ini", false, way},
        {"a folder link to one open to its group", 0775, 0700, 0, 0, "via/real.ini", false, way},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(way);
        std::filesystem::remove(file);
        std::filesystem::remove(folder.path + "/via");
        ASSERT_EQ(::mkdir(way.c_str(), 0700), 0);
        ASSERT_EQ(::chmod(way.c_str(), c.wayMode), 0);
        ASSERT_EQ(::chmod(folder.path.c_str(), c.ownMode), 0);
        writeBytes(real, mine);
        ASSERT_EQ(::symlink("way/real.ini", file.c_str()), 0);
        ASSERT_EQ(::symlink("way", (folder.path + "/via").c_str()), 0);
        if ((c.realOwner || c.linkOwner) &&
            (::geteuid() != 0 || ::chown(real.c_str(), c.realOwner, c.realOwner) != 0 ||
             ::lchown(file.c_str(), c.linkOwner, c.linkOwner) != 0)) {
            std::cout << "skipped without root: " << c.what << '\n';
            continue;
        }
        clsINI linked{folder.path, "brisvane"};
        linked.setInifile(folder.path + "/" + c.path);
        ProjectStore through{linked, clock};
        const Outcome created = through.createProject("Green");
        EXPECT_EQ(created.ok(), c.followed) << created.why();
        EXPECT_EQ(readBytes(real).starts_with(mine + "2=Green\r\n[Green]\r\n"), c.followed);
        if (!c.followed) {
            EXPECT_TRUE(mentions(created.why(), c.named + ",") ||
                        mentions(created.why(), c.named + " is a link"))
                << created.why();
            EXPECT_TRUE(mentions(through.checkFile().why(), "it is not followed"));
        }
    }
}

// Another user who may write in the project file's folder swaps the file for a link to a file
// of the owner's and back, as fast as it can, while the owner saves: the link must never be
// followed by a save that looked at the file before it was swapped.
TEST_F(OddFiles, AFileSwappedForALinkDuringASaveIsNeverWrittenThrough) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user to swap the file needs root";
    const std::string victim = folder.path + "/home/.bashrc";
    ASSERT_EQ(::mkdir((folder.path + "/home").c_str(), 0700), 0);
    writeBytes(victim, "# mine\n");
    writeBytes(file, "[Projects]\r\n1=Blue\r\n");
    ASSERT_EQ(::chmod(folder.path.c_str(), 0777), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t swapper = ::fork();
    if (swapper == 0) {
        // The file and a link take its place by turns, each in one step.
        const std::string link = folder.path + "/l", plain = folder.path + "/p",
                          own = folder.path + "/own";
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        writeBytes(own, "[Projects]\r\n1=Blue\r\n");
        if (::write(ready[1], "!", 1) != 1)
            ::_exit(2);
        while (true) {
            if (::symlink(victim.c_str(), link.c_str()) == 0)
                ::rename(link.c_str(), file.c_str());
            if (::link(own.c_str(), plain.c_str()) == 0)
                ::rename(plain.c_str(), file.c_str());
        }
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1); // the swapping has begun
    int saved = 0, refused = 0;
    for (int i = 0; i < 5000 && readBytes(victim) == "# mine\n"; ++i) {
        const Outcome outcome = store.saveProject(false, "Blue", defaultScheme);
        saved += outcome.ok();
        refused += !outcome.ok();
    }
    ::kill(swapper, SIGKILL);
    ::waitpid(swapper, nullptr, 0);
    EXPECT_EQ(readBytes(victim), "# mine\n");
    // Both happened: saves that went through while the file was swapped, and refusals.
    EXPECT_GT(saved, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(OddFiles, SavingAProjectWhoseFileWasDeletedOrReplacedListsItAgain) {
    ASSERT_TRUE(store.createProject("Blue").ok());
    for (const std::string replacement : {"", "[Projects]\r\n1=Red\r\n[Red]\r\n1=#FF0000\r\n"}) {
        std::filesystem::remove(file);
        if (!replacement.empty())
            writeBytes(file, replacement);
        ASSERT_TRUE(store.saveProject(false, "Blue", defaultScheme).ok());
        std::string names;
        for (const ProjectRow& row : store.listProjects())
            names += row.name + ' ';
        EXPECT_EQ(names, replacement.empty() ? "Blue " : "Red Blue ");
    }
}

TEST_F(OddFiles, AProjectFileOverTheSizeLimitIsNeitherReadNorWritten) {
    // A file at the limit and one byte past it is read or refused; then one is written so.
    for (const std::size_t size : {maxProfileBytes, maxProfileBytes + 1}) {
        SCOPED_TRACE(size);
        const bool over = size > maxProfileBytes;
        writeBytes(file, "[Projects]\r\n1=Blue\r\n");
        ASSERT_EQ(::truncate(file.c_str(), static_cast<off_t>(size)), 0); // sparse
        EXPECT_EQ(mentions(store.checkFile().why(), "larger than 32 MiB"), over);
        EXPECT_EQ(store.listProjects().size(), over ? 0u : 1u);
        EXPECT_EQ(mentions(store.lastRead().why(), "larger than 32 MiB"), over);
        EXPECT_TRUE(mentions(store.createProject("Green").why(), "larger than 32 MiB"));
        EXPECT_EQ(std::filesystem::file_size(file), size);
        writeBytes(file, "[s]\nk=\n");
        EXPECT_EQ(ini.setKeyValue("k", std::string(size - 7, 'v'), "s", file), !over);
        EXPECT_EQ(std::filesystem::file_size(file), over ? 7 : size);
    }
}

TEST_F(OddFiles, WithoutItsFolderTheProgramKeepsNoProjectsAnywhere) {
    const bool rootHadOne = std::filesystem::exists("/data.ini");
    const bool hereHadOne = std::filesystem::exists("data.ini");
    clsINI noFolder{"", "brisvane"};
    ProjectStore lost{noFolder, clock};
    EXPECT_TRUE(lost.listProjects().empty() && !lost.checkFile());
    EXPECT_FALSE(lost.createProject("Blue") || lost.saveProject(false, "B", defaultScheme));
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
        const std::string error = ProjectStore{theirs, clock}.createProject("A").why();
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
    ASSERT_TRUE(late.createProject("Late").ok());
    EXPECT_TRUE(mentions(readBytes(file), "Date=07/04/2002\r\nTime=11:59 PM\r\n"));
}

} // namespace
} // namespace brisvane
