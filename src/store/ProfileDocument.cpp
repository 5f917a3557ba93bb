#include "store/ProfileDocument.h"

#include "text/Ascii.h"

#include <algorithm>

namespace brisvane {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

using ascii::lowered;

bool isBlank(char c) {
    return ascii::isSpace(c, ascii::blanks);
}

std::string_view trimmedBlanks(std::string_view text) {
    return ascii::trimmed(text, ascii::blanks);
}

// The name of a section header line, if the line is one.
std::optional<std::string_view> headerName(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    if (start == line.size() || line[start] != '[')
        return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close <= start)
        return std::nullopt;
    for (std::size_t i = close + 1; i < line.size(); ++i) {
        if (!isBlank(line[i]))
            return std::nullopt;
    }
    return line.substr(start + 1, close - start - 1);
}

// Where "=" stands in an entry line; comments and lines without "=" are no entries.
std::size_t entryKeyLength(std::string_view line) {
    const std::string_view content = trimmedBlanks(line);
    if (content.empty() || content.front() == ';')
        return std::string_view::npos;
    return line.find('=');
}

// The key as it is matched: blanks around it do not count, nor does letter case.
std::string keyOf(std::string_view line, std::size_t keyLength) {
    return lowered(trimmedBlanks(line.substr(0, keyLength)));
}

} // namespace

ProfileDocument::ProfileDocument() : ProfileDocument(std::string()) {}

ProfileDocument::ProfileDocument(std::string content)
    : m_content(std::make_shared<const std::string>(std::move(content))) {
    parse();
}

void ProfileDocument::parse() {
    const std::string_view all = *m_content;
    m_sections.clear();
    m_sections.emplace_back();
    bool endingKnown = false;
    // A UTF-8 byte-order mark is no part of the first line; it is written back as it came.
    m_byteOrderMark = all.starts_with(utf8ByteOrderMark);
    std::size_t pos = m_byteOrderMark ? utf8ByteOrderMark.size() : 0;
    while (pos < all.size()) {
        std::size_t end = pos;
        while (end < all.size() && all[end] != '\n' && all[end] != '\r')
            ++end;
        std::size_t next = end;
        if (next < all.size()) {
            next += (all[next] == '\r' && next + 1 < all.size() && all[next + 1] == '\n') ? 2 : 1;
        }
        Line line{all.substr(pos, end - pos), all.substr(end, next - end)};
        if (!endingKnown && !line.ending.empty()) {
            m_newline = line.ending;
            endingKnown = true;
        }
        if (const auto name = headerName(line.text)) {
            Section section;
            section.name = std::string(*name);
            section.lines.push_back(line);
            m_sections.push_back(std::move(section));
        } else {
            line.keyLength =
                m_sections.size() > 1 ? entryKeyLength(line.text) : std::string_view::npos;
            m_sections.back().lines.push_back(line);
        }
        pos = next;
    }
    indexSections();
}

