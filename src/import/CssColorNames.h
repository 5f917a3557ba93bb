#pragma once

#include "scheme/HexColor.h"

#include <optional>
#include <string_view>

namespace brisvane {

// The colour a name in lower case stands for: one of the 148 CSS colour names ("darkorange"),
// or a CSS 2 system colour ("buttonface") as the classic standard desktop scheme paints it.
std::optional<ColorValue> colorOfCssName(std::string_view lowerName);

} // namespace brisvane
