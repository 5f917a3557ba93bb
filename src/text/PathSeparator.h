#pragma once

#include <string>
#include <string_view>

namespace brisvane {

// Separator between a folder and a file name on this platform.
#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

// The folder and the name with one separator between them: a folder at the root of the file
// system already ends in its separator. An empty folder gives the name alone.
inline std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != pathSeparator)
        path += pathSeparator;
    path += name;
    return path;
}

} // namespace brisvane
