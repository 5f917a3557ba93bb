#include "store/ProfileEngine.h"

#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace brisvane {
namespace {

using namespace std::string_literals;
using test::FailingFileSystem;

class ProfileEngineTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.path + "/data.ini";
};

TEST_F(ProfileEngineTest, ReadsWhatTheFileHolds) {
    struct Case {
        const char* what;
        std::optional<std::string> content; // nothing: no file
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, "s", "k", std::nullopt},
        {"missing section", "[t]\nk=1\n", "s", "k", std::nullopt},
        {"missing key", "[s]\nj=1\n", "s", "k", std::nullopt},
        {"empty value", "[s]\nk=\n", "s", "k", ""},
        {"LF file", "[s]\nk=1\nj=2\n", "s", "j", "2"},
        {"CRLF file: no CR in the value", "[s]\r\nk=1\r\nj=2\r\n", "s", "k", "1"},
        {"key before any section is in no section", "k=0\n[s]\nj=1\n", "s", "k", std::nullopt},
        {"nor in a section with an empty name", "k=0\n[s]\n", "", "k", std::nullopt},
        {"first of duplicate sections", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "k", "1"},
        {"duplicate sections are not merged", "[s]\nk=1\n[S]\nj=3\n", "s", "j", std::nullopt},
        {"first of duplicate keys", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"names without regard to case", "[Projects]\nDate=x\n", "PROJECTS", "dATE", "x"},
        {"blanks around the key, value kept", "[s]\n \tk \t= v;x=y \n", "s", "k", " v;x=y "},
        {"comment", "[s]\n;k=1\n", "s", "k", std::nullopt},
        {"indented comment", "[s]\n  ;k=1\nk=2\n", "s", "k", "2"},
        {"no final newline", "[s]\nk=last", "s", "k", "last"},
        {"section name whole", "[ a]b ]\nk=1\n", " a]b ", "k", "1"},
        {"section name not trimmed", "[ a]b ]\nk=1\n", "a]b", "k", std::nullopt},
        {"bytes that are not UTF-8", "[s]\nk=a\xff\xfe=b\n", "s", "k", "a\xff\xfe=b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.content)
            test::writeBytes(path, *c.content);
        const auto document = ProfileEngine().read(path);
        const auto value = document->value(c.section, c.key);
        EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, c.value);
        EXPECT_EQ(std::filesystem::exists(path), c.content.has_value()); // reads create nothing
    }
}

