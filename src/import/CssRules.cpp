#include "import/PageReader.h"

#include <algorithm>
#include <optional>

// How the reader takes a style sheet apart: its rules, @media blocks entered and left as they
// come, and the declarations of the rules and style attributes that reach the page.
namespace brisvane::reader {

namespace {

// Which of the eight scrollbar colour properties a declaration's name is, if any.
std::optional<std::size_t> colorProperty(std::string_view name) {
    for (std::size_t p = 0; p <= baseIndex; ++p) {
        if (equalsNoCase(name, propertyName(p)))
            return p;
    }
    return std::nullopt;
}

// Are a and b one character inserted, left out or changed apart, letter case aside?
bool oneEditApart(std::string_view a, std::string_view b) {
    if (a.size() < b.size())
        std::swap(a, b);
    if (a.size() - b.size() > 1)
        return false;
    std::size_t i = 0;
    while (i < b.size() && ascii::equalNoCase(a[i], b[i]))
        ++i;
    if (i == b.size())
        return a.size() != b.size();
    return equalsNoCase(a.substr(i + 1), b.substr(a.size() == b.size() ? i + 1 : i));
}

// The scrollbar colour property a name misses by one letter, digit or hyphen, as
// "scrollbar-arow-color" misses scrollbar-arrow-color. A name with any other character is
// not taken for a slip: "_scrollbar-face-color" is a hack meant for old browsers alone.
std::optional<std::size_t> misspeltProperty(std::string_view name) {
    if (!std::all_of(name.begin(), name.end(), [](char c) { return isNameChar(c) && c != '_'; }))
        return std::nullopt;
    for (std::size_t p = 0; p <= baseIndex; ++p) {
        if (oneEditApart(name, propertyName(p)))
            return p;
    }
    return std::nullopt;
}

// The first of the characters from pos on that stands outside a string; the end when none.
std::size_t findOutsideStrings(std::string_view s, std::size_t pos, std::string_view chars) {
    for (; pos < s.size(); ++pos) {
        if (s[pos] == '"' || s[pos] == '\'') {
            const std::size_t close = s.find(s[pos], pos + 1);
            pos = close == std::string_view::npos ? s.size() : close;
        } else if (chars.find(s[pos]) != std::string_view::npos) {
            return pos;
        }
    }
    return s.size();
}

// The '}' that closes the block opened at open; the end when the sheet stops first.
std::size_t closingBrace(std::string_view s, std::size_t open) {
    std::size_t depth = 0, pos = open;
    while ((pos = findOutsideStrings(s, pos, "{}")) < s.size()) {
        depth += s[pos] == '{' ? 1 : -1;
        if (depth == 0)
            return pos;
        ++pos;
    }
    return s.size();
}

} // namespace

// Does a block of CSS declare one of the eight scrollbar colour properties, in any rule?
bool declaresScrollbarColor(std::string_view css) {
    for (std::size_t at = 0; (at = findNoCase(css, "scrollbar-", at)) != std::string_view::npos;
         at += 10) {
        for (std::size_t p = 0; p <= baseIndex; ++p) {
            const std::string_view name = propertyName(p);
            if (startsWithNoCase(css, at, name) &&
                trimmed(css.substr(at + name.size())).starts_with(':'))
                return true;
        }
    }
    return false;
}

// Makes CSS comments blank in the cleaned text between begin and end. The searches stop at
// end: a string or comment left open in one style element must not send them through the
// rest of the page again for every element after it.
void PageReader::blankComments(std::size_t begin, std::size_t end) {
    const std::string_view s = std::string_view(m_clean).substr(0, end);
    for (std::size_t i = begin; i + 1 < end; ++i) {
        if (s[i] == '"' || s[i] == '\'') {
            const std::size_t close = s.find(s[i], i + 1);
            i = close == std::string_view::npos ? end : close;
        } else if (s.compare(i, 2, "/*") == 0) {
            const std::size_t close = std::min(s.find("*/", i + 2), end - 2);
            blank(i, close + 2);
            i = close + 1;
        }
    }
}

void PageReader::readSheet(std::size_t begin, std::size_t end) {
    blankComments(begin, end);
    readRules(begin, end);
}

// The rules of a style sheet between begin and end: those for the page, also within
// @media for the screen, give their declarations; any other at-rule is passed over, and so
// is a rule for other elements or one whose selector the browser drops, each noted as a
// place elsewhere when it sets scrollbar colours. One pass from start to end, @media blocks
// being entered and left as it goes, so that neither time nor the stack grows with their
// nesting; a block nested deeper than maxMediaNesting is passed over whole, and said.
void PageReader::readRules(std::size_t begin, std::size_t end) {
    const std::string_view s = std::string_view(m_clean).substr(0, end);
    std::size_t depth = 0;        // of the @media blocks around pos
    std::vector<bool> darkBlocks; // which of them are for dark mode
    std::size_t pos = begin;
    while (pos < end) {
        // Between rules: blanks, the marks that hide a sheet from very old browsers, and
        // the '}' that ends an @media block (or, outside any, stands there alone).
        bool skipped = true;
        while (skipped && pos < end) {
            skipped = false;
            for (std::string_view mark : {"<!--", "-->", "<![CDATA[", "]]>"}) {
                if (s.compare(pos, mark.size(), mark) == 0)
                    pos += mark.size(), skipped = true;
            }
            if (pos < end && s[pos] == '}' && depth > 0)
                --depth, darkBlocks.pop_back();
            if (pos < end && (isSpace(s[pos]) || s[pos] == '}' || s[pos] == ';'))
                ++pos, skipped = true;
        }
        if (pos >= end)
            return;
        // Within @media a '}' before any block ends the @media, and the text before it.
        const bool atRule = s[pos] == '@';
        const std::size_t open = findOutsideStrings(
            s, pos, depth == 0 ? (atRule ? "{;" : "{") : (atRule ? "{;}" : "{}"));
        if (open >= end)
            return;
        if (s[open] != '{') { // "@import ...;", "@charset ...;", or the @media's end
            pos = s[open] == ';' ? open + 1 : open;
            continue;
        }
        const std::string_view prelude = trimmed(s.substr(pos, open - pos));
        const bool media =
            startsWithNoCase(prelude, 0, "@media") && mediaReachesScreen(prelude.substr(6));
        if (media && depth < maxMediaNesting) {
            ++depth;
            darkBlocks.push_back(mediaAsksDark(prelude.substr(6)) ||
                                 (!darkBlocks.empty() && darkBlocks.back()));
            pos = open + 1;
            continue;
        }
        const std::size_t close = closingBrace(s, open);
        const Set set = !darkBlocks.empty() && darkBlocks.back() ? Dark : Light;
        const auto where = static_cast<std::size_t>(prelude.data() - m_clean.data());
        const auto declares = [&] {
            return declaresScrollbarColor(s.substr(open + 1, close - open - 1));
        };
        if (media) {
            skipNested(trimmed(prelude.substr(6)));
        } else if (atRule) { // @media print, @supports...
            if (declares())
                placeElsewhere(where, "in " + shortText(prelude));
        } else if (!selectorListParses(prelude)) {
            if (declares())
                placeElsewhere(where, "in the selector \"" + shortText(prelude) +
                                          "\" that the browser drops");
        } else if (const Reach reach = selectorListReach(prelude); reachesAny(reach)) {
            readDeclarations(open + 1, close, reach, false, set);
        } else {
            bool state = false;
            splitTopLevel(prelude, ',', [&](std::string_view selector) {
                if (const auto found = stateOfSelector(selector)) {
                    readStateBackground(open + 1, close, stateIndex + found->first, found->second,
                                        set);
                    state = true;
                }
            });
            if (!state && declares())
                placeElsewhere(where, "for " + shortText(prelude));
        }
        pos = close + 1;
    }
}

// The colour that a state rule's background-color or background names, if any.
void PageReader::readStateBackground(std::size_t begin, std::size_t end, std::size_t state,
                                     Reach reach, Set set) {
    const std::string_view block = std::string_view(m_clean).substr(begin, end - begin);
    splitTopLevel(block, ';', [&](std::string_view decl) {
        const std::size_t colon = decl.find(':');
        const std::string_view name =
            trimmed(decl.substr(0, colon == std::string_view::npos ? 0 : colon));
        if (!equalsNoCase(name, "background") && !equalsNoCase(name, "background-color"))
            return;
        // A shorthand's colour is one of its words; an image or a gradient is not one.
        splitTopLevel(decl.substr(colon + 1), ' ', [&](std::string_view word) {
            word = trimmed(word);
            if (!word.empty() && readCssColor(word).kind == CssColorReading::Kind::Color)
                add(set, state, reach, {word, offsetOf(word), word.size(), SheetNormal});
        });
    });
}

// A declaration for each element it reaches, ranked by how specifically it reaches it.
void PageReader::add(Set set, std::size_t property, Reach reach, Declaration d) {
    const int level = d.rank;
    for (const Element element : {Html, Body}) {
        if (reach[element] < 0)
            continue;
        d.rank = rankOf(static_cast<Level>(level), reach[element]);
        m_found[set][element][property].push_back(d);
    }
}

// The declarations of a rule's block or a style attribute between begin and end.
void PageReader::readDeclarations(std::size_t begin, std::size_t end, Reach reach, bool attribute,
                                  Set set) {
    const std::string_view block = std::string_view(m_clean).substr(begin, end - begin);
    splitTopLevel(block, ';', [&](std::string_view decl) {
        const std::size_t colon = decl.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string_view name = trimmed(decl.substr(0, colon));
        std::string_view value = decl.substr(colon + 1);
        bool important = false;
        if (const std::size_t bang = value.rfind('!');
            bang != std::string_view::npos &&
            equalsNoCase(trimmed(value.substr(bang + 1)), "important")) {
            important = true;
            value = value.substr(0, bang);
        }
        // As written: what the server writes there is blank in the cleaned text.
        const std::string_view written = trimmed(m_text.substr(offsetOf(value), value.size()));
        const auto property = colorProperty(name);
        if (!property) {
            if (const auto meant = misspeltProperty(name))
                m_skipped.emplace_back(
                    offsetOf(name),
                    SkippedColor{std::string(m_text.substr(offsetOf(name), name.size())),
                                 std::string(written), 0,
                                 "sets nothing: the name is misspelt, " +
                                     std::string(propertyName(*meant)) + " was probably meant",
                                 SkippedColor::Instead::Unread});
            return;
        }
        const bool server = written.find("<?") != std::string_view::npos ||
                            written.find("<%") != std::string_view::npos;
        value = trimmed(value);
        const Level level = important ? (attribute ? AttributeImportant : SheetImportant)
                                      : (attribute ? AttributeNormal : SheetNormal);
        add(set, *property, reach,
            {value,
             server ? static_cast<std::size_t>(written.data() - m_text.data()) : offsetOf(value),
             server ? written.size() : value.size(), level, server});
    });
}

} // namespace brisvane::reader
