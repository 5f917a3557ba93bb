#pragma once

#include "scheme/ColorRole.h"
#include "scheme/HexColor.h"

#include <array>

namespace brisvane {

// The seven colours the old browser drew from scrollbar-base-color: the face and the 3D light
// are the base; the highlight is a quarter of the way lighter (white for a light grey), the
// track half way to white, the shadow a third darker and the dark shadow two thirds, each
// keeping the base's hue; the arrow is black or white, whichever stands out more against the
// face. For #C0C0C0 these are the program's default colours.
std::array<ColorValue, colorRoleCount> deriveFromBaseColor(ColorValue base);

} // namespace brisvane
