#pragma once

#include "generate/BlockReach.h"
#include "scheme/ScrollbarScheme.h"

#include <string>

namespace brisvane {

// A style element that gives today's browsers the scheme's scroll bar as well as the classic
// block gives it to Internet Explorer: the classic body rule; for Blink and WebKit the raised
// bar drawn from its ::-webkit-scrollbar parts; for Firefox the face and track colours. Lines
// are joined by CR LF, without a final line break. All three parts colour the boxes of the
// reach; the bar keeps its look at any display scale or page zoom and beside a site's own
// scrollbar-width, scrollbar-color or ::-webkit-scrollbar rules.
//
// The colours go into many places here, some of them inside URLs, so only "#" and six
// hexadecimal digits are written, upper-cased; any other text of a role is written as that
// role's default colour. Whatever the scheme holds, the element stays valid CSS and ends at
// its own last line.
//
// A hover or pressed face adds the rules for those states (Firefox has none). A dark set
// makes every colour a custom property that the dark set changes in dark mode or, where the
// site switches its theme itself, within the selector list `darkWhen` (checked as a reach's).
std::string buildEveryBrowserBlock(const ProjectColors& colors, const BlockReach& reach = {},
                                   const std::string& darkWhen = {});

} // namespace brisvane
