#pragma once

#include "text/Ascii.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

// What the page reader makes of selectors and media query lists: which of the page's own
// elements a rule reaches, and how specifically; whether a browser takes the selector at all;
// and which media a block of @media is for.
namespace brisvane::reader {

// The reader compares and trims as CSS and HTML do, in ASCII alone.
using ascii::equalsNoCase;
using ascii::findNoCase;
using ascii::isNameChar;
using ascii::isSpace;
using ascii::startsWithNoCase;
using ascii::trimmed;

// The two elements whose colours the page's own bar may take.
enum Element { Html, Body };

// How specific a selector of the page's own elements is, for html and for body: -1 for an
// element it does not match.
using Reach = std::array<int, 2>;
constexpr Reach reachesNeither{-1, -1};
constexpr bool reachesAny(const Reach& reach) {
    return reach[Html] >= 0 || reach[Body] >= 0;
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

// Would a browser take this selector list? One selector it cannot read makes it drop the
// whole rule, whatever else the list holds.
bool selectorListParses(std::string_view list);

// The elements a selector list reaches, each as specifically as the most specific selector
// that matches it.
Reach selectorListReach(std::string_view list);

// The state a selector of a scrollbar's thumb or buttons on the page names:
// "::-webkit-scrollbar-thumb:hover", "body::-webkit-scrollbar-button:active"...; which of
// stateColorRoles it is and the elements it reaches, or nothing.
std::optional<std::pair<std::size_t, Reach>> stateOfSelector(std::string_view selector);

// Does a media query list ask for dark mode, "(prefers-color-scheme: dark)"?
bool mediaAsksDark(std::string_view list);

// Does a media query list take in the screen? An empty list, or a query for screen or all, or
// for no type at all ("(min-width: 0)"), or "not" some other type, does.
bool mediaReachesScreen(std::string_view list);

} // namespace brisvane::reader
