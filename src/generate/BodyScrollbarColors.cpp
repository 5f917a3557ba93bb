#include "generate/BodyScrollbarColors.h"

#include "generate/CssColor.h"
#include "scheme/Ascii.h"
#include "scheme/HexColor.h"

namespace brisvane {

namespace {

using ascii::equalsNoCase;
using ascii::findNoCase;
using ascii::isSpace;
using ascii::trimmed;

// Does the tag name end here (so that "<bodyx" is not "<body")?
bool tagNameEndsAt(std::string_view html, std::size_t pos) {
    return pos >= html.size() || isSpace(html[pos]) || html[pos] == '>' || html[pos] == '/';
}

void applyDeclarations(std::string_view block, BodyScrollbarColors& colors) {
    std::size_t start = 0;
    while (start <= block.size()) {
        std::size_t end = block.find(';', start);
        if (end == std::string_view::npos)
            end = block.size();
        const std::string_view decl = block.substr(start, end - start);
        const std::size_t colon = decl.find(':');
        if (colon != std::string_view::npos) {
            const std::string_view name = trimmed(decl.substr(0, colon));
            std::string_view value = trimmed(decl.substr(colon + 1));
            const std::size_t bang = value.find('!');
            if (bang != std::string_view::npos &&
                equalsNoCase(trimmed(value.substr(bang + 1)), "important"))
                value = trimmed(value.substr(0, bang));
            for (ColorRole role : allColorRoles) {
                if (equalsNoCase(name, cssPropertyName(role)))
                    colors[roleIndex(role)] = std::string(value);
            }
        }
        start = end + 1;
    }
}

bool selectorListHasBody(std::string_view selectors) {
    std::size_t start = 0;
    while (start <= selectors.size()) {
        std::size_t end = selectors.find(',', start);
        if (end == std::string_view::npos)
            end = selectors.size();
        if (equalsNoCase(trimmed(selectors.substr(start, end - start)), "body"))
            return true;
        start = end + 1;
    }
    return false;
}

// Style sheet text with its comments and the HTML comment marks around it made blank.
std::string cleanSheet(std::string_view css) {
    std::string out(css);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out.compare(i, 2, "/*") == 0) {
            const std::size_t end = out.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? out.size() : end + 2;
            std::fill(out.begin() + static_cast<std::ptrdiff_t>(i),
                      out.begin() + static_cast<std::ptrdiff_t>(stop), ' ');
            i = stop - 1;
        } else if (out.compare(i, 4, "<!--") == 0) {
            out.replace(i, 4, "    ");
        } else if (out.compare(i, 3, "-->") == 0) {
            out.replace(i, 3, "   ");
        }
    }
    return out;
}

void applySheet(std::string_view css, BodyScrollbarColors& colors) {
    const std::string sheet = cleanSheet(css);
    const std::string_view s = sheet;
    std::size_t pos = 0;
    while (pos < s.size()) {
        while (pos < s.size() && isSpace(s[pos]))
            ++pos;
        // "@import ...;" and "@charset ...;" end at their semicolon, and the rule after them
        // counts.
        if (pos < s.size() && s[pos] == '@') {
            const std::size_t stop = s.find_first_of(";{", pos);
            if (stop == std::string_view::npos)
                return;
            if (s[stop] == ';') {
                pos = stop + 1;
                continue;
            }
        }
        const std::size_t open = s.find('{', pos);
        if (open == std::string_view::npos)
            return;
        const std::string_view prelude = trimmed(s.substr(pos, open - pos));
        // Find the matching brace; blocks inside at-rules are not for the body rule.
        std::size_t depth = 1;
        std::size_t close = open + 1;
        bool nested = false;
        for (; close < s.size() && depth > 0; ++close) {
            if (s[close] == '{') {
                ++depth;
                nested = true;
            } else if (s[close] == '}') {
                --depth;
            }
        }
        const std::size_t blockEnd = depth == 0 ? close - 1 : s.size();
        if (!nested && !prelude.empty() && prelude.front() != '@' && selectorListHasBody(prelude))
            applyDeclarations(s.substr(open + 1, blockEnd - open - 1), colors);
        pos = close;
    }
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
        std::string_view value;
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

// Is there a tag with this (lower-case) name at pos, which holds a '<'?
bool tagAt(std::string_view html, std::size_t pos, std::string_view name) {
    const std::size_t nameEnd = pos + 1 + name.size();
    return nameEnd <= html.size() && equalsNoCase(html.substr(pos + 1, name.size()), name) &&
           tagNameEndsAt(html, nameEnd);
}

} // namespace

BodyScrollbarColors findBodyScrollbarColors(std::string_view html) {
    BodyScrollbarColors colors;
    std::optional<std::string_view> bodyStyle;
    bool bodySeen = false;
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
            applySheet(html.substr(open + 1, close - open - 1), colors);
            pos = close;
        } else if (tagAt(html, pos, "script")) {
            // A script may write tags in its strings; they are not this page's tags.
            const std::size_t close = findNoCase(html, "</script", pos + 7);
            if (close == std::string_view::npos)
                break;
            pos = close + 1;
        } else if (!bodySeen && tagAt(html, pos, "body")) {
            bodySeen = true;
            const std::size_t nameEnd = pos + 5;
            const std::size_t end = tagEnd(html, nameEnd);
            bodyStyle = attributeValue(html.substr(nameEnd, end - nameEnd), "style");
            pos = end;
        } else {
            ++pos;
        }
    }
    // The body's own style attribute wins over every style sheet, wherever that stands.
    if (bodyStyle)
        applyDeclarations(*bodyStyle, colors);
    return colors;
}

BodyScrollbarColors findBodyScrollbarHexColors(std::string_view html) {
    BodyScrollbarColors colors = findBodyScrollbarColors(html);
    for (std::optional<std::string>& text : colors) {
        const auto color = text ? parseCssColor(*text) : std::nullopt;
        text = color ? std::optional(colorToHex(*color)) : std::nullopt;
    }
    return colors;
}

} // namespace brisvane
