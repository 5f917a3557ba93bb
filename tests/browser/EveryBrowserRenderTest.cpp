#include "generate/EveryBrowserBlock.h"
#include "support/CoreTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

const ScrollbarScheme seven{
    {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};
// The same scrollbar pointed at and held; and a dark set, its colours the seven's in turn.
const ScrollbarScheme states{{"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"},
                             "#FF8000",
                             "#800000",
                             "#4080C0",
                             "#C04080"};
const ScrollbarScheme night{
    {"#FF8000", "#0000FF", "#00FF00", "#00FFFF", "#FF00FF"}, "#F0C000", "#FFFFFF"};
// Device pixel ratios in Chromium besides 1 and 1.5, at which every page is looked at: the
// common display scales, and ratios where a picture scaled with smoothing came out a shade off
// the colour chosen.
const double ratios[] = {0.5, 0.9, 1.25, 1.75, 2, 2.6, 3};

// Each page has a scroll box of 120 by 100 CSS pixels at the top left, A, with both bars, a
// second thing of that size at left 130 (a box B, or a frame whose page is taller than it),
// and is taller than its window of 280 by 150, so that the page's own bar runs down x 264 to
// 280. The site's CSS goes before the block, after it, or both.
const std::string tall = "<div style='height:2000px'></div></body></html>";

std::string page(const std::string& block, const std::string& classA, const std::string& classB,
                 const std::string& before = {}, const std::string& after = {}) {
    std::string html =
        "<!DOCTYPE html><html><head>" + before + block + after + "</head><body style='margin:0'>";
    const std::string place = "position:absolute;top:0;width:120px;height:100px;left:";
    html += "<div class='" + classA + "' style='overflow:scroll;" + place +
            "0'><div style='width:400px;height:400px'></div></div>";
    html += classB == "frame" ? "<iframe src='frame.html' style='border:0;" + place + "130px'>"
                              : "<div " + classB + " style='overflow:scroll;" + place +
                                    "130px'><div style='width:400px;height:400px'></div></div>";
    return html + tall;
}

// A site's own scroll-bar look for every box, painted by the parts themselves, !important on
// what the block does not set, rules as specific as the block's or more, a hiding utility in a
// cascade layer: none of it may show through the block's bars, and box B, which the utility
// hides, stays hidden.
const std::string siteSheet =
    "<style>::-webkit-scrollbar { width: 10px; height: 10px; background: #eee }"
    " body ::-webkit-scrollbar { width: 12px }"
    " ::-webkit-scrollbar-track { background: #ddd repeating-linear-gradient(45deg, #000 0 1px,"
    " #fff 1px 2px); border-left: 2px solid red; border-radius: 6px !important; margin: 3px }"
    " ::-webkit-scrollbar-track-piece { background: #ccc }"
    " html body *::-webkit-scrollbar-thumb { background: #888; border: 3px solid #eee;"
    " background-clip: padding-box; border-radius: 5px !important;"
    " box-shadow: inset 0 0 0 6px #00f !important }"
    " body *::-webkit-scrollbar-button { display: none }"
    " ::-webkit-scrollbar-corner { background: red }"
    " :not(html):not(body) { scrollbar-width: thin; scrollbar-color: #444 #eee }"
    " * { scrollbar-width: thin } html, body { scrollbar-color: #123456 #654321 }"
    " @layer utilities { .scrollbar-none { scrollbar-width: none } }</style>";
// Boxes a site names keep the site's look: hidden, thin, in its own colours.
const std::string namingSheet =
    "<style>.x { scrollbar-width: none } .y::-webkit-scrollbar { display: none }"
    " #own { scrollbar-color: #123456 #654321 } [data-thin] { scrollbar-width: thin }</style>";

// The pages, each in a frame of 280 by 150 on one page, two to a row 300 apart, rows 160
// apart, so that a browser is started once for them all. At every ratio looked at, each frame
// starts at a whole device pixel.
const char* const cases[] = {"all",         "page",         "pick",    "unguarded",
                             "site-before", "site-after",   "hidden",  "hidden-parts",
                             "named-x",     "named-x-bare", "named-y", "named-y-bare"};
constexpr int caseCount = static_cast<int>(std::size(cases));

// A screenshot read in CSS pixels scaled by its device pixel ratio, from the top left of the
// page or of one of its frames.
struct Shot {
    QImage image;
    double r;
    int left = 0, top = 0;

    Shot frame(int i) const { return {image, r, i % 2 * 300, i / 2 * 160}; }
    int px(double x) const { return static_cast<int>((left + x) * r + 0.5); }
    int py(double y) const { return static_cast<int>((top + y) * r + 0.5); }
    int device(double css) const { return static_cast<int>(css * r + 0.5); }
    // The role letter (FHLSDTA) of the device pixel x, y, or '?' for any other colour.
    char role(int x, int y) const {
        const std::string name = image.pixelColor(x, y).name().toUpper().toStdString();
        for (std::size_t i = 0; i < allColorRoles.size(); ++i)
            if (seven.color(allColorRoles[i]) == name)
                return "FHLSDTA"[i];
        return '?';
    }
    // How many pixels of the strip (CSS pixels) show one of the seven colours.
    int colored(int x, int y, int width, int height) const {
        int n = 0;
        for (int v = py(y); v < py(y + height); ++v)
            for (int u = px(x); u < px(x + width); ++u)
                n += role(u, v) != '?';
        return n;
    }
    // The strip's pixels, row by row.
    std::vector<QRgb> pixels(int x, int y, int width, int height) const {
        std::vector<QRgb> all;
        for (int v = py(y); v < py(y + height); ++v)
            for (int u = px(x); u < px(x + width); ++u)
                all.push_back(image.pixel(u, v));
        return all;
    }
};

class EveryBrowserBlockInBrowsers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto picked = *BlockReach::matching(".pick, textarea");
        const std::string block = buildEveryBrowserBlock(seven);
        std::string unguarded = page(block, "", "");
        const std::string guard = "@supports not selector(::-webkit-scrollbar-thumb)";
        unguarded.replace(unguarded.find(guard), guard.size(), "@media all");
        std::string grid = "<!DOCTYPE html><body style='margin:0'>";
        for (int i = 0; i < caseCount; ++i) {
            const Shot at = Shot{}.frame(i);
            grid += "<iframe src='" + std::string(cases[i]) +
                    ".html' style='position:absolute;border:0;width:280px;height:150px;left:" +
                    std::to_string(at.left) + "px;top:" + std::to_string(at.top) + "px'></iframe>";
        }
        const std::pair<const char*, std::string> pages[] = {
            {"grid", grid + "</body>"},
            {"all", page(block, "", "frame")},
            {"frame", "<!DOCTYPE html>" + block + "<body style='margin:0'>" + tall},
            {"page", page(buildEveryBrowserBlock(seven, BlockReach::page()), "", "")},
            {"page-site",
             page(buildEveryBrowserBlock(seven, BlockReach::page()), "", "", siteSheet)},
            {"pick", page(buildEveryBrowserBlock(seven, picked), "pick", "")},
            {"unguarded", unguarded},
            {"site-before", page(block, "", "class='scrollbar-none'", siteSheet)},
            {"site-after", page(block, "", "class='scrollbar-none'", {}, siteSheet)},
            // The page's own bar hidden by the site, with scrollbar-width or by its parts.
            {"hidden",
             page(block, "", "", {}, "<style>html, body { scrollbar-width: none }</style>")},
            {"hidden-parts",
             page(block, "", "", "<style>body::-webkit-scrollbar { display: none }</style>")},
            {"named-x", page(block, "x", "id='own'", namingSheet)},
            {"named-x-bare", page({}, "x", "id='own'", namingSheet)},
            {"named-y", page(block, "y", "data-thin", {}, namingSheet)},
            {"named-y-bare", page({}, "y", "data-thin", {}, namingSheet)},
            // Hover, held and the dark set; the page says when it is ready for the pointer.
            {"states", page(buildEveryBrowserBlock({states, night}), "", "") +
                           "<script>requestAnimationFrame(() => requestAnimationFrame(() => "
                           "document.title = 'ready'))</script>"},
            {"dark-selector",
             page(buildEveryBrowserBlock({seven, night}, {}, ".night"), "night", "")},
            {"firefox-site", page(block, "", "id='own'", namingSheet + siteSheet,
                                  "<style>body { scrollbar-color: #123456 #654321 }</style>")}};
        for (const auto& [name, html] : pages)
            test::writeBytes(folder->path + "/" + name + ".html", html);
        std::string command = SHOOT_PAGES " " + folder->path;
        for (double r : ratios)
            command += " chromium:all:" + QString::number(r).toStdString();
        command += " chromium:grid:1:580x950 chromium:grid:1.5:580x950 webkit:grid:1:580x950"
                   " webkit2:all:1 webkit:all:1.5:600x400 webkit:all:3:900x600 webkit:page-site:1"
                   " chromium:page-site:1 chromium:page-site:1.5"
                   " firefox:all:1 firefox:pick:1 firefox:firefox-site:1 pointer:states:112,21"
                   " chromium-dark:states:1 firefox-dark:states:1 chromium:dark-selector:1"
                   " chromium-forced:states:1";
        ASSERT_EQ(std::system(command.c_str()), 0) << folder->path;
    }
    static Shot shot(const std::string& name, const char* browser, double r) {
        const std::string file = name + '-' + browser + '-' + QString::number(r).toStdString();
        Shot s{QImage(QString::fromStdString(folder->path + '/' + file + ".png")), r};
        EXPECT_FALSE(s.image.isNull()) << file;
        return s;
    }
    static Shot frame(const char* browser, double r, std::string_view name) {
        const auto i = std::find(std::begin(cases), std::end(cases), name) - std::begin(cases);
        return shot("grid", browser, r).frame(static_cast<int>(i));
    }

    // A raised bar, vertical or horizontal, at left, top (CSS pixels), 16 wide, length long:
    // every pixel one of the seven colours; across the middle of its first button, both ways,
    // the lines 3D light, highlight, face, arrow, face, shadow, dark shadow (no face beside the
    // arrow in a button of 8 pixels), the four bevel lines equally wide where the engine knows
    // the scale (not so in WebKit at page zoom). A bar is a whole number of device pixels wide,
    // rounded down, and ends where its box ends.
    static void expectRaised(const Shot& s, int left, int top, int length, bool vertical,
                             bool equalRings = true) {
        SCOPED_TRACE(testing::Message() << "bar at " << left << ',' << top << " ratio " << s.r);
        const int b = static_cast<int>(16 * s.r);
        const int x0 = vertical ? s.px(left + 16) - b : s.px(left);
        const int y0 = vertical ? s.py(top) : s.py(top + 16) - b;
        int other = 0;
        for (int along = 0; along < s.device(length); ++along)
            for (int across = 0; across < b; ++across)
                other += vertical ? s.role(x0 + across, y0 + along) == '?'
                                  : s.role(x0 + along, y0 + across) == '?';
        EXPECT_EQ(other, 0);
        for (const bool down : {false, true}) {
            std::string lines;
            std::vector<int> widths;
            for (int i = 0; i < b; ++i) {
                const char role = down ? s.role(x0 + b / 2, y0 + i) : s.role(x0 + i, y0 + b / 2);
                if (lines.empty() || lines.back() != role)
                    lines += role, widths.push_back(0);
                ++widths.back();
            }
            EXPECT_TRUE(lines == "LHFAFSD" || (b <= 8 && lines == "LHASD")) << lines;
            // Each ring one device pixel per CSS pixel, the ratio rounded, and one at least.
            const int ring = std::max(1, s.device(1)), n = static_cast<int>(widths.size());
            for (int i : {0, 1, n - 2, n - 1})
                EXPECT_TRUE(!equalRings || widths[std::max(i, 0)] == ring) << lines << ' ' << i;
        }
        // Bottom and right own the corners they share with top and left, ring by ring: the
        // first button's corners, outer and inner, from the top left.
        const int w = std::max(1, s.device(1)), e = b - 1;
        std::string corners;
        for (const auto& [u, v] : {std::pair{0, 0}, {e, 0}, {0, e}, {w, w}, {e - w, w}, {w, e - w}})
            corners += s.role(x0 + u, y0 + v);
        EXPECT_TRUE(corners == "LDDHSS" || !equalRings) << corners;
    }

    // The arrow in the button at left, top (CSS pixels): a solid triangle pointing its way
    // (u, d, l or r), every row across it centred on the button's middle, and the rows centred
    // along it too, each within half a device pixel.
    static void expectArrow(const Shot& s, int left, int top, char way) {
        SCOPED_TRACE(testing::Message() << "arrow " << way << " ratio " << s.r);
        const bool across = way == 'l' || way == 'r', toward0 = way == 'u' || way == 'l';
        const int b = s.device(16);
        int first = -1, last = -1, lastWidth = toward0 ? 0 : b + 1;
        for (int v = 0; v < b; ++v) {
            int lo = b, hi = -1, n = 0;
            for (int u = 0; u < b; ++u) {
                if (s.role(s.px(left) + (across ? v : u), s.py(top) + (across ? u : v)) == 'A')
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

    // Box A's bars and four arrows, and the page bar of the frame beside it, of the page "all".
    static void expectAllRaised(const Shot& s, bool equalRings = true) {
        expectRaised(s, 104, 0, 84, true, equalRings);
        expectRaised(s, 0, 84, 104, false, equalRings);
        expectRaised(s, 234, 0, 100, true, equalRings);
        if (s.r < 0.75)
            return; // an 8-pixel button has no room for a shaped arrow
        for (const auto& [left, top, way] :
             {std::tuple{104, 0, 'u'}, {104, 68, 'd'}, {0, 84, 'l'}, {88, 84, 'r'}, {234, 84, 'd'}})
            expectArrow(s, left, top, way);
    }

    static inline std::unique_ptr<test::TempFolder> folder = std::make_unique<test::TempFolder>();
};

TEST_F(EveryBrowserBlockInBrowsers, ChromiumDrawsTheRaisedBarExactAtEveryScale) {
    for (double r : ratios)
        expectAllRaised(shot("all", "chromium", r));
    for (double r : {1.0, 1.5})
        expectAllRaised(frame("chromium", r, "all"));
}

TEST_F(EveryBrowserBlockInBrowsers, WebKitDrawsItAsChromiumAndKeepsEveryRingAtPageZoom) {
    for (const auto& [webkit, chromium] :
         {std::pair{frame("webkit", 1, "all"), frame("chromium", 1, "all")},
          std::pair{shot("all", "webkit2", 1), shot("all", "chromium", 2)}}) {
        SCOPED_TRACE(chromium.r);
        const Shot w{webkit.image, chromium.r, webkit.left, webkit.top};
        // The buttons at both ends of each bar and the thumb's first pixels; the engines
        // make the thumb a little longer or shorter.
        for (const auto& [left, top, width, height] : {std::tuple{104, 0, 16, 20},
                                                       {104, 68, 16, 16},
                                                       {0, 84, 20, 16},
                                                       {88, 84, 16, 16},
                                                       {234, 0, 16, 20},
                                                       {234, 84, 16, 16}})
            EXPECT_EQ(w.pixels(left, top, width, height), chromium.pixels(left, top, width, height))
                << left << ',' << top;
    }
    for (double zoom : {1.5, 3.0})
        expectAllRaised(shot("all", "webkit", zoom), false);
}

TEST_F(EveryBrowserBlockInBrowsers, ASitesOwnScrollbarLookLeavesTheBlocksBarsAndWhatItHides) {
    for (const auto& [browser, r] :
         {std::pair{"chromium", 1.0}, {"chromium", 1.5}, {"webkit", 1.0}}) {
        SCOPED_TRACE(testing::Message() << browser << ' ' << r);
        for (const char* name : {"site-before", "site-after"}) {
            SCOPED_TRACE(name);
            const Shot s = frame(browser, r, name);
            expectRaised(s, 104, 0, 84, true);        // box A
            expectRaised(s, 264, 0, 150, true);       // the page's own bar
            EXPECT_EQ(s.colored(230, 0, 20, 100), 0); // box B, hidden by the utility
        }
        for (const char* name : {"hidden", "hidden-parts"}) {
            SCOPED_TRACE(name);
            const Shot s = frame(browser, r, name);
            expectRaised(s, 104, 0, 84, true);
            EXPECT_EQ(s.colored(262, 0, 18, 150), 0);
        }
        // Boxes the site names are as the site draws them without the block. (WebKit has no
        // scrollbar-color: there the box the site colours has only the block's colours.)
        for (const char* name : {"named-x", "named-y"}) {
            SCOPED_TRACE(name);
            const Shot with = frame(browser, r, name),
                       bare = frame(browser, r, std::string(name) + "-bare");
            const int width =
                browser == std::string("webkit") && name == std::string("named-x") ? 120 : 250;
            EXPECT_EQ(with.pixels(0, 0, width, 100), bare.pixels(0, 0, width, 100));
        }
    }
}

TEST_F(EveryBrowserBlockInBrowsers, EachReachColoursItsBoxesAndNoOthers) {
    const Shot page = frame("chromium", 1, "page"), pick = frame("chromium", 1, "pick");
    expectRaised(page, 264, 0, 150, true);
    EXPECT_EQ(page.colored(104, 0, 16, 100), 0);
    // Beside a site's rules for every box, the page's own bar is still the block's alone.
    for (const auto& [browser, r] :
         {std::pair{"chromium", 1.0}, {"chromium", 1.5}, {"webkit", 1.0}}) {
        SCOPED_TRACE(testing::Message() << browser << ' ' << r);
        const Shot site = shot("page-site", browser, r);
        expectRaised(site, 264, 0, 150, true);
        EXPECT_EQ(site.colored(0, 0, 250, 100), 0);
    }
    expectRaised(pick, 104, 0, 84, true);
    EXPECT_EQ(pick.colored(234, 0, 16, 100), 0);
    EXPECT_EQ(pick.colored(264, 0, 16, 150), 0);
    // Given Firefox's rules, Chromium drops every ::-webkit-scrollbar rule: the guard is needed.
    const Shot unguarded = frame("chromium", 1, "unguarded");
    for (int x : {104, 264})
        EXPECT_NE(unguarded.role(unguarded.px(x), unguarded.py(0)), 'L') << x;
}

TEST_F(EveryBrowserBlockInBrowsers, FirefoxShowsFaceAndTrackWhereTheBlockReaches) {
    for (const char* name : {"all", "pick", "firefox-site"}) {
        const Shot s = shot(name, "firefox", 1);
        EXPECT_EQ(std::string() + s.role(116, 20) + s.role(116, 70), "FT") << name;
        EXPECT_EQ(s.colored(240, 0, 10, 80) > 0, name == std::string("all")) << name;
    }
    // The box the site colours by its id keeps the site's colours.
    const Shot site = shot("firefox-site", "firefox", 1);
    EXPECT_EQ(site.image.pixelColor(244, 70).name(), "#654321");
}

TEST_F(EveryBrowserBlockInBrowsers, ThumbTakesItsHoverAndPressedFacesUnderARealPointer) {
    // Box A's thumb: pointed at and held at 112, 21, within its bevel.
    std::string faces, rings;
    for (const char* when : {"rest", "hover", "held"}) {
        const QImage image(
            QString::fromStdString(folder->path + "/states-pointer-" + when + ".png"));
        faces += image.pixelColor(112, 21).name().toUpper().toStdString() + ' ';
        rings += Shot{image, 1}.role(104, 21);
        rings += Shot{image, 1}.role(105, 21);
    }
    EXPECT_EQ(faces, "#F0C000 #4080C0 #C04080 ");
    EXPECT_EQ(rings, "LHLHLH"); // the bevel stays as it is
}

TEST_F(EveryBrowserBlockInBrowsers, TheDarkSetInDarkModeOrUnderTheSitesOwnDarkSelector) {
    const auto colors = [](const char* name, const char* browser, int x) {
        const QImage image(
            QString::fromStdString(folder->path + "/" + name + "-" + browser + "-1.png"));
        return image.pixelColor(x, 21).name().toUpper().toStdString() + ' ' +
               image.pixelColor(x, 50).name().toUpper().toStdString();
    };
    // Box A's thumb and track: the dark set's face and track, and Firefox's the same.
    EXPECT_EQ(colors("states", "chromium-dark", 112), "#FF8000 #F0C000");
    EXPECT_EQ(colors("states", "firefox-dark", 116), "#FF8000 #F0C000");
    // The site's own dark theme: box A is within it, box B not.
    EXPECT_EQ(colors("dark-selector", "chromium", 112), "#FF8000 #F0C000");
    EXPECT_EQ(colors("dark-selector", "chromium", 242), "#F0C000 #FF8000");
    // Forced colours: the system's own bars, none of the block's.
    const Shot forced = shot("states", "chromium-forced", 1);
    EXPECT_EQ(forced.colored(104, 0, 16, 84), 0);
}

} // namespace
} // namespace brisvane
