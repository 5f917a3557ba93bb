// libFuzzer target for the profile file layer: ProfileDocument, ProfileEngine, clsINI and
// ProjectStore, compiled from src/ with clang's fuzzer, address and undefined sanitizers.
//
// Input: byte 0 gives the length of an op script (at most 127 bytes) that follows it; the
// remaining bytes are the text of data.ini. The file is written to a fresh folder, then the
// script drives reads and writes through clsINI while a ProfileDocument kept in memory
// ("the mirror") gets the same edits. After every step:
// - the file holds exactly the mirror's text, and no temporary file is left in the folder;
// - a value written under names that a caller could pass reads back as written;
// - lines that an edit did not touch are still there, byte for byte;
// - a write made to fail by the file system leaves the file as it was.
#include "store/NameList.h"
#include "store/ProfileDocument.h"
#include "store/ProjectStore.h"
#include "store/clsINI.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

using namespace brisvane;

std::string g_folder;

[[noreturn]] void failure(int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "\nProfileFuzz: check failed at line %d: %s\n", line, condition);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail: ");
        for (unsigned char c : detail) {
            if (c >= 0x20 && c < 0x7f && c != '\\')
                std::fputc(c, stderr);
            else
                std::fprintf(stderr, "\\x%02x", c);
        }
        std::fputc('\n', stderr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
    std::abort();
}

