#include "import/ScrollbarColorReader.h"

#include "generate/PreviewPage.h"
#include "import/BaseColor.h"

#include "text/Ascii.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

// The roles with a colour, as "face=FF0000 arrow=0000FF" ("scrollbar-" and "-color" left
// off), then each skipped value as "|line property why"; for none, why none, in brackets.
std::string describe(std::string_view text) {
    const ScrollbarColors read = readScrollbarColors(text);
    std::string out;
    for (const bool dark : {false, true}) {
        for (ColorRole role : everyColorRole) {
            const std::string css(isStateRole(role) ? rowLabel(role) : cssPropertyName(role));
            if (const auto& color = read.color(role, dark))
                out += (out.empty() ? "" : " ") + std::string(dark ? "dark:" : "") +
                       ascii::lowered(isStateRole(role) ? css.substr(0, css.size() - 1)
                                                        : css.substr(10, css.size() - 16)) +
                       "=" + colorToHex(*color).substr(1);
        }
    }
    for (const SkippedColor& s : read.skipped)
        out += "|" + std::to_string(s.line) + " " + describeSkipped(s, "none");
    return out + (givesAnyColor(read) ? "" : " (" + whyNothingIsTaken(read) + ")");
}

// ASCII text as Notepad saves "Unicode": UTF-16, little-endian, after its byte order mark; or
// big-endian ("Unicode big endian").
std::string utf16(std::string_view ascii, bool big = false) {
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii)
        out += big ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

