#include "generate/BodyScrollbarColors.h"

#include "generate/PreviewPage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace brisvane {
namespace {

using Declared = std::pair<ColorRole, const char*>;

BodyScrollbarColors expected(std::initializer_list<Declared> declared) {
    BodyScrollbarColors colors;
    for (const auto& [role, value] : declared)
        colors[roleIndex(role)] = value;
    return colors;
}

// The seven declarations in role order, as a page writer would type them.
std::string sevenDeclarations(const char* separator) {
    const char* values[] = {"#111111", "#222222", "#333333", "#444444",
                            "#555555", "#666666", "#777777"};
    std::string text;
    for (ColorRole role : allColorRoles) {
        text += cssPropertyName(role);
        text += ": ";
        text += values[roleIndex(role)];
        text += ';';
        text += separator;
    }
    return text;
}

const BodyScrollbarColors allSeven = expected({{ColorRole::Face, "#111111"},
                                               {ColorRole::Highlight, "#222222"},
                                               {ColorRole::ThreeDLight, "#333333"},
                                               {ColorRole::Shadow, "#444444"},
                                               {ColorRole::DarkShadow, "#555555"},
                                               {ColorRole::Track, "#666666"},
                                               {ColorRole::Arrow, "#777777"}});

std::string describe(const BodyScrollbarColors& colors) {
    std::string text;
    for (ColorRole role : allColorRoles) {
        const auto& value = colors[roleIndex(role)];
        text +=
            std::string(cssPropertyName(role)) + '=' + (value ? '"' + *value + '"' : "none") + ' ';
    }
    return text;
}

struct ParseCase {
    const char* name;
    std::string html;
    BodyScrollbarColors colors;
};

void expectCases(const std::vector<ParseCase>& cases) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BodyScrollbarColors found = findBodyScrollbarColors(c.html);
        EXPECT_EQ(describe(found), describe(c.colors)) << c.html;
    }
}

TEST(BodyScrollbarColors, ReadsTheRuleOfPagesAsTheyAreWritten) {
    expectCases({
        {"preview page layout",
         "<html>\r\n<head>\r\n<style type=\"text/css\">\r\n<!--\r\nbody {\r\n" +
             sevenDeclarations("\r\n") + "}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n" +
             "<P>Hello World!</P>\r\n</body>\r\n</html>",
         allSeven},
        {"copied style block",
         "<style type=\"text/css\">\r\n<!--\r\n    body\r\n    {\r\n" +
             sevenDeclarations("\r\n        ") + "    }\r\n-->\r\n</style>",
         allSeven},
        {"upper-case names, tags and selector",
         "<HTML><HEAD><STYLE TYPE=\"text/css\">BODY { SCROLLBAR-FACE-COLOR: Red; "
         "Scrollbar-Arrow-Color: #aBc }</STYLE></HEAD><BODY></BODY></HTML>",
         expected({{ColorRole::Face, "Red"}, {ColorRole::Arrow, "#aBc"}})},
        {"no blanks and no final semicolon",
         "<style>body{scrollbar-track-color:navy;scrollbar-shadow-color:gray}</style>",
         expected({{ColorRole::Track, "navy"}, {ColorRole::Shadow, "gray"}})},
        {"values are trimmed, inner blanks kept",
         "<style>body {\n\tscrollbar-face-color :\t rgb(1, 2, 3)  \n}</style>",
         expected({{ColorRole::Face, "rgb(1, 2, 3)"}})},
        {"a value that is no colour is still reported",
         "<style>body { scrollbar-face-color: <not_set>; scrollbar-arrow-color: #12 }</style>",
         expected({{ColorRole::Face, "<not_set>"}, {ColorRole::Arrow, "#12"}})},
        {"an empty value is reported as empty", "<style>body { scrollbar-face-color: ; }</style>",
         expected({{ColorRole::Face, ""}})},
        {"no style at all", "<html><body><p>text</p></body></html>", expected({})},
        {"other properties only",
         "<style>body { color: red; background: white; scrollbar-base-color: blue }</style>",
         expected({})},
    });
}

