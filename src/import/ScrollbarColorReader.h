#pragma once

#include "scheme/ColorRole.h"
#include "scheme/HexColor.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisvane {

// Blocks of @media for the screen are read this deep within one another, far deeper than any
// page nests them; one nested deeper is passed over with all it holds, and said.
inline constexpr std::size_t maxMediaNesting = 64;

// A scrollbar colour a page set but that was not taken as it stands; or an @media block
// nested too deep to be read, whatever colours it may set.
struct SkippedColor {
    std::string property; // "scrollbar-face-color", "scrollbar-base-color"..., or "@media"
    std::string value;    // as written, trimmed, without "!important"; @media's query list
    int line = 0;         // of the value in the text read, counted from 1
    // "is not a colour", "is a colour this program does not convert", or, for a colour that was
    // taken without it, "has an alpha of 0.5"; for @media, "is nested deeper than 64 levels"
    std::string why;
    // What stands in its place: the colour itself, opaque; the one derived from
    // scrollbar-base-color; nothing from the page; or, for @media, none of its rules.
    enum class Instead { Opaque, FromBase, Nothing, RulesSkipped };
    Instead instead = Instead::Nothing;
};

// A line that says what was skipped and what stands in its place, such as
// "scrollbar-face-color: 'foo' is not a colour; the default is used", where `nothing` ("the
// default is used") says what happens to a role the page gives no colour; or "@media 'screen'
// is nested deeper than 64 levels; its rules are skipped". Characters that could break the
// line are escaped.
std::string describeSkipped(const SkippedColor& skipped, std::string_view nothing);

// The scrollbar colours of a page's own bar, as the old browser took them.
struct ScrollbarColors {
    // Each role's colour: from its own property, else derived from scrollbar-base-color, else
    // none.
    std::array<std::optional<ColorValue>, colorRoleCount> colors;
    // The thumb's and buttons' background while pointed at and while held, where a newer page
    // gives one (::-webkit-scrollbar-thumb:hover...), in stateColorRoles' order.
    std::array<std::optional<ColorValue>, stateColorRoles.size()> states;
    // The same from the page's rules for dark mode (@media (prefers-color-scheme: dark)), which
    // do not count for the colours above.
    std::array<std::optional<ColorValue>, colorRoleCount> darkColors;
    std::array<std::optional<ColorValue>, stateColorRoles.size()> darkStates;
    // Values set but not taken as written, in the order of the text.
    std::vector<SkippedColor> skipped;
    // Whether any of the eight properties was set, usable or not.
    bool anySet = false;
};

// Reads the scrollbar colours of a web page, or of a style sheet. Text that holds a <style>,
// <html>, <head> or <body> tag is a page: its style elements and the style attributes of its
// html and body elements count. Rules count whose selector is body, html, :root or *, or html
// (or :root, or *) then body, alone or in a selector list, in any letter case; so do rules in
// @media for screen or all, up to maxMediaNesting deep. The later declaration wins,
// !important over normal, a style attribute over a sheet's normal one; html and body count as
// one. A role that its own property leaves unset takes the colour that deriveFromBaseColor
// gives. Rules for dark mode give the dark colours instead, and the background colours of
// a scrollbar's thumb or buttons :hover or :active, for the page, give the states. Text in
// UTF-16 with its byte order mark is read as well as UTF-8 or any ASCII-based encoding; any
// text is accepted, in time that grows with its length alone.
ScrollbarColors readScrollbarColors(std::string_view text);

// The seven colours the old browser drew from scrollbar-base-color: the face and the 3D light
// are the base; the highlight is a quarter of the way lighter (white for a light grey), the
// track half way to white, the shadow a third darker and the dark shadow two thirds, each
// keeping the base's hue; the arrow is black or white, whichever stands out more against the
// face. For #C0C0C0 these are the program's default colours.
std::array<ColorValue, colorRoleCount> deriveFromBaseColor(ColorValue base);

} // namespace brisvane
