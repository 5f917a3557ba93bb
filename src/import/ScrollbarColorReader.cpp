#include "import/ScrollbarColorReader.h"

#include "import/CssColor.h"
#include "scheme/Contrast.h"
#include "text/Ascii.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace brisvane {

namespace {

using ascii::equalsNoCase;
using ascii::findNoCase;
using ascii::isSpace;
using ascii::startsWithNoCase;
using ascii::trimmed;

// The seven roles' properties, then the base colour's, then the two states' backgrounds.
constexpr std::size_t baseIndex = colorRoleCount;
constexpr std::size_t stateIndex = baseIndex + 1;
constexpr std::size_t propertyCount = stateIndex + stateColorRoles.size();
constexpr std::string_view baseProperty = "scrollbar-base-color";
// The light colours, and those for dark mode.
enum Set { Light, Dark };
// The two elements whose colours the page's own bar may take.
enum Element { Html, Body };

std::string_view propertyName(std::size_t index) {
    if (index >= stateIndex)
        return "background-color";
    return index == baseIndex ? baseProperty : cssPropertyName(allColorRoles[index]);
}

// Which of the eight scrollbar colour properties a declaration's name is, if any.
std::optional<std::size_t> colorProperty(std::string_view name) {
    for (std::size_t p = 0; p <= baseIndex; ++p) {
        if (equalsNoCase(name, propertyName(p)))
            return p;
    }
    return std::nullopt;
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
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

// A piece of the text to show within a line: blanks squeezed, control characters escaped, at
// most about `most` bytes, cut between characters.
std::string shortText(std::string_view text, std::size_t most = 48) {
    text = trimmed(text);
    std::string out;
    std::size_t i = 0;
    for (; i < text.size() && out.size() < most; ++i) {
        if (!isSpace(text[i]))
            out += text[i];
        else if (out.back() != ' ')
            out += ' ';
    }
    if (i < text.size()) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
                out.pop_back();
            if (!out.empty())
                out.pop_back();
        }
        out += "...";
    }
    return ascii::oneLine(out);
}

// "a", "a and b", "a, b and c".
std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return out;
}

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

// Where a declaration stands in the cascade: a style sheet's normal ones lowest, then a style
// attribute's, then a sheet's !important ones, then an attribute's. Within a level the more
// specific selector wins, then the later declaration.
enum Level { SheetNormal, AttributeNormal, SheetImportant, AttributeImportant };
constexpr int rankOf(Level level, int specificity) {
    return level * 100 + specificity;
}

struct Declaration {
    std::string_view value; // in the cleaned text, as it is read
    std::size_t offset;     // of the value as written in the text
    std::size_t length;     // of the value as written
    int rank;               // rankOf its level and its selector's specificity
    bool server = false;    // the value holds server code
};

// How specific a selector of the page's own elements is, for html and for body: -1 for an
// element it does not match.
using Reach = std::array<int, 2>;
constexpr Reach reachesNeither{-1, -1};
constexpr bool reachesAny(const Reach& reach) {
    return reach[Html] >= 0 || reach[Body] >= 0;
}

// Does the tag name end here (so that "<bodyx" is not "<body")?
bool tagNameEndsAt(std::string_view html, std::size_t pos) {
    return pos >= html.size() || isSpace(html[pos]) || html[pos] == '>' || html[pos] == '/';
}

// Is there a tag with this (lower-case) name at pos, which holds a '<'?
bool tagAt(std::string_view html, std::size_t pos, std::string_view name) {
    const std::size_t nameEnd = pos + 1 + name.size();
    return nameEnd <= html.size() && equalsNoCase(html.substr(pos + 1, name.size()), name) &&
           tagNameEndsAt(html, nameEnd);
}

bool holdsTag(std::string_view text, std::string_view name) {
    for (std::size_t pos = 0; (pos = text.find('<', pos)) != std::string_view::npos; ++pos)
        if (tagAt(text, pos, name))
            return true;
    return false;
}

// Where the tag that has its name end at pos closes: its '>', outside quoted attribute values.
std::size_t tagEnd(std::string_view html, std::size_t pos) {
    char quote = 0;
    for (; pos < html.size(); ++pos) {
        const char c = html[pos];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            // Only a quote that opens a value counts; "it's" in a bare word does not.
            std::size_t before = pos;
            while (before > 0 && isSpace(html[before - 1]))
                --before;
            if (before > 0 && html[before - 1] == '=')
                quote = c;
        } else if (c == '>') {
            return pos;
        }
    }
    return html.size();
}

