// libFuzzer target for the profile file layer (ProfileDocument, ProfileEngine, clsINI), built
// from src/ with clang's fuzzer, address and undefined-behaviour sanitizers.
//
// Input: byte 0 gives the length of the op script that follows it; the rest is data.ini, whose
// text must come back byte for byte from a document of it. The script drives clsINI while a
// model follows: the file's entries, (section, key) -> value, in lower case. After each step
// the file holds what the model says and no temporary file is left.
#include "store/NameList.h"
#include "store/ProfileDocument.h"
#include "store/clsINI.h"
#include "support/CoreTestSupport.h"
#include "text/Ascii.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace {

using namespace brisvane;
using Name = std::pair<std::string, std::string>;

[[noreturn]] void fail(int line, const char* condition) {
    std::fprintf(stderr, "ProfileFuzz: line %d: %s\n", line, condition);
    std::abort();
}
#define CHECK(condition) ((condition) ? (void)0 : fail(__LINE__, #condition))

std::string g_folder, g_path;

std::map<Name, std::string> entriesOf(const std::string& text) {
    const ProfileDocument d(text);
    std::map<Name, std::string> entries;
    for (const std::string& s : d.sectionNames())
        for (const std::string& k : d.keyNames(s))
            entries[{ascii::lowered(s), ascii::lowered(k)}] = std::string(*d.value(s, k));
    return entries;
}

const std::string_view namePool[] = {"Fuzz", "a",  "A ", " k\t", "1",   "=",       "a=b",
                                     ";c",   "[x", "]",  "",     "a]b", "\xC3\xA9"};
const std::string_view valuePool[] = {"", "v", " v ", "=", "[x]", "\xff", {"a\0b", 3}};

class Run {
public:
    Run(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    void go() {
        m_model = entriesOf(test::readBytes(g_path));
        for (int steps = 0; m_pos < m_size && steps < 24; ++steps) {
            step(false);
            const std::string after = test::readBytes(g_path);
            auto actual = entriesOf(after), known = actual;
            std::erase_if(known, [&](const auto& entry) { return unknown(entry.first); });
            std::erase_if(m_model, [&](const auto& entry) { return unknown(entry.first); });
            CHECK(known == m_model);
            CHECK(m_ini.getSections() == joinNames(ProfileDocument(after).sectionNames()));
            CHECK(test::namesIn(g_folder) == std::set<std::string>{"data.ini"});
            m_model = actual;
            m_lost.clear();
        }
    }

private:
    std::uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    template <std::size_t N> std::string pick(const std::string_view (&pool)[N], bool key) {
        const std::uint8_t b = next();
        if (b >= 0xF0) { // bytes of the script
            const std::size_t n = std::min<std::size_t>(b & 0x0F, m_size - m_pos);
            m_pos += n;
            return std::string(reinterpret_cast<const char*>(m_data) + m_pos - n, n);
        }
        if (b >= 0xC0 && !m_model.empty()) { // a name the file holds
            const Name& n = std::next(m_model.begin(), next() % m_model.size())->first;
            return key ? " " + n.second : n.first;
        }
        return std::string(pool[b % N]);
    }
    static std::string sectionOf(const std::string& s) { return s.empty() ? "Fuzz" : s; }
    static Name name(const std::string& s, const std::string& k) {
        return {ascii::lowered(sectionOf(s)), ascii::lowered(ascii::trimmed(k, ascii::blanks))};
    }
    bool unknown(const Name& n) const { return m_lost.count(n) != 0; }
    bool set(const std::string& s, const std::string& k, const std::string& v) {
        if (!clsINI::canHold(k, v, sectionOf(s)))
            return false;
        const Name n = name(s, k);
        m_model[n] = v;
        m_lost.erase(n);
        return true;
    }
    void transaction(const std::string& before) {
        for (int i = next() % 4; i >= 0; --i) {
            step(true);
            CHECK(test::readBytes(g_path) == before);
        }
    }

    void step(bool inTransaction) {
        const std::string s = pick(namePool, false), k = pick(namePool, true);
        const std::string v = pick(valuePool, false);
        const std::string before = test::readBytes(g_path);
        switch (next() % 6) {
        case 0:
        case 1: // what no line can hold is refused
            CHECK(m_ini.setKeyValue(k, v, s) == set(s, k, v));
            break;
        case 2: // what goes, goes whole; a name holding a NUL names nothing
        case 3:
            CHECK(m_ini.deleteKey(k, s) == ((k + sectionOf(s)).find('\0') == std::string::npos));
            m_lost.insert(name(s, k));
            break;
        case 4: { // a missing or empty value reads as the default, which is written
            const Name n = name(s, k);
            const bool known = !unknown(n), has = m_model.count(n) && !m_model[n].empty();
            const std::string fallback = v.empty() ? clsINI::notSet : v;
            const std::string got = m_ini.getKeyValue(k, v, s);
            CHECK(!known || got == (has ? m_model[n] : fallback));
            if (known && !has)
                set(s, k, fallback);
            break;
        }
        case 5:
            if (!inTransaction)
                CHECK(m_ini.transaction([&] { transaction(before); }).ok());
            break;
        }
    }

    const std::uint8_t* m_data;
    std::size_t m_size, m_pos = 0;
    std::map<Name, std::string> m_model;
    std::set<Name> m_lost;
    clsINI m_ini{g_folder, "Fuzz"};
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/dev/shm/brisvane-fuzz-XXXXXX"; // in memory: fsync costs nothing
    CHECK(::mkdtemp(pattern));
    g_folder = pattern;
    g_path = g_folder + "/data.ini";
    std::atexit([] { std::filesystem::remove_all(g_folder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t scriptSize = std::min<std::size_t>(data[0] & 0x7f, size - 1);
    const std::string text(reinterpret_cast<const char*>(data) + 1 + scriptSize,
                           size - 1 - scriptSize);
    CHECK(ProfileDocument(text).text() == text);
    if (ProfileDocument(text).isUtf16()) // refused whole, never edited
        return 0;
    test::writeBytes(g_path, text);
    Run(data + 1, scriptSize).go();
    return 0;
}
