#include "scheme/ColorRole.h"

namespace brisvane {

namespace {

struct RoleTexts {
    std::string_view css;
    std::string_view key;
    std::string_view row;
    std::string_view tooltip;
    std::string_view chooserTitle;
    std::string_view spoken; // what a screen reader says of the role's field
};

constexpr std::array<RoleTexts, colorRoleCount> roleTexts{{
    {"scrollbar-face-color", "1", "Face:", "Click here to change the Face Color", "Face Color",
     "Face color"},
    {"scrollbar-highlight-color", "2", "Highlight:", "Click here to change the Highlight Color",
     "Highlight Color", "Highlight color"},
    {"scrollbar-3dlight-color", "3", "3d Light:", "Click here to change the 3d Light Color",
     "3D Light Color", "3D Light color"},
    {"scrollbar-shadow-color", "4", "Shadow:", "Click here to change the Shadow Color",
     "Shadow Color", "Shadow color"},
    {"scrollbar-darkshadow-color", "5", "Darkshadow:", "Click here to change the Darkshadow Color",
     "DarkShadow Color", "Dark Shadow color"},
    {"scrollbar-track-color", "6", "Track:", "Click here to change the Track Color", "Track Color",
     "Track color"},
    {"scrollbar-arrow-color", "7", "Arrows:", "Click here to change the Arrow Color", "ArrowColor",
     "Arrow color"},
}};

} // namespace

std::string_view cssPropertyName(ColorRole role) {
    return roleTexts[roleIndex(role)].css;
}
std::string_view projectKey(ColorRole role) {
    return roleTexts[roleIndex(role)].key;
}
std::string_view rowLabel(ColorRole role) {
    return roleTexts[roleIndex(role)].row;
}
std::string_view pictureTooltip(ColorRole role) {
    return roleTexts[roleIndex(role)].tooltip;
}
std::string_view chooserTitle(ColorRole role) {
    return roleTexts[roleIndex(role)].chooserTitle;
}
std::string_view spokenName(ColorRole role) {
    return roleTexts[roleIndex(role)].spoken;
}

} // namespace brisvane
