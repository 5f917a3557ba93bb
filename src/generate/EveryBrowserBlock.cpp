#include "generate/EveryBrowserBlock.h"

#include "generate/StyleBlock.h"
#include "scheme/Ascii.h"
#include "scheme/HexColor.h"

#include <algorithm>
#include <string_view>

namespace brisvane {

namespace {

// What follows the classic rule. $ and a letter stand for a colour (face, highlight, 3D light,
// shadow, dark shadow, track, arrow), an arrow glyph (up, down, left, right), the bevel's
// picture (b, or p when pressed), the selector of the boxes reached (P), or the rules that
// differ with the reach (R).
//
// Chromium 121 and later ignore every ::-webkit-scrollbar rule for an element that has a
// scrollbar-color or scrollbar-width of its own or inherited from html, so the Firefox rule
// must never reach Blink, and the Blink part sets both back to auto where it reaches. Firefox
// answers selector(::-webkit-scrollbar) with true but knows no -thumb, so the thumb is what
// tells the two apart. The reach's selector counts one element more than a bare
// ::-webkit-scrollbar rule, so that a site's rule for every box, before or after the block,
// does not squeeze these bars, while its rules for boxes it names still win there.
//
// The bevel is a border drawn from a picture of its two rings, bottom and right owning the two
// corner pixels they share with top and left, as on the classic bar. Browsers round a border's
// width down to whole device pixels, so at any display scale or page zoom each ring is whole
// pixels of one colour; lengths in CSS pixels (box shadows, one border per line) would blend
// neighbouring lines at 125% or 150%. The width comes from the ladder below; the arrows are
// drawn over the whole button with their edges snapped to pixels, so they stay solid and
// centred at any scale. Pressed, a button is flat in a shadow frame and its glyph moves right
// and down.
constexpr std::string_view laterParts = R"(    /* Chrome, Edge, Opera and Safari */
    @supports selector(::-webkit-scrollbar-thumb)
    {
$R        $P::-webkit-scrollbar
        {
            width: 16px;
            height: 16px;
        }
        $P::-webkit-scrollbar-track
        {
            background-color: $T;
        }
        $P::-webkit-scrollbar-corner
        {
            background-color: $F;
        }
        $P::-webkit-scrollbar-thumb,
        $P::-webkit-scrollbar-button:single-button
        {
            border: var(--brisvane-bevel, 2px) solid transparent;
            border-image: $b 2;
            background-color: $F;
        }
        $P::-webkit-scrollbar-button:single-button
        {
            display: block;
            width: 16px;
            height: 16px;
            background-origin: border-box;
            background-size: 100% 100%;
            background-repeat: no-repeat;
        }
        $P::-webkit-scrollbar-button:single-button:active
        {
            border-image-source: $p;
            background-position: 1px 1px;
        }
        $P::-webkit-scrollbar-button:double-button
        {
            display: none;
        }
        $P::-webkit-scrollbar-button:single-button:vertical:decrement
        {
            background-image: $u;
        }
        $P::-webkit-scrollbar-button:single-button:vertical:increment
        {
            background-image: $d;
        }
        $P::-webkit-scrollbar-button:single-button:horizontal:decrement
        {
            background-image: $l;
        }
        $P::-webkit-scrollbar-button:single-button:horizontal:increment
        {
            background-image: $r;
        }
        /* Both rings of the bevel, in whole device pixels at every display scale and zoom */
)";

// The bevel's width for device pixel ratios from the first up to the next. A border is
// rounded down to whole device pixels, so within its range each width gives twice the ring
// width of the ratio rounded (one device pixel below 1.5, two below 2.5...): each range starts
// where the width for the ratio it starts at is a hair above that even number, and ends before
// the width makes one pixel more.
constexpr std::pair<std::string_view, std::string_view> bevelLadder[] = {
    {"0.2500", "8.00080"}, {"0.3749", "5.33529"}, {"0.5622", "3.55781"}, {"0.8431", "2.37244"},
    {"1.2643", "1.58206"}, {"1.5000", "2.66693"}, {"1.8746", "2.13400"}, {"2.3427", "1.70760"},
    {"2.5000", "2.40024"}, {"2.9160", "2.05782"}, {"3.4013", "1.76421"}, {"3.5000", "2.28594"},
    {"3.9367", "2.03236"}, {"4.4279", "1.80691"}};

constexpr std::string_view colorLetters = "FHLSDTA";
constexpr std::string_view glyphLetters = "udlr";
// Triangles over a 16 by 16 button, apex and base a quarter unit off the pixel grid so that
// no edge runs through the middle of a pixel at the common scales, which could tip a row.
constexpr std::string_view glyphPaths[] = {"M8 5.75 12.25 10H3.75z", "M8 10.25 12.25 6H3.75z",
                                           "M5.75 8 10 3.75v8.5z", "M10.25 8 6 3.75v8.5z"};

// A colour as this block writes it: "#" and six hexadecimal digits, upper-cased as the program
// writes colours everywhere else; any other text gives the role's default.
HexColor safeColor(const std::string& text, ColorRole role) {
    if (!isWholeColor(text))
        return defaultScheme.color(role);
    HexColor color = text;
    std::transform(color.begin(), color.end(), color.begin(), ascii::upper);
    return color;
}

// An SVG picture as a CSS URL: its root element's attributes, then paths of one colour each.
void appendSvg(std::string& out, std::string_view attributes,
               std::initializer_list<std::pair<const HexColor*, std::string_view>> paths) {
    out += "url(\"data:image/svg+xml,%3Csvg xmlns='http://www.w3.org/2000/svg' ";
    out += attributes;
    out += " shape-rendering='crispEdges'%3E";
    for (const auto& [color, d] : paths) {
        out += "%3Cpath fill='%23";
        out += std::string_view(*color).substr(1);
        out += "' d='";
        out += d;
        out += "'/%3E";
    }
    out += "%3C/svg%3E\")";
}

// The selector that every part's rule starts with.
std::string reachedBoxes(const BlockReach& reach) {
    switch (reach.kind()) {
    case BlockReach::Kind::Page:
        return ":is(html, body)";
    case BlockReach::Kind::Selector:
        return ":is(" + reach.selectors() + ")";
    default:
        return ":is(html, html *)";
    }
}

// A rule inside one of the block's guards: its selector, then a line for each declaration.
void appendRule(std::string& out, std::string_view selector,
                std::initializer_list<std::string_view> declarations) {
    out += "        ";
    out += selector;
    out += "\r\n        {\r\n";
    for (std::string_view declaration : declarations) {
        out += "            ";
        out += declaration;
        out += ";\r\n";
    }
    out += "        }\r\n";
}

// The rules that turn a site's scrollbar-width and scrollbar-color back to auto where the
// block reaches, so that Blink draws the parts. On the page they win whatever the site says;
// on other boxes a site's rule for a box it names keeps precedence.
void appendBlinkReachRules(std::string& out, const BlockReach& reach, std::string_view boxes) {
    if (reach.kind() == BlockReach::Kind::Selector) {
        appendRule(out, boxes, {"scrollbar-width: auto", "scrollbar-color: auto"});
        return;
    }
    appendRule(out, "html",
               {"scrollbar-width: auto !important", "scrollbar-color: auto !important"});
    if (reach.kind() == BlockReach::Kind::EveryBox)
        appendRule(out, "*", {"scrollbar-width: auto", "scrollbar-color: auto"});
}

// Firefox's colours: on html they reach the page and, inherited, every box in it; for the page
// alone the body takes its own again.
void appendFirefoxRules(std::string& out, const BlockReach& reach, std::string_view boxes,
                        const ScrollbarScheme& safe) {
    const std::string colors =
        "scrollbar-color: " + safe.faceGroupColors[0] + ' ' + safe.trackColor;
    if (reach.kind() == BlockReach::Kind::Selector) {
        appendRule(out, boxes, {colors});
        return;
    }
    appendRule(out, "html", {colors + " !important"});
    if (reach.kind() == BlockReach::Kind::Page)
        appendRule(out, ":where(body)", {"scrollbar-color: auto"});
}

} // namespace

std::string buildEveryBrowserBlock(const ScrollbarScheme& scheme, const BlockReach& reach) {
    ScrollbarScheme safe;
    for (ColorRole role : allColorRoles)
        safe.setColor(role, safeColor(scheme.color(role), role));
    const std::string boxes = reachedBoxes(reach);
    const HexColor* const c = safe.faceGroupColors.data();

    std::string block;
    block.reserve(7168 + 16 * reach.selectors().size());
    block += "<style type=\"text/css\">\r\n    /* Internet Explorer 5.5 and later */\r\n";
    appendClassicBodyRule(block, safe, reach);
    for (std::size_t i = 0; i < laterParts.size(); ++i) {
        const char ch = laterParts[i];
        if (ch == '\n') {
            block += "\r\n";
        } else if (ch != '$') {
            block += ch;
        } else if (const char what = laterParts[++i]; what == 'P') {
            block += boxes;
        } else if (what == 'R') {
            appendBlinkReachRules(block, reach, boxes);
        } else if (what == 'b') {
            appendSvg(block, "width='5' height='5'",
                      {{&c[4], "M0 0h5v5H0z"},
                       {&c[2], "M0 0h4v4H0z"},
                       {&c[3], "M1 1h3v3H1z"},
                       {&c[1], "M1 1h2v2H1z"}});
        } else if (what == 'p') {
            appendSvg(block, "width='5' height='5'",
                      {{&c[3], "M0 0h5v5H0z"}, {&c[0], "M1 1h3v3H1z"}});
        } else if (const auto role = colorLetters.find(what); role != std::string_view::npos) {
            block += safe.color(allColorRoles[role]);
        } else {
            appendSvg(block, "viewBox='0 0 16 16' preserveAspectRatio='none'",
                      {{&safe.arrowColor, glyphPaths[glyphLetters.find(what)]}});
        }
    }
    for (const auto& [ratio, width] : bevelLadder) {
        block += "        @media (min-resolution: ";
        block += ratio;
        block += "dppx) { :root { --brisvane-bevel: ";
        block += width;
        block += "px; } }\r\n";
    }
    block +=
        "    }\r\n    /* Firefox */\r\n    @supports not selector(::-webkit-scrollbar-thumb)\r\n"
        "    {\r\n";
    appendFirefoxRules(block, reach, boxes, safe);
    block += "    }\r\n</style>";
    return block;
}

} // namespace brisvane
