#pragma once

namespace brisvane {

// Separator between a folder and a file name on this platform.
#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

} // namespace brisvane
