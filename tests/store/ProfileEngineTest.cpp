#include "store/ProfileEngine.h"

#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <optional>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brisvane {
namespace {

using namespace std::string_literals;
using test::FailingFileSystem;
using Change = std::function<void(ProfileDocument&)>;
using Perms = std::filesystem::perms;

Change set(std::string section, std::string key, std::string value) {
    return [=](ProfileDocument& d) { d.setValue(section, key, value); };
}

class ProfileEngineTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.path + "/data.ini";
};

TEST_F(ProfileEngineTest, ReadsWhatTheFileHolds) {
    EXPECT_FALSE(ProfileEngine().read(path)->hasSection("s"));
    EXPECT_FALSE(std::filesystem::exists(path)); // reading creates nothing
    test::writeBytes(path, "k=0\n[s]\r\n \tk \t= v;x=y \r\n  ;d=1\nK=3\ne=\n[S]\nj=3\n"
                           "[ a]b ]\nx=\xff=\n[t]\nlast=1");
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"s", "k", " v;x=y "},    // the first of two keys; the value whole, without the CR
        {"S", " K\t", " v;x=y "}, // names without regard to case or the blanks around them
        {"", "k", std::nullopt},  // before the first section: in none
        {"s", ";d", std::nullopt}, {"s", "e", ""},
        {"s", "j", std::nullopt}, // the first of two sections counts; they are not merged
        {" a]b ", "x", "\xff="},   {"a]b", "x", std::nullopt},
        {"t", "last", "1"},        {"q", "k", std::nullopt},
    };
    const auto document = ProfileEngine().read(path);
    for (const auto& [section, key, expected] : cases) {
        SCOPED_TRACE(section + "/"s + key);
        const auto value = document->value(section, key);
        EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, expected);
    }
}

TEST_F(ProfileEngineTest, WritesExactlyTheChange) {
    const std::tuple<std::optional<std::string>, Change, std::string> cases[] = {
        {"k=0\r\n[S]\r\n  Key =old\r\nz=1\r\n\r\n[c]\r\n; about c\r\nc=1\r\n"
         "[b]\r\n; \xe9t\xff \0 x\r\nm=2\r\nn=3\r\no=4\r\n[s]\r\nkey=dup\r\n"s,
         [](ProfileDocument& d) { // each edit finds what the ones before it left
             d.removeSection("C");
             d.removeKey("b", "M");
             d.setValue("b", "n", "5");
             d.setValue("s", "key", "n");
             d.setValue("s", "j", " =;\xc0 ");
             d.setValue("s", "k", "1");
             d.setValue("new", "x", "3");
         },
         "k=0\r\n[S]\r\n  Key =n\r\nz=1\r\nj= =;\xc0 \r\nk=1\r\n\r\n[b]\r\n; \xe9t\xff \0 x\r\n"
         "n=5\r\no=4\r\n[s]\r\nkey=dup\r\n[new]\r\nx=3\r\n"s},
        {"[a]\nk=1", set("A", "j", "2"), "[a]\nk=1\nj=2\n"},
        {"[a]\nk=1", set("b", "x", "1"), "[a]\nk=1\n[b]\nx=1\n"},
        {std::nullopt, set("s", "k", "v"), "[s]\r\nk=v\r\n"},
    };
    // On a disk that trickles: short writes, some of them interrupted.
    auto fs = std::make_shared<FailingFileSystem>();
    fs->trickle = true;
    for (const auto& [before, change, after] : cases) {
        SCOPED_TRACE(after);
        std::filesystem::remove(path);
        if (before) // with permissions of its own, which the new file keeps
            test::writeBytes(path, *before);
        ASSERT_EQ(before ? ::chmod(path.c_str(), 0604) : 0, 0);
        const Outcome outcome = ProfileEngine(fs).edit(path, change);
        EXPECT_TRUE(outcome.ok()) << outcome.why();
        EXPECT_EQ(test::readBytes(path), after);
        EXPECT_TRUE(!before || std::filesystem::status(path).permissions() == Perms(0604));
    }
}

