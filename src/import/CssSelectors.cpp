#include "import/CssSelectors.h"

#include "scheme/ColorRole.h"

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace brisvane::reader {

namespace {

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

} // namespace

bool selectorListParses(std::string_view list) {
    bool parses = true;
    splitTopLevel(list, ',',
                  [&](std::string_view selector) { parses = parses && selectorParses(selector); });
    return parses;
}

Reach selectorListReach(std::string_view list) {
    Reach reach = reachesNeither;
    splitTopLevel(list, ',', [&](std::string_view selector) {
        const Reach one = selectorReach(selector);
        reach = {std::max(reach[Html], one[Html]), std::max(reach[Body], one[Body])};
    });
    return reach;
}

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
            return std::pair{i, reach};
    }
    return std::nullopt;
}

bool mediaAsksDark(std::string_view list) {
    std::string squeezed;
    for (char c : ascii::lowered(list))
        if (!isSpace(c))
            squeezed += c;
    return squeezed.find("prefers-color-scheme:dark") != std::string::npos &&
           !squeezed.starts_with("not");
}

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

} // namespace brisvane::reader
