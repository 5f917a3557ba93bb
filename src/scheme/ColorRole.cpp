#include "scheme/ColorRole.h"

namespace brisvane {

namespace {

struct RoleTexts {
    std::string_view css;
    std::string_view key;
    std::string_view row;
    std::string_view tooltip;
    std::string_view chooserTitle;
};

constexpr std::array<RoleTexts, colorRoleCount> roleTexts{{
    {"scrollbar-face-color", "1", "Face:", "Click here to change the Face Color", "Face Color"},
    {"scrollbar-highlight-color", "2", "Highlight:", "Click here to change the Highlight Color",
     "Highlight Color"},
    {"scrollbar-3dlight-color", "3", "3d Light:", "Click here to change the 3d Light Color",
     "3D Light Color"},
    {"scrollbar-shadow-color", "4", "Shadow:", "Click here to change the Shadow Color",
     "Shadow Color"},
    {"scrollbar-darkshadow-color", "5", "Darkshadow:", "Click here to change the Darkshadow Color",
     "DarkShadow Color"},
    {"scrollbar-track-color", "6", "Track:", "Click here to change the Track Color", "Track Color"},
    {"scrollbar-arrow-color", "7", "Arrows:", "Click here to change the Arrow Color", "ArrowColor"},
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

} // namespace brisvane
