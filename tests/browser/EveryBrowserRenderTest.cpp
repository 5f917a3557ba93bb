#include "generate/EveryBrowserBlock.h"
#include "support/CoreTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>

namespace brisvane {
namespace {

// Headless browsers hide a page's own scroll bars, so the page scrolls a 120 by 100 box in its
// top left corner: the vertical bar is x 104 to 119, the horizontal one y 84 to 99. A mark is
// + or -, a role's letter, and a pixel x,y that must or must not show that role's colour.
TEST(EveryBrowserBlockInBrowsers, RaisedBarInChromiumFaceAndTrackInFirefoxGuardNeeded) {
    const ScrollbarScheme seven{
        {"#F0C000", "#00FF00", "#0000FF", "#FF00FF", "#00FFFF"}, "#FF8000", "#800000"};
    const std::string box = "<body style='margin:0'><div style='width:120px;height:100px;"
                            "overflow:scroll'><div style='width:400px;height:400px'>",
                      guard = "@supports not selector(::-webkit-scrollbar-thumb)";
    const test::TempFolder dir;
    std::string block = buildEveryBrowserBlock(seven);
    test::writeBytes(dir.path + "/page.html", "<!DOCTYPE html>" + block + box);
    block.replace(block.find(guard), guard.size(), "@media all"); // Firefox's rule for everyone
    test::writeBytes(dir.path + "/unguarded.html", "<!DOCTYPE html>" + block + box);
    ASSERT_EQ(std::system((SHOOT_PAGES " " + dir.path).c_str()), 0) << dir.path;
    const std::pair<const char*, const char*> shots[] = {
        // An arrow button's four lines, the corners that bottom and right own, its face and
        // triangle; the thumbs' four lines; the track, the corner, the other three triangles.
        {"chromium", "+L111,0 +H111,1 +S111,14 +D111,15 +L104,7 +H105,7 +S118,7 +D119,7 +D119,0 "
                     "+D104,15 +S118,1 +S105,14 +F109,4 +A111,6 +A108,9 +A114,9 +F110,6 +F107,8 "
                     "+L104,24 +H105,24 +S118,24 +D119,24 +L20,84 +H20,85 +S20,98 +D20,99 "
                     "+T111,50 +F104,84 +F119,99 +A108,74 +A111,77 +A9,88 +A6,91 +A94,88 +A97,91"},
        {"firefox", "+F114,20 +T114,70"},
        // Given Firefox's rule, Chromium drops every ::-webkit-scrollbar rule: a bar in face and
        // track colours, but no bevel.
        {"unguarded", "+T111,50 +F111,24 -L111,0 -H111,1 -S111,14 -D111,15 -L104,24 -H105,24"}};
    for (const auto& [name, marks] : shots) {
        const QImage shot(QString::fromStdString(dir.path + "/" + name + ".png"));
        std::istringstream in(marks);
        char sign, role, comma;
        int x, y;
        while (in >> sign >> role >> x >> comma >> y)
            EXPECT_EQ(shot.pixelColor(x, y).name().toUpper().toStdString() ==
                          seven.color(allColorRoles[std::string_view("FHLSDTA").find(role)]),
                      sign == '+')
                << name << ' ' << sign << role << x << ',' << y;
    }
}

} // namespace
} // namespace brisvane
