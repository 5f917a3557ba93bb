#pragma once

#include "generate/BlockReach.h"
#include "scheme/ScrollbarScheme.h"

#include <string>

namespace brisvane {

// The copy-and-paste style element that gives a page's body the scheme's seven scrollbar
// colours: fourteen lines joined by CR LF, without a final line break. The colour texts go
// in exactly as the scheme holds them. A reach of named boxes puts their selector list in
// place of "body".
std::string buildStyleBlock(const ScrollbarScheme& scheme, const BlockReach& reach = {});

// Appends the block's rule, from "    body" (or the reach's selector list) to "    }", each
// line ended by CR LF.
void appendClassicBodyRule(std::string& out, const ScrollbarScheme& scheme,
                           const BlockReach& reach);

} // namespace brisvane
