#include "import/ScrollbarColorReader.h"

#include "import/CssColor.h"
#include "scheme/Ascii.h"
#include "scheme/Contrast.h"

#include <unicode/ustring.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace brisvane {

namespace {

using ascii::equalsNoCase;
using ascii::findNoCase;
using ascii::isSpace;
using ascii::trimmed;

// The seven roles' properties, then the base colour's, then the two states' backgrounds.
constexpr std::size_t baseIndex = colorRoleCount;
constexpr std::size_t stateIndex = baseIndex + 1;
constexpr std::size_t propertyCount = stateIndex + stateColorRoles.size();
constexpr std::string_view baseProperty = "scrollbar-base-color";
// The light colours, and those for dark mode.
enum Set { Light, Dark };

std::string_view propertyName(std::size_t index) {
    if (index >= stateIndex)
        return "background-color";
    return index == baseIndex ? baseProperty : cssPropertyName(allColorRoles[index]);
}

// Where a declaration stands in the cascade: a style sheet's normal ones lowest, then a style
// attribute's, then a sheet's !important ones, then an attribute's.
enum Level { SheetNormal, AttributeNormal, SheetImportant, AttributeImportant };

struct Declaration {
    std::string_view value;
    std::size_t offset; // of the value in the text
    Level level;
};

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

// Can this selector, in a list or alone, match a page's html or body element? One compound,
// html, body, :root or *; or two joined by a blank or ">", the first html, :root or * and the
// second body or *.
bool selectorReachesPage(std::string_view selector) {
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
    if (compounds.size() == 1)
        return is(compounds[0], {"html", "body", ":root", "*"});
    return compounds.size() == 2 && is(compounds[0], {"html", ":root", "*"}) &&
           is(compounds[1], {"body", "*"});
}

// The state a selector of a scrollbar's thumb or buttons on the page names:
// "::-webkit-scrollbar-thumb:hover", "body::-webkit-scrollbar-button:active"...; the index of
// its background in the properties read, or nothing.
std::optional<std::size_t> stateOfSelector(std::string_view selector) {
    const std::string s = ascii::lowered(trimmed(selector));
    const std::size_t part = s.find("::-webkit-scrollbar-");
    if (part == std::string::npos ||
        (part > 0 && !selectorReachesPage(std::string_view(s).substr(0, part))))
        return std::nullopt;
    const std::string_view rest = std::string_view(s).substr(part + 20);
    if (!rest.starts_with("thumb") && !rest.starts_with("button"))
        return std::nullopt;
    for (std::size_t i = 0; i < stateColorRoles.size(); ++i) {
        if (rest.ends_with(stateColorRoles[i] == ColorRole::Hover ? ":hover" : ":active"))
            return stateIndex + i;
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

bool selectorListReachesPage(std::string_view list) {
    bool reaches = false;
    splitTopLevel(list, ',', [&](std::string_view selector) {
        reaches = reaches || selectorReachesPage(selector);
    });
    return reaches;
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

// A page saved as UTF-16 (Notepad's "Unicode"), known by its byte order mark, as UTF-8;
// nothing for any other text. A unit that is no character becomes U+FFFD.
std::optional<std::string> fromUtf16(std::string_view bytes) {
    const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
    if (!little && !big)
        return std::nullopt;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(little ? first | second << 8 : first << 8 | second));
    }
    std::string utf8(units.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(utf8.data(), static_cast<int32_t>(utf8.size()), &length, units.data(),
                       static_cast<int32_t>(units.size()), 0xFFFD, nullptr, &status);
    utf8.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return utf8;
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text), m_clean(text) {}

    ScrollbarColors read() {
        const bool page = holdsTag(m_text, "style") || holdsTag(m_text, "html") ||
                          holdsTag(m_text, "head") || holdsTag(m_text, "body");
        if (page)
            readPage();
        else
            readSheet(0, m_text.size());
        return resolve();
    }

private:
    void readPage() {
        const std::string_view html = m_text;
        bool htmlSeen = false, bodySeen = false;
        std::size_t pos = 0;
        while ((pos = html.find('<', pos)) != std::string_view::npos) {
            if (html.compare(pos, 4, "<!--") == 0) {
                // Whatever an HTML comment holds is not part of the page. "<!-->" is empty.
                const std::size_t end = html.find("-->", pos + 2);
                if (end == std::string_view::npos)
                    break;
                pos = end + 3;
            } else if (tagAt(html, pos, "style")) {
                const std::size_t open = tagEnd(html, pos + 6);
                if (open == html.size())
                    break;
                std::size_t close = findNoCase(html, "</style", open + 1);
                if (close == std::string_view::npos)
                    close = html.size();
                const auto media = attributeValue(html.substr(pos + 6, open - pos - 6), "media");
                if (!media || mediaReachesScreen(*media))
                    readSheet(open + 1, close);
                pos = close;
            } else if (tagAt(html, pos, "script")) {
                // A script may write tags in its strings; they are not this page's tags.
                const std::size_t close = findNoCase(html, "</script", pos + 7);
                if (close == std::string_view::npos)
                    break;
                pos = close + 1;
            } else if ((!htmlSeen && tagAt(html, pos, "html")) ||
                       (!bodySeen && tagAt(html, pos, "body"))) {
                const bool isBody = tagAt(html, pos, "body");
                (isBody ? bodySeen : htmlSeen) = true;
                const std::size_t nameEnd = pos + 5; // "<html" or "<body"
                const std::size_t end = tagEnd(html, nameEnd);
                if (const auto style =
                        attributeValue(html.substr(nameEnd, end - nameEnd), "style")) {
                    const std::size_t at = static_cast<std::size_t>(style->data() - html.data());
                    blankComments(at, at + style->size());
                    readDeclarations(at, at + style->size(), true);
                }
                pos = end;
            } else {
                ++pos;
            }
        }
    }

    // Makes CSS comments blank in the cleaned text between begin and end, line breaks kept. The
    // searches stop at end: a string or comment left open in one style element must not send
    // them through the rest of the page again for every element after it.
    void blankComments(std::size_t begin, std::size_t end) {
        const std::string_view s = std::string_view(m_clean).substr(0, end);
        for (std::size_t i = begin; i + 1 < end; ++i) {
            if (s[i] == '"' || s[i] == '\'') {
                const std::size_t close = s.find(s[i], i + 1);
                i = close == std::string_view::npos ? end : close;
            } else if (s.compare(i, 2, "/*") == 0) {
                const std::size_t close = std::min(s.find("*/", i + 2), end - 2);
                for (std::size_t j = i; j < close + 2; ++j)
                    m_clean[j] = m_clean[j] == '\n' ? '\n' : ' ';
                i = close + 1;
            }
        }
    }

    void readSheet(std::size_t begin, std::size_t end) {
        blankComments(begin, end);
        readRules(begin, end);
    }

    // The rules of a style sheet between begin and end: those for the page, also within
    // @media for the screen, give their declarations; any other at-rule is passed over. One
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
            if (media) {
                skipNested(trimmed(prelude.substr(6)));
            } else if (!atRule && selectorListReachesPage(prelude)) {
                readDeclarations(open + 1, close, false, set);
            } else if (!atRule) {
                splitTopLevel(prelude, ',', [&](std::string_view selector) {
                    if (const auto state = stateOfSelector(selector))
                        readStateBackground(open + 1, close, *state, set);
                });
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
    void readStateBackground(std::size_t begin, std::size_t end, std::size_t state, Set set) {
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
                    m_found[set][state].push_back(
                        {word, static_cast<std::size_t>(word.data() - m_clean.data()),
                         SheetNormal});
            });
        });
    }

    // The declarations of a rule's block or a style attribute between begin and end.
    void readDeclarations(std::size_t begin, std::size_t end, bool attribute, Set set = Light) {
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
            value = trimmed(value);
            for (std::size_t p = 0; p <= baseIndex; ++p) {
                if (!equalsNoCase(name, propertyName(p)))
                    continue;
                const Level level = important ? (attribute ? AttributeImportant : SheetImportant)
                                              : (attribute ? AttributeNormal : SheetNormal);
                m_found[set][p].push_back(
                    {value, static_cast<std::size_t>(value.data() - m_clean.data()), level});
            }
        });
    }

    void skip(std::size_t property, const Declaration& d, std::string why,
              SkippedColor::Instead instead) {
        m_skipped.emplace_back(d.offset,
                               SkippedColor{std::string(propertyName(property)),
                                            std::string(m_text.substr(d.offset, d.value.size())), 0,
                                            std::move(why), instead});
    }

    // An @media block too deep to be read; `media` is its query list, in the cleaned text.
    void skipNested(std::string_view media) {
        const auto offset = static_cast<std::size_t>(media.data() - m_clean.data());
        m_skipped.emplace_back(
            offset,
            SkippedColor{"@media", std::string(m_text.substr(offset, media.size())), 0,
                         "is nested deeper than " + std::to_string(maxMediaNesting) + " levels",
                         SkippedColor::Instead::RulesSkipped});
    }

    // The property's winning usable colour. The values set for it that give nothing are said,
    // `instead` saying what stands in their place, and so is an alpha dropped from a winner.
    std::optional<ColorValue> resolve(Set set, std::size_t p, SkippedColor::Instead instead) {
        std::vector<CssColorReading> colors;
        const Declaration* winner = nullptr;
        for (const Declaration& d : m_found[set][p]) {
            m_colors.anySet = true;
            colors.push_back(readCssColor(d.value));
            if (colors.back().kind == CssColorReading::Kind::Color &&
                (!winner || d.level >= winner->level))
                winner = &d;
        }
        if (!winner) {
            for (std::size_t i = 0; i < colors.size(); ++i)
                skip(p, m_found[set][p][i],
                     colors[i].kind == CssColorReading::Kind::Unconverted
                         ? "is a colour this program does not convert"
                         : "is not a colour",
                     instead);
            return std::nullopt;
        }
        const CssColorReading& winning =
            colors[static_cast<std::size_t>(winner - m_found[set][p].data())];
        if (winning.alpha < 1) {
            std::ostringstream alpha;
            alpha << std::setprecision(2) << winning.alpha;
            skip(p, *winner, "has an alpha of " + alpha.str(), SkippedColor::Instead::Opaque);
        }
        return winning.value;
    }

    // The base colour first: a role its own property leaves without a colour takes the one
    // derived from it.
    ScrollbarColors resolve() {
        for (const Set set : {Light, Dark}) {
            const auto base = resolve(set, baseIndex, SkippedColor::Instead::Nothing);
            const auto derived = base ? std::optional(deriveFromBaseColor(*base)) : std::nullopt;
            auto& colors = set == Light ? m_colors.colors : m_colors.darkColors;
            for (std::size_t i = 0; i < colorRoleCount; ++i) {
                const auto own = resolve(set, i,
                                         derived ? SkippedColor::Instead::FromBase
                                                 : SkippedColor::Instead::Nothing);
                colors[i] = own ? own : derived ? std::optional((*derived)[i]) : std::nullopt;
            }
            for (std::size_t i = 0; i < stateColorRoles.size(); ++i)
                (set == Light ? m_colors.states : m_colors.darkStates)[i] =
                    resolve(set, stateIndex + i, SkippedColor::Instead::Nothing);
        }
        // In the order of the text, which lets the lines be counted in one pass however many
        // there are.
        std::sort(m_skipped.begin(), m_skipped.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::size_t counted = 0;
        int line = 1;
        for (auto& [offset, skipped] : m_skipped) {
            line += static_cast<int>(
                std::count(m_text.begin() + static_cast<std::ptrdiff_t>(counted),
                           m_text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
            counted = offset;
            skipped.line = line;
            m_colors.skipped.push_back(std::move(skipped));
        }
        return std::move(m_colors);
    }

    std::string_view m_text;
    // The text with the comments of its style sheets and attributes made blank, so that
    // offsets and line numbers stay those of the text.
    std::string m_clean;
    std::array<std::array<std::vector<Declaration>, propertyCount>, 2> m_found; // by Set
    std::vector<std::pair<std::size_t, SkippedColor>> m_skipped; // by the value's offset
    ScrollbarColors m_colors;
};

} // namespace

ScrollbarColors readScrollbarColors(std::string_view text) {
    if (const auto utf8 = fromUtf16(text))
        return Reader(*utf8).read();
    return Reader(text).read();
}

std::string describeSkipped(const SkippedColor& skipped, std::string_view nothing) {
    // A property's value follows its name and a colon, an at-rule's condition its name.
    const std::string_view colon = skipped.property.starts_with('@') ? "" : ":";
    std::string line = skipped.property + std::string(colon) + " '" +
                       ascii::oneLine(skipped.value) + "' " + skipped.why;
    if (skipped.instead == SkippedColor::Instead::RulesSkipped)
        return line + "; its rules are skipped";
    if (skipped.instead == SkippedColor::Instead::Opaque)
        return line + "; it is taken opaque";
    if (skipped.instead == SkippedColor::Instead::FromBase)
        return line + "; the one derived from " + std::string(baseProperty) + " is used";
    if (skipped.property == baseProperty)
        return line + "; nothing is derived from it";
    return line + "; " + std::string(nothing);
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