TEST(BodyScrollbarColors, PicksOnlyWhatAppliesToTheBody) {
    expectCases({
        {"selector list naming body", "<style>BODY, p { scrollbar-face-color: red }</style>",
         expected({{ColorRole::Face, "red"}})},
        {"body last in a selector list", "<style>h1,p,\nbody{scrollbar-face-color:red}</style>",
         expected({{ColorRole::Face, "red"}})},
        {"a rule for p only", "<style>p { scrollbar-face-color: red }</style>", expected({})},
        {"descendant and compound selectors are not the body",
         "<style>body p { scrollbar-face-color: red } body.x { scrollbar-arrow-color: red }"
         " bodyx { scrollbar-track-color: red }</style>",
         expected({})},
        {"rules inside @media are skipped, later rules are not",
         "<style>@media print { body { scrollbar-face-color: red } }\n"
         "body { scrollbar-arrow-color: blue }</style>",
         expected({{ColorRole::Arrow, "blue"}})},
        {"rules after statement at-rules still count",
         "<style>@charset \"utf-8\";\n@import url(\"more.css\");\n"
         "body { scrollbar-face-color: red }</style>",
         expected({{ColorRole::Face, "red"}})},
        {"css comments hide declarations and rules",
         "<style>/* body { scrollbar-arrow-color: red } */\nbody { /* note */ "
         "scrollbar-face-color: /* first */ blue; /* scrollbar-track-color: red; */ }</style>",
         expected({{ColorRole::Face, "blue"}})},
        {"a style element inside an html comment is not read",
         "<!-- <style>body { scrollbar-face-color: red }</style> -->"
         "<style>body { scrollbar-arrow-color: blue }</style><body></body>",
         expected({{ColorRole::Arrow, "blue"}})},
        {"a body tag inside an html comment is not the body",
         "<!-- <body style=\"scrollbar-face-color: red\"> --><body "
         "style=\"scrollbar-arrow-color: blue\"></body>",
         expected({{ColorRole::Arrow, "blue"}})},
        {"an empty html comment ends at once",
         "<!--><style>body { scrollbar-face-color: red }</style>",
         expected({{ColorRole::Face, "red"}})},
        {"tags written by a script are not the page's",
         "<script>document.write('<body style=\"scrollbar-face-color: red\">');</script>"
         "<body style=\"scrollbar-arrow-color: blue\"></body>",
         expected({{ColorRole::Arrow, "blue"}})},
        {"style element with attributes",
         "<style type=\"text/css\" title=\"a > b\" media=screen>body { "
         "scrollbar-face-color: red }</style>",
         expected({{ColorRole::Face, "red"}})},
        {"<bodyx> is not the body",
         "<bodyx style=\"scrollbar-face-color: red\"><body style=\"scrollbar-arrow-color: "
         "blue\"></body>",
         expected({{ColorRole::Arrow, "blue"}})},
        {"<styles> is not a style element", "<styles>body { scrollbar-face-color: red }</styles>",
         expected({})},
    });
}

TEST(BodyScrollbarColors, LaterAndStrongerDeclarationsWin) {
    expectCases({
        {"later declaration in one rule",
         "<style>body { scrollbar-face-color: red; scrollbar-face-color: blue }</style>",
         expected({{ColorRole::Face, "blue"}})},
        {"later rule and later style element",
         "<style>body { scrollbar-face-color: red; scrollbar-arrow-color: red }\n"
         "body { scrollbar-face-color: green }</style>"
         "<style>body { scrollbar-arrow-color: blue }</style>",
         expected({{ColorRole::Face, "green"}, {ColorRole::Arrow, "blue"}})},
        {"!important is dropped in any spelling",
         "<style>body { scrollbar-face-color: red !important; scrollbar-arrow-color: "
         "blue!IMPORTANT; scrollbar-track-color: navy ! important }</style>",
         expected(
             {{ColorRole::Face, "red"}, {ColorRole::Arrow, "blue"}, {ColorRole::Track, "navy"}})},
        {"body style attribute wins over the sheet",
         "<style>body { scrollbar-face-color: red; scrollbar-arrow-color: red }</style>"
         "<body style=\"scrollbar-face-color: blue\"></body>",
         expected({{ColorRole::Face, "blue"}, {ColorRole::Arrow, "red"}})},
        {"style attribute wins over a sheet written after the body tag",
         "<body style='scrollbar-face-color: blue'><style>body { scrollbar-face-color: red "
         "}</style></body>",
         expected({{ColorRole::Face, "blue"}})},
        {"unquoted style attribute", "<BODY bgcolor=white STYLE=scrollbar-face-color:red>",
         expected({{ColorRole::Face, "red"}})},
        {"style attribute after one holding '>'",
         "<body title=\"a > b\" style=\"scrollbar-face-color: red\"></body>",
         expected({{ColorRole::Face, "red"}})},
        {"other attributes ending in 'style' are not the style",
         "<body data-style=\"scrollbar-face-color: red\"></body>", expected({})},
        {"only the first body tag counts",
         "<body style=\"scrollbar-face-color: red\"><body style=\"scrollbar-face-color: "
         "blue\">",
         expected({{ColorRole::Face, "red"}})},
    });
}

