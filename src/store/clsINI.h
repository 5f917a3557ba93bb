#pragma once

#include "store/FileSystem.h"
#include "store/ProfileEngine.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brisvane {

// Access to an INI file by section and key, with a default file (data.ini beside the
// program), a default section, and a default value that a read writes back when a key is
// missing. Lists of names come as one text, the names separated by NUL characters. An empty
// text given for an optional argument means "use the object's own field or default".
//
// Every read sees the file as it is now; every write lands whole or not at all and says
// which (see ProfileEngine). transaction() makes several members land together.
//
// The program calls getKeysInSection, getSections, getKeyValue, setKeyValue and deleteKey.
// The other members (setKey, getVersion, the two counts, deleteSection, deleteAllSections,
// deleteKeyValue, renameSection, renameKey) make the class whole for any caller and are kept
// on purpose, with their tests: the project store counts its list by the set of its keys,
// which it needs anyway to see which numbers a damaged list lacks.
class clsINI {
public:
    clsINI(std::string programFolder, std::string programFileName,
           std::shared_ptr<FileSystem> fileSystem = nullptr);

    void setDefaultINIFilePath();
    const std::string& inifile() const { return m_inifile; }
    // Also names both sections after the file: ".../settings.ini" gives "settings".
    void setInifile(std::string INIFileIn);
    const std::string& sectionName() const { return m_sectionName; }
    void setSectionName(std::string sectionIn) { m_sectionName = std::move(sectionIn); }
    const std::string& defaultSectionName() const { return m_defaultSectionName; }
    void setDefaultSectionName(std::string section) { m_defaultSectionName = std::move(section); }
    const std::string& DefaultReturnValue() const { return m_DefaultReturnValue; }
    void setDefaultReturnValue(std::string RetVal) { m_DefaultReturnValue = std::move(RetVal); }

    // Writes return whether the file now holds the change; lastError() says why not.
    bool setKey(const std::string& key, const std::string& section = {},
                const std::string& INIFileLoc = {});
    bool setKeyValue(const std::string& key, const std::string& value,
                     const std::string& section = {}, const std::string& INIFileLoc = {});
    std::string getVersion(const std::string& INIFileLoc = {});
    std::string getSections(const std::string& INIFileLoc = {});
    std::int16_t getNumberOfSections(const std::string& INIFileLoc = {});
    std::string getKeysInSection(const std::string& section = {},
                                 const std::string& INIFileLoc = {});
    std::int16_t getNumberOfKeysInSection(const std::string& section = {},
                                          const std::string& INIFileLoc = {});
    // A missing or empty value reads as the default ("<not_set>" unless one is given), which
    // is then written under the key.
    std::string getKeyValue(const std::string& key, const std::string& defaultValue = {},
                            const std::string& section = {}, const std::string& INIFileLoc = {});
    bool deleteSection(const std::string& section = {}, const std::string& INIFileLoc = {});
    bool deleteAllSections(const std::string& INIFileLoc = {});
    bool deleteKey(const std::string& key, const std::string& section = {},
                   const std::string& INIFileLoc = {});
    bool deleteKeyValue(const std::string& key, const std::string& section = {},
                        const std::string& INIFileLoc = {});
    // To the same name (letter case aside) these change nothing.
    bool renameSection(const std::string& NewSection, const std::string& section = {},
                       const std::string& INIFileLoc = {});
    bool renameKey(const std::string& currentKey, const std::string& NewKey,
                   const std::string& section = {}, const std::string& INIFileLoc = {});

    // Runs body with the members working on one snapshot of the file, under its lock: what
    // they write lands together when body returns, or none of it does. Reads inside see the
    // writes before them.
    Outcome transaction(const std::function<void()>& body, const std::string& INIFileLoc = {});

    // Whether the file can be read and written, or why not.
    Outcome checkFile(const std::string& INIFileLoc = {});

    // A reader only: no member writes the file, not even the entries a read writes back or
    // a missing file; they fail instead, and reads give what they would have written.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool readOnly() const { return m_readOnly; }

    // Why the last write that failed did so, in the system's words.
    const std::string& lastError() const { return m_lastError; }
    // How the last read of a file went, and why it failed (a disk error, say); a file that
    // could not be read reads as empty, and is never written over.
    const Outcome& lastRead() const { return m_engine.lastRead(); }

    // Runs body, which only reads, without the file's lock, on one reading of the file: an
    // atomic rename gives every read a whole file. The entries its reads write back are written
    // together afterwards, and only if no other program holds the lock at that moment; else they
    // wait for the next time.
    void readOnlyPass(const std::function<void()>& body, const std::string& INIFileLoc = {});

    static constexpr const char* notSet = "<not_set>";

    // Whether a line of the file can hold the entry, so that it reads back as written: no
    // line break anywhere, no NUL in a name, and a key that is not blank, holds no "=" and does not
    // start with ";" or "[".
    static bool canHold(const std::string& key, const std::string& value,
                        const std::string& section);

private:
    void ensureIniFileExists();
    // True, and said so in lastError(), when the names hold a NUL.
    bool refusedName(const std::string& names);
    static std::string fileNameFromPath(const std::string& path);
    const std::string& fileOf(const std::string& INIFileLoc) const;
    const std::string& sectionOf(const std::string& section) const;
    // The file's text as the members see it: the open transaction's, or the file's own.
    const ProfileDocument& view(const std::string& file);
    bool change(const std::string& file, const std::function<void(ProfileDocument&)>& edit);

    std::string m_programFolder;
    std::string m_inifile;
    bool m_readOnly = false;
    std::string m_DefaultReturnValue;
    std::string m_defaultSectionName;
    std::string m_sectionName;
    std::string m_lastError;

    ProfileEngine m_engine;
    std::shared_ptr<const ProfileDocument> m_lastRead;
    // The open transaction, if any.
    std::string m_transactionFile;
    ProfileDocument* m_transaction = nullptr;
    // The open reading pass, if any: its file, the one reading of it that its reads see, and
    // the entries they write back (section, key, value), gathered for one rewrite.
    struct ReadingPass {
        std::string file;
        std::shared_ptr<const ProfileDocument> document;
        std::vector<std::array<std::string, 3>> writeBacks;
    };
    ReadingPass* m_pass = nullptr;
};

} // namespace brisvane
