#include "generate/CssColor.h"

#include "scheme/Ascii.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace brisvane {

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

ColorValue rgb(int red, int green, int blue) {
    return static_cast<ColorValue>(red | (green << 8) | (blue << 16));
}

int hexDigit(char c) {
    if (isAsciiDigit(c))
        return c - '0';
    c = ascii::lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::optional<ColorValue> parseHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 6)
        return std::nullopt;
    int values[6] = {};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        values[i] = hexDigit(digits[i]);
        if (values[i] < 0)
            return std::nullopt;
    }
    // "#ABC" stands for "#AABBCC".
    if (digits.size() == 3)
        return rgb(values[0] * 17, values[1] * 17, values[2] * 17);
    return rgb(values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5]);
}

// One rgb() component: 0 to 255, or 0% to 100%.
std::optional<int> parseComponent(std::string_view text) {
    text = ascii::trimmed(text);
    const bool percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!isAsciiDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (percent)
        return value <= 100 ? std::optional<int>((value * 255 + 50) / 100) : std::nullopt;
    return value <= 255 ? std::optional<int>(value) : std::nullopt;
}

std::optional<ColorValue> parseRgb(std::string_view text) {
    constexpr std::string_view prefix = "rgb(";
    if (text.size() < prefix.size() + 1 || text.back() != ')')
        return std::nullopt;
    if (!ascii::startsWithNoCase(text, 0, prefix))
        return std::nullopt;
    std::string_view inner = text.substr(prefix.size(), text.size() - prefix.size() - 1);
    int components[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = inner.find(',');
        if ((i < 2) != (comma != std::string_view::npos))
            return std::nullopt;
        const auto value = parseComponent(inner.substr(0, comma));
        if (!value)
            return std::nullopt;
        components[i] = *value;
        inner = comma == std::string_view::npos ? std::string_view() : inner.substr(comma + 1);
    }
    return rgb(components[0], components[1], components[2]);
}

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

std::optional<ColorValue> parseName(std::string_view text) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::array<char, 20> lower{};
    std::transform(text.begin(), text.end(), lower.begin(), ascii::lower);
    const std::string_view name(lower.data(), text.size());
    const auto found =
        std::lower_bound(std::begin(namedColors), std::end(namedColors), name,
                         [](const NamedColor& c, std::string_view n) { return c.name < n; });
    if (found == std::end(namedColors) || found->name != name)
        return std::nullopt;
    return found->value;
}

} // namespace

std::optional<ColorValue> parseCssColor(std::string_view text) {
    text = ascii::trimmed(text);
    if (text.empty())
        return std::nullopt;
    if (text.front() == '#')
        return parseHex(text.substr(1));
    if (auto color = parseRgb(text))
        return color;
    return parseName(text);
}

} // namespace brisvane
