#include "generate/EveryBrowserBlock.h"

#include "generate/StyleBlock.h"
#include "scheme/HexColor.h"
#include "text/Ascii.h"
#include "text/HexDigits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace brisvane {

namespace {

// How the block holds beside a site's own style sheets, before or after it:
//
// - The boxes reached are selected with the weight of four elements (":not(html html html)"
//   matches every element and counts three), so a site's rule for every box (*, html *,
//   body *, a bare ::-webkit-scrollbar, a chain of :not() of element names) loses, while a
//   rule that names a box by class, id or attribute keeps precedence there.
// - Each part sets every paint property a site may give it (the background as a shorthand,
//   border, radius, shadow, margin), and paints itself with a border image that fills its
//   middle too: a border image is neither clipped by a radius nor covered by a shadow, so even
//   a site's !important on those does not show through.
// - Chromium 121 and later ignore every ::-webkit-scrollbar rule for an element that has a
//   scrollbar-color or scrollbar-width, so the block sets both back where it reaches. Width
//   goes back to what a site's cascade layers give (revert-layer), so that a box a layered
//   utility hides stays hidden. The page's own bar (html, or body where it scrolls) gets its
//   width back only against rules for every element: in an @scope its rules beat the site's
//   equally specific ones whatever their order, and lose to the site's html and body rules,
//   so that a page the site hides on purpose stays hidden.
// - Firefox answers selector(::-webkit-scrollbar) with true but knows no -thumb, so the thumb
//   is what tells the engines apart; the Firefox rule must never reach Blink.
//
// The bevel is drawn from a five by five picture of its two rings, bottom and right owning
// the corner pixels they share with top and left, as on the classic bar; scaled without
// smoothing, so that every device pixel is one of the colours chosen, in WebKit at page zoom
// too. A border is rounded down to whole device pixels, so the ladder below gives each ring
// the same whole number of them. The arrows are drawn over the whole button with their edges
// snapped to pixels, so they stay solid and centred at any scale. Pressed, a button is flat
// in a shadow frame and its glyph moves right and down.

// Matches every element and counts three, so that the rules it ends win over a site's rules
// for every box and lose to any that names a class, an id or an attribute.
constexpr std::string_view weight = ":not(html html html)";

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

// Triangles over a 16 by 16 button, apex and base a quarter unit off the pixel grid so that
// no edge runs through the middle of a pixel at the common scales, which could tip a row.
// In the order of the buttons: up, down, left, right.
constexpr std::pair<std::string_view, std::string_view> arrows[] = {
    {"vertical:decrement", "M8 5.75 12.25 10H3.75z"},
    {"vertical:increment", "M8 10.25 12.25 6H3.75z"},
    {"horizontal:decrement", "M5.75 8 10 3.75v8.5z"},
    {"horizontal:increment", "M10.25 8 6 3.75v8.5z"}};

// A colour as this block writes it: "#" and six hexadecimal digits, upper-cased as the program
// writes colours everywhere else; any other text gives the role's default.
HexColor safeColor(const std::string& text, ColorRole role) {
    if (!isWholeColor(text))
        return defaultScheme.color(role);
    HexColor color = text;
    std::transform(color.begin(), color.end(), color.begin(), ascii::upper);
    return color;
}

void appendBase64(std::string& out, const std::string& bytes) {
    constexpr std::string_view digits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group =
                group << 8 | (i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += i + k <= bytes.size() ? digits[group >> (18 - 6 * k) & 63] : '=';
    }
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i, value >>= 8)
        out += static_cast<char>(value & 0xFF);
}

// A five by five picture as a CSS URL of a 24-bit BMP: a raster image that browsers slice and
// scale pixel for pixel, where a vector one may come out a pixel off or a shade off. Each
// row of `rows` names the colours of its pixels from left to right by their index in `colors`.
std::string pictureUrl(const std::array<std::string_view, 5>& rows,
                       const std::vector<const HexColor*>& colors) {
    constexpr std::uint32_t side = 5, rowBytes = 16, headers = 54; // rows padded to 4 bytes
    std::string bmp = "BM";
    appendLittleEndian(bmp, headers + side * rowBytes, 4);
    appendLittleEndian(bmp, 0, 4);
    appendLittleEndian(bmp, headers, 4);
    appendLittleEndian(bmp, 40, 4); // the bitmap information header's size
    appendLittleEndian(bmp, side, 4);
    appendLittleEndian(bmp, side, 4);
    appendLittleEndian(bmp, 1, 2);  // planes
    appendLittleEndian(bmp, 24, 2); // bits per pixel
    appendLittleEndian(bmp, 0, 4);  // not compressed
    appendLittleEndian(bmp, side * rowBytes, 4);
    bmp.append(16, '\0'); // resolution and palette, unused
    // Each colour is a whole "#RRGGBB" (safeColor); a BMP pixel is blue, green, red.
    std::vector<std::array<char, 3>> pixels;
    for (const HexColor* color : colors) {
        const auto channel = [color](std::size_t at) {
            return static_cast<char>(hexPairValue((*color)[at], (*color)[at + 1]));
        };
        pixels.push_back({channel(5), channel(3), channel(1)});
    }
    for (std::size_t y = side; y-- > 0;) { // bottom row first
        for (char index : rows[y])
            bmp.append(pixels[static_cast<std::size_t>(index - '0')].data(), 3);
        bmp.append(rowBytes - 3 * side, '\0');
    }
    std::string url = "url(\"data:image/bmp;base64,";
    appendBase64(url, bmp);
    return url + "\")";
}

