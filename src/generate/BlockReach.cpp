#include "generate/BlockReach.h"

#include "text/Ascii.h"
#include "text/HexDigits.h"

namespace brisvane {

namespace {

// Characters that could end the selector, its rule, the style element or the line.
constexpr std::string_view breakers = "{};<@";
// What selectors are made of besides letters, digits, the other bytes of UTF-8 names, quotes,
// brackets, backslashes and commas.
constexpr std::string_view selectorMarks = "-_.#:=~|^$*+> \t";

std::string quoted(char32_t c) {
    return '"' + std::string(1, static_cast<char>(c)) + '"';
}

// Why the character c, written as it is or (escaped) as a backslash escape, cannot be in a
// selector list here; empty when it can. An escape cannot spell a "/" either: with a "*" after
// it, it would start a comment.
std::string refusal(char32_t c, bool escaped) {
    const std::string how = escaped ? "an escape for " : "";
    if ((c < 0x80 && breakers.find(static_cast<char>(c)) != std::string_view::npos) ||
        (escaped && c == '/'))
        return "the selector list holds " + how + quoted(c);
    if (c == '\n' || c == '\r' || c == '\f')
        return "the selector list holds a line break";
    if (c < 0x20 || c == 0x7F)
        return "the selector list holds a control character";
    return {};
}

// The code point of the escape whose backslash is at text[at], moving at past it. A backslash
// at the end would escape what the block writes after the list: it is taken as a line break.
char32_t escapedCodePoint(std::string_view text, std::size_t& at) {
    ++at;
    if (at == text.size())
        return '\n';
    if (hexDigitValue(text[at]) < 0)
        return static_cast<unsigned char>(text[at++]);
    char32_t value = 0;
    for (int digits = 0; digits < 6 && at < text.size() && hexDigitValue(text[at]) >= 0;
         ++digits, ++at)
        value = value * 16 + static_cast<char32_t>(hexDigitValue(text[at]));
    if (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at; // the one blank that ends a hexadecimal escape belongs to it
    return value;
}

// Why a selector list cannot stand in a rule's selector position; empty when it can.
std::string selectorListProblem(std::string_view text) {
    if (text.empty())
        return "the selector list is empty";
    if (text.size() > maxSelectorListBytes)
        return "the selector list is longer than " + std::to_string(maxSelectorListBytes) +
               " bytes";
    std::string closers; // the brackets open, as the characters that close them
    char quote = 0;
    bool selectorHasText = false;
    // The name just read, escapes spelt out and in small letters: CSS reads "url(" after the
    // name url as a URL that runs to the next ")" whatever it holds, quotes included, and a
    // quote in it would leave a string open over the rest of the block.
    std::string name;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (text.substr(at, 2) == "/*")
            return "the selector list holds \"/*\"";
        const char32_t escaped = c == '\\' ? escapedCodePoint(text, at) : 0;
        std::string why = c == '\\' ? refusal(escaped, true)
                                    : refusal(static_cast<unsigned char>(text[at++]), false);
        if (!why.empty())
            return why;
        if (!quote && c == '(' && name == "url")
            return "the selector list holds url(, which no selector has";
        if (quote || (c != '\\' && !ascii::isNameChar(c)))
            name.clear();
        else
            name += c == '\\' ? (escaped < 0x80 ? ascii::lower(static_cast<char>(escaped)) : '?')
                              : ascii::lower(c);
        if (c == '\\') {
            selectorHasText = true;
        } else if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[' || c == '(') {
            closers += c == '[' ? ']' : ')';
        } else if (c == ']' || c == ')') {
            if (closers.empty() || closers.back() != c)
                return "the selector list has an unmatched " + quoted(c);
            closers.pop_back();
        } else if (c == ',' && closers.empty()) {
            if (!selectorHasText)
                return "the selector list has an empty selector before a comma";
            selectorHasText = false;
            continue;
        } else if (c != ',' && !ascii::isNameChar(c) &&
                   selectorMarks.find(c) == std::string_view::npos) {
            return "the selector list holds " + quoted(static_cast<unsigned char>(c)) +
                   ", which no selector has";
        }
        selectorHasText = selectorHasText || !ascii::isSpace(c);
    }
    if (quote)
        return "the selector list has an unclosed string";
    if (!closers.empty())
        return "the selector list has an unclosed " + quoted(closers.back() == ']' ? '[' : '(');
    if (!selectorHasText)
        return "the selector list ends in a comma";
    return {};
}

} // namespace

Result<BlockReach> BlockReach::matching(std::string_view selectors) {
    const std::string_view list = ascii::trimmed(selectors);
    if (std::string why = selectorListProblem(list); !why.empty())
        return Result<BlockReach>::failed(std::move(why));
    return BlockReach(Kind::Selector, std::string(list));
}

} // namespace brisvane