TEST_F(ProfileEngineTest, WritesExactlyTheChange) {
    using Change = std::function<void(ProfileDocument&)>;
    auto set = [](const char* s, const char* k, std::string v) -> Change {
        return [=](ProfileDocument& d) { d.setValue(s, k, v); };
    };
    const std::string foreign = "; \xe9t\xe9 \0 and \xff\n"s;
    struct Case {
        const char* what;
        std::optional<std::string> before;
        Change change;
        std::string after;
    };
    const Case cases[] = {
        {"replace keeps the key's spelling", "[S]\r\n  Key =old\r\nz=1\r\n", set("s", "key", "n"),
         "[S]\r\n  Key =n\r\nz=1\r\n"},
        {"add key before trailing blank lines", "[a]\nk=1\n\n\n[b]\nm=2\n", set("a", "j", "2"),
         "[a]\nk=1\nj=2\n\n\n[b]\nm=2\n"},
        {"add key after a last line without newline", "[a]\nk=1", set("A", "j", "2"),
         "[a]\nk=1\nj=2\n"},
        {"add section after a last line without newline", "[a]\nk=1", set("b", "x", "1"),
         "[a]\nk=1\n[b]\nx=1\n"},
        {"CRLF stays CRLF", "[a]\r\nk=1\r\n",
         [](ProfileDocument& d) {
             d.setValue("a", "j", "2");
             d.setValue("b", "x", "3");
         },
         "[a]\r\nk=1\r\nj=2\r\n[b]\r\nx=3\r\n"},
        {"new file has LF", std::nullopt,
         [](ProfileDocument& d) {
             d.setValue("s", "k", "v");
             d.setValue("s", "j", "w");
         },
         "[s]\nk=v\nj=w\n"},
        {"key before any section stays there", "k=0\n[s]\n", set("s", "k", "1"), "k=0\n[s]\nk=1\n"},
        {"first of duplicate keys replaced", "[a]\nk=1\n[A]\nk=2\n", set("a", "K", "3"),
         "[a]\nk=3\n[A]\nk=2\n"},
        {"value kept as given", "[a]\n", set("a", "k", " =;\xc0 "), "[a]\nk= =;\xc0 \n"},
        {"remove key", "[a]\nk=1\nj=2\n; note\n", [](ProfileDocument& d) { d.removeKey("a", "K"); },
         "[a]\nj=2\n; note\n"},
        {"remove section with its comments", "; top\n[a]\n; about a\nk=1\n\n[b]\nm=2\n",
         [](ProfileDocument& d) { d.removeSection("A"); }, "; top\n[b]\nm=2\n"},
        {"foreign bytes and NULs elsewhere survive", "[a]\nk=1\n" + foreign + "[b]\n" + foreign,
         set("a", "k", "2"), "[a]\nk=2\n" + foreign + "[b]\n" + foreign},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.before)
            test::writeBytes(path, *c.before);
        const WriteOutcome outcome = ProfileEngine().edit(path, c.change);
        EXPECT_TRUE(outcome.ok) << outcome.error;
        EXPECT_EQ(test::readBytes(path), c.after);
        EXPECT_EQ(test::namesIn(folder.path), std::set<std::string>{"data.ini"});
    }
}

TEST_F(ProfileEngineTest, AnEditThatChangesNothingDoesNotRewrite) {
    test::writeBytes(path, "[a]\nk=1\n");
    auto fs = std::make_shared<FailingFileSystem>();
    EXPECT_TRUE(ProfileEngine(fs).edit(path, [](ProfileDocument& d) { d.removeKey("a", "x"); }).ok);
    EXPECT_TRUE(ProfileEngine(fs).edit(path, [](ProfileDocument& d) { d.removeSection("x"); }).ok);
    EXPECT_EQ(fs->renames, 0);
}

