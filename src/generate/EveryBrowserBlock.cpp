#include "generate/EveryBrowserBlock.h"

#include "generate/StyleBlock.h"
#include "scheme/Ascii.h"
#include "scheme/HexColor.h"

#include <algorithm>
#include <string_view>

namespace brisvane {

namespace {

// What follows the classic rule. $ and a letter stand for a colour (face, highlight, 3D light,
// shadow, dark shadow, track, arrow) or for an arrow glyph (up, down, left, right).
//
// Chromium 121 and later ignore every ::-webkit-scrollbar rule for an element that has a
// scrollbar-color or scrollbar-width of its own or inherited from html, so the Firefox rule
// must never reach Blink. Firefox answers selector(::-webkit-scrollbar) with true but knows
// no -thumb, so the thumb is what tells the two apart.
//
// The bevel is four inset shadows, the one listed first painted on top: the outer ring over
// the inner one, and in each ring the bottom and right line over the top and left one, so
// that bottom and right own the two corner pixels they share with top and left, as on the
// classic bar. Borders would blend those corners. Pressed, a button is flat in a shadow frame
// and its glyph moves one pixel right and down.
constexpr std::string_view laterParts = R"(    /* Chrome, Edge, Opera and Safari */
    @supports selector(::-webkit-scrollbar-thumb)
    {
        ::-webkit-scrollbar
        {
            width: 16px;
            height: 16px;
        }
        ::-webkit-scrollbar-track
        {
            background-color: $T;
        }
        ::-webkit-scrollbar-corner
        {
            background-color: $F;
        }
        ::-webkit-scrollbar-thumb,
        ::-webkit-scrollbar-button:single-button
        {
            background-color: $F;
            box-shadow: inset -1px -1px $D, inset 1px 1px $L,
                inset -2px -2px $S, inset 2px 2px $H;
        }
        ::-webkit-scrollbar-button:single-button
        {
            display: block;
            width: 16px;
            height: 16px;
            background-repeat: no-repeat;
        }
        ::-webkit-scrollbar-button:single-button:active
        {
            box-shadow: inset 0 0 0 1px $S;
            background-position: 1px 1px;
        }
        ::-webkit-scrollbar-button:double-button
        {
            display: none;
        }
        ::-webkit-scrollbar-button:single-button:vertical:decrement
        {
            background-image: $u;
        }
        ::-webkit-scrollbar-button:single-button:vertical:increment
        {
            background-image: $d;
        }
        ::-webkit-scrollbar-button:single-button:horizontal:decrement
        {
            background-image: $l;
        }
        ::-webkit-scrollbar-button:single-button:horizontal:increment
        {
            background-image: $r;
        }
    }
    /* Firefox */
    @supports not selector(::-webkit-scrollbar-thumb)
    {
        html
        {
            scrollbar-color: $F $T;
        }
    }
</style>)";

constexpr std::string_view colorLetters = "FHLSDTA";
constexpr std::string_view glyphLetters = "udlr";
// The glyphs drawn over a whole 16 by 16 button: triangles 7 pixels wide and 4 deep, their
// slopes as pixel steps so that nothing depends on how a browser rounds a diagonal.
constexpr std::string_view glyphPaths[] = {
    "M7 6h1v1h1v1h1v1h1v1H4V9h1V8h1V7h1z", "M4 6h7v1h-1v1h-1v1h-1v1H7V9H6V8H5V7H4z",
    "M6 7v1h1v1h1v1h1v1h1V4H9v1H8v1H7v1z", "M6 4v7h1v-1h1v-1h1v-1h1V7H9V6H8V5H7V4z"};

// A colour as this block writes it: "#" and six hexadecimal digits, upper-cased as the program
// writes colours everywhere else; any other text gives the role's default.
HexColor safeColor(const std::string& text, ColorRole role) {
    if (!isWholeColor(text))
        return defaultScheme.color(role);
    HexColor color = text;
    std::transform(color.begin(), color.end(), color.begin(), ascii::upper);
    return color;
}

} // namespace

std::string buildEveryBrowserBlock(const ScrollbarScheme& scheme) {
    ScrollbarScheme safe;
    for (ColorRole role : allColorRoles)
        safe.setColor(role, safeColor(scheme.color(role), role));

    std::string block;
    block.reserve(4096);
    block += "<style type=\"text/css\">\r\n    /* Internet Explorer 5.5 and later */\r\n";
    appendClassicBodyRule(block, safe);
    for (std::size_t i = 0; i < laterParts.size(); ++i) {
        const char c = laterParts[i];
        if (c == '\n') {
            block += "\r\n";
        } else if (c != '$') {
            block += c;
        } else if (const auto role = colorLetters.find(laterParts[++i]);
                   role != std::string_view::npos) {
            block += safe.color(allColorRoles[role]);
        } else {
            block += "url(\"data:image/svg+xml,%3Csvg xmlns='http://www.w3.org/2000/svg' "
                     "width='16' height='16' shape-rendering='crispEdges'%3E%3Cpath fill='%23";
            block += std::string_view(safe.arrowColor).substr(1);
            block += "' d='";
            block += glyphPaths[glyphLetters.find(laterParts[i])];
            block += "'/%3E%3C/svg%3E\")";
        }
    }
    return block;
}

} // namespace brisvane