void ProfileDocument::indexSections() {
    m_sectionIndex.clear();
    m_sectionIndex.reserve(m_sections.size());
    for (std::size_t i = 1; i < m_sections.size(); ++i)
        m_sectionIndex.try_emplace(lowered(m_sections[i].name), i);
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) const {
    const auto it = m_sectionIndex.find(lowered(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) {
    const auto it = m_sectionIndex.find(lowered(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const std::unordered_map<std::string, std::size_t>&
ProfileDocument::keysOf(const Section& section) const {
    if (!section.keysIndexed) {
        section.keys.clear();
        for (std::size_t i = 1; i < section.lines.size(); ++i) {
            const Line& line = section.lines[i];
            if (line.keyLength != std::string_view::npos)
                section.keys.try_emplace(keyOf(line.text, line.keyLength), i);
        }
        section.keysIndexed = true;
    }
    return section.keys;
}

std::optional<std::string_view> ProfileDocument::value(std::string_view section,
                                                       std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    // A project's section holds nine entries: read through, it costs less than an index of
    // it would, and ten thousand of them are listed without ten thousand indexes.
    if (!s->keysIndexed && s->lines.size() <= 16) {
        const std::string_view wanted = trimmedBlanks(key);
        for (std::size_t i = 1; i < s->lines.size(); ++i) {
            const Line& line = s->lines[i];
            if (line.keyLength != std::string_view::npos &&
                ascii::equalsNoCase(trimmedBlanks(line.text.substr(0, line.keyLength)), wanted))
                return line.text.substr(line.keyLength + 1);
        }
        return std::nullopt;
    }
    const auto& keys = keysOf(*s);
    const auto it = keys.find(lowered(trimmedBlanks(key)));
    if (it == keys.end())
        return std::nullopt;
    const Line& line = s->lines[it->second];
    return line.text.substr(line.keyLength + 1);
}

bool ProfileDocument::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::vector<std::string> ProfileDocument::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(m_sectionIndex.size());
    for (std::size_t i = 1; i < m_sections.size(); ++i) {
        const auto it = m_sectionIndex.find(lowered(m_sections[i].name));
        if (it != m_sectionIndex.end() && it->second == i)
            names.push_back(m_sections[i].name);
    }
    return names;
}

std::vector<std::string> ProfileDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* s = findSection(section);
    if (!s)
        return names;
    const auto& keys = keysOf(*s);
    for (std::size_t i = 1; i < s->lines.size(); ++i) {
        const Line& line = s->lines[i];
        if (line.keyLength == std::string_view::npos)
            continue;
        const auto it = keys.find(keyOf(line.text, line.keyLength));
        if (it != keys.end() && it->second == i)
            names.emplace_back(trimmedBlanks(line.text.substr(0, line.keyLength)));
    }
    return names;
}

std::string_view ProfileDocument::own(std::string text) {
    m_owned.push_back(std::make_shared<const std::string>(std::move(text)));
    return *m_owned.back();
}

std::string_view ProfileDocument::newline() const {
    return m_newline;
}

void ProfileDocument::endLastLine() {
    // The file's last line may lack its line ending; what follows it must not join it.
    for (auto s = m_sections.rbegin(); s != m_sections.rend(); ++s) {
        if (!s->lines.empty()) {
            if (s->lines.back().ending.empty())
                s->lines.back().ending = newline();
            return;
        }
    }
}

void ProfileDocument::setValue(std::string_view section, std::string_view key,
                               std::string_view value) {
    m_changed = true;
    Section* s = findSection(section);
    if (!s) {
        endLastLine();
        Section added;
        added.name = std::string(section);
        added.lines.push_back({own("[" + added.name + "]"), newline()});
        m_sections.push_back(std::move(added));
        m_sectionIndex.try_emplace(lowered(section), m_sections.size() - 1);
        s = &m_sections.back();
    }
    const auto& keys = keysOf(*s);
    const auto it = keys.find(lowered(trimmedBlanks(key)));
    if (it != keys.end()) {
        Line& line = s->lines[it->second];
        std::string text(line.text.substr(0, line.keyLength + 1));
        text += value;
        line.text = own(std::move(text));
        return;
    }
    // After the section's last entry or header, before any blank lines that end it.
    std::size_t at = s->lines.size();
    while (at > 1 && trimmedBlanks(s->lines[at - 1].text).empty())
        --at;
    if (at == s->lines.size() && s->lines.back().ending.empty())
        s->lines.back().ending = newline(); // the file's last line: the entry goes below it
    std::string text(key);
    const std::size_t keyLength = text.size();
    text += '=';
    text += value;
    Line line{own(std::move(text)), newline(), keyLength};
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    // Only blank lines follow the new entry, so no indexed line moved.
    s->keys.try_emplace(lowered(trimmedBlanks(key)), at);
}

void ProfileDocument::removeKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s)
        return;
    const auto& keys = keysOf(*s);
    const auto it = keys.find(lowered(trimmedBlanks(key)));
    if (it == keys.end())
        return;
    s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    s->keysIndexed = false;
    m_changed = true;
}

void ProfileDocument::removeSection(std::string_view section) {
    const auto it = m_sectionIndex.find(lowered(section));
    if (it == m_sectionIndex.end())
        return;
    m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(it->second));
    indexSections();
    m_changed = true;
}

std::string ProfileDocument::text() const {
    std::size_t size = 0;
    for (const Section& s : m_sections) {
        for (const Line& line : s.lines)
            size += line.text.size() + line.ending.size();
    }
    std::string out;
    out.reserve(size + utf8ByteOrderMark.size());
    if (m_byteOrderMark)
        out += utf8ByteOrderMark;
    for (const Section& s : m_sections) {
        for (const Line& line : s.lines) {
            out += line.text;
            out += line.ending;
        }
    }
    return out;
}

} // namespace brisvane
