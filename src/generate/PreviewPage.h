#pragma once

#include "scheme/ScrollbarScheme.h"

#include <string>
#include <string_view>

namespace brisvane {

// The sample page whose body carries the scheme's seven scrollbar colours: twenty-five lines
// joined by CR LF, without a final line break. Its picture is "dummy.jpg" in programFolder.
std::string buildPreviewPage(const ScrollbarScheme& scheme, std::string_view programFolder);

// A page for the desktop's browser that carries the given style block in its head: the
// sample page's text on a body long and wide enough that both scroll bars show, and the
// corner between them. Lines joined by CR LF, with a final line break.
// A page of the classic block says at its top that its colours show only in Internet Explorer.
std::string buildBrowserPage(std::string_view styleBlock, bool classic = false);

} // namespace brisvane
