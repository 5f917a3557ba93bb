#include "generate/EveryBrowserBlock.h"
#include "generate/StyleBlock.h"
#include "support/CoreTestSupport.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>

namespace brisvane {
namespace {

const ScrollbarScheme seven{
    {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};

BlockReach picked(std::string_view selectors) {
    const auto reach = BlockReach::matching(selectors);
    return reach ? *reach : BlockReach::page();
}

// The block as it is known to draw right in Chromium, Firefox and WebKit (tests/browser), for
// each reach, byte for byte. After a deliberate change to the block, BRISVANE_WRITE_GOLDEN=1
// writes the files anew; the browser test is what says that the new block is right.
TEST(EveryBrowserBlock, IsTheBlockTheBrowsersWereShown) {
    const std::string folder =
        std::filesystem::path(__FILE__).parent_path().string() + "/golden/every-browser-";
    ScrollbarScheme states = seven, dark = darkDefaultScheme;
    states.hoverColor = "#4080C0";
    dark.pressedColor = "#101010";
    const struct {
        const char* name;
        ProjectColors colors;
        BlockReach reach;
        std::string darkWhen;
    } cases[] = {{"all", seven, {}, {}},
                 {"page", seven, BlockReach::page(), {}},
                 {"selector", seven, picked(" .side > p,textarea "), {}},
                 {"states-dark", {states, dark}, {}, {}},
                 {"dark-selector", {seven, dark}, picked("textarea"), "[data-theme=dark]"}};
    for (const auto& [name, colors, reach, darkWhen] : cases) {
        const std::string file = folder + name + ".html",
                          block = buildEveryBrowserBlock(colors, reach, darkWhen);
        if (std::getenv("BRISVANE_WRITE_GOLDEN"))
            test::writeBytes(file, block);
        EXPECT_EQ(block, test::readBytes(file)) << file;
    }
}

TEST(EveryBrowserBlock, WritesEveryColourItCannotReadAsTheDefault) {
    const ScrollbarScheme damaged{
        {"<not_set>", "#12", "red;}</style><script>", "", "#c0ffee"}, "0C0FFEE", "#ÄÄÄ", "#c0ffee"};
    ScrollbarScheme repaired = defaultScheme;
    repaired.faceGroupColors[4] = repaired.hoverColor = "#C0FFEE";
    EXPECT_EQ(buildEveryBrowserBlock(damaged), buildEveryBrowserBlock(repaired));
}

// Where the author's selector list is as long as it may be, the block still fits in 24 KB.
TEST(EveryBrowserBlock, StaysSmallWithTheLongestSelectorLists) {
    std::string list = ".a";
    while (list.size() + 4 <= maxSelectorListBytes)
        list += ", .a";
    ScrollbarScheme states = seven;
    states.hoverColor = states.pressedColor = "#123456";
    EXPECT_LE(buildEveryBrowserBlock({states, states}, picked(list), list).size(), 24u * 1024);
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
        {"a:is(url(a\"b)c\"))", "the selector list holds url(, which no selector has"},
        {"p, U\\72L(x)", "the selector list holds url(, which no selector has"},
        {"a[title=\"url(\"], b:has(-url(x))", ""},
    };
    for (const auto& [text, why] : cases) {
        const auto reach = BlockReach::matching(text);
        EXPECT_EQ(reach.why(), why) << text;
        EXPECT_EQ(reach.ok(), why.empty()) << text;
    }
}

} // namespace
} // namespace brisvane
