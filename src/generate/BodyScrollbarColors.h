#pragma once

#include "scheme/ColorRole.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brisvane {

// The values of the seven scrollbar-*-color declarations that apply to a document's body,
// taken from the rules for "body" in its style elements and from the body tag's own style
// attribute (which wins). Values are trimmed and keep their case; "!important" is dropped.
// A role without a declaration has no value. Any text is accepted: nothing here throws.
using BodyScrollbarColors = std::array<std::optional<std::string>, colorRoleCount>;
BodyScrollbarColors findBodyScrollbarColors(std::string_view html);

// The same colours as a browser takes them (#RGB, #RRGGBB, rgb(), the colour names, in any
// letter case), each written "#RRGGBB". A value that is no colour counts as not set.
BodyScrollbarColors findBodyScrollbarHexColors(std::string_view html);

} // namespace brisvane
