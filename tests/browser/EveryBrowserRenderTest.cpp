#include "generate/EveryBrowserBlock.h"
#include "support/CoreTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

const ScrollbarScheme seven{
    {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};
const double ratios[] = {1, 1.25, 1.5, 1.75, 2.5, 3};

// Each page has a scroll box of 120 by 100 CSS pixels at the top left, A, with both bars, a
// second thing of that size at left 130 (a box B, or a frame whose page is taller than it),
// and is taller than its window of 280 by 150, so that the page's own bar runs down x 264 to
// 280. (At ratios such as 1.25 headless Chromium's screenshot cuts a few pixels off the
// window's right edge, so a page's own bar is looked at in the frame.) The site's CSS goes
// before and after the block.
const std::string tall = "<div style='height:2000px'></div></body></html>";

std::string page(const BlockReach& reach, const std::string& classA, const std::string& classB,
                 const std::string& site = {}) {
    std::string html = "<!DOCTYPE html><html><head>" + site + buildEveryBrowserBlock(seven, reach) +
                       site + "</head><body style='margin:0'>";
    const std::string place = "position:absolute;top:0;width:120px;height:100px;left:";
    html += "<div class='" + classA + "' style='overflow:scroll;" + place +
            "0'><div style='width:400px;height:400px'></div></div>";
    html += classB == "frame" ? "<iframe src='frame.html' style='border:0;" + place + "130px'>"
                              : "<div class='" + classB + "' style='overflow:scroll;" + place +
                                    "130px'><div style='width:400px;height:400px'></div></div>";
    return html + tall;
}

// A screenshot read in CSS pixels scaled by its device pixel ratio.
struct Shot {
    QImage image;
    double r;
    int px(double css) const { return static_cast<int>(css * r + 0.5); }
    // The role letter (FHLSDTA) of the device pixel x, y, or '?' for any other colour.
    char role(int x, int y) const {
        const std::string name = image.pixelColor(x, y).name().toUpper().toStdString();
        for (std::size_t i = 0; i < allColorRoles.size(); ++i)
            if (seven.color(allColorRoles[i]) == name)
                return "FHLSDTA"[i];
        return '?';
    }
    // How many pixels of the strip (CSS pixels) show one of the seven colours, and how many not.
    std::pair<int, int> count(int left, int top, int width, int height) const {
        std::pair<int, int> n;
        for (int y = px(top); y < px(top + height); ++y)
            for (int x = px(left); x < px(left + width); ++x)
                ++(role(x, y) == '?' ? n.second : n.first);
        return n;
    }
};

class EveryBrowserBlockInBrowsers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string why;
        const auto picked = *BlockReach::matching(".pick, textarea", why);
        const std::string site = "<style>* { scrollbar-width: thin } html { scrollbar-color: "
                                 "#123456 #654321 } ::-webkit-scrollbar { width: 8px } .x { "
                                 "scrollbar-width: none } .y::-webkit-scrollbar { display: none }"
                                 "</style>";
        std::string unguarded = page({}, "", "");
        const std::string guard = "@supports not selector(::-webkit-scrollbar-thumb)";
        unguarded.replace(unguarded.find(guard), guard.size(), "@media all");
        const std::pair<const char*, std::string> pages[] = {
            {"all", page({}, "", "frame")},
            {"frame",
             "<!DOCTYPE html>" + buildEveryBrowserBlock(seven) + "<body style='margin:0'>" + tall},
            {"site", page({}, "x", "y", site)},
            {"page", page(BlockReach::page(), "", "")},
            {"pick", page(picked, "pick", "")},
            {"unguarded", unguarded}};
        std::string command = SHOOT_PAGES " " + folder->path;
        for (const auto& [name, html] : pages)
            test::writeBytes(folder->path + "/" + name + ".html", html);
        for (double r : ratios)
            command += " chromium:all:" + QString::number(r).toStdString();
        command += " chromium:site:1.5 chromium:page:1 chromium:pick:1 chromium:unguarded:1 "
                   "firefox:all:1 firefox:pick:1";
        ASSERT_EQ(std::system(command.c_str()), 0) << folder->path;
    }
    static Shot shot(const std::string& name, const char* browser, double r) {
        const std::string file = name + '-' + browser + '-' + QString::number(r).toStdString();
        Shot s{QImage(QString::fromStdString(folder->path + '/' + file + ".png")), r};
        EXPECT_FALSE(s.image.isNull()) << file;
        return s;
    }

    // A raised bar, vertical or horizontal, at left, top (CSS pixels), 16 wide, length long:
    // every pixel one of the seven colours; across the middle of its first button, both ways,
    // the lines 3D light, highlight, face, arrow, face, shadow, dark shadow, the four bevel
    // lines equally wide.
    static void expectRaised(const Shot& s, int left, int top, int length, bool vertical) {
        SCOPED_TRACE(testing::Message() << "bar at " << left << ',' << top << " ratio " << s.r);
        const auto [colored, other] =
            vertical ? s.count(left, top, 16, length) : s.count(left, top, length, 16);
        EXPECT_EQ(other, 0);
        const int x0 = s.px(left), y0 = s.px(top), b = s.px(16);
        for (const bool down : {false, true}) {
            std::string lines;
            std::vector<int> widths;
            for (int i = 0; i < b; ++i) {
                const char role = down ? s.role(x0 + b / 2, y0 + i) : s.role(x0 + i, y0 + b / 2);
                if (lines.empty() || lines.back() != role)
                    lines += role, widths.push_back(0);
                ++widths.back();
            }
            EXPECT_EQ(lines, "LHFAFSD");
            widths.resize(7);
            EXPECT_TRUE(widths[0] == widths[1] && widths[1] == widths[5] && widths[5] == widths[6])
                << widths[0] << widths[1] << widths[5] << widths[6];
        }
    }

    // The arrow in the button at left, top (CSS pixels): a solid triangle pointing its way
    // (u, d, l or r), every row across it centred on the button's middle, and the rows centred
    // along it too, each within half a device pixel.
    static void expectArrow(const Shot& s, int left, int top, char way) {
        SCOPED_TRACE(testing::Message() << "arrow " << way << " ratio " << s.r);
        const bool across = way == 'l' || way == 'r', toward0 = way == 'u' || way == 'l';
        const int b = s.px(16);
        int first = -1, last = -1, lastWidth = toward0 ? 0 : b + 1;
        for (int v = 0; v < b; ++v) {
            int lo = b, hi = -1, n = 0;
            for (int u = 0; u < b; ++u) {
                if (s.role(s.px(left) + (across ? v : u), s.px(top) + (across ? u : v)) == 'A')
                    lo = std::min(lo, u), hi = std::max(hi, u), ++n;
            }
            if (n == 0)
                continue;
            EXPECT_EQ(n, hi - lo + 1) << "row " << v;
            EXPECT_LE(std::abs(lo + hi - (b - 1)), 1) << "row " << v;
            EXPECT_TRUE(toward0 ? n > lastWidth : n < lastWidth) << "row " << v;
            EXPECT_TRUE(first < 0 || v == last + 1) << "row " << v;
            lastWidth = n, last = v, first = first < 0 ? v : first;
        }
        EXPECT_GE(first, 0);
        EXPECT_LE(std::abs(first + last - (b - 1)), 1);
    }

    static inline std::unique_ptr<test::TempFolder> folder = std::make_unique<test::TempFolder>();
};