// The value of the attribute name within one tag's text (between its name and '>').
std::optional<std::string_view> attributeValue(std::string_view tag, std::string_view name) {
    std::size_t i = 0;
    while (i < tag.size()) {
        while (i < tag.size() && (isSpace(tag[i]) || tag[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '/')
            ++i;
        const std::string_view attr = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && isSpace(tag[i]))
            ++i;
        std::string_view value = tag.substr(i, 0); // empty, but still within the tag
        if (i < tag.size() && tag[i] == '=') {
            ++i;
            while (i < tag.size() && isSpace(tag[i]))
                ++i;
            if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
                const char quote = tag[i++];
                const std::size_t end = std::min(tag.find(quote, i), tag.size());
                value = tag.substr(i, end - i);
                i = end + 1;
            } else {
                const std::size_t start = i;
                while (i < tag.size() && !isSpace(tag[i]))
                    ++i;
                value = tag.substr(start, i - start);
            }
        }
        if (!attr.empty() && equalsNoCase(attr, name))
            return value;
        if (attr.empty() && i == nameStart)
            ++i;
    }
    return std::nullopt;
}

// Splits text at each top-level separator (outside strings, brackets and parentheses).
template <typename Each> void splitTopLevel(std::string_view text, char separator, Each each) {
    std::size_t start = 0, depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : separator;
        if (quote) {
            quote = c == quote ? 0 : c == '\\' && i + 1 < text.size() ? (++i, quote) : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (c == separator && (depth == 0 || i == text.size())) {
            each(text.substr(start, i - start));
            start = i + 1;
        }
    }
}

// Which of the page's own elements a selector matches, and how specifically. One compound:
// html, body, :root or *; or two joined by a blank or ">", the first html, :root or * and the
// second body or *, which match body.
Reach selectorReach(std::string_view selector) {
    std::vector<std::string> compounds;
    std::string word;
    for (char c : std::string(selector) + ' ') {
        if (isSpace(c) || c == '>') {
            if (!word.empty())
                compounds.push_back(ascii::lowered(word));
            word.clear();
        } else {
            word += c;
        }
    }
    auto is = [](const std::string& compound, std::initializer_list<std::string_view> names) {
        return std::find(names.begin(), names.end(), compound) != names.end();
    };
    auto specificity = [](const std::string& compound) {
        return compound == "*" ? 0 : compound == ":root" ? 10 : 1;
    };
    if (compounds.size() == 1) {
        const std::string& only = compounds[0];
        return {is(only, {"html", ":root", "*"}) ? specificity(only) : -1,
                is(only, {"body", "*"}) ? specificity(only) : -1};
    }
    if (compounds.size() == 2 && is(compounds[0], {"html", ":root", "*"}) &&
        is(compounds[1], {"body", "*"}))
        return {-1, specificity(compounds[0]) + specificity(compounds[1])};
    return reachesNeither;
}

// Would a browser take this selector? One that is empty, puts a combinator where no compound
// stands on one side of it, has ".", "#" or ":" with no name after it, leaves a bracket open,
// or holds a character no selector holds (";", "!", "<"...) makes the browser drop the whole
// rule, whatever else its list holds.
bool selectorParses(std::string_view selector) {
    bool wantCompound = true; // at the start, and after a combinator
    for (std::size_t i = 0; i < selector.size(); ++i) {
        const char c = selector[i];
        if (isSpace(c))
            continue;
        if (c == '>' || c == '+' || c == '~') {
            if (wantCompound)
                return false;
            wantCompound = true;
            continue;
        }
        wantCompound = false;
        if (c == '[' || c == '(') {
            if (c == '(' && (i == 0 || !isNameChar(selector[i - 1])))
                return false;
            // To the bracket that closes it, past strings and brackets within.
            std::size_t depth = 0;
            for (; i < selector.size(); ++i) {
                const char d = selector[i];
                if (d == '"' || d == '\'') {
                    i = selector.find(d, i + 1);
                    if (i == std::string_view::npos)
                        return false;
                } else if (d == '[' || d == '(') {
                    ++depth;
                } else if ((d == ']' || d == ')') && --depth == 0) {
                    break;
                }
            }
            if (i >= selector.size())
                return false;
        } else if (c == '.' || c == '#' || c == ':') {
            const std::size_t name = i + 1 + (c == ':' && selector.substr(i + 1, 1) == ":");
            if (name >= selector.size() || !(isNameChar(selector[name]) || selector[name] == '\\'))
                return false;
            i = name - 1;
        } else if (c == '\\') {
            if (++i >= selector.size())
                return false;
        } else if (!isNameChar(c) && c != '*' && c != '|') {
            return false;
        }
    }
    return !wantCompound;
}

bool selectorListParses(std::string_view list) {
    bool parses = true;
    splitTopLevel(list, ',',
                  [&](std::string_view selector) { parses = parses && selectorParses(selector); });
    return parses;
}

// The elements a selector list reaches, each as specifically as the most specific selector
// that matches it.
Reach selectorListReach(std::string_view list) {
    Reach reach = reachesNeither;
    splitTopLevel(list, ',', [&](std::string_view selector) {
        const Reach one = selectorReach(selector);
        reach = {std::max(reach[Html], one[Html]), std::max(reach[Body], one[Body])};
    });
    return reach;
}