// An arrow glyph as a CSS URL of an SVG picture over the whole button.
std::string arrowUrl(const HexColor& color, std::string_view path) {
    std::string url = "url(\"data:image/svg+xml,%3Csvg xmlns='http://www.w3.org/2000/svg' "
                      "viewBox='0 0 16 16' preserveAspectRatio='none' "
                      "shape-rendering='crispEdges'%3E%3Cpath fill='%23";
    url += std::string_view(color).substr(1);
    url += "' d='";
    url += path;
    return url + "'/%3E%3C/svg%3E\")";
}

// Writes rules at one depth of nesting: a selector (one or more lines), then a line for each
// declaration.
class RuleWriter {
public:
    RuleWriter(std::string& out, std::size_t depth) : m_out(out), m_indent(4 * depth, ' ') {}

    void rule(std::string_view selector, std::initializer_list<std::string_view> declarations) {
        rule(selector, std::vector<std::string_view>(declarations));
    }
    void rule(std::string_view selector, const std::vector<std::string_view>& declarations) {
        m_out += m_indent;
        m_out += selector;
        m_out += "\r\n" + m_indent + "{\r\n";
        for (std::string_view declaration : declarations) {
            m_out += m_indent + "    ";
            m_out += declaration;
            m_out += ";\r\n";
        }
        m_out += m_indent + "}\r\n";
    }
    // The same rule for several parts of the boxes reached: "$P::-webkit-scrollbar-thumb".
    void parts(std::string_view boxes, std::initializer_list<std::string_view> parts,
               std::initializer_list<std::string_view> declarations) {
        std::string selector;
        for (std::string_view part : parts) {
            if (!selector.empty())
                selector += ",\r\n" + m_indent;
            selector += boxes;
            selector += "::-webkit-scrollbar";
            selector += part;
        }
        rule(selector, declarations);
    }
    void open(std::string_view atRule) {
        m_out += m_indent;
        m_out += atRule;
        m_out += "\r\n" + m_indent + "{\r\n";
    }
    void close() { m_out += m_indent + "}\r\n"; }

private:
    std::string& m_out;
    std::string m_indent;
};

// The elements every part's rule is written for.
std::string reachedBoxes(const BlockReach& reach) {
    switch (reach.kind()) {
    case BlockReach::Kind::Page:
        return ":is(html, body)" + std::string(weight);
    case BlockReach::Kind::Selector:
        return ":is(" + reach.selectors() + ")" + std::string(weight);
    default:
        return ":is(html, html *)" + std::string(weight);
    }
}

// The values the parts are painted with, for one set of colours: colours, and the pictures
// made of them.
class SetValues {
public:
    explicit SetValues(ScrollbarScheme safe) : m_safe(std::move(safe)) {}

    // A value, made when a rule asks for it: a block without states or a dark set uses fewer
    // than half of them, and each picture costs an encoding.
    std::string operator[](std::string_view name) const {
        const auto& g = m_safe.faceGroupColors;
        const HexColor &hover = m_safe.faceWhile(ColorRole::Hover),
                       &active = m_safe.faceWhile(ColorRole::Pressed);
        // Outer ring 3D light and dark shadow, inner ring highlight and shadow, the face within.
        const auto raised = [&g](const HexColor& face) {
            return pictureUrl({"22224", "21134", "21034", "23334", "44444"},
                              {&face, &g[1], &g[2], &g[3], &g[4]});
        };
        if (name == "face")
            return g[0];
        if (name == "track")
            return m_safe.trackColor;
        if (name == "raised")
            return raised(g[0]);
        if (name == "pressed") // flat, in a frame of the shadow colour
            return pictureUrl({"11111", "10001", "10001", "10001", "11111"}, {&active, &g[3]});
        if (name == "hover")
            return hover;
        if (name == "hover-raised")
            return raised(hover);
        if (name == "active")
            return active;
        if (name == "active-raised")
            return raised(active);
        for (const auto& [button, path] : arrows) {
            if (name == button)
                return arrowUrl(m_safe.arrowColor, path);
        }
        return {};
    }
    // Every value, with its name, in the order the block gives them as custom properties.
    template <typename Each> void forEach(Each each) const {
        for (std::string_view name : {"face", "track", "raised", "pressed", "hover", "hover-raised",
                                      "active", "active-raised"})
            each(name, (*this)[name]);
        for (const auto& [button, path] : arrows)
            each(button, (*this)[button]);
    }

private:
    ScrollbarScheme m_safe;
};

