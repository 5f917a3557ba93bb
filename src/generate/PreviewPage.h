#pragma once

#include "scheme/ScrollbarScheme.h"

#include <string>
#include <string_view>

namespace brisvane {

// The sample page whose body carries the scheme's seven scrollbar colours: twenty-five lines
// joined by CR LF, without a final line break. Its picture is "dummy.jpg" in programFolder.
std::string buildPreviewPage(const ScrollbarScheme& scheme, std::string_view programFolder);

} // namespace brisvane
