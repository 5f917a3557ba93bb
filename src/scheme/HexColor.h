#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brisvane {

// A colour as text: "#" and six upper-case hexadecimal digits, red first (#RRGGBB).
using HexColor = std::string;
// A colour as a number: red in bits 0-7, green in 8-15, blue in 16-23 (0x00BBGGRR).
using ColorValue = std::int32_t;

// The colour chooser's value as "#RRGGBB". Meant for 0 to 16777215.
HexColor colorToHex(ColorValue value);

// The colour of a colour text. A leading "#" is skipped; one to five digits are completed
// with zeros on the right ("#F" is red F0); seven or more digits, or none, give black; a
// pair holding anything but hexadecimal digits counts zero. Texts are UTF-8; lengths count
// characters, not bytes.
ColorValue hexToColor(std::string_view text);

// The value of a text of hexadecimal digits (either case). Any other character, or more than
// 255 characters, gives 0, as does a value too large for 32 bits.
std::int32_t hexDigitsValue(std::string_view text);

// True when the text is a whole colour: "#" and six hexadecimal digits, in either case.
bool isWholeColor(std::string_view text);

} // namespace brisvane