#define CHECK(condition, detail)                                                                   \
    do {                                                                                           \
        if (!(condition))                                                                          \
            failure(__LINE__, #condition, detail);                                                 \
    } while (0)

std::string makeFolder() {
    std::string base = "/dev/shm";
    if (::access(base.c_str(), W_OK) != 0)
        base = std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/brisvane-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

std::string readFile(const std::string& path) {
    std::string out;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return out;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return out;
}

void writeFile(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::perror("open");
        std::abort();
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            std::perror("write");
            std::abort();
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// The bytes of the op script, read one at a time; past the end they read as zero.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    std::uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string take(std::size_t length) {
        std::string out;
        while (length-- > 0 && m_pos < m_size)
            out += static_cast<char>(m_data[m_pos++]);
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A file system whose calls can be made to fail, to write in small pieces or to be
// interrupted, as a full disk or a signal would.
class FlakyFileSystem : public FileSystem {
public:
    enum class Mode {
        Normal,
        ShortWrites,
        Interrupted,
        FailWrite,
        ZeroWrite,
        FailFsync,
        FailRename
    };
    Mode mode = Mode::Normal;

    bool fails() const {
        return mode == Mode::FailWrite || mode == Mode::ZeroWrite || mode == Mode::FailFsync ||
               mode == Mode::FailRename;
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        switch (mode) {
        case Mode::FailWrite:
            errno = ENOSPC;
            return -1;
        case Mode::ZeroWrite:
            return 0;
        case Mode::ShortWrites:
            return FileSystem::write(fd, data, size > 3 ? size / 3 : size);
        case Mode::Interrupted:
            if ((m_interrupt = !m_interrupt)) {
                errno = EINTR;
                return -1;
            }
            return FileSystem::write(fd, data, size > 7 ? 7 : size);
        default:
            return FileSystem::write(fd, data, size);
        }
    }
    int fsync(int fd) override {
        if (mode == Mode::FailFsync) {
            errno = EIO;
            return -1;
        }
        return FileSystem::fsync(fd);
    }
    int rename(const char* from, const char* to) override {
        if (mode == Mode::FailRename) {
            errno = EACCES;
            return -1;
        }
        return FileSystem::rename(from, to);
    }

private:
    bool m_interrupt = false;
};

class FixedClock : public Clock {
public:
    std::tm localNow() const override {
        std::tm t{};
        t.tm_year = 2002 - 1900;
        t.tm_mon = 6;
        t.tm_mday = 4;
        t.tm_hour = 21;
        t.tm_min = 15;
        return t;
    }
};

// ---- names and values that a caller could pass, and what they must give back ----

bool hasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool usableSection(std::string_view s) {
    return !hasLineBreakOrNul(s);
}

bool usableKey(std::string_view k) {
    const std::string_view t = trimmed(k);
    return !hasLineBreakOrNul(k) && k.find('=') == std::string_view::npos && !t.empty() &&
           t.front() != ';' && t.front() != '[';
}

bool usableValue(std::string_view v) {
    return v.find_first_of("\r\n") == std::string_view::npos;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string flippedCase(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// ---- lines, for "untouched lines survive" ----

struct TextLine {
    std::string_view text;
    std::string_view ending;
};

std::vector<TextLine> linesOf(std::string_view all) {
    std::vector<TextLine> lines;
    std::size_t pos = 0;
    while (pos < all.size()) {
        std::size_t end = pos;
        while (end < all.size() && all[end] != '\n' && all[end] != '\r')
            ++end;
        std::size_t next = end;
        if (next < all.size())
            next += (all[next] == '\r' && next + 1 < all.size() && all[next + 1] == '\n') ? 2 : 1;
        lines.push_back({all.substr(pos, end - pos), all.substr(end, next - end)});
        pos = next;
    }
    return lines;
}

// Checks that an edit left every other byte where it was. They work on bytes rather than on
// lines, since taking a line out may join a lone "\r" before it and a "\n" after it into one
// line ending: the bytes are all still there, the count of lines is not.

// Where the lines of a text start, and where it ends.
std::vector<std::size_t> lineBounds(std::string_view text) {
    std::vector<std::size_t> bounds{0};
    std::size_t at = 0;
    for (const TextLine& line : linesOf(text)) {
        at += line.text.size() + line.ending.size();
        bounds.push_back(at);
    }
    return bounds;
}

bool endsWithLineBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// How many whole lines, one run of them, the old text lost to become the new one (0: the
// new text is not the old one less some whole lines).
std::size_t removedLines(std::string_view before, std::string_view after) {
    if (after.size() >= before.size())
        return 0;
    const std::size_t cut = before.size() - after.size();
    const auto bounds = lineBounds(before);
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        const std::size_t from = bounds[i];
        if (from > after.size() || before.substr(0, from) != after.substr(0, from))
            break;
        const auto to = std::lower_bound(bounds.begin(), bounds.end(), from + cut);
        if (to != bounds.end() && *to == from + cut &&
            before.substr(from + cut) == after.substr(from))
            return static_cast<std::size_t>(to - bounds.begin()) - i;
    }
    return 0;
}

// Whether the new text is the old one with `count` whole lines put in between two of its
// lines or at its end (where the old last line may have had to get its line ending first).
bool insertedLines(std::string_view before, std::string_view after, std::size_t count) {
    if (after.size() <= before.size())
        return false;
    const std::size_t added = after.size() - before.size();
    for (const std::size_t at : lineBounds(before)) {
        if (before.substr(0, at) != after.substr(0, at))
            break;
        if (after.substr(at + added) != before.substr(at))
            continue;
        std::string_view middle = after.substr(at, added);
        if (at == before.size() && !before.empty() && !endsWithLineBreak(before)) {
            const TextLine first = linesOf(middle).front();
            if (!first.text.empty() || first.ending.empty())
                continue;
            middle.remove_prefix(first.ending.size());
        }
        const auto lines = linesOf(middle);
        if (lines.size() == count && endsWithLineBreak(middle))
            return true;
    }
    return false;
}

// Whether the new text is the old one with the text of one line (not its ending) replaced.
bool replacedLineText(std::string_view before, std::string_view after) {
    if (before == after)
        return true;
    const auto lines = linesOf(before);
    const auto bounds = lineBounds(before);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t start = bounds[i];
        if (before.substr(0, start) != after.substr(0, start))
            break;
        const std::string_view rest = before.substr(start + lines[i].text.size());
        if (after.size() < start + rest.size() || after.substr(after.size() - rest.size()) != rest)
            continue;
        const std::string_view text = after.substr(start, after.size() - rest.size() - start);
        if (text.find_first_of("\r\n") == std::string_view::npos)
            return true;
    }
    return false;
}

const char* const sectionPool[] = {"Fuzz", "fuzz", "Projects", "a", " a", "a ",
                                   "[a]",  "a]b",  "",         "=", ";c", "\xC3\x89t\xC3\xA9",
                                   "A",    "b",    "x y",      "]", "[",  "#h"};
const char* const keyPool[] = {"k",   "K",  " k", "k ", "1",  "7",    "Date",     "=",
                               "a=b", ";c", "[x", "",   "  ", "k\tk", "\xC3\xA9", "Time"};
const char* const valuePool[] = {"",  "v",    " v ",  "=",       "[x]",       ";", "#FFFFFF", "a=b",
                                 "]", "\xff", "x\ty", "#C0C0C0", "<not_set>", "[", "x]"};

template <std::size_t N> std::string fromPool(const char* const (&pool)[N], std::uint8_t b) {
    return pool[b % N];
}

// ---- one run of a script ----

class Run {
public:
    Run(std::string text, Script& script) : m_path(g_folder + "/data.ini"), m_script(script) {
        writeFile(m_path, text);
        m_mirror = ProfileDocument(std::move(text));
    }

    void go() {
        int steps = 0;
        while (!m_script.done() && steps++ < 24) {
            step(false);
            // What a write leaves is read back from its text, as the engine does: a name that
            // no caller could pass (a key with "=", say) reads back otherwise than it went in.
            m_mirror = ProfileDocument(m_mirror.text());
            checkFile();
        }
    }

private:
    static constexpr const char* defaultSection = "Fuzz";

    std::string sectionOf(const std::string& s) const { return s.empty() ? defaultSection : s; }

    std::string pickSection() {
        const std::uint8_t b = m_script.next();
        switch (b % 6) {
        case 0:
        case 1: {
            const auto names = m_mirror.sectionNames();
            if (names.empty())
                return defaultSection;
            std::string name = names[m_script.next() % names.size()];
            return b % 6 == 1 ? flippedCase(name) : name;
        }
        case 2:
        case 3:
            return fromPool(sectionPool, m_script.next());
        case 4:
            return m_script.take(m_script.next() % 12);
        default:
            return {};
        }
    }

    std::string pickKey(const std::string& section) {
        const std::uint8_t b = m_script.next();
        switch (b % 6) {
        case 0:
        case 1:
        case 2: {
            const auto names = m_mirror.keyNames(sectionOf(section));
            if (names.empty())
                return fromPool(keyPool, m_script.next());
            std::string name = names[m_script.next() % names.size()];
            if (b % 6 == 1)
                name = flippedCase(name);
            if (b % 6 == 2)
                name = " " + name + "\t";
            return name;
        }
        case 3:
        case 4:
            return fromPool(keyPool, m_script.next());
        default:
            return m_script.take(m_script.next() % 10);
        }
    }

    std::string pickValue() {
        const std::uint8_t b = m_script.next();
        if (b % 3 == 2)
            return m_script.take(m_script.next() % 16);
        return fromPool(valuePool, m_script.next());
    }

    // The text as a fresh reader sees it.
    ProfileDocument fresh() const { return ProfileDocument(readFile(m_path)); }

    void checkFile() {
        const std::string text = readFile(m_path);
        const std::string expected = m_mirror.text();
        CHECK(text == expected, "file:\n" + text + "\n--- expected ---\n" + expected);
        for (const std::string& name : folderEntries(g_folder))
            CHECK(name == "data.ini", "left in the folder: " + name);
        // The file's text comes back unchanged from a document of it.
        CHECK(ProfileDocument(text).text() == text, text);
    }

    // What clsINI::getKeyValue does, on the mirror.
    std::string mirrorGetKeyValue(const std::string& key, const std::string& fallbackIn,
                                  const std::string& section) {
        const std::string s = sectionOf(section);
        const std::string fallback = fallbackIn.empty() ? std::string(clsINI::notSet) : fallbackIn;
        const auto value = m_mirror.value(s, key);
        if (value && !value->empty())
            return std::string(*value);
        if (clsINI::canHold(key, fallback, s))
            m_mirror.setValue(s, key, fallback);
        return fallback;
    }

    void checkReads() {
        const ProfileDocument& d = m_mirror;
        const auto sections = d.sectionNames();
        std::unordered_set<std::string> seen;
        for (const std::string& name : sections) {
            std::string lowered = name;
            for (char& c : lowered)
                c = lowerAscii(c);
            CHECK(seen.insert(lowered).second, "section listed twice: " + name);
            CHECK(d.hasSection(name), name);
            CHECK(d.hasSection(flippedCase(name)), name);
            const auto keys = d.keyNames(name);
            CHECK(keys.size() == d.keyCount(name), name);
            for (const std::string& key : keys) {
                CHECK(d.value(name, key).has_value(), name + " / " + key);
                CHECK(d.value(flippedCase(name), " " + flippedCase(key) + " ").has_value(),
                      name + " / " + key);
            }
        }
        CHECK(m_ini.getSections() == joinNames(sections), joinNames(sections));
        const std::string section = pickSection();
        const std::string s = sectionOf(section);
        const auto keys = d.keyNames(s);
        CHECK(m_ini.getKeysInSection(section) == joinNames(keys), s);
        bool plain = true;
        for (const std::string& name : sections)
            plain = plain && !name.empty() && name.find('\0') == std::string::npos;
        if (plain)
            CHECK(static_cast<std::size_t>(m_ini.getNumberOfSections()) == sections.size(), "");
        bool plainKeys = true;
        for (const std::string& name : keys)
            plainKeys = plainKeys && !name.empty() && name.find('\0') == std::string::npos;
        if (plainKeys)
            CHECK(static_cast<std::size_t>(m_ini.getNumberOfKeysInSection(section)) == keys.size(),
                  s);
        // A copy is a document of its own.
        ProfileDocument copy = d;
        const std::string before = d.text();
        copy.setValue(s, pickKey(section), pickValue());
        copy.removeSection(pickSection());
        CHECK(d.text() == before, before);
    }

    // One step; inside a transaction the file must not change until the transaction ends.
    void step(bool inTransaction) {
        const std::uint8_t op = m_script.next();
        switch (op % 16) {
        case 0:
            checkReads();
            break;
        case 1:
        case 2:
        case 3: {
            const std::string section = pickSection();
            const std::string key = pickKey(section);
            const std::string value = pickValue();
            setKeyValue(key, value, section, inTransaction);
            break;
        }
        case 4: {
            const std::string section = pickSection();
            const std::string key = pickKey(section);
            const std::string s = sectionOf(section);
            const std::string before = m_mirror.text();
            const bool had = m_mirror.value(s, key).has_value();
            CHECK(m_ini.deleteKey(key, section), m_ini.lastError());
            m_mirror.removeKey(s, key);
            if (!inTransaction && had) {
                CHECK(removedLines(before, m_mirror.text()) == 1, s + " / " + key);
            }
            break;
        }
        case 5: {
            const std::string section = pickSection();
            const std::string s = sectionOf(section);
            const std::string before = m_mirror.text();
            const bool had = m_mirror.hasSection(s);
            CHECK(m_ini.deleteSection(section), m_ini.lastError());
            m_mirror.removeSection(s);
            if (!inTransaction && had) {
                CHECK(removedLines(before, m_mirror.text()) >= 1, s);
            }
            break;
        }
        case 6:
            renameSection();
            break;
        case 7:
            renameKey();
            break;
        case 8: {
            const std::string section = pickSection();
            const std::string key = pickKey(section);
            const std::string fallback = m_script.next() % 2 ? pickValue() : std::string();
            const std::string got = m_ini.getKeyValue(key, fallback, section);
            const std::string expected = mirrorGetKeyValue(key, fallback, section);
            CHECK(got == expected, got + " != " + expected);
            break;
        }
        case 9:
            transaction(); // inside another one it runs as part of the outer one
            break;
        case 10:
            if (!inTransaction)
                failingWrite();
            break;
        case 11:
            if (!inTransaction)
                externalChange();
            break;
        case 12:
            if (!inTransaction)
                project();
            break;
        case 13: {
            const std::string section = pickSection();
            const std::string key = pickKey(section);
            const bool can = clsINI::canHold(key, "", sectionOf(section));
            CHECK(m_ini.deleteKeyValue(key, section) == can, m_ini.lastError());
            if (can)
                m_mirror.setValue(sectionOf(section), key, "");
            break;
        }
        case 14:
            if (!inTransaction && (m_script.next() % 4) == 0) {
                CHECK(m_ini.deleteAllSections(), m_ini.lastError());
                // A name held twice goes with all its sections.
                for (const std::string& name : splitNames(joinNames(m_mirror.sectionNames()))) {
                    while (!name.empty() && m_mirror.hasSection(name))
                        m_mirror.removeSection(name);
                }
                // Only names that the list of names cannot carry may be left.
                for (const std::string& name : m_mirror.sectionNames())
                    CHECK(name.empty() || name.find('\0') != std::string::npos, name);
            }
            break;
        default:
            CHECK(m_ini.getVersion() == mirrorGetKeyValue("version", "2.5", defaultSection), "");
            break;
        }
    }

    void setKeyValue(const std::string& key, const std::string& value, const std::string& section,
                     bool inTransaction) {
        const std::string s = sectionOf(section);
        const std::string before = m_mirror.text();
        const bool hadSection = m_mirror.hasSection(s);
        const bool hadKey = m_mirror.value(s, key).has_value();
        // What no line can hold is refused, and the file keeps what it had.
        const bool can = clsINI::canHold(key, value, s);
        CHECK(m_ini.setKeyValue(key, value, section) == can, m_ini.lastError());
        if (!can)
            return;
        m_mirror.setValue(s, key, value);
        if (usableSection(s) && usableKey(key) && usableValue(value)) {
            // Reads back as written, inside a transaction as well as after it.
            const auto got = m_mirror.value(s, key);
            CHECK(got && *got == value, s + " / " + key + " = " + value);
            // Outside a transaction the text is all there is (inside one, an earlier edit
            // with a line break in it may have left a text that reads otherwise).
            if (inTransaction)
                return;
            const ProfileDocument reread(m_mirror.text());
            const auto read = reread.value(s, key);
            CHECK(read && *read == value, s + " / " + key + " = " + value);
            const std::string after = m_mirror.text();
            if (hadKey)
                CHECK(replacedLineText(before, after), s + " / " + key);
            else if (hadSection)
                CHECK(insertedLines(before, after, 1), s + " / " + key);
            else
                CHECK(insertedLines(before, after, 2), s + " / " + key);
        }
    }

    void renameSection() {
        const std::string section = pickSection();
        const std::string newSection = m_script.next() % 2 ? pickSection() : m_script.take(6);
        const std::string old = sectionOf(section);
        std::vector<std::pair<std::string, std::string>> was;
        for (const std::string& key : m_mirror.keyNames(old))
            was.emplace_back(key, std::string(*m_mirror.value(old, key)));

        const bool ok = m_ini.renameSection(newSection, section);
        // An empty new name means the default section, as every empty section argument does.
        const std::string target = sectionOf(newSection);
        const bool same = sameIgnoringCase(target, old);
        bool can = true;
        for (const std::string& key : m_mirror.keyNames(old))
            can = can && clsINI::canHold(key, {}, target);
        CHECK(ok == (same || can), m_ini.lastError());
        if (!same && !can)
            return;
        if (!same) {
            for (const std::string& key : m_mirror.keyNames(old))
                m_mirror.setValue(target, key, mirrorGetKeyValue(key, {}, old));
            m_mirror.removeSection(old);
        }
        if (same || !usableSection(target))
            return;
        // Every key of the old section is in the new one with its value.
        for (const auto& [key, value] : was) {
            if (!usableKey(key))
                continue;
            const auto got = m_mirror.value(target, key);
            const std::string expected = value.empty() ? clsINI::notSet : value;
            CHECK(got && *got == expected,
                  "[" + old + "] -> [" + target + "] lost " + key + "=" + value);
        }
    }

    void renameKey() {
        const std::string section = pickSection();
        const std::string key = pickKey(section);
        const std::string newKey = m_script.next() % 2 ? pickKey(section) : m_script.take(5);
        const std::string s = sectionOf(section);
        const auto was = m_mirror.value(s, key);
        const std::string value = was ? std::string(*was) : std::string();

        const bool ok = m_ini.renameKey(key, newKey, section);
        // Names that differ only in letter case or in blanks around them are one key.
        const bool same = sameIgnoringCase(trimmed(key), trimmed(newKey));
        const bool can = clsINI::canHold(newKey, {}, s);
        CHECK(ok == (same || can), m_ini.lastError());
        if (!same && !can)
            return;
        if (!same) {
            const std::string v = mirrorGetKeyValue(key, {}, s);
            m_mirror.setValue(s, newKey, v);
            m_mirror.removeKey(s, key);
        }
        if (!was || same || !usableSection(s) || !usableKey(key) || !usableKey(newKey))
            return;
        // The value is under the new name.
        const auto got = m_mirror.value(s, newKey);
        const std::string expected = value.empty() ? clsINI::notSet : value;
        CHECK(got && *got == expected,
              "[" + s + "] " + key + " -> " + newKey + " lost its value " + value);
    }

    void transaction() {
        const std::string fileBefore = readFile(m_path);
        const int count = 1 + m_script.next() % 4;
        const WriteOutcome outcome = m_ini.transaction([&] {
            for (int i = 0; i < count && !m_script.done(); ++i) {
                step(true);
                CHECK(readFile(m_path) == fileBefore, "the file changed inside a transaction");
            }
        });
        CHECK(outcome.ok, outcome.error);
    }

    void failingWrite() {
        using Mode = FlakyFileSystem::Mode;
        const Mode modes[] = {Mode::ShortWrites, Mode::Interrupted, Mode::FailWrite,
                              Mode::ZeroWrite,   Mode::FailFsync,   Mode::FailRename};
        m_fileSystem->mode = modes[m_script.next() % 6];
        const std::string before = readFile(m_path);
        const std::string section = pickSection();
        const std::string key = pickKey(section);
        const std::string value = pickValue();
        const bool ok = m_ini.setKeyValue(key, value, section);
        if (!clsINI::canHold(key, value, sectionOf(section))) {
            CHECK(!ok && readFile(m_path) == before, "an entry no line can hold was written");
        } else if (m_fileSystem->fails()) {
            CHECK(!ok, "a failed write was taken for one that landed");
            CHECK(!m_ini.lastError().empty(), "no reason given for a failed write");
            CHECK(readFile(m_path) == before, "a failed write changed the file");
        } else {
            CHECK(ok, m_ini.lastError());
            m_mirror.setValue(sectionOf(section), key, value);
        }
        m_fileSystem->mode = Mode::Normal;
        m_mirror = ProfileDocument(m_mirror.text());
        // What the file holds is still what is read.
        CHECK(m_ini.getSections() == joinNames(m_mirror.sectionNames()), "");
    }

    // Another program rewrites the file in place; the next read must see it. The size
    // changes, so that the change shows even within one tick of the file time stamps.
    void externalChange() {
        std::string text = readFile(m_path);
        switch (m_script.next() % 3) {
        case 0:
            text += "\n[" + pickSection() + "]\n" + pickKey({}) + "=" + pickValue() + "\n";
            break;
        case 1:
            text = m_script.take(1 + m_script.next() % 24);
            if (text.size() == readFile(m_path).size())
                text += ';';
            break;
        default:
            ::unlink(m_path.c_str());
            text.clear();
            break;
        }
        if (!text.empty() || ::access(m_path.c_str(), F_OK) == 0)
            writeFile(m_path, text);
        m_mirror = ProfileDocument(text);
        // A missing file is made again, empty, by a read.
        CHECK(m_ini.getSections() == joinNames(m_mirror.sectionNames()), text);
    }

    // ProjectStore on the same file: a name that the store accepts comes back exactly.
    void project() {
        ProjectStore store(m_ini, m_clock, g_folder);
        std::string name = m_script.next() % 2 ? pickSection() : m_script.take(8);
        ScrollbarScheme scheme = defaultScheme;
        scheme.trackColor = "#" + std::to_string(m_script.next());
        const NameCheck check = store.checkProjectName(name);
        m_mirror = fresh(); // reading may have written "<not_set>" entries
        if (check != NameCheck::Free)
            return;
        // Only a healthy list ("1" to N) is checked for the new row at its end.
        const auto keys = m_mirror.keyNames("Projects");
        bool healthy = true;
        for (std::size_t i = 0; i < keys.size(); ++i)
            healthy = healthy && keys[i] == std::to_string(i + 1);
        const bool create = m_script.next() % 2;
        const WriteOutcome outcome =
            create ? store.createProject(name) : store.saveProject(true, name, scheme);
        CHECK(outcome.ok, outcome.error);
        m_mirror = fresh();
        const ScrollbarScheme expected = create ? defaultScheme : scheme;
        CHECK(store.openProject(name) == expected, name);
        m_mirror = fresh();
        if (healthy) {
            const auto rows = store.listProjects();
            m_mirror = fresh();
            CHECK(!rows.empty() && rows.back().name == name, name);
            CHECK(rows.back().date == "07/04/2002" && rows.back().time == "09:15 PM", name);
            CHECK(store.checkProjectName(name) == NameCheck::Taken, name);
            m_mirror = fresh();
        }
    }

    std::string m_path;
    Script& m_script;
    ProfileDocument m_mirror;
    std::shared_ptr<FlakyFileSystem> m_fileSystem = std::make_shared<FlakyFileSystem>();
    clsINI m_ini{g_folder, defaultSection, m_fileSystem};
    FixedClock m_clock;
};

void removeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = makeFolder();
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t scriptSize = std::min<std::size_t>(data[0] & 0x7f, size - 1);
    Script script(data + 1, scriptSize);
    std::string text(reinterpret_cast<const char*>(data + 1 + scriptSize), size - 1 - scriptSize);

    // The document alone: its text comes back unchanged.
    const ProfileDocument document(text);
    CHECK(document.text() == text, text);

    Run run(std::move(text), script);
    run.go();
    return 0;
}
