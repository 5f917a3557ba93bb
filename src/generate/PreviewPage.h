#pragma once

#include "scheme/ScrollbarScheme.h"

#include <string>
#include <string_view>

namespace brisvane {

// Separator between a folder and a file name on this platform.
#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

// The sample page whose body carries the scheme's seven scrollbar colours: twenty-five lines
// joined by CR LF, without a final line break. Its picture is "dummy.jpg" in programFolder.
std::string buildPreviewPage(const ScrollbarScheme& scheme, std::string_view programFolder);

} // namespace brisvane
