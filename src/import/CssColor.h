#pragma once

#include "scheme/HexColor.h"

#include <string_view>

namespace brisvane {

// What a CSS colour value says, in any letter case and with blanks around it:
// - a colour: "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA"; rgb() and rgba(), with commas or blanks,
//   numbers or percentages, with or without alpha; hsl(), hsla(), hwb(); the 148 colour names;
//   the CSS 2 system colours (ButtonFace...) as the classic standard desktop scheme paints
//   them; and three or six hexadecimal digits without "#", as Internet Explorer took them.
//   Its alpha is kept apart: the colour itself is opaque.
// - a colour in a space this program does not convert: lab(), lch(), oklab(), oklch(),
//   color().
// - no colour: "transparent", "currentColor", "inherit", var() and anything else.
struct CssColorReading {
    enum class Kind { NotAColor, Color, Unconverted };
    Kind kind = Kind::NotAColor;
    ColorValue value = 0;
    double alpha = 1;
};
CssColorReading readCssColor(std::string_view text);

} // namespace brisvane
