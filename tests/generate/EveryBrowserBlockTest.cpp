#include "generate/EveryBrowserBlock.h"
#include "generate/StyleBlock.h"
#include "scheme/Ascii.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <regex>

namespace brisvane {
namespace {

const ScrollbarScheme seven{
    {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};

BlockReach picked(std::string_view selectors) {
    std::string why;
    return BlockReach::matching(selectors, why).value_or(BlockReach::page());
}

TEST(EveryBrowserBlock, EachPartWithItsColoursAndDamageRepaired) {
    const ScrollbarScheme damaged{
        {"<not_set>", "#12", "red;}</style><script>", "", "#c0ffee"}, "#GG0000", "#ÄÄÄ"};
    ScrollbarScheme repaired = defaultScheme;
    repaired.faceGroupColors[4] = "#C0FFEE";
    EXPECT_EQ(buildEveryBrowserBlock(damaged), buildEveryBrowserBlock(repaired));
    for (const ScrollbarScheme& c : {defaultScheme, seven, repaired}) {
        const std::string block = buildEveryBrowserBlock(c), classic = buildStyleBlock(c);
        SCOPED_TRACE(block);
        // The classic rule word for word (the classic block's lines within <!-- and -->), then
        // Blink's part, then Firefox's, which must never reach Blink.
        EXPECT_TRUE(block.starts_with(
            "<style type=\"text/css\">\r\n    /* Internet Explorer 5.5 and later */\r\n" +
            classic.substr(31, classic.size() - 44) +
            "    /* Chrome, Edge, Opera and Safari */\r\n    @supports "
            "selector(::-webkit-scrollbar-thumb)\r\n"));
        EXPECT_TRUE(block.ends_with("    /* Firefox */\r\n    @supports not "
                                    "selector(::-webkit-scrollbar-thumb)\r\n    {\r\n        "
                                    "html\r\n        {\r\n            scrollbar-color: " +
                                    c.faceGroupColors[0] + " " + c.trackColor +
                                    " !important;\r\n        }\r\n    }\r\n</style>"));
        EXPECT_EQ(std::ranges::count(block, '\n'), std::ranges::count(block, '\r'));
        // Every colour written, in order: the classic rule's; track, corner; the bevel's
        // picture (URL-encoded: a small letter), the face; the pressed picture; the four
        // glyphs; Firefox's.
        std::string seen, want;
        const std::regex color("(#|%23)[^';,\\s]*");
        for (std::sregex_iterator m(block.begin(), block.end(), color), end; m != end; ++m)
            seen += m->str() + ' ';
        for (char role : std::string_view("FHLSDTATFdlshFsfaaaaFT")) {
            const auto i = std::string_view("FHLSDTA").find(ascii::upper(role));
            const std::string hex = c.color(allColorRoles[i]);
            want += (role == ascii::upper(role) ? hex : "%23" + hex.substr(1)) + ' ';
        }
        EXPECT_EQ(seen, want);
    }
}

TEST(EveryBrowserBlock, AllThreePartsFollowTheReach) {
    struct Case {
        BlockReach reach;
        std::string classic, parts, blink, firefox;
    };
    const Case cases[] = {
        {{},
         "body",
         ":is(html, html *)",
         "html\r\n        {\r\n            scrollbar-width: auto "
         "!important;",
         "html\r\n        {\r\n            scrollbar-color: #F0C000 #FF8000 !important;"},
        {BlockReach::page(), "body", ":is(html, body)", "html\r\n        {\r\n",
         ":where(body)\r\n        {\r\n            scrollbar-color: auto;"},
        {picked(" .side > p,textarea "), ".side > p,textarea", ":is(.side > p,textarea)",
         ":is(.side > p,textarea)\r\n        {\r\n            scrollbar-width: auto;",
         ":is(.side > p,textarea)\r\n        {\r\n            scrollbar-color: #F0C000 #FF8000;"},
    };
    for (const Case& c : cases) {
        const std::string block = buildEveryBrowserBlock(seven, c.reach);
        SCOPED_TRACE(block);
        EXPECT_NE(block.find("\r\n    " + c.classic + "\r\n    {\r\n        scrollbar-face"),
                  std::string::npos);
        EXPECT_EQ(buildStyleBlock(seven, c.reach).substr(31, c.classic.size() + 6),
                  "    " + c.classic + "\r\n");
        // Every part's rule starts with the reach's selector (the two guards name a part too).
        auto count = [&block](const std::string& text) {
            int n = 0;
            for (std::size_t at = 0; (at = block.find(text, at)) != std::string::npos; ++at)
                ++n;
            return n;
        };
        EXPECT_EQ(count(c.parts + "::-webkit-scrollbar") + 2, count("::-webkit-scrollbar"));
        EXPECT_GT(count(c.parts + "::-webkit-scrollbar"), 10);
        EXPECT_NE(block.find(c.blink), std::string::npos);
        EXPECT_NE(block.find(c.firefox, block.find("/* Firefox */")), std::string::npos);
    }
}

// A border is rounded down to whole device pixels: for every ratio from a quarter to four and
// a half, the bevel's width makes an even number of them, two rings of equal width.
TEST(EveryBrowserBlock, BevelRingsAreWholeAndEqualAtEveryRatio) {
    const std::string block = buildEveryBrowserBlock(defaultScheme);
    std::map<double, double> ladder;
    const std::regex step("min-resolution: ([0-9.]+)dppx\\) \\{ :root \\{ --brisvane-bevel: "
                          "([0-9.]+)px; \\} \\}");
    for (std::sregex_iterator m(block.begin(), block.end(), step), end; m != end; ++m)
        ladder[std::stod((*m)[1])] = std::stod((*m)[2]);
    ASSERT_EQ(ladder.begin()->first, 0.25);
    for (double r = 0.25; r < 4.5; r += 0.0005) {
        const long pixels = std::lround(std::floor(std::prev(ladder.upper_bound(r))->second * r));
        EXPECT_TRUE(pixels % 2 == 0 && pixels / 2 >= 1 && pixels / 2 <= std::lround(r) + 1)
            << r << ": " << pixels;
    }
}

TEST(BlockReach, TakesSelectorListsAndRefusesWhatCouldLeaveTheirPlace) {
    const std::pair<std::string, std::string> cases[] = {
        {".sidebar, textarea", ""},
        {"div > p:not(.a, .b) ~ li:nth-child(2n+1)", ""},
        {"a[href$=\".pdf\" i] + *, [lang|='en']", ""},
        {"#caf\\E9 .\xC3\xA9t\xC3\xA9 ns|b", ""},
        {" \t ", "the selector list is empty"},
        {std::string(513, 'a'), "the selector list is longer than 512 bytes"},
        {"body { color: red } p", "the selector list holds \"{\""},
        {"p; q", "the selector list holds \";\""},
        {"p</style><script>", "the selector list holds \"<\""},
        {"p /* x */", "the selector list holds \"/*\""},
        {"@media", "the selector list holds \"@\""},
        {"p\nq", "the selector list holds a line break"},
        {"p\x01", "the selector list holds a control character"},
        {"p\\7B q", "the selector list holds an escape for \"{\""},
        {"p\\00003c", "the selector list holds an escape for \"<\""},
        {"p\\2f *", "the selector list holds an escape for \"/\""},
        {"p\\", "the selector list holds a line break"},
        {"a[title=\"x]", "the selector list has an unclosed string"},
        {"a[title", "the selector list has an unclosed \"[\""},
        {"a[x)]", "the selector list has an unmatched \")\""},
        {"a,,b", "the selector list has an empty selector before a comma"},
        {"a,", "the selector list ends in a comma"},
        {"a & b", "the selector list holds \"&\", which no selector has"},
    };
    for (const auto& [text, why] : cases) {
        std::string said = "unchanged";
        const auto reach = BlockReach::matching(text, said);
        EXPECT_EQ(said, why) << text;
        EXPECT_EQ(reach.has_value(), why.empty()) << text;
    }
}

} // namespace
} // namespace brisvane