// The state a selector of a scrollbar's thumb or buttons on the page names:
// "::-webkit-scrollbar-thumb:hover", "body::-webkit-scrollbar-button:active"...; the index of
// its background in the properties read and the elements it reaches, or nothing.
std::optional<std::pair<std::size_t, Reach>> stateOfSelector(std::string_view selector) {
    const std::string s = ascii::lowered(trimmed(selector));
    const std::size_t part = s.find("::-webkit-scrollbar-");
    if (part == std::string::npos)
        return std::nullopt;
    // Without an element before it, the pseudo-element is every element's.
    const Reach reach =
        part == 0 ? Reach{0, 0} : selectorReach(std::string_view(s).substr(0, part));
    if (!reachesAny(reach))
        return std::nullopt;
    const std::string_view rest = std::string_view(s).substr(part + 20);
    if (!rest.starts_with("thumb") && !rest.starts_with("button"))
        return std::nullopt;
    for (std::size_t i = 0; i < stateColorRoles.size(); ++i) {
        if (rest.ends_with(stateColorRoles[i] == ColorRole::Hover ? ":hover" : ":active"))
            return std::pair{stateIndex + i, reach};
    }
    return std::nullopt;
}

// Does a media query list ask for dark mode, "(prefers-color-scheme: dark)"?
bool mediaAsksDark(std::string_view list) {
    std::string squeezed;
    for (char c : ascii::lowered(list))
        if (!isSpace(c))
            squeezed += c;
    return squeezed.find("prefers-color-scheme:dark") != std::string::npos &&
           !squeezed.starts_with("not");
}

// The mode Internet Explorer 6 gave a page by its doctype, the text after "<!DOCTYPE", with
// the doctype as a note names it. Quirks for HTML 2.0, 3.0 and 3.2, and for HTML 4.0 and 4.01
// Transitional and Frameset without a system identifier, their DTD's address; standards for
// the rest: those with that address, Strict, XHTML, "<!DOCTYPE html>", and any doctype it did
// not know.
PageMode modeOfDoctype(std::string_view text, std::string& named) {
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < text.size() && isSpace(text[i]))
            ++i;
    };
    const auto word = [&] {
        blanks();
        const std::size_t start = i;
        while (i < text.size() && !isSpace(text[i]) && text[i] != '"' && text[i] != '\'')
            ++i;
        return text.substr(start, i - start);
    };
    const auto quoted = [&]() -> std::optional<std::string_view> {
        blanks();
        if (i >= text.size() || (text[i] != '"' && text[i] != '\''))
            return std::nullopt;
        const char quote = text[i++];
        const std::size_t end = std::min(text.find(quote, i), text.size());
        const std::string_view value = text.substr(i, end - i);
        i = std::min(end + 1, text.size());
        return value;
    };
    const std::string_view name = word(), keyword = word();
    std::optional<std::string_view> publicId, systemId;
    if (equalsNoCase(keyword, "public")) {
        publicId = quoted();
        systemId = quoted();
    } else if (equalsNoCase(keyword, "system")) {
        systemId = quoted();
    }
    if (!publicId || trimmed(*publicId).empty()) {
        named = "its doctype <!DOCTYPE" + (name.empty() ? "" : " " + shortText(name)) + ">";
        return PageMode::Standards;
    }
    named = "its doctype \"" + shortText(*publicId) + "\"";
    std::string id; // lower case, blanks squeezed
    for (char c : trimmed(*publicId)) {
        if (!isSpace(c))
            id += ascii::lower(c);
        else if (id.back() != ' ')
            id += ' ';
    }
    if (id.starts_with("-//w3c//dtd html 4.0")) { // and 4.01
        if (id.find("transitional") == std::string::npos &&
            id.find("frameset") == std::string::npos)
            return PageMode::Standards;
        if (!systemId || trimmed(*systemId).empty())
            return PageMode::Quirks;
        named += " with its DTD address";
        return PageMode::Standards;
    }
    for (std::string_view old :
         {"-//ietf//dtd html", "-//w3c//dtd html 2", "-//w3c//dtd html 3", "-//w3c//dtd w3 html",
          "-//w3o//dtd w3 html", "-//w3c//dtd html experimental"}) {
        if (id.starts_with(old))
            return PageMode::Quirks;
    }
    if (!id.starts_with("-//w3c//dtd xhtml"))
        named += ", unknown to Internet Explorer,";
    return PageMode::Standards;
}

// Does a media query list take in the screen? An empty list, or a query for screen or all, or
// for no type at all ("(min-width: 0)"), or "not" some other type, does.
bool mediaReachesScreen(std::string_view list) {
    if (trimmed(list).empty())
        return true;
    bool reaches = false;
    splitTopLevel(list, ',', [&](std::string_view query) {
        std::istringstream words(ascii::lowered(query));
        std::string type;
        words >> type;
        const bool negated = type == "not";
        if (negated || type == "only")
            words >> type;
        const bool screen = type == "screen" || type == "all" || type.empty() || type[0] == '(';
        reaches = reaches || (screen != negated);
    });
    return reaches;
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text), m_clean(text) {}

    ScrollbarColors read() {
        blankServerCode();
        const std::string_view clean = m_clean;
        const bool page = holdsTag(clean, "style") || holdsTag(clean, "html") ||
                          holdsTag(clean, "head") || holdsTag(clean, "body");
        if (page)
            readPage();
        else
            readSheet(0, m_clean.size());
        return resolve();
    }

