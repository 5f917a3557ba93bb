#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisvane {

// Lists of names travel as one text with a NUL between names and none after the last.
inline std::string joinNames(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += '\0';
        list += names[i];
    }
    return list;
}

inline std::vector<std::string> splitNames(const std::string& list) {
    std::vector<std::string> names;
    if (list.empty())
        return names;
    std::size_t start = 0;
    while (true) {
        const std::size_t nul = list.find('\0', start);
        names.push_back(list.substr(start, nul - start));
        if (nul == std::string::npos)
            return names;
        start = nul + 1;
    }
}

} // namespace brisvane
