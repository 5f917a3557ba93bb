#pragma once

#include "scheme/HexColor.h"

#include <optional>
#include <string_view>

namespace brisvane {

// A CSS colour value as a browser of the classic scroll bar colours takes it: "#RGB",
// "#RRGGBB", "rgb(r, g, b)" with numbers from 0 to 255 or percentages, or one of the CSS colour
// names, in any letter case and with blanks around it. Anything else (and "transparent", which
// no scroll bar part can be) is no colour.
std::optional<ColorValue> parseCssColor(std::string_view text);

} // namespace brisvane