private:
    // Makes text blank in the cleaned text, line breaks kept, so that offsets and line numbers
    // stay those of the text.
    void blank(std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            m_clean[i] = m_clean[i] == '\n' ? '\n' : ' ';
    }

    // What the server runs, "<?php ... ?>", "<? ... ?>", "<% ... %>" and an unclosed one to
    // the end, never reaches the browser, nor does a processing instruction such as the XML
    // declaration: all are blanked, wherever they stand, before the page or sheet is read.
    void blankServerCode() {
        for (std::size_t pos = 0; (pos = m_clean.find('<', pos)) != std::string::npos;) {
            const char kind = pos + 1 < m_clean.size() ? m_clean[pos + 1] : '\0';
            if (kind != '?' && kind != '%') {
                ++pos;
                continue;
            }
            const std::size_t close = m_clean.find(kind == '?' ? "?>" : "%>", pos + 2);
            const std::size_t end = close == std::string::npos ? m_clean.size() : close + 2;
            if (kind == '?' && m_xmlDeclaration == std::string::npos &&
                startsWithNoCase(m_clean, pos, "<?xml") && pos + 5 < end &&
                isSpace(m_clean[pos + 5]))
                m_xmlDeclaration = pos;
            blank(pos, end);
            pos = end;
        }
    }

    void readPage() {
        const std::string_view html = m_clean;
        m_colors.mode = PageMode::Quirks; // until a doctype says otherwise
        bool htmlSeen = false, bodySeen = false, tagSeen = false, commentSeen = false;
        std::size_t pos = 0;
        while ((pos = html.find('<', pos)) != std::string_view::npos) {
            if (html.compare(pos, 4, "<!--") == 0) {
                // Whatever an HTML comment holds is not part of the page. "<!-->" is empty.
                const std::size_t end = html.find("-->", pos + 2);
                if (end == std::string_view::npos)
                    break;
                commentSeen = true;
                pos = end + 3;
            } else if (!tagSeen && startsWithNoCase(html, pos, "<!doctype")) {
                // Only a doctype before every tag sets the mode; Internet Explorer 6 kept quirks
                // mode for one after a comment or an XML declaration.
                tagSeen = true;
                const std::size_t end = std::min(html.find('>', pos), html.size());
                const PageMode mode = modeOfDoctype(html.substr(pos + 9, end - pos - 9), m_doctype);
                m_colors.mode = commentSeen || m_xmlDeclaration < pos ? PageMode::Quirks : mode;
                pos = end;
            } else if (tagAt(html, pos, "style")) {
                tagSeen = true;
                const std::size_t open = tagEnd(html, pos + 6);
                if (open == html.size())
                    break;
                std::size_t close = findNoCase(html, "</style", open + 1);
                if (close == std::string_view::npos)
                    close = html.size();
                const auto media = attributeValue(html.substr(pos + 6, open - pos - 6), "media");
                if (!media || mediaReachesScreen(*media)) {
                    readSheet(open + 1, close);
                } else {
                    blankComments(open + 1, close);
                    if (declaresScrollbarColor(html.substr(open + 1, close - open - 1)))
                        placeElsewhere(pos, "in <style media=\"" + shortText(*media) + "\">");
                }
                pos = close;
            } else if (tagAt(html, pos, "script")) {
                // A script may write tags in its strings; they are not this page's tags.
                const std::size_t close = findNoCase(html, "</script", pos + 7);
                if (close == std::string_view::npos)
                    break;
                pos = close + 1;
            } else if ((!htmlSeen && tagAt(html, pos, "html")) ||
                       (!bodySeen && tagAt(html, pos, "body"))) {
                tagSeen = true;
                const bool isBody = tagAt(html, pos, "body");
                (isBody ? bodySeen : htmlSeen) = true;
                const std::size_t nameEnd = pos + 5; // "<html" or "<body"
                const std::size_t end = tagEnd(html, nameEnd);
                if (const auto style =
                        attributeValue(html.substr(nameEnd, end - nameEnd), "style")) {
                    const std::size_t at = static_cast<std::size_t>(style->data() - html.data());
                    blankComments(at, at + style->size());
                    readDeclarations(at, at + style->size(), isBody ? Reach{-1, 0} : Reach{0, -1},
                                     true);
                }
                pos = end;
            } else if (pos + 1 < html.size() && ascii::lower(html[pos + 1]) >= 'a' &&
                       ascii::lower(html[pos + 1]) <= 'z') {
                // Any other element's tag, passed over whole: its style attribute colours that
                // element, not the page.
                tagSeen = true;
                std::size_t nameEnd = pos + 1;
                while (!tagNameEndsAt(html, nameEnd))
                    ++nameEnd;
                const std::size_t end = tagEnd(html, nameEnd);
                const std::string_view name = html.substr(pos + 1, nameEnd - pos - 1);
                const std::string_view tag = html.substr(nameEnd, end - nameEnd);
                if (!equalsNoCase(name, "html") && !equalsNoCase(name, "body") &&
                    declaresScrollbarColor(tag)) {
                    const auto style = attributeValue(tag, "style");
                    if (style && declaresScrollbarColor(*style))
                        placeElsewhere(static_cast<std::size_t>(style->data() - html.data()),
                                       "in the style attribute of <" +
                                           shortText(ascii::lowered(name)) + ">");
                }
                pos = end;
            } else {
                ++pos;
            }
        }
    }

    // Makes CSS comments blank in the cleaned text between begin and end. The searches stop at
    // end: a string or comment left open in one style element must not send them through the
    // rest of the page again for every element after it.
    void blankComments(std::size_t begin, std::size_t end) {
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

    void readSheet(std::size_t begin, std::size_t end) {
        blankComments(begin, end);
        readRules(begin, end);
    }

    // The rules of a style sheet between begin and end: those for the page, also within
    // @media for the screen, give their declarations; any other at-rule is passed over, and so
    // is a rule for other elements or one whose selector the browser drops, each noted as a
    // place elsewhere when it sets scrollbar colours. One
    // pass from start to end, @media blocks being entered and left as it goes, so that neither
    // time nor the stack grows with their nesting; a block nested deeper than maxMediaNesting
    // is passed over whole, and said.
    void readRules(std::size_t begin, std::size_t end) {
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
            const bool media = ascii::startsWithNoCase(prelude, 0, "@media") &&
                               mediaReachesScreen(prelude.substr(6));
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
                        readStateBackground(open + 1, close, found->first, found->second, set);
                        state = true;
                    }
                });
                if (!state && declares())
                    placeElsewhere(where, "for " + shortText(prelude));
            }
            pos = close + 1;
        }
    }

    // The first of the characters from pos on that stands outside a string; the end when none.
    static std::size_t findOutsideStrings(std::string_view s, std::size_t pos,
                                          std::string_view chars) {
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
    static std::size_t closingBrace(std::string_view s, std::size_t open) {
        std::size_t depth = 0, pos = open;
        while ((pos = findOutsideStrings(s, pos, "{}")) < s.size()) {
            depth += s[pos] == '{' ? 1 : -1;
            if (depth == 0)
                return pos;
            ++pos;
        }
        return s.size();
    }

    // The colour that a state rule's background-color or background names, if any.
    void readStateBackground(std::size_t begin, std::size_t end, std::size_t state, Reach reach,
                             Set set) {
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

    std::size_t offsetOf(std::string_view inClean) const {
        return static_cast<std::size_t>(inClean.data() - m_clean.data());
    }

    // A declaration for each element it reaches, ranked by how specifically it reaches it.
    void add(Set set, std::size_t property, Reach reach, Declaration d) {
        const int level = d.rank;
        for (const Element element : {Html, Body}) {
            if (reach[element] < 0)
                continue;
            d.rank = rankOf(static_cast<Level>(level), reach[element]);
            m_found[set][element][property].push_back(d);
        }
    }

    // The declarations of a rule's block or a style attribute between begin and end.
    void readDeclarations(std::size_t begin, std::size_t end, Reach reach, bool attribute,
                          Set set = Light) {
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
                 server ? static_cast<std::size_t>(written.data() - m_text.data())
                        : offsetOf(value),
                 server ? written.size() : value.size(), level, server});
        });
    }

    // A place where the text sets colours that do not reach the page's own bar; each place
    // once, and past the first few only counted.
    void placeElsewhere(std::size_t offset, std::string where) {
        for (const auto& [at, place] : m_elsewhere) {
            if (place.where == where)
                return;
        }
        if (m_elsewhere.size() < maxPlacesElsewhere)
            m_elsewhere.emplace_back(offset, ColorsElsewhere{std::move(where), 0});
        else
            ++m_colors.moreElsewhere;
    }

    void skip(std::size_t property, const Declaration& d, std::string why,
              SkippedColor::Instead instead) {
        m_skipped.emplace_back(d.offset,
                               SkippedColor{std::string(propertyName(property)),
                                            std::string(m_text.substr(d.offset, d.length)), 0,
                                            std::move(why), instead});
    }

    // An @media block too deep to be read; `media` is its query list, in the cleaned text.
    void skipNested(std::string_view media) {
        const auto offset = offsetOf(media);
        m_skipped.emplace_back(
            offset,
            SkippedColor{"@media", std::string(m_text.substr(offset, media.size())), 0,
                         "is nested deeper than " + std::to_string(maxMediaNesting) + " levels",
                         SkippedColor::Instead::RulesSkipped});
    }

    struct Winner {
        const Declaration* declaration = nullptr;
        CssColorReading reading;
    };

    // The usable value that wins an element's cascade for one property, if any.
    Winner winner(Set set, Element element, std::size_t p) {
        Winner won;
        for (const Declaration& d : m_found[set][element][p]) {
            m_colors.anySet = true;
            const CssColorReading reading = readCssColor(d.value);
            if (reading.kind == CssColorReading::Kind::Color &&
                (!won.declaration || d.rank >= won.declaration->rank))
                won = {&d, reading};
        }
        return won;
    }

    // Says each value an element sets for a property, none of them usable, and what stands in
    // their place.
    void skipAll(Set set, Element element, std::size_t p, SkippedColor::Instead instead) {
        for (const Declaration& d : m_found[set][element][p]) {
            skip(p, d,
                 d.server ? "is written by the server when the page is served"
                 : readCssColor(d.value).kind == CssColorReading::Kind::Unconverted
                     ? "is a color this program does not convert"
                     : "is not a color",
                 instead);
        }
    }

    // One element's colours for one set: the winners of its own cascade, and those its base
    // gives.
    struct Side {
        Winner base;
        std::optional<std::array<ColorValue, colorRoleCount>> derived;
        std::array<Winner, propertyCount> own;

        // Its colour for a property and the value that gives it: its own, else its base's.
        std::pair<std::optional<ColorValue>, const Winner*> colorOf(std::size_t p) const {
            if (own[p].declaration)
                return {own[p].reading.value, &own[p]};
            if (p < colorRoleCount && derived)
                return {(*derived)[p], &base};
            return {std::nullopt, nullptr};
        }
    };

    // A colour body gives in standards mode: taken where html gives none, else overruled.
    struct BodyColor {
        Set set;
        std::size_t role;               // the property it colours
        const Declaration* declaration; // body's value that gives it
        std::size_t property;           // that value's property: the role's, or the base
        bool taken;
    };

    // The page's bar takes, role by role, the first element's colour, else the second's: body
    // then html in quirks mode and in a style sheet alone, html then body in standards mode.
    // Only the values that could have decided a colour are said when they are not usable.
    void resolve(Set set) {
        const Element first = m_colors.mode == PageMode::Standards ? Html : Body;
        const Element second = first == Html ? Body : Html;
        std::array<Side, 2> sides;
        for (const Element element : {Html, Body}) {
            Side& side = sides[element];
            side.base = winner(set, element, baseIndex);
            if (side.base.declaration)
                side.derived = deriveFromBaseColor(side.base.reading.value);
            for (std::size_t p = 0; p < propertyCount; ++p) {
                if (p != baseIndex)
                    side.own[p] = winner(set, element, p);
            }
        }
        using Instead = SkippedColor::Instead;
        auto& colors = set == Light ? m_colors.colors : m_colors.darkColors;
        auto& states = set == Light ? m_colors.states : m_colors.darkStates;
        bool secondAsked = false;
        for (std::size_t p = 0; p < propertyCount; ++p) {
            if (p == baseIndex)
                continue;
            const auto [mine, myWinner] = sides[first].colorOf(p);
            const auto [theirs, theirWinner] = sides[second].colorOf(p);
            (p < colorRoleCount ? colors[p] : states[p - stateIndex]) = mine ? mine : theirs;
            if (!sides[first].own[p].declaration)
                skipAll(set, first, p,
                        myWinner ? Instead::FromBase
                        : theirs ? (second == Html ? Instead::FromHtml : Instead::FromBody)
                                 : Instead::Nothing);
            if (!mine) {
                secondAsked = true;
                if (!sides[second].own[p].declaration)
                    skipAll(set, second, p, theirWinner ? Instead::FromBase : Instead::Nothing);
            }
            const Winner* used = mine ? myWinner : theirWinner;
            const auto propertyOf = [&](const Winner* w, Element e) {
                return w == &sides[e].base ? baseIndex : p;
            };
            if (used && used->reading.alpha < 1) {
                std::ostringstream alpha;
                alpha << std::setprecision(2) << used->reading.alpha;
                skip(propertyOf(used, mine ? first : second), *used->declaration,
                     "has an alpha of " + alpha.str(), Instead::Opaque);
            }
            if (m_colors.mode == PageMode::Standards && theirs && (!mine || *mine != *theirs))
                m_fromBody.push_back(
                    {set, p, theirWinner->declaration, propertyOf(theirWinner, second), !mine});
        }
        if (!sides[first].base.declaration)
            skipAll(set, first, baseIndex, Instead::Nothing);
        if (secondAsked && !sides[second].base.declaration)
            skipAll(set, second, baseIndex, Instead::Nothing);
    }

    // How a note names a property of a set: "scrollbar-face-color", "the :hover background
    // for dark mode".
    static std::string nameOf(std::size_t p, Set set) {
        const std::string name = p < stateIndex    ? std::string(propertyName(p))
                                 : p == stateIndex ? "the :hover background"
                                                   : "the :active background";
        return set == Dark ? name + " for dark mode" : name;
    }

    // One line for what body sets in standards mode: Internet Explorer 6 and later showed
    // html's colours alone there, yet 5.5 showed body's, and a page whose body alone sets a
    // colour was most likely made for that.
    void noteBodyColors() {
        if (m_fromBody.empty())
            return;
        std::vector<const BodyColor*> values; // each of body's values once, in the text's order
        std::vector<std::string> overruled;
        bool anyTaken = false;
        for (const BodyColor& c : m_fromBody) {
            if (std::none_of(values.begin(), values.end(),
                             [&](const BodyColor* v) { return v->declaration == c.declaration; }))
                values.push_back(&c);
            if (!c.taken)
                overruled.push_back(nameOf(c.role, c.set));
            anyTaken = anyTaken || c.taken;
        }
        std::sort(values.begin(), values.end(), [](const BodyColor* a, const BodyColor* b) {
            return a->declaration->offset < b->declaration->offset;
        });
        std::vector<std::string> named;
        for (const BodyColor* v : values)
            named.push_back(
                nameOf(v->property, Light) + " '" +
                shortText(m_text.substr(v->declaration->offset, v->declaration->length)) + "'" +
                (v->set == Dark ? " for dark mode" : ""));
        std::string said =
            "body sets " + joined(named) +
            ", which Internet Explorer 6 and later did not show on this page: " + m_doctype +
            " puts it in standards mode, where the page's own scrollbar takes html's colors; ";
        if (overruled.empty())
            said += values.size() == 1 ? "it is taken as Internet Explorer 5.5 showed it"
                                       : "they are taken as Internet Explorer 5.5 showed them";
        else
            said +=
                "html's own " + joined(overruled) + (overruled.size() == 1 ? " is" : " are") +
                (anyTaken ? " used, the rest as Internet Explorer 5.5 showed it" : " used instead");
        m_skipped.emplace_back(values.front()->declaration->offset,
                               SkippedColor{"body", "", 0, said, SkippedColor::Instead::Note});
    }

    ScrollbarColors resolve() {
        resolve(Light);
        resolve(Dark);
        noteBodyColors();
        // In the order of the text, which lets the lines be counted in one pass however many
        // there are; a value that html and body share (a rule for *) is said once.
        std::stable_sort(m_skipped.begin(), m_skipped.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::size_t counted = 0;
        int line = 1;
        const auto lineAt = [&](std::size_t offset) {
            line += static_cast<int>(
                std::count(m_text.begin() + static_cast<std::ptrdiff_t>(counted),
                           m_text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
            counted = offset;
            return line;
        };
        std::size_t run = 0; // where the values at this offset start
        for (std::size_t i = 0; i < m_skipped.size(); ++i) {
            const std::size_t offset = m_skipped[i].first;
            const std::string& property = m_skipped[i].second.property;
            if (offset != m_skipped[run].first)
                run = i;
            if (std::any_of(m_skipped.begin() + static_cast<std::ptrdiff_t>(run),
                            m_skipped.begin() + static_cast<std::ptrdiff_t>(i),
                            [&](const auto& s) { return s.second.property == property; }))
                continue;
            m_skipped[i].second.line = lineAt(offset);
            m_colors.skipped.push_back(m_skipped[i].second);
        }
        std::sort(m_elsewhere.begin(), m_elsewhere.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        counted = 0;
        line = 1;
        for (auto& [offset, place] : m_elsewhere) {
            place.line = lineAt(offset);
            m_colors.elsewhere.push_back(std::move(place));
        }
        return std::move(m_colors);
    }

    std::string_view m_text;
    // The text with its server code, and the comments of its style sheets and attributes,
    // made blank.
    std::string m_clean;
    std::size_t m_xmlDeclaration = std::string::npos; // where the first one starts
    std::string m_doctype;                            // as a note names it
    // By Set, then Element, then property.
    std::array<std::array<std::array<std::vector<Declaration>, propertyCount>, 2>, 2> m_found;
    std::vector<std::pair<std::size_t, SkippedColor>> m_skipped; // by the value's offset
    std::vector<BodyColor> m_fromBody;
    std::vector<std::pair<std::size_t, ColorsElsewhere>> m_elsewhere; // in the text's order
    ScrollbarColors m_colors;
};

} // namespace

ScrollbarColors readScrollbarColors(std::string_view text) {
    if (const auto utf8 = utf16ToUtf8(text))
        return Reader(*utf8).read();
    return Reader(text).read();
}

std::string describeSkipped(const SkippedColor& skipped, std::string_view nothing) {
    using Instead = SkippedColor::Instead;
    if (skipped.instead == Instead::Note)
        return ascii::oneLine(skipped.why);
    // A property's value follows its name and a colon, an at-rule's condition its name.
    const std::string_view colon = skipped.property.starts_with('@') ? "" : ":";
    std::string line = ascii::oneLine(skipped.property) + std::string(colon) + " '" +
                       ascii::oneLine(skipped.value) + "' " + skipped.why;
    if (skipped.instead == Instead::RulesSkipped)
        return line + "; its rules are skipped";
    // What stands in a value's place is said only where something is taken from the text.
    if (skipped.instead == Instead::Unread || nothing.empty())
        return line;
    if (skipped.instead == Instead::Opaque)
        return line + "; it is taken opaque";
    if (skipped.instead == Instead::FromBase)
        return line + "; the one derived from " + std::string(baseProperty) + " is used";
    if (skipped.instead == Instead::FromHtml || skipped.instead == Instead::FromBody)
        return line + "; the one " + (skipped.instead == Instead::FromHtml ? "html" : "body") +
               " sets is used";
    if (skipped.property == baseProperty)
        return line + "; nothing is derived from it";
    return line + "; " + std::string(nothing);
}

const std::optional<ColorValue>& ScrollbarColors::color(ColorRole role, bool dark) const {
    if (isStateRole(role))
        return (dark ? darkStates : states)[roleIndex(role) - colorRoleCount];
    return (dark ? darkColors : colors)[roleIndex(role)];
}

bool ScrollbarColors::givesDark() const {
    return std::any_of(everyColorRole.begin(), everyColorRole.end(),
                       [this](ColorRole role) { return color(role, true).has_value(); });
}

ScrollbarScheme ScrollbarColors::over(ScrollbarScheme base, bool dark) const {
    for (ColorRole role : everyColorRole) {
        if (const auto& given = color(role, dark))
            base.setColor(role, colorToHex(*given));
    }
    return base;
}

bool givesAnyColor(const ScrollbarColors& read) {
    return read.givesDark() ||
           std::any_of(everyColorRole.begin(), everyColorRole.end(),
                       [&read](ColorRole role) { return read.color(role, false).has_value(); });
}

std::string whyNothingIsTaken(const ScrollbarColors& read) {
    if (read.elsewhere.empty())
        return read.anySet ? "none of the scrollbar colors it sets can be used"
                           : "none of the seven scrollbar colors is set";
    std::vector<std::string> places;
    for (const ColorsElsewhere& place : read.elsewhere)
        places.push_back(place.where + " (line " + std::to_string(place.line) + ")");
    if (read.moreElsewhere > 0)
        places.push_back("in " + std::to_string(read.moreElsewhere) + " more place" +
                         (read.moreElsewhere == 1 ? "" : "s"));
    return (read.anySet ? "none of the scrollbar colors it sets for the page's own scrollbar can "
                          "be used; colors are also set "
                        : "none of the seven scrollbar colors is set for the page's own "
                          "scrollbar; colors are set ") +
           joined(places);
}

std::array<ColorValue, colorRoleCount> deriveFromBaseColor(ColorValue base) {
    const int rgb[3] = {static_cast<int>(base & 0xFF), static_cast<int>((base >> 8) & 0xFF),
                        static_cast<int>((base >> 16) & 0xFF)};
    // Towards white by `toWhite`, or towards black by `toBlack`: either keeps the hue.
    auto mix = [&rgb](double toWhite, double toBlack) {
        ColorValue out = 0;
        for (int i = 0; i < 3; ++i) {
            const double c = rgb[i] + (255 - rgb[i]) * toWhite;
            out |= static_cast<ColorValue>(std::lround(c * (1 - toBlack))) << (8 * i);
        }
        return out;
    };
    // HSL lightness, from 0 to 1; the highlight is a quarter lighter, or white.
    const double lightness =
        (*std::max_element(rgb, rgb + 3) + *std::min_element(rgb, rgb + 3)) / 510.0;
    const double highlight = lightness >= 0.75 ? 1 : 0.25 / (1 - lightness);
    const HexColor face = colorToHex(base);
    std::array<ColorValue, colorRoleCount> colors{};
    for (ColorRole role : allColorRoles) {
        ColorValue& color = colors[roleIndex(role)];
        switch (roleRow(role).derivation) {
        case BaseDerivation::Lighter:
            color = mix(highlight, 0);
            break;
        case BaseDerivation::HalfToWhite:
            color = mix(0.5, 0);
            break;
        case BaseDerivation::TwoThirds:
            color = mix(0, 1.0 / 3);
            break;
        case BaseDerivation::OneThird:
            color = mix(0, 2.0 / 3);
            break;
        case BaseDerivation::Contrasting: // whichever stands out more against the face
            color = contrastRatio(face, "#000000") >= contrastRatio(face, "#FFFFFF") ? 0 : 0xFFFFFF;
            break;
        default:
            color = base;
            break;
        }
    }
    return colors;
}

} // namespace brisvane