// What the rules write for a value: the light set's itself, or, where there is a dark set
// too, the custom property that each set gives the page.
class Values {
public:
    Values(const ScrollbarScheme& light, const ScrollbarScheme* dark)
        : m_light(light), m_dark(dark ? std::optional<SetValues>(*dark) : std::nullopt) {}
    std::string operator()(std::string_view name) const {
        if (!m_dark)
            return m_light[name];
        return "var(" + propertyOf(name) + ")";
    }
    static std::string propertyOf(std::string_view name) {
        std::string property = "--brisvane-" + std::string(name);
        std::replace(property.begin(), property.end(), ':', '-');
        return property;
    }
    // The custom properties, for the light set and, as the site's dark mode or its own dark
    // theme (`darkWhen`) asks, the dark one.
    void appendProperties(std::string& out, const std::string& darkWhen) const {
        if (!m_dark)
            return;
        out += "    /* The colours: the light set, then the dark one */\r\n";
        const auto set = [&out](const SetValues& values, std::size_t depth,
                                const std::string& selector) {
            std::vector<std::string> lines;
            values.forEach([&lines](std::string_view name, const std::string& value) {
                lines.push_back(propertyOf(name) + ": " + value);
            });
            std::vector<std::string_view> declarations(lines.begin(), lines.end());
            RuleWriter(out, depth).rule(selector, declarations);
        };
        set(m_light, 1, ":root");
        if (darkWhen.empty()) {
            RuleWriter media(out, 1);
            media.open("@media (prefers-color-scheme: dark)");
            set(*m_dark, 2, ":root");
            media.close();
        } else {
            set(*m_dark, 1, ":is(" + darkWhen + ")");
        }
    }

private:
    SetValues m_light;
    std::optional<SetValues> m_dark;
};

// Where the block reaches, scrollbar-width and scrollbar-color go back to auto, so that Blink
// draws the parts, and the bar is 16 pixels thick.
void appendBlinkReachRules(std::string& out, const BlockReach& reach, const std::string& boxes) {
    RuleWriter rules(out, 3);
    if (reach.kind() == BlockReach::Kind::Selector) {
        rules.rule(boxes, {"scrollbar-width: revert-layer", "scrollbar-color: auto"});
        rules.parts(boxes, {""}, {"width: 16px", "height: 16px"});
        return;
    }
    rules.rule("html", {"scrollbar-color: auto !important"});
    rules.open("@scope (html)");
    RuleWriter page(out, 4);
    page.rule(":where(:scope, body)", {"scrollbar-width: revert-layer", "scrollbar-color: auto"});
    page.rule(":where(:scope, body)::-webkit-scrollbar", {"width: 16px", "height: 16px"});
    rules.close();
    if (reach.kind() == BlockReach::Kind::EveryBox) {
        const std::string inside = ":is(body *)" + std::string(weight);
        rules.rule(inside, {"scrollbar-width: revert-layer", "scrollbar-color: auto"});
        rules.parts(inside, {""}, {"width: 16px", "height: 16px"});
    }
}