TEST_F(ProfileEngineTest, SeesAnotherWritersChangeAtTheNextRead) {
    // The new value, seconds added to the old mtime, and whether it is renamed in (a new inode).
    const std::tuple<const char*, int, bool> cases[] = {
        {"22", 0, false}, {"2", 1, false}, {"3", 0, true}};
    for (const auto& [value, mtimeShift, replaced] : cases) {
        SCOPED_TRACE(value);
        test::writeBytes(path, "[a]\nk=1\n");
        struct stat first {};
        ASSERT_EQ(::stat(path.c_str(), &first), 0);
        ProfileEngine engine;
        ASSERT_EQ(engine.read(path)->value("a", "k"), "1");

        const std::string target = replaced ? path + ".other" : path;
        test::writeBytes(target, "[a]\nk="s + value + "\n");
        timespec times[2] = {{0, UTIME_OMIT}, first.st_mtim};
        times[1].tv_sec += mtimeShift;
        ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
        if (replaced)
            std::filesystem::rename(target, path);
        EXPECT_EQ(engine.read(path)->value("a", "k"), value);
    }
}

TEST_F(ProfileEngineTest, AFailedWriteLeavesTheFileAsItWas) {
    using Call = FailingFileSystem::Call;
    const std::tuple<Call, int, const char*> cases[] = {
        {Call::Write, ENOSPC, "No space left on device"},
        {Call::WriteNothing, 0, "No space left on device"},
        {Call::Fsync, EIO, "Input/output error"},
        {Call::Rename, EACCES, "Permission denied"},
        {Call::None, 0, "Permission denied"}, // no write bit: it stays, even for the superuser
    };
    const std::string old = "[a]\r\nk=1\r\n; \xff\r\n";
    for (const auto& [call, error, message] : cases) {
        SCOPED_TRACE(message);
        test::writeBytes(path, old);
        ASSERT_EQ(::chmod(path.c_str(), call == Call::None ? 0444 : 0644), 0);
        ProfileEngine engine(std::make_shared<FailingFileSystem>(call, error));
        ASSERT_EQ(engine.read(path)->value("a", "k"), "1");
        EXPECT_EQ(engine.edit(path, set("a", "k", "2")).why(), message);
        EXPECT_EQ(test::namesIn(folder.path), std::set<std::string>{"data.ini"});
        EXPECT_EQ(test::readBytes(path), old);
        EXPECT_EQ(engine.read(path)->value("a", "k"), "1");
    }
}

TEST_F(ProfileEngineTest, AWriterKilledAtAnyStepLeavesTheOldFileOrTheNewOneWhole) {
    auto fs = std::make_shared<FailingFileSystem>();
    test::writeBytes(path, "[a]\nk=1\n");
    ASSERT_TRUE(ProfileEngine(fs).edit(path, set("a", "k", "22")).ok());
    // The whole text into a temporary file, flushed, renamed over the file, the rename flushed.
    EXPECT_TRUE(std::regex_match(fs->calls, std::regex("w+frRf"))) << fs->calls;
    test::writeBytes(path + ".bak", "[a]\nk=half"); // not the writer's: it stays

    for (std::size_t stopAt = 1; stopAt <= fs->calls.size(); ++stopAt) {
        SCOPED_TRACE(fs->calls.substr(0, stopAt));
        test::writeBytes(path, "[a]\nk=1\n");
        const pid_t child = ::fork();
        if (child == 0) { // dies at the chosen call, before it is made (or just after a rename)
            auto dying = std::make_shared<FailingFileSystem>();
            dying->onCall = [fs = dying.get(), stopAt] {
                if (fs->calls.size() == stopAt)
                    ::_exit(fs->renames);
            };
            (void)ProfileEngine(dying).edit(path, set("a", "k", "22"));
            ::_exit(2);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << status;
        EXPECT_EQ(test::readBytes(path), WEXITSTATUS(status) ? "[a]\nk=22\n" : "[a]\nk=1\n");
        // What the dead writer left, the next write clears away.
        ASSERT_TRUE(ProfileEngine().edit(path, set("a", "j", "1")).ok());
        EXPECT_EQ(test::namesIn(folder.path), (std::set<std::string>{"data.ini", "data.ini.bak"}));
    }
}

} // namespace
} // namespace brisvane