TEST_F(EveryBrowserBlockInBrowsers, ChromiumDrawsTheRaisedBarCrispAtEveryScale) {
    for (double r : ratios) {
        const Shot s = shot("all", "chromium", r);
        expectRaised(s, 104, 0, 84, true);  // box A's vertical bar
        expectRaised(s, 0, 84, 104, false); // its horizontal bar
        expectRaised(s, 234, 0, 100, true); // the frame's page's own
        for (const auto& [left, top, way] :
             {std::tuple{104, 0, 'u'}, {104, 68, 'd'}, {0, 84, 'l'}, {88, 84, 'r'}, {234, 84, 'd'}})
            expectArrow(s, left, top, way);
    }
}

TEST_F(EveryBrowserBlockInBrowsers, ASitesOwnScrollbarRulesLeaveThePageBarAndHiddenBoxes) {
    const Shot s = shot("site", "chromium", 1.5);
    expectRaised(s, 264, 0, 150, true);
    EXPECT_EQ(s.count(100, 0, 20, 100).first, 0); // .x, scrollbar-width: none
    EXPECT_EQ(s.count(230, 0, 20, 100).first, 0); // .y, ::-webkit-scrollbar hidden
}

TEST_F(EveryBrowserBlockInBrowsers, EachReachColoursItsBoxesAndNoOthers) {
    const Shot page = shot("page", "chromium", 1), pick = shot("pick", "chromium", 1);
    expectRaised(page, 264, 0, 150, true);
    EXPECT_EQ(page.count(104, 0, 16, 100).first, 0);
    expectRaised(pick, 104, 0, 84, true);
    EXPECT_EQ(pick.count(234, 0, 16, 100).first, 0);
    EXPECT_EQ(pick.count(264, 0, 16, 150).first, 0);
    // Given Firefox's rule, Chromium drops every ::-webkit-scrollbar rule: the guard is needed.
    const Shot unguarded = shot("unguarded", "chromium", 1);
    EXPECT_NE(unguarded.role(264, 0), 'L');
    EXPECT_NE(unguarded.role(265, 1), 'H');
    EXPECT_EQ(unguarded.role(104, 0), 'L'); // a box takes its colour back
}

TEST_F(EveryBrowserBlockInBrowsers, FirefoxShowsFaceAndTrackWhereTheBlockReaches) {
    for (const char* name : {"all", "pick"}) {
        const Shot s = shot(name, "firefox", 1);
        EXPECT_EQ(std::string() + s.role(114, 20) + s.role(114, 70), "FT") << name;
        EXPECT_EQ(s.count(240, 0, 10, 80).first > 0, name == std::string("all")) << name;
    }
}

} // namespace
} // namespace brisvane
