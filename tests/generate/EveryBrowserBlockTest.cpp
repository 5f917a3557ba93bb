#include "generate/EveryBrowserBlock.h"
#include "generate/StyleBlock.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

namespace brisvane {
namespace {

TEST(EveryBrowserBlock, EachPartUnderItsGuardWithItsColoursAndDamageRepaired) {
    const ScrollbarScheme seven{
        {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};
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
        EXPECT_TRUE(block.ends_with(
            "    /* Firefox */\r\n    @supports not selector(::-webkit-scrollbar-thumb)\r\n    "
            "{\r\n        html\r\n        {\r\n            scrollbar-color: " +
            c.faceGroupColors[0] + " " + c.trackColor + ";\r\n        }\r\n    }\r\n</style>"));
        EXPECT_EQ(std::ranges::count(block, '@'), 2);
        EXPECT_EQ(std::ranges::count(block, '\n'), std::ranges::count(block, '\r'));
        // Every colour written, in order: the classic rule's; track, corner, face of thumb and
        // buttons, their bevel, the pressed frame; the four glyphs' (a, URL-encoded); Firefox's.
        std::string seen, want;
        const std::regex color("(#|%23)[^';,\\s]*");
        for (std::sregex_iterator m(block.begin(), block.end(), color), end; m != end; ++m)
            seen += m->str() + ' ';
        for (char role : std::string_view("FHLSDTATFFDLSHSaaaaFT"))
            want += (role == 'a' ? "%23" + c.arrowColor.substr(1)
                                 : c.color(allColorRoles[std::string_view("FHLSDTA").find(role)])) +
                    ' ';
        EXPECT_EQ(seen, want);
    }
}

} // namespace
} // namespace brisvane
