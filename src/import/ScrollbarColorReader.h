#pragma once

#include "scheme/ColorRole.h"
#include "scheme/HexColor.h"
#include "scheme/ScrollbarScheme.h"

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

// A scrollbar colour a page set but that was not taken as it stands; an @media block nested
// too deep to be read, whatever colours it may set; a misspelt scrollbar colour property; or
// the note on colours that body sets for a page in standards mode.
struct SkippedColor {
    // "scrollbar-face-color", "scrollbar-base-color"..., "@media", a misspelt property as
    // written, or "body" for the note
    std::string property;
    std::string value; // as written, trimmed, without "!important"; @media's query list
    int line = 0;      // of the value in the text read, counted from 1
    // "is not a color", "is a color this program does not convert", "is written by the server
    // when the page is served", or, for a color that was taken without it, "has an alpha of
    // 0.5"; for @media, "is nested deeper than 64 levels"; for a misspelt property, "sets
    // nothing: ..."; for the note, the whole line
    std::string why;
    // What stands in its place: the colour itself, opaque; the one derived from
    // scrollbar-base-color; the one the other element, html or body, sets; nothing from the
    // page; for @media, none of its rules; for a misspelt property, nothing at all; and the
    // note, which says it all in `why`.
    enum class Instead {
        Opaque,
        FromBase,
        FromHtml,
        FromBody,
        Nothing,
        RulesSkipped,
        Unread,
        Note
    };
    Instead instead = Instead::Nothing;
};

// A line that says what was skipped and what stands in its place, such as
// "scrollbar-face-color: 'foo' is not a color; the default is used", where `nothing` ("the
// default is used") says what happens to a role the page gives no colour; or "@media 'screen'
// is nested deeper than 64 levels; its rules are skipped". When nothing at all is taken from
// the text, an empty `nothing` leaves off what would stand in a value's place. Characters
// that could break the line are escaped.
std::string describeSkipped(const SkippedColor& skipped, std::string_view nothing);

// How a page's own scrollbar was coloured, as Internet Explorer 6 chose it by the doctype: in
// quirks mode from body, in standards mode from html. A style sheet on its own has no mode.
enum class PageMode { Sheet, Quirks, Standards };

// Where a text sets scrollbar colours that do not reach the page's own scrollbar: "for
// textarea", "in @media print"...
struct ColorsElsewhere {
    std::string where;
    int line = 0;
};
// That many different places are kept; the rest are counted.
inline constexpr std::size_t maxPlacesElsewhere = 4;

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
    // Values set but not taken as written, and the notes, in the order of the text.
    std::vector<SkippedColor> skipped;
    // Whether any of the eight properties was set for html or body, usable or not.
    bool anySet = false;
    PageMode mode = PageMode::Sheet;
    // The first places that set colours for something other than the page's own bar, in the
    // order of the text, and how many more there are.
    std::vector<ColorsElsewhere> elsewhere;
    std::size_t moreElsewhere = 0;

    // The colour the page gives a role, a state included, for the light set or the dark one.
    const std::optional<ColorValue>& color(ColorRole role, bool dark) const;
    // Whether the page has any colour for dark mode.
    bool givesDark() const;
    // `base` with the colours the page gives the set.
    ScrollbarScheme over(ScrollbarScheme base, bool dark) const;
};

// Reads the scrollbar colours of a web page, or of a style sheet. Text that holds a <style>,
// <html>, <head> or <body> tag is a page: its style elements and the style attributes of its
// html and body elements count. Rules count whose selector is body, html, :root or *, or html
// (or :root, or *) then body or *, alone or in a selector list that a browser takes, in any
// letter case; so do rules in @media for screen or all, up to maxMediaNesting deep. Each of
// html and body has its own cascade: !important over normal, a style attribute over a sheet's
// normal one, the more specific selector, then the later declaration; a role that an
// element's own property leaves unset takes the colour that deriveFromBaseColor gives from
// that element's base. The page's mode then says whose colours the bar takes, role by role:
// in quirks mode (and in a style sheet alone) body's, else html's; in standards mode html's,
// else body's, as Internet Explorer 5.5 showed them, with one note that says so. Rules for
// dark mode give the dark colours instead, and the background colours of a scrollbar's thumb
// or buttons :hover or :active, for the page, give the states. Server code (<?php ... ?>,
// <% ... %>) is passed over as the browser never sees it. Text in UTF-16 with its byte order
// mark is read as well as UTF-8 or any ASCII-based encoding; any text is accepted, in time
// that grows with its length alone.
ScrollbarColors readScrollbarColors(std::string_view text);

// Whether the read gives the page's bar any colour at all: a role, a state, or one for dark
// mode.
bool givesAnyColor(const ScrollbarColors& read);

// Why a read that gives no colour gives none, and where the text sets colours that do not
// reach the page's own bar: "none of the seven scrollbar colors is set for the page's own
// scrollbar; colors are set for textarea (line 3) and in @media print (line 9)".
std::string whyNothingIsTaken(const ScrollbarColors& read);

} // namespace brisvane
