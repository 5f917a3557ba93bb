#include "generate/BodyScrollbarColors.h"

#include "generate/PreviewPage.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace brisvane {
namespace {

// The roles that have a value, as "face=red|arrow=blue" ("scrollbar-" and "-color" left off).
std::string describe(const BodyScrollbarColors& colors) {
    std::string text;
    for (ColorRole role : allColorRoles) {
        const std::string_view css = cssPropertyName(role);
        if (const auto& value = colors[roleIndex(role)])
            text.append(text.empty() ? "" : "|")
                .append(css.substr(10, css.size() - 16))
                .append("=")
                .append(*value);
    }
    return text;
}

// Each case: what it is, the page, and what is found in it.
void expectCases(const std::vector<std::tuple<const char*, std::string, std::string>>& cases) {
    for (const auto& [name, html, found] : cases)
        EXPECT_EQ(describe(findBodyScrollbarColors(html)), found) << name << ": " << html;
}

TEST(BodyScrollbarColors, ReadsTheDeclarationsAsWritten) {
    ScrollbarScheme scheme;
    BodyScrollbarColors all;
    for (ColorRole role : allColorRoles) {
        all[roleIndex(role)] = "#A0000" + std::to_string(roleIndex(role) + 1);
        scheme.setColor(role, *all[roleIndex(role)]);
    }
    expectCases({
        {"our preview page", buildPreviewPage(scheme, "/home/user/my app"), describe(all)},
        {"upper-case names, tags and selector",
         "<HTML><HEAD><STYLE TYPE=\"text/css\">BODY { SCROLLBAR-FACE-COLOR: Red; "
         "Scrollbar-Arrow-Color: #aBc }</STYLE></HEAD><BODY></BODY></HTML>",
         "face=Red|arrow=#aBc"},
    });
}

TEST(BodyScrollbarColors, TakesOnlyWhatAppliesToTheBodyAndLetsTheLaterWin) {
    expectCases({
        {"selector lists",
         "<style>BODY, p { scrollbar-face-color: red }\n"
         "h1,p,\nbody{scrollbar-arrow-color:blue}</style>",
         "face=red|arrow=blue"},
        {"other selectors are not the body",
         "<style>p { scrollbar-face-color: red } body p { scrollbar-face-color: red } body.x { "
         "scrollbar-arrow-color: red } bodyx { scrollbar-track-color: red }</style>",
         ""},
        {"@media skipped, rules after at-rules read",
         "<style>@charset \"utf-8\";\n@media print { body { scrollbar-face-color: red } }\n"
         "@import url(\"more.css\");\nbody { scrollbar-arrow-color: blue }</style>",
         "arrow=blue"},
        {"css comments",
         "<style>/* body { scrollbar-arrow-color: red } */\nbody { /* n */ "
         "scrollbar-face-color: /* first */ blue; /* scrollbar-track-color: "
         "red; */ }</style>",
         "face=blue"},
        {"html comments",
         "<!-- <style>body { scrollbar-face-color: red }</style><body "
         "style=\"scrollbar-track-color: red\"> --><!--><style>body { "
         "scrollbar-arrow-color: blue }</style><body></body>",
         "arrow=blue"},
        {"tags written by a script",
         "<script>document.write('<body style=\"scrollbar-face-color: red\">');</script>"
         "<body style=\"scrollbar-arrow-color: blue\"></body>",
         "arrow=blue"},
        {"longer tag names",
         "<styles>body { scrollbar-face-color: red }</styles><bodyx "
         "style=\"scrollbar-arrow-color: red\"><body style=\"scrollbar-track-color: blue\">",
         "track=blue"},
        {"later declaration, rule and style element",
         "<style>body { scrollbar-face-color: red; scrollbar-face-color: blue; "
         "scrollbar-arrow-color: red }\nbody { scrollbar-track-color: green }</style>"
         "<style>body { scrollbar-arrow-color: blue }</style>",
         "face=blue|track=green|arrow=blue"},
        {"!important in any spelling",
         "<style>body { scrollbar-face-color: red !important; scrollbar-arrow-color: "
         "blue!IMPORTANT; scrollbar-track-color: navy ! important }</style>",
         "face=red|track=navy|arrow=blue"},
        {"style attribute wins, even over a later sheet",
         "<style>body { scrollbar-face-color: red; scrollbar-arrow-color: red }</style>"
         "<body style=\"scrollbar-face-color: blue\"><style>body { scrollbar-face-color: green "
         "}</style>",
         "face=blue|arrow=red"},
        {"unquoted style attribute after one holding '>'",
         "<BODY title=\"a > b\" bgcolor=white STYLE=scrollbar-face-color:red>", "face=red"},
        {"data-style is not the style, only the first body tag counts",
         "<body data-style=\"scrollbar-face-color: red\"><body style=\"scrollbar-face-color: "
         "blue\">",
         ""},
    });
}

TEST(BodyScrollbarColors, BrokenInputNeverThrowsAndFindsNothingInvented) {
    expectCases({
        {"unfinished style element", "<style>body { scrollbar-face-color: red", "face=red"},
        {"unfinished html comment", "<!-- <style>body { scrollbar-face-color: red }</style>", ""},
        {"unfinished body tag", "<body style=\"scrollbar-face-color: red", "face=red"},
    });
}

} // namespace
} // namespace brisvane