TEST(BodyScrollbarColors, ReadsThePreviewPageItIsMeantFor) {
    ScrollbarScheme scheme;
    const char* values[] = {"#A00001", "#A00002", "#A00003", "#A00004",
                            "#A00005", "#A00006", "#A00007"};
    for (ColorRole role : allColorRoles)
        scheme.setColor(role, values[roleIndex(role)]);
    const BodyScrollbarColors found =
        findBodyScrollbarColors(buildPreviewPage(scheme, "/home/user/my app"));
    for (ColorRole role : allColorRoles) {
        SCOPED_TRACE(std::string(cssPropertyName(role)));
        ASSERT_TRUE(found[roleIndex(role)].has_value());
        EXPECT_EQ(*found[roleIndex(role)], values[roleIndex(role)]);
    }
}

TEST(BodyScrollbarColors, BrokenInputNeverThrowsAndFindsNothingInvented) {
    const char binary[] = "<style>\0body\xff{\x80scrollbar-face-color:\0red}</style>";
    const std::vector<ParseCase> cases = {
        {"empty", "", expected({})},
        {"lone angle brackets", "<<<>>><", expected({})},
        {"unfinished style tag", "<style", expected({})},
        {"unfinished style element", "<style>body { scrollbar-face-color: red",
         expected({{ColorRole::Face, "red"}})},
        {"unfinished comment", "<style>body { scrollbar-face-color: red /* x",
         expected({{ColorRole::Face, "red"}})},
        {"unfinished html comment", "<!-- <style>body { scrollbar-face-color: red }</style>",
         expected({})},
        {"unfinished body tag", "<body style=\"scrollbar-face-color: red",
         expected({{ColorRole::Face, "red"}})},
        {"body tag at the very end", "<body", expected({})},
        {"attribute without value", "<body style>", expected({})},
        {"stray braces", "<style>}}{{body{}}{</style>", expected({})},
        {"colon-less declarations", "<style>body { scrollbar-face-color red; ;; }</style>",
         expected({})},
        {"at-rule without end", "<style>@import url(x.css)", expected({})},
        {"binary bytes", std::string(binary, sizeof binary - 1), expected({})},
    };
    expectCases(cases);

    // Random mixes of the tokens the parser looks for, to reach the odd paths too.
    const std::vector<std::string> tokens = {"<",
                                             ">",
                                             "<style",
                                             "</style",
                                             "<body",
                                             " style=",
                                             "\"",
                                             "'",
                                             "{",
                                             "}",
                                             "/*",
                                             "*/",
                                             "<!--",
                                             "-->",
                                             ";",
                                             ":",
                                             "@media",
                                             "@import",
                                             "body",
                                             ",",
                                             "!",
                                             "important",
                                             "scrollbar-face-color",
                                             " ",
                                             "\r\n",
                                             std::string(1, '\0'),
                                             "\xff"};
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 3000; ++round) {
        std::string html;
        for (int i = length(random); i > 0; --i)
            html += tokens[pick(random)];
        EXPECT_NO_THROW(findBodyScrollbarColors(html)) << html;
    }
}

} // namespace
} // namespace brisvane
