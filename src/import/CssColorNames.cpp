#include "import/CssColorNames.h"

#include <algorithm>
#include <iterator>

namespace brisvane {

namespace {

struct NamedColor {
    std::string_view name;
    ColorValue value; // 0x00BBGGRR
};

// The CSS colour names in alphabetical order, for a binary search.
constexpr NamedColor namedColors[] = {
    {"aliceblue", 0xFFF8F0},
    {"antiquewhite", 0xD7EBFA},
    {"aqua", 0xFFFF00},
    {"aquamarine", 0xD4FF7F},
    {"azure", 0xFFFFF0},
    {"beige", 0xDCF5F5},
    {"bisque", 0xC4E4FF},
    {"black", 0x000000},
    {"blanchedalmond", 0xCDEBFF},
    {"blue", 0xFF0000},
    {"blueviolet", 0xE22B8A},
    {"brown", 0x2A2AA5},
    {"burlywood", 0x87B8DE},
    {"cadetblue", 0xA09E5F},
    {"chartreuse", 0x00FF7F},
    {"chocolate", 0x1E69D2},
    {"coral", 0x507FFF},
    {"cornflowerblue", 0xED9564},
    {"cornsilk", 0xDCF8FF},
    {"crimson", 0x3C14DC},
    {"cyan", 0xFFFF00},
    {"darkblue", 0x8B0000},
    {"darkcyan", 0x8B8B00},
    {"darkgoldenrod", 0x0B86B8},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0x6BB7BD},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x2F6B55},
    {"darkorange", 0x008CFF},
    {"darkorchid", 0xCC3299},
    {"darkred", 0x00008B},
    {"darksalmon", 0x7A96E9},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x8B3D48},
    {"darkslategray", 0x4F4F2F},
    {"darkslategrey", 0x4F4F2F},
    {"darkturquoise", 0xD1CE00},
    {"darkviolet", 0xD30094},
    {"deeppink", 0x9314FF},
    {"deepskyblue", 0xFFBF00},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0xFF901E},
    {"firebrick", 0x2222B2},
    {"floralwhite", 0xF0FAFF},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xFFF8F8},
    {"gold", 0x00D7FF},
    {"goldenrod", 0x20A5DA},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0x2FFFAD},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xB469FF},
    {"indianred", 0x5C5CCD},
    {"indigo", 0x82004B},
    {"ivory", 0xF0FFFF},
    {"khaki", 0x8CE6F0},
    {"lavender", 0xFAE6E6},
    {"lavenderblush", 0xF5F0FF},
    {"lawngreen", 0x00FC7C},
    {"lemonchiffon", 0xCDFAFF},
    {"lightblue", 0xE6D8AD},
    {"lightcoral", 0x8080F0},
    {"lightcyan", 0xFFFFE0},
    {"lightgoldenrodyellow", 0xD2FAFA},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xC1B6FF},
    {"lightsalmon", 0x7AA0FF},
    {"lightseagreen", 0xAAB220},
    {"lightskyblue", 0xFACE87},
    {"lightslategray", 0x998877},
    {"lightslategrey", 0x998877},
    {"lightsteelblue", 0xDEC4B0},
    {"lightyellow", 0xE0FFFF},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xE6F0FA},
    {"magenta", 0xFF00FF},
    {"maroon", 0x000080},
    {"mediumaquamarine", 0xAACD66},
    {"mediumblue", 0xCD0000},
    {"mediumorchid", 0xD355BA},
    {"mediumpurple", 0xDB7093},
    {"mediumseagreen", 0x71B33C},
    {"mediumslateblue", 0xEE687B},
    {"mediumspringgreen", 0x9AFA00},
    {"mediumturquoise", 0xCCD148},
    {"mediumvioletred", 0x8515C7},
    {"midnightblue", 0x701919},
    {"mintcream", 0xFAFFF5},
    {"mistyrose", 0xE1E4FF},
    {"moccasin", 0xB5E4FF},
    {"navajowhite", 0xADDEFF},
    {"navy", 0x800000},
    {"oldlace", 0xE6F5FD},
    {"olive", 0x008080},
    {"olivedrab", 0x238E6B},
    {"orange", 0x00A5FF},
    {"orangered", 0x0045FF},
    {"orchid", 0xD670DA},
    {"palegoldenrod", 0xAAE8EE},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xEEEEAF},
    {"palevioletred", 0x9370DB},
    {"papayawhip", 0xD5EFFF},
    {"peachpuff", 0xB9DAFF},
    {"peru", 0x3F85CD},
    {"pink", 0xCBC0FF},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xE6E0B0},
    {"purple", 0x800080},
    {"rebeccapurple", 0x993366},
    {"red", 0x0000FF},
    {"rosybrown", 0x8F8FBC},
    {"royalblue", 0xE16941},
    {"saddlebrown", 0x13458B},
    {"salmon", 0x7280FA},
    {"sandybrown", 0x60A4F4},
    {"seagreen", 0x578B2E},
    {"seashell", 0xEEF5FF},
    {"sienna", 0x2D52A0},
    {"silver", 0xC0C0C0},
    {"skyblue", 0xEBCE87},
    {"slateblue", 0xCD5A6A},
    {"slategray", 0x908070},
    {"slategrey", 0x908070},
    {"snow", 0xFAFAFF},
    {"springgreen", 0x7FFF00},
    {"steelblue", 0xB48246},
    {"tan", 0x8CB4D2},
    {"teal", 0x808000},
    {"thistle", 0xD8BFD8},
    {"tomato", 0x4763FF},
    {"turquoise", 0xD0E040},
    {"violet", 0xEE82EE},
    {"wheat", 0xB3DEF5},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0x00FFFF},
    {"yellowgreen", 0x32CD9A},
};
static_assert(std::size(namedColors) == 148);
static_assert(std::is_sorted(std::begin(namedColors), std::end(namedColors),
                             [](const NamedColor& a, const NamedColor& b) {
                                 return a.name < b.name;
                             }));

