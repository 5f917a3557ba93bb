#pragma once

#include "scheme/ScrollbarScheme.h"

#include <string>

namespace brisvane {

// The copy-and-paste style element that gives a page's body the scheme's seven scrollbar
// colours: fourteen lines joined by CR LF, without a final line break. The colour texts go
// in exactly as the scheme holds them.
std::string buildStyleBlock(const ScrollbarScheme& scheme);

// Appends the block's body rule, from "    body" to "    }", each line ended by CR LF.
void appendClassicBodyRule(std::string& out, const ScrollbarScheme& scheme);

} // namespace brisvane
