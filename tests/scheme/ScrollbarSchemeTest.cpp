#include "scheme/ScrollbarScheme.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

std::vector<std::string> inRoleOrder(const ScrollbarScheme& scheme) {
    std::vector<std::string> colors;
    for (ColorRole role : allColorRoles)
        colors.push_back(scheme.color(role));
    return colors;
}

TEST(ScrollbarScheme, DefaultAndStartColoursInRoleOrder) {
    EXPECT_EQ(inRoleOrder(defaultScheme),
              (std::vector<std::string>{"#C0C0C0", "#FFFFFF", "#C0C0C0", "#808080", "#404040",
                                        "#E0E0E0", "#000000"}));
    EXPECT_EQ(inRoleOrder(startScheme), std::vector<std::string>(7, "#808080"));
}

TEST(ScrollbarScheme, RolesReachTheirOwnField) {
    ScrollbarScheme scheme = startScheme;
    scheme.setColor(ColorRole::Shadow, "#333333");
    scheme.setColor(ColorRole::DarkShadow, "#444444");
    scheme.setColor(ColorRole::Track, "#666666");
    scheme.setColor(ColorRole::Arrow, "<not_set>");
    EXPECT_EQ(scheme.faceGroupColors[3], "#333333");
    EXPECT_EQ(scheme.faceGroupColors[4], "#444444");
    EXPECT_EQ(scheme.trackColor, "#666666");
    EXPECT_EQ(scheme.arrowColor, "<not_set>"); // stored as given, unchecked
    EXPECT_EQ(scheme.faceGroupColors[0], "#808080");
}

TEST(ScrollbarScheme, RoleNamesKeysAndLabels) {
    RoleLabels labels;
    setRoleLabels(labels);
    const std::vector<std::string> css{"scrollbar-face-color",       "scrollbar-highlight-color",
                                       "scrollbar-3dlight-color",    "scrollbar-shadow-color",
                                       "scrollbar-darkshadow-color", "scrollbar-track-color",
                                       "scrollbar-arrow-color"};
    const std::vector<std::string> titles{"Face Color",   "Highlight Color",  "3D Light Color",
                                          "Shadow Color", "DarkShadow Color", "Track Color",
                                          "ArrowColor"};
    for (ColorRole role : allColorRoles) {
        const std::size_t i = roleIndex(role);
        SCOPED_TRACE(i);
        EXPECT_EQ(cssPropertyName(role), css[i]);
        EXPECT_EQ(projectKey(role), std::to_string(i + 1));
        EXPECT_EQ(labels[i], titles[i]);
    }
    EXPECT_EQ(rowLabel(ColorRole::Arrow), "Arrows:");
    EXPECT_EQ(pictureTooltip(ColorRole::Arrow), "Click here to change the Arrow Color");
}

} // namespace
} // namespace brisvane
