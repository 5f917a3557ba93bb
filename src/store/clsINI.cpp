#include "store/clsINI.h"

#include "store/NameList.h"
#include "text/Ascii.h"
#include "text/PathSeparator.h"

#include <algorithm>

namespace brisvane {

namespace {

constexpr const char* fileName = "data.ini";

constexpr const char* readOnlyError = "the file is open for reading only";
constexpr const char* cannotHold = "the file cannot hold a key, section or value like that";

std::int16_t count16(std::size_t n) {
    return static_cast<std::int16_t>(std::min<std::size_t>(n, INT16_MAX));
}

} // namespace

clsINI::clsINI(std::string programFolder, std::string programFileName,
               std::shared_ptr<FileSystem> fileSystem)
    : m_programFolder(std::move(programFolder)), m_engine(std::move(fileSystem)) {
    setDefaultINIFilePath();
    m_DefaultReturnValue.clear();
    m_defaultSectionName = std::move(programFileName);
    m_sectionName = m_defaultSectionName;
}

void clsINI::setDefaultINIFilePath() {
    // Without the program's folder there is no default file: never one at the root or in the
    // current folder instead.
    m_inifile = m_programFolder.empty() ? std::string() : joinPath(m_programFolder, fileName);
}

void clsINI::setInifile(std::string INIFileIn) {
    m_inifile = std::move(INIFileIn);
    std::string name = fileNameFromPath(m_inifile);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    m_defaultSectionName = name;
    m_sectionName = std::move(name);
}

std::string clsINI::fileNameFromPath(const std::string& path) {
    const std::size_t separator = path.rfind(pathSeparator);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

const std::string& clsINI::fileOf(const std::string& INIFileLoc) const {
    return INIFileLoc.empty() ? m_inifile : INIFileLoc;
}

const std::string& clsINI::sectionOf(const std::string& section) const {
    return section.empty() ? m_sectionName : section;
}

void clsINI::ensureIniFileExists() {
    // A transaction or a reading pass made sure of it when it began; once is enough.
    if (m_transaction || m_pass || m_readOnly)
        return;
    if (const Outcome made = m_engine.ensureExists(m_inifile); !made)
        m_lastError = made.why();
}

const ProfileDocument& clsINI::view(const std::string& file) {
    if (m_transaction && file == m_transactionFile)
        return *m_transaction;
    if (m_pass && file == m_pass->file) // one reading of the file for the pass
        return *m_pass->document;
    m_lastRead = m_engine.read(file);
    return *m_lastRead;
}

bool clsINI::change(const std::string& file, const std::function<void(ProfileDocument&)>& edit) {
    if (m_readOnly) {
        m_lastError = readOnlyError;
        return false;
    }
    if (m_transaction && file == m_transactionFile) {
        edit(*m_transaction);
        return true;
    }
    const Outcome outcome = m_engine.edit(file, edit);
    if (!outcome)
        m_lastError = outcome.why();
    return outcome.ok();
}

Outcome clsINI::transaction(const std::function<void()>& body, const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    if (m_readOnly)
        return Outcome::failed(readOnlyError);
    if (m_transaction) { // already inside one: the outer one carries these writes
        body();
        return {};
    }
    ensureIniFileExists();
    const Outcome outcome = m_engine.edit(file, [&](ProfileDocument& document) {
        struct Open {
            clsINI& ini;
            ~Open() { ini.m_transaction = nullptr; }
        } open{*this};
        m_transactionFile = file;
        m_transaction = &document;
        body();
    });
    if (!outcome)
        m_lastError = outcome.why();
    return outcome;
}

bool clsINI::refusedName(const std::string& names) {
    // Lists of names are NUL-separated: a name holding a NUL would read back as two.
    if (names.find('\0') == std::string::npos)
        return false;
    m_lastError = cannotHold;
    return true;
}

bool clsINI::canHold(const std::string& key, const std::string& value, const std::string& section) {
    const std::string_view trimmedKey = ascii::trimmed(key, ascii::blanks);
    const std::string breaks("\r\n");
    // Lists of names are NUL-separated: a name holding a NUL would read back as two.
    return (key + value + section).find_first_of(breaks) == std::string::npos &&
           (key + section).find('\0') == std::string::npos && !trimmedKey.empty() &&
           key.find('=') == std::string::npos && trimmedKey.front() != ';' &&
           trimmedKey.front() != '[';
}

bool clsINI::setKey(const std::string& key, const std::string& section,
                    const std::string& INIFileLoc) {
    return setKeyValue(key, {}, section, INIFileLoc);
}

bool clsINI::setKeyValue(const std::string& key, const std::string& value,
                         const std::string& section, const std::string& INIFileLoc) {
    const std::string& s = sectionOf(section);
    // What no line of the file can hold is refused rather than written so that it reads
    // back as something else.
    if (!canHold(key, value, s)) {
        m_lastError = cannotHold;
        return false;
    }
    return change(fileOf(INIFileLoc), [&](ProfileDocument& d) { d.setValue(s, key, value); });
}

std::string clsINI::getVersion(const std::string& INIFileLoc) {
    return getKeyValue("version", "2.5", m_defaultSectionName, INIFileLoc);
}

std::string clsINI::getSections(const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    ensureIniFileExists();
    return joinNames(view(file).sectionNames());
}

std::int16_t clsINI::getNumberOfSections(const std::string& INIFileLoc) {
    const std::string list = getSections(INIFileLoc);
    return list.empty() ? 0 : count16(std::count(list.begin(), list.end(), '\0') + 1);
}

std::string clsINI::getKeysInSection(const std::string& section, const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    const std::string s = sectionOf(section);
    ensureIniFileExists();
    return joinNames(view(file).keyNames(s));
}

std::int16_t clsINI::getNumberOfKeysInSection(const std::string& section,
                                              const std::string& INIFileLoc) {
    const std::string list = getKeysInSection(section, INIFileLoc);
    return list.empty() ? 0 : count16(std::count(list.begin(), list.end(), '\0') + 1);
}

std::string clsINI::getKeyValue(const std::string& key, const std::string& defaultValue,
                                const std::string& section, const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    const std::string s = sectionOf(section);
    const std::string fallback = defaultValue.empty() ? std::string(notSet) : defaultValue;
    ensureIniFileExists();
    const auto value = view(file).value(s, key);
    if (value && !value->empty())
        return std::string(*value);
    if (m_pass && file == m_pass->file && canHold(key, fallback, s))
        m_pass->writeBacks.push_back({s, key, fallback});
    else
        setKeyValue(key, fallback, s, file);
    return fallback;
}

void clsINI::readOnlyPass(const std::function<void()>& body, const std::string& INIFileLoc) {
    if (m_transaction || m_pass) { // inside another: that one carries the writes
        body();
        return;
    }
    ensureIniFileExists();
    ReadingPass pass{fileOf(INIFileLoc), nullptr, {}};
    pass.document = m_engine.read(pass.file);
    m_pass = &pass;
    struct Close {
        clsINI& ini;
        ~Close() { ini.m_pass = nullptr; }
    } close{*this};
    body();
    m_pass = nullptr;
    if (pass.writeBacks.empty() || m_readOnly || !lastRead())
        return;
    const Outcome outcome = m_engine.edit(
        pass.file,
        [&](ProfileDocument& document) {
            for (const auto& [section, key, value] : pass.writeBacks) {
                const auto now = document.value(section, key);
                if (!now || now->empty()) // another program may have written it meanwhile
                    document.setValue(section, key, value);
            }
        },
        false);
    if (!outcome)
        m_lastError = outcome.why();
}

Outcome clsINI::checkFile(const std::string& INIFileLoc) {
    return m_engine.check(fileOf(INIFileLoc));
}

bool clsINI::deleteSection(const std::string& section, const std::string& INIFileLoc) {
    const std::string& s = sectionOf(section);
    if (refusedName(s))
        return false;
    return change(fileOf(INIFileLoc), [&](ProfileDocument& d) { d.removeSection(s); });
}

bool clsINI::deleteAllSections(const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    bool ok = true;
    for (const std::string& name : splitNames(getSections(file))) {
        // A name the file holds twice goes with all its sections.
        while (ok && !name.empty() && view(file).hasSection(name))
            ok = deleteSection(name, file);
    }
    return ok;
}

bool clsINI::deleteKey(const std::string& key, const std::string& section,
                       const std::string& INIFileLoc) {
    const std::string& s = sectionOf(section);
    if (refusedName(key + s))
        return false;
    return change(fileOf(INIFileLoc), [&](ProfileDocument& d) { d.removeKey(s, key); });
}

bool clsINI::deleteKeyValue(const std::string& key, const std::string& section,
                            const std::string& INIFileLoc) {
    return setKey(key, section, INIFileLoc);
}

bool clsINI::renameSection(const std::string& NewSection, const std::string& section,
                           const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    const std::string old = sectionOf(section);
    ensureIniFileExists();
    // Onto itself the copy would be deleted with the original.
    if (ascii::equalsNoCase(sectionOf(NewSection), old))
        return true;
    // The names come from the file itself rather than through the NUL-separated list, in
    // which a name holding a NUL would fall apart. Every entry must be able to move, or
    // none does.
    const std::vector<std::string> keys = view(file).keyNames(old);
    for (const std::string& key : keys) {
        if (!canHold(key, {}, sectionOf(NewSection))) {
            m_lastError = cannotHold;
            return false;
        }
    }
    const Outcome outcome = transaction(
        [&] {
            for (const std::string& key : keys)
                setKeyValue(key, getKeyValue(key, {}, old, file), NewSection, file);
            deleteSection(old, file);
        },
        file);
    return outcome.ok();
}

bool clsINI::renameKey(const std::string& currentKey, const std::string& NewKey,
                       const std::string& section, const std::string& INIFileLoc) {
    const std::string file = fileOf(INIFileLoc);
    const std::string s = sectionOf(section);
    ensureIniFileExists();
    if (ascii::equalsNoCase(ascii::trimmed(currentKey, ascii::blanks),
                            ascii::trimmed(NewKey, ascii::blanks)))
        return true;
    if (!canHold(NewKey, {}, s)) {
        m_lastError = cannotHold;
        return false;
    }
    const Outcome outcome = transaction(
        [&] {
            setKeyValue(NewKey, getKeyValue(currentKey, {}, s, file), s, file);
            deleteKey(currentKey, s, file);
        },
        file);
    return outcome.ok();
}

} // namespace brisvane