TEST_F(ProfileEngineTest, SeesAnotherWritersChangeAtTheNextRead) {
    struct Case {
        const char* what;
        std::string text;
        const char* value;
        int mtimeShift; // seconds added to the first text's modification time
        bool replaced;  // written beside the file and renamed over it: a new inode
    };
    const Case cases[] = {
        {"longer, modification time as before", "[a]\nk=22\n", "22", 0, false},
        {"same size, later modification time", "[a]\nk=2\n", "2", 1, false},
        {"same size and time, another inode", "[a]\nk=3\n", "3", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::writeBytes(path, "[a]\nk=1\n");
        struct stat first {};
        ASSERT_EQ(::stat(path.c_str(), &first), 0);
        ProfileEngine engine;
        ASSERT_EQ(engine.read(path)->value("a", "k"), "1");

        const std::string target = c.replaced ? path + ".other" : path;
        test::writeBytes(target, c.text);
        timespec times[2] = {{0, UTIME_OMIT}, first.st_mtim};
        times[1].tv_sec += c.mtimeShift;
        ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
        if (c.replaced)
            std::filesystem::rename(target, path);

        EXPECT_EQ(engine.read(path)->value("a", "k"), c.value);
    }
}

TEST_F(ProfileEngineTest, EditsStartFromTheFileNotFromAnEarlierRead) {
    test::writeBytes(path, "[a]\nk=1\n");
    ProfileEngine mine, theirs;
    ASSERT_EQ(mine.read(path)->value("a", "k"), "1");
    ASSERT_TRUE(theirs.edit(path, [](ProfileDocument& d) { d.setValue("a", "t", "2"); }).ok);
    ASSERT_TRUE(mine.edit(path, [](ProfileDocument& d) { d.setValue("a", "m", "3"); }).ok);
    EXPECT_EQ(test::readBytes(path), "[a]\nk=1\nt=2\nm=3\n");
}

TEST_F(ProfileEngineTest, WritersAtTheSameTimeLoseNothing) {
    auto writer = [this](char name) {
        ProfileEngine engine;
        for (int i = 0; i < 25; ++i) {
            const std::string key = name + std::to_string(i);
            EXPECT_TRUE(
                engine.edit(path, [&](ProfileDocument& d) { d.setValue("s", key, "v"); }).ok);
        }
    };
    std::thread first(writer, 'a'), second(writer, 'b');
    first.join();
    second.join();
    EXPECT_EQ(ProfileEngine().read(path)->keyCount("s"), 50u);
}

TEST_F(ProfileEngineTest, KeepsThePermissions) {
    for (const mode_t mode : {0640, 0600, 0604}) {
        SCOPED_TRACE(mode);
        test::writeBytes(path, "[a]\nk=1\n");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(
            ProfileEngine().edit(path, [](ProfileDocument& d) { d.setValue("a", "k", "2"); }).ok);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(test::readBytes(path), "[a]\nk=2\n");
    }
}

TEST_F(ProfileEngineTest, AFailedWriteLeavesTheFileAsItWas) {
    using Call = FailingFileSystem::Call;
    struct Case {
        const char* what;
        Call call;
        int error;
        const char* message;
        bool existed;
    };
    const Case cases[] = {
        {"disk full while writing", Call::Write, ENOSPC, "No space left on device", true},
        {"nothing written", Call::WriteNothing, 0, "No space left on device", true},
        {"flush fails", Call::Fsync, EIO, "Input/output error", true},
        {"rename refused", Call::Rename, EACCES, "Permission denied", true},
        {"first file, disk full", Call::Write, ENOSPC, "No space left on device", false},
        {"first file, flush fails", Call::Fsync, EIO, "Input/output error", false},
    };
    const std::string old = "[a]\r\nk=1\r\n; \xff\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.existed)
            test::writeBytes(path, old);
        ProfileEngine engine(std::make_shared<FailingFileSystem>(c.call, c.error));
        ASSERT_EQ(engine.read(path)->value("a", "k").has_value(), c.existed);

        const WriteOutcome outcome =
            engine.edit(path, [](ProfileDocument& d) { d.setValue("a", "k", "2"); });
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.error, c.message);
        EXPECT_EQ(std::filesystem::exists(path), c.existed);
        EXPECT_EQ(test::namesIn(folder.path),
                  c.existed ? std::set<std::string>{"data.ini"} : std::set<std::string>{});
        if (c.existed) {
            EXPECT_EQ(test::readBytes(path), old);
            EXPECT_EQ(engine.read(path)->value("a", "k"), "1");
        } else {
            EXPECT_FALSE(engine.read(path)->value("a", "k"));
        }
    }
}

// A disk that takes a few bytes per call and is sometimes interrupted.
class TricklingFileSystem : public FileSystem {
public:
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (++m_calls % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return FileSystem::write(fd, data, std::min<std::size_t>(size, 5));
    }

private:
    int m_calls = 0;
};

TEST_F(ProfileEngineTest, ShortAndInterruptedWritesAreCarriedOn) {
    const std::string value(100, 'x');
    ProfileEngine engine(std::make_shared<TricklingFileSystem>());
    ASSERT_TRUE(engine.edit(path, [&](ProfileDocument& d) { d.setValue("a", "k", value); }).ok);
    EXPECT_EQ(test::readBytes(path), "[a]\nk=" + value + "\n");
}

} // namespace
} // namespace brisvane
