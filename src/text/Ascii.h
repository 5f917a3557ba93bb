#pragma once

#include "text/HexDigits.h"

#include <algorithm>
#include <string>
#include <string_view>

// Letter case and white space of the ASCII range only. Bytes from 0x80 up are left as they
// are whatever the locale, so that names and values in any encoding compare byte for byte.
namespace brisvane::ascii {

// Sets of white space to trim.
inline constexpr std::string_view blanks = " \t";         // a line of a profile file
inline constexpr std::string_view cssSpace = " \t\r\n\f"; // CSS and HTML

constexpr char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

// A character of a CSS name: an ASCII letter or digit, '-', '_', or any byte of UTF-8 beyond
// ASCII.
constexpr bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

constexpr bool isSpace(char c, std::string_view spaces = cssSpace) {
    return spaces.find(c) != std::string_view::npos;
}

constexpr std::string_view trimmed(std::string_view s, std::string_view spaces = cssSpace) {
    while (!s.empty() && isSpace(s.front(), spaces))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back(), spaces))
        s.remove_suffix(1);
    return s;
}

constexpr bool equalNoCase(char a, char b) {
    return lower(a) == lower(b);
}

constexpr bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), equalNoCase);
}

// Does text hold prefix at position at, letter case aside?
constexpr bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    return at <= text.size() && equalsNoCase(text.substr(at, prefix.size()), prefix);
}

// Position of needle in haystack at or after from, letter case aside; npos when absent.
constexpr std::size_t findNoCase(std::string_view haystack, std::string_view needle,
                                 std::size_t from = 0) {
    if (from > haystack.size())
        return std::string_view::npos;
    const auto it = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from),
                                haystack.end(), needle.begin(), needle.end(), equalNoCase);
    return it == haystack.end() ? std::string_view::npos
                                : static_cast<std::size_t>(it - haystack.begin());
}

// A text to show in one line of a message: control characters, line breaks among them, as
// \xNN, so that a file name cannot end the line or forge another.
inline std::string oneLine(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            out += {'\\', 'x', hexDigit(c >> 4), hexDigit(c)};
        else
            out += static_cast<char>(c);
    }
    return out;
}

} // namespace brisvane::ascii