TEST(ScrollbarColorReader, ReadsPagesAndSheetsAsTheOldBrowserTookThem) {
    const ScrollbarScheme preview{
        {"#A00001", "#A00002", "#A00003", "#A00004", "#A00005"}, "#A00006", "#A00007"};
    const auto deep = [](std::size_t levels) { // @media for the screen opened levels deep
        std::string out;
        while (levels-- > 0)
            out += "@media screen {";
        return out;
    };
    const std::string tooDeep =
        " @media 'screen' is nested deeper than 64 levels; its rules are skipped";
    // html and body set the face, both the track (by *), body the arrow: whose face the bar
    // takes tells the page's mode.
    const auto both = [](std::string before) {
        return before + "<html style='scrollbar-face-color:#100'><style>*{scrollbar-track-color:"
                        "#200}</style><body style='scrollbar-face-color:#300;scrollbar-arrow-"
                        "color:#400'>";
    };
    const std::string quirks = "face=330000 track=220000 arrow=440000";
    const auto standards = [](std::string doctype) {
        return "face=110000 track=220000 arrow=440000|1 body sets scrollbar-face-color '#300' and "
               "scrollbar-arrow-color '#400', which Internet Explorer 6 and later did not show on "
               "this page: its doctype " +
               doctype +
               " puts it in standards mode, where the page's "
               "own scrollbar takes html's colors; html's own scrollbar-face-color is used, the "
               "rest as Internet Explorer 5.5 showed it";
    };
    const std::string html401 = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01";
    const auto misspelt = [](std::string line, std::string name, std::string meant) {
        return "|" + line + " " + name + ": 'red' sets nothing: the name is misspelt, scrollbar-" +
               meant + "-color was probably meant";
    };
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"our preview page", buildPreviewPage(preview, "/home/user/my app"),
         "face=A00001 highlight=A00002 3dlight=A00003 shadow=A00004 darkshadow=A00005 "
         "track=A00006 arrow=A00007"},
        {"a style sheet alone, in any letter case", "BODY { SCROLLBAR-FACE-COLOR: Red }",
         "face=FF0000"},
        {"dark mode's rules give the dark set; the page's thumb and buttons pointed at and held, "
         "by a colour of their background, the states",
         "body{scrollbar-face-color:red} ::-webkit-scrollbar-thumb:hover{background:#00f} "
         "BODY::-webkit-scrollbar-button:active{background:url(a.png) lime} "
         ".x::-webkit-scrollbar-thumb:active{background:red} ::-webkit-scrollbar-thumb{color:red}"
         "@media (prefers-color-scheme: dark) { body{scrollbar-face-color:#111} @media screen { "
         "::-webkit-scrollbar-thumb:hover{background-color:#222} } }",
         "face=FF0000 hover=0000FF pressed=00FF00 dark:face=111111 dark:hover=222222"},
        {"a page is known by its tags, not its name",
         "<HEAD></HEAD>body { scrollbar-face-color: red }",
         " (none of the seven scrollbar colors is set)"},
        {"each selector that reaches the page",
         "html{scrollbar-face-color:#100}:ROOT{scrollbar-highlight-color:#200}"
         "*{scrollbar-3dlight-color:#300}html body{scrollbar-shadow-color:#400}"
         "html>BODY{scrollbar-darkshadow-color:#500}p, body{scrollbar-track-color:#600}",
         "face=110000 highlight=220000 3dlight=330000 shadow=440000 darkshadow=550000 "
         "track=660000"},
        {":root over html, html body over body, whatever the order",
         ":root{scrollbar-face-color:#100}html{scrollbar-face-color:red}html body{"
         "scrollbar-arrow-color:#200}body{scrollbar-arrow-color:red}",
         "face=110000 arrow=220000"},
        {"and those that do not",
         "body.home, .x, div, textarea, body p, body *, html + body, bodyx "
         "{ scrollbar-face-color: red }",
         " (none of the seven scrollbar colors is set for the page's own scrollbar; colors are "
         "set for body.home, .x, div, textarea, body p, body *, ht... (line 1))"},
        {"@media for the screen counts, for print alone not; other at-rules are passed over",
         "@charset \"utf-8\";@media screen{body{scrollbar-face-color:#100}}@media print, all{"
         "body{scrollbar-highlight-color:#200}}@media print{body{scrollbar-arrow-color:red}}"
         "@media not print{@media (min-width: 0){body{scrollbar-track-color:#300}}}@supports "
         "(color: red){body{scrollbar-shadow-color:red}}@import url(\"x.css\");",
         "face=110000 highlight=220000 track=330000"},
        {"the style element's media too",
         "<style media=print>body{scrollbar-face-color:red}</style><style media='screen, "
         "print'>body{scrollbar-arrow-color:#100}</style>",
         "arrow=110000"},
        {"the later wins, !important over normal, the attribute over a sheet's normal",
         "<style>body{scrollbar-face-color:red;scrollbar-arrow-color:#300 !IMPORTANT}html body{"
         "scrollbar-arrow-color:red;scrollbar-track-color:#400!important}</style><body style="
         "'scrollbar-face-color:#100;scrollbar-track-color:red;scrollbar-highlight-color:#500'>"
         "<style>body{scrollbar-highlight-color:red}</style>",
         "face=110000 highlight=550000 track=440000 arrow=330000"},
        {"at one level the later of two wins; an !important one, however written, over a later "
         "normal one",
         "body{scrollbar-face-color:red;scrollbar-face-color:#100;scrollbar-arrow-color:#200 ! "
         "important }body{scrollbar-arrow-color:red}",
         "face=110000 arrow=220000"},
        {"only the first html and body tags count",
         "<html style='scrollbar-arrow-color:#200'><body style='scrollbar-face-color:#100'><html "
         "style='scrollbar-arrow-color:red'><body style='scrollbar-face-color:red'>",
         "face=110000 arrow=220000"},
        {"empty comments end where they stand",
         "<!--><style>body{scrollbar-face-color:#100}</style><!----><style>body{scrollbar-arrow-"
         "color:#200}</style><!-- --><body style='scrollbar-track-color:#300'>",
         "face=110000 track=330000 arrow=220000"},
        {"comments, hiding marks, scripts and text that only looks like a tag",
         "<!-- <body style='scrollbar-face-color:red'> --><script>document.write('<style>"
         "body{scrollbar-face-color:red}</style>')</script><style><!--\n<![CDATA[ body { /* "
         "scrollbar-arrow-color: red; */ scrollbar-track-color: /* x */ #100 } ]]> --></style>"
         "<styles>body{scrollbar-face-color:red}</styles><body data-style='scrollbar-face-"
         "color:red'>",
         "track=110000"},
        {"the base colour gives the roles left unset, whatever the order",
         "body{scrollbar-face-color:#100;scrollbar-base-color:#C0C0C0;scrollbar-arrow-color:foo}",
         "face=110000 highlight=FFFFFF 3dlight=C0C0C0 shadow=808080 darkshadow=404040 "
         "track=E0E0E0 arrow=000000|1 scrollbar-arrow-color: 'foo' is not a color; the one "
         "derived from scrollbar-base-color is used"},
        {"skipped values are said once with their lines; a later bad one does not undo a good one",
         "* {\n scrollbar-face-color: foo;\n scrollbar-arrow-color: rgba(0, 0, 255, .5);\n"
         " scrollbar-track-color: oklab(0.5 0 0);\n scrollbar-shadow-color: red; "
         "scrollbar-shadow-color: inherit }",
         "shadow=FF0000 arrow=0000FF|2 scrollbar-face-color: 'foo' is not a color; none|3 "
         "scrollbar-arrow-color: 'rgba(0, 0, 255, .5)' has an alpha of 0.5; it is taken opaque|"
         "4 scrollbar-track-color: 'oklab(0.5 0 0)' is a color this program does not convert; "
         "none"},
        {"set, but nothing usable",
         "<body style=\"scrollbar-face-color: transparent; scrollbar-base-color: var(--x)\">",
         "|1 scrollbar-face-color: 'transparent' is not a color; none|1 scrollbar-base-color: "
         "'var(--x)' is not a color; nothing is derived from it (none of the scrollbar colors it "
         "sets can be used)"},
        {"no doctype: quirks mode, body's colors, html's where body sets none", both(""), quirks},
        {"HTML 3.2", both("<!doctype html public '-//W3C//DTD HTML 3.2 Final//EN'>"), quirks},
        {"4.01 Transitional without its DTD's address", both(html401 + " Transitional//EN\">"),
         quirks},
        {"4.01 Frameset too", both(html401 + " Frameset//EN\">"), quirks},
        {"HTML 2.0", both("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">"), quirks},
        {"a comment before the doctype", both("<!-- x -->" + html401 + "//EN\">"), quirks},
        {"an XML declaration before it", both("<?xml version='1.0'?><!DOCTYPE html>"), quirks},
        {"Strict: standards mode, html's colors, body's where html sets none, said",
         both(html401 + "//EN\">"), standards("\"-//W3C//DTD HTML 4.01//EN\"")},
        {"Transitional with its DTD's address",
         both(html401 + " Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">"),
         standards("\"-//W3C//DTD HTML 4.01 Transitional//EN\" with its DTD address")},
        {"HTML 5", both("<!DOCTYPE html>"), standards("<!DOCTYPE html>")},
        {"XHTML", both("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\">"),
         standards("\"-//W3C//DTD XHTML 1.0 Strict//EN\"")},
        {"one it did not know", both("<!DOCTYPE x PUBLIC '-//A//DTD B//EN'>"),
         standards("\"-//A//DTD B//EN\", unknown to Internet Explorer,")},
        {"a sheet: body's over html's, each with its own base; the more specific selector wins",
         "body{scrollbar-base-color:silver;scrollbar-arrow-color:#100}*{scrollbar-arrow-color:red;"
         "scrollbar-highlight-color:#200}html{scrollbar-face-color:red;scrollbar-track-color:red}",
         "face=C0C0C0 highlight=220000 3dlight=C0C0C0 shadow=808080 darkshadow=404040 track=E0E0E0 "
         "arrow=110000"},
        {"server code is passed over; a value it writes is named",
         "<?php header('Content-type: text/css'); ?>\nbody{scrollbar-face-color:#100;<% if x %>\n"
         "scrollbar-arrow-color:<?= $arrow ?>}<? '<body style=scrollbar-track-color:red>'",
         "face=110000|3 scrollbar-arrow-color: '<?= $arrow ?>' is written by the server when the "
         "page is served; none"},
        {"misspelt properties are named",
         "*{scrollbar-dark-shadow-color:red;Scrollbar-3d-light-color:red;\n"
         "scrollbar-arow-color:red;_scrollbar-face-color:red;scrollbar-track-colour:red}",
         misspelt("1", "scrollbar-dark-shadow-color", "darkshadow") +
             misspelt("1", "Scrollbar-3d-light-color", "3dlight") +
             misspelt("2", "scrollbar-arow-color", "arrow") +
             misspelt("2", "scrollbar-track-colour", "track") +
             " (none of the seven scrollbar colors is set)"},
        {"colors set elsewhere are pointed at",
         "<style>textarea{scrollbar-face-color:red}textarea{scrollbar-arrow-color:red}\nbody,{"
         "scrollbar-face-color:red}</style><style media=print>body{scrollbar-arrow-color:red}"
         "</style>\n<style>@media print{body{scrollbar-face-color:red}}</style><p style='"
         "scrollbar-track-color:red'>",
         " (none of the seven scrollbar colors is set for the page's own scrollbar; colors are set "
         "for textarea (line 1), in the selector \"body,\" that the browser drops (line 2), in "
         "<style media=\"print\"> (line 2), in @media print (line 3) and in 1 more place)"},
        {"an unfinished style element", "<style>body { scrollbar-face-color: red", "face=FF0000"},
        {"an unfinished body tag", "<body style=\"scrollbar-arrow-color: red", "arrow=FF0000"},
        {"a style attribute without a value", "<html style><body style=scrollbar-face-color:red>",
         "face=FF0000"},
        {"a page saved as UTF-16", utf16("<body style='scrollbar-face-color:red'>"), "face=FF0000"},
        {"big-endian", utf16("<body style='scrollbar-face-color:red'>", true), "face=FF0000"},
        {"@media as deep as it is read",
         deep(maxMediaNesting) + "body{scrollbar-face-color:#100}" +
             std::string(maxMediaNesting, '}') + "@media screen{body{scrollbar-arrow-color:#200}}",
         "face=110000 arrow=220000"},
        {"one level deeper it is skipped whole, and said",
         deep(maxMediaNesting + 1) + "body{scrollbar-face-color:red}" +
             std::string(maxMediaNesting + 1, '}') + "body{scrollbar-arrow-color:#200}",
         "arrow=220000|1" + tooDeep},
        {"far deeper, what stands around it counts",
         "body{scrollbar-face-color:#100}\n" + deep(100000) + "body{scrollbar-face-color:red}" +
             std::string(100000, '}') + "\nbody{scrollbar-arrow-color:#200}",
         "face=110000 arrow=220000|2" + tooDeep},
        {"far deeper and unfinished, in a page",
         "<body style='scrollbar-track-color:#300'><style>\n" + deep(100000) + "</style>",
         "track=330000|2" + tooDeep},
    };
    for (const auto& [name, text, found] : cases)
        EXPECT_EQ(describe(text), found) << name << ": " << text.substr(0, 300);
}

TEST(ScrollbarColorReader, TheBaseColourKeepsTheClassicOrderItsHueAndTheArrowStandsOut) {
    // Grey as the defaults; black and white at the ends of each channel; and navy, dark enough
    // that its highlight is a quarter lighter rather than white.
    const std::pair<ColorValue, std::array<ColorValue, colorRoleCount>> cases[] = {
        {0xC0C0C0, {0xC0C0C0, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0xE0E0E0, 0x000000}},
        {0x000000, {0x000000, 0x404040, 0x000000, 0x000000, 0x000000, 0x808080, 0xFFFFFF}},
        {0xFFFFFF, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xAAAAAA, 0x555555, 0xFFFFFF, 0x000000}},
        {0x800000, {0x800000, 0xAA5555, 0x800000, 0x550000, 0x2B0000, 0xC08080, 0xFFFFFF}},
    };
    for (const auto& [base, colors] : cases)
        EXPECT_EQ(deriveFromBaseColor(base), colors) << colorToHex(base);
}

} // namespace
} // namespace brisvane
