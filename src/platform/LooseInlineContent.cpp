#include "platform/LooseInlineContent.h"

#include "text/Ascii.h"

#include <algorithm>
#include <array>

namespace brisvane {

namespace {

using ascii::startsWithNoCase;

constexpr std::array<std::string_view, 26> blockTags{
    "p",   "div", "h1",     "h2",   "h3",      "h4",         "h5",   "h6",  "ul",
    "ol",  "li",  "dl",     "dt",   "dd",      "table",      "tr",   "td",  "th",
    "pre", "hr",  "center", "form", "address", "blockquote", "body", "html"};

// Is there a block element's opening or closing tag at `at` (which holds '<')?
bool isBlockTag(std::string_view html, std::size_t at) {
    std::size_t i = at + 1;
    if (i < html.size() && html[i] == '/')
        ++i;
    std::size_t end = i;
    while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end])))
        ++end;
    if (end == i)
        return false;
    std::string name;
    for (std::size_t k = i; k < end; ++k)
        name += ascii::lower(html[k]);
    return std::find(blockTags.begin(), blockTags.end(), name) != blockTags.end();
}

} // namespace

std::string wrapLooseInlineContent(std::string_view html) {
    std::string out;
    out.reserve(html.size() + 64);
    std::size_t copied = 0;
    std::size_t pos = 0;
    while (true) {
        std::size_t close = std::string_view::npos;
        for (std::size_t i = pos; i + 4 <= html.size(); ++i) {
            if (html[i] == '<' && startsWithNoCase(html, i, "</p>")) {
                close = i;
                break;
            }
        }
        if (close == std::string_view::npos)
            break;
        std::size_t start = close + 4;
        while (start < html.size() && ascii::isSpace(html[start]))
            ++start;
        pos = start;
        if (start >= html.size() || (html[start] == '<' && isBlockTag(html, start)) ||
            startsWithNoCase(html, start, "<!--"))
            continue;
        std::size_t end = start;
        while (end < html.size() && !(html[end] == '<' && isBlockTag(html, end)))
            ++end;
        out.append(html.substr(copied, start - copied));
        out += "<div>";
        out.append(html.substr(start, end - start));
        out += "</div>";
        copied = end;
        pos = end;
    }
    out.append(html.substr(copied));
    return out;
}

} // namespace brisvane