void appendBlinkParts(std::string& out, const std::string& boxes, const Values& v,
                      const ProjectColors& colors) {
    const std::string face = "background: " + v("face"), track = "background: " + v("track");
    const std::string bevel = "border: var(--brisvane-bevel, 2px) solid transparent";
    const auto solidFill = [](const std::string& color) {
        return "border-image: linear-gradient(" + color + ", " + color + ") 0 fill";
    };
    const auto any = [&](ColorRole state) {
        return !colors.light.color(state).empty() ||
               (colors.dark && !colors.dark->color(state).empty());
    };

    const std::string raised = v("raised");
    RuleWriter rules(out, 3);
    rules.parts(boxes, {"", "-track", "-track-piece", "-corner", "-thumb", "-button"},
                {"margin: 0", "padding: 0", "border: 0", "border-radius: 0", "box-shadow: none",
                 "image-rendering: pixelated"});
    rules.parts(boxes, {"", "-track", "-track-piece"}, {track, solidFill(v("track"))});
    rules.parts(boxes, {"-corner"}, {face, solidFill(v("face"))});
    rules.parts(boxes, {"-thumb"}, {face, bevel, "border-image: " + raised + " 2 fill"});
    rules.parts(boxes, {"-button"},
                {"display: block", "width: 16px", "height: 16px", face,
                 "background-origin: border-box", "background-size: 100% 100%",
                 "background-repeat: no-repeat", bevel, "border-image: " + raised + " 2"});
    // The two buttons of a double-button bar, next to the others, are not drawn.
    rules.parts(boxes, {"-button:start:increment", "-button:end:decrement"}, {"display: none"});
    // While pointed at and while held, the thumb and the buttons take their state's face;
    // held, a button is flat and its glyph moves right and down.
    if (any(ColorRole::Hover)) {
        rules.parts(boxes, {"-thumb:hover"}, {"border-image-source: " + v("hover-raised")});
        rules.parts(boxes, {"-button:hover"}, {"background-color: " + v("hover")});
    }
    if (any(ColorRole::Pressed))
        rules.parts(boxes, {"-thumb:active"}, {"border-image-source: " + v("active-raised")});
    const std::string pressed = "border-image-source: " + v("pressed");
    if (any(ColorRole::Hover) || any(ColorRole::Pressed))
        rules.parts(boxes, {"-button:active"},
                    {pressed, "background-color: " + v("active"), "background-position: 1px 1px"});
    else
        rules.parts(boxes, {"-button:active"}, {pressed, "background-position: 1px 1px"});
    for (const auto& [button, path] : arrows)
        rules.parts(boxes, {"-button:" + std::string(button)}, {"background-image: " + v(button)});
}

// Firefox's colours: the page's always; every box's against a site's rules for every box,
// body's included, which boxes would otherwise inherit; for the page alone, the body takes
// its own again.
void appendFirefoxRules(std::string& out, const BlockReach& reach, const std::string& boxes,
                        const Values& v) {
    const std::string colors = "scrollbar-color: " + v("face") + ' ' + v("track");
    RuleWriter rules(out, 3);
    if (reach.kind() == BlockReach::Kind::Selector) {
        rules.rule(boxes, {colors});
        return;
    }
    rules.rule("html", {colors + " !important"});
    if (reach.kind() == BlockReach::Kind::Page)
        rules.rule(":where(body)", {"scrollbar-color: auto"});
    else
        rules.rule(":is(html *)" + std::string(weight), {colors});
}

ScrollbarScheme safeScheme(const ScrollbarScheme& scheme) {
    ScrollbarScheme safe;
    for (ColorRole role : allColorRoles)
        safe.setColor(role, safeColor(scheme.color(role), role));
    // A state without a whole colour is unset.
    for (ColorRole state : stateColorRoles)
        safe.setColor(state, isWholeColor(scheme.color(state))
                                 ? safeColor(scheme.color(state), state)
                                 : std::string());
    return safe;
}

} // namespace

std::string buildEveryBrowserBlock(const ProjectColors& colors, const BlockReach& reach,
                                   const std::string& darkWhen) {
    ProjectColors safe{safeScheme(colors.light)};
    if (colors.dark)
        safe.dark = safeScheme(*colors.dark);
    const Values values(safe.light, safe.dark ? &*safe.dark : nullptr);
    const std::string boxes = reachedBoxes(reach);

    std::string block;
    block.reserve(9216 + 16 * reach.selectors().size() + (safe.dark ? 4096 : 0));
    block += "<style type=\"text/css\">\r\n    /* Internet Explorer 5.5 and later */\r\n";
    appendClassicBodyRule(block, safe.light, reach);
    values.appendProperties(block, darkWhen);
    // Where the system forces colours of its own, for those who need them, its bars stay.
    block += "    /* Today's browsers, but where the system forces its own colours */\r\n"
             "    @media (forced-colors: none)\r\n    {\r\n"
             "        /* Chrome, Edge, Opera and Safari */\r\n"
             "        @supports selector(::-webkit-scrollbar-thumb)\r\n        {\r\n";
    appendBlinkReachRules(block, reach, boxes);
    appendBlinkParts(block, boxes, values, safe);
    block += "            /* Both rings of the bevel, in whole device pixels at every display "
             "scale and zoom */\r\n";
    for (const auto& [ratio, width] : bevelLadder) {
        block += "            @media (min-resolution: ";
        block += ratio;
        block += "dppx) { :root { --brisvane-bevel: ";
        block += width;
        block += "px; } }\r\n";
    }
    block += "        }\r\n        /* Firefox */\r\n"
             "        @supports not selector(::-webkit-scrollbar-thumb)\r\n        {\r\n";
    appendFirefoxRules(block, reach, boxes, values);
    block += "        }\r\n    }\r\n</style>";
    return block;
}

} // namespace brisvane
