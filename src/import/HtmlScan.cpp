#include "import/PageReader.h"

#include <algorithm>
#include <optional>

// How the reader finds its way through a page: its doctype, its server code and comments, its
// style elements, and the style attributes of its html and body tags.
namespace brisvane::reader {

namespace {

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

} // namespace

bool PageReader::isPage() const {
    const std::string_view clean = m_clean;
    return holdsTag(clean, "style") || holdsTag(clean, "html") || holdsTag(clean, "head") ||
           holdsTag(clean, "body");
}

// What the server runs, "<?php ... ?>", "<? ... ?>", "<% ... %>" and an unclosed one to
// the end, never reaches the browser, nor does a processing instruction such as the XML
// declaration: all are blanked, wherever they stand, before the page or sheet is read.
void PageReader::blankServerCode() {
    for (std::size_t pos = 0; (pos = m_clean.find('<', pos)) != std::string::npos;) {
        const char kind = pos + 1 < m_clean.size() ? m_clean[pos + 1] : '\0';
        if (kind != '?' && kind != '%') {
            ++pos;
            continue;
        }
        const std::size_t close = m_clean.find(kind == '?' ? "?>" : "%>", pos + 2);
        const std::size_t end = close == std::string::npos ? m_clean.size() : close + 2;
        if (kind == '?' && m_xmlDeclaration == std::string::npos &&
            startsWithNoCase(m_clean, pos, "<?xml") && pos + 5 < end && isSpace(m_clean[pos + 5]))
            m_xmlDeclaration = pos;
        blank(pos, end);
        pos = end;
    }
}

// The page from its start: a doctype before every tag sets the mode; each style element for
// the screen gives a sheet, and the first html and body tags their style attributes; comments
// and scripts are passed over, and a style attribute that colours another element is noted.
void PageReader::readPage() {
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
            if (const auto style = attributeValue(html.substr(nameEnd, end - nameEnd), "style")) {
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
                                   "in the style attribute of <" + shortText(ascii::lowered(name)) +
                                       ">");
            }
            pos = end;
        } else {
            ++pos;
        }
    }
}

} // namespace brisvane::reader