std::optional<ColorValue> lookUp(const NamedColor* begin, const NamedColor* end,
                                 std::string_view name) {
    const auto found = std::lower_bound(
        begin, end, name, [](const NamedColor& c, std::string_view n) { return c.name < n; });
    return found != end && found->name == name ? std::optional(found->value) : std::nullopt;
}

// The CSS 2 system colours, as the classic standard desktop scheme, the one the program's
// default colours come from, paints them.
constexpr NamedColor systemColors[] = {
    {"activeborder", 0xC0C0C0},   {"activecaption", 0x800000},   {"appworkspace", 0x808080},
    {"background", 0x808000},     {"buttonface", 0xC0C0C0},      {"buttonhighlight", 0xFFFFFF},
    {"buttonshadow", 0x808080},   {"buttontext", 0x000000},      {"captiontext", 0x000000},
    {"graytext", 0x808080},       {"highlight", 0x800000},       {"highlighttext", 0xFFFFFF},
    {"inactiveborder", 0xC0C0C0}, {"inactivecaption", 0x808080}, {"inactivecaptiontext", 0xC0C0C0},
    {"infobackground", 0xE1FFFF}, {"infotext", 0x000000},        {"menu", 0xC0C0C0},
    {"menutext", 0x000000},       {"scrollbar", 0xC0C0C0},       {"threeddarkshadow", 0x404040},
    {"threedface", 0xC0C0C0},     {"threedhighlight", 0xFFFFFF}, {"threedlightshadow", 0xC0C0C0},
    {"threedshadow", 0x808080},   {"window", 0xFFFFFF},          {"windowframe", 0x000000},
    {"windowtext", 0x000000},
};

} // namespace

std::optional<ColorValue> colorOfCssName(std::string_view lowerName) {
    if (auto value = lookUp(std::begin(namedColors), std::end(namedColors), lowerName))
        return value;
    return lookUp(std::begin(systemColors), std::end(systemColors), lowerName);
}

} // namespace brisvane
