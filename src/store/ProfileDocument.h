#pragma once

#include "text/Utf16.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brisvane {

// The text of an INI file, parsed once into sections and entries, edited in memory and
// written back so that every line it did not change comes out byte for byte as it came in:
// comments, blank lines, foreign sections, line endings and bytes that are not UTF-8.
//
// Lines: "[name]" opens a section (the name is everything between the first "[" and the
// last "]", blanks included); "key=value" is an entry of the section above it (the value is
// everything after the first "=", kept as it is); anything else, and anything before the
// first section, is no entry. Section and key names match without regard to ASCII letter
// case; where a name occurs twice, the first one counts.
class ProfileDocument {
public:
    ProfileDocument();
    explicit ProfileDocument(std::string content);

    // A missing section or key has no value; "key=" has the empty value.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Names in file order, each once.
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    // Replaces the value where the key is; else adds the entry at the end of the section;
    // else adds the section at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void removeKey(std::string_view section, std::string_view key);
    void removeSection(std::string_view section);

    // The text came in UTF-16 (by its byte-order mark): no line of it reads as one of ours.
    bool isUtf16() const { return startsUtf16(*m_content); }
    // True once an edit has changed the text.
    bool changed() const { return m_changed; }
    std::string text() const;

private:
    struct Line {
        std::string_view text;   // without its line ending; points into m_content or m_owned
        std::string_view ending; // "\r\n", "\n", "\r" or nothing (the last line)
        std::size_t keyLength = std::string_view::npos; // entries: where "=" stands
    };
    struct Section {
        std::string name;        // empty for the lines before the first section
        std::vector<Line> lines; // the header first (not for the lines before the first section)
        // Lower-case key -> line, built when first needed.
        mutable std::unordered_map<std::string, std::size_t> keys;
        mutable bool keysIndexed = false;
    };

    void parse();
    void indexSections();
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    const std::unordered_map<std::string, std::size_t>& keysOf(const Section& section) const;
    std::string_view own(std::string text);
    std::string_view newline() const;
    void endLastLine();

    // Shared, so that a copy of a document costs its line table only and its views stay good.
    std::shared_ptr<const std::string> m_content;
    std::vector<std::shared_ptr<const std::string>> m_owned;
    std::vector<Section> m_sections; // m_sections[0]: the lines before the first section
    std::unordered_map<std::string, std::size_t> m_sectionIndex;
    // A file that has no line end yet gets those of every file the program writes.
    std::string_view m_newline = "\r\n";
    bool m_byteOrderMark = false;
    bool m_changed = false;
};

} // namespace brisvane
